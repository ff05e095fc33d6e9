#pragma once
// Click handlers of the operations on one PDF, and of the "..." button that
// fills the PDF file field.
namespace velmora {

class Control;
class MainWindow;

void ChoosePdfFile(MainWindow* window, Control* sender);
void RepairPdf(MainWindow* window, Control* sender);
void BurstPdf(MainWindow* window, Control* sender);
void CompressPdf(MainWindow* window, Control* sender);
void UncompressPdf(MainWindow* window, Control* sender);
void DumpPdfData(MainWindow* window, Control* sender);
void RotateAll(MainWindow* window, Control* sender);

} // namespace velmora
