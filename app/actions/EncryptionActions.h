#pragma once
// Click handlers of "Enrypt the PDF file" and "Decrypt the PDF file", and of
// the "..." beside the target field they write to.
namespace velmora {

class Control;
class MainWindow;

void EncryptPdf(MainWindow* window, Control* sender);
void DecryptPdf(MainWindow* window, Control* sender);
void ChooseTargetFile(MainWindow* window, Control* sender);

} // namespace velmora
