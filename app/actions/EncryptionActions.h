#pragma once
// Click handlers of "Enrypt the PDF file" and "Decrypt the PDF file".
namespace velmora {

class Control;
class MainWindow;

void EncryptPdf(MainWindow* window, Control* sender);
void DecryptPdf(MainWindow* window, Control* sender);

} // namespace velmora
