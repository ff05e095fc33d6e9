#pragma once
// The PDF that the PDF file field names: chosen with its "...", named on the
// command line or dropped on the window, kept as the system names it. The
// field, 8-bit text, shows '?' for letters the code page lacks; encryption
// and decryption take the file by this name.
#include "text/WideText.h"

namespace velmora {

class MainWindow;

// The PDF file field's file, full path; empty while the field is empty.
extern WideText ChosenPdf;
// The PDF named on the command line or dropped: the dialogs that ask for a
// PDF propose it; empty when there is none.
extern WideText NamedPdf;

// Shows path as the PDF file field's file, with the target it proposes
// (none for a name the code page cannot hold).
void ShowPdfFile(MainWindow* window, const WideText& path);

// ShowPdfFile, and path is proposed by the dialogs from now on.
void TakePdfFile(MainWindow* window, const WideText& path);

} // namespace velmora
