#pragma once
// The inputs of a join: every PDF of a folder, found the way pdftk's own
// expansion of "*.pdf" finds them in its working folder.
#include "text/WideText.h"
#include <string>
#include <vector>

namespace velmora {

struct FolderPdfs {
    WideText folder;              // as given
    // The full path of every file that "*.pdf" matches there, in the order
    // a Windows folder lists them (by the upper-cased name). Folders are not
    // among them.
    std::vector<WideText> files;
};

// Lists folder (UTF-16, zero-terminated, as a dialog or the system gives it)
// with FindFirstFileW and the pattern "*.pdf". That pattern also matches a
// name whose short form ends in .PDF (such as "a.pdfx"), as the tool's own
// expansion does. A folder without PDFs gives no files: its join is refused
// with NoPdfsNotice, since pdftk would be handed a "*.pdf" that matches
// nothing, and fail without saying why.
FolderPdfs FindFolderPdfs(const wchar_t* folder);

// "The folder {FOLDER} holds no PDF files.", the folder as the code page
// can show it.
std::string NoPdfsNotice(const WideText& folder);

} // namespace velmora
