#pragma once
// The inputs of a join: every PDF of a folder, found the way pdftk's own
// expansion of "*.pdf" finds them in its working folder, and each named as
// it can be handed on.
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

struct FolderPdfs {
    // The folder to run in, as it can be handed on (its short 8.3 form when
    // the long one does not fit the code page).
    std::string folder;
    // The full path of every file that "*.pdf" matches there, as it can be
    // handed on, in the order a Windows folder lists them (by the upper-cased
    // name). Folders are not among them.
    std::vector<std::string> files;
    // Some file is handed on by its short name: the tool's own expansion of
    // "*.pdf" would give it the long name, which it cannot open, so the files
    // must be listed one by one.
    bool listed = false;
    // Not empty: the folder, or the first of its PDFs, cannot be handed on
    // (UnnamableNotice), or it holds no PDF at all (NoPdfsNotice). The join is
    // refused with this notice at once; folder and files are then incomplete.
    std::string refusal;
};

// Lists folder (UTF-16, zero-terminated, as a dialog or the system gives it)
// with FindFirstFileW and the pattern "*.pdf". That pattern also matches a
// name whose short form ends in .PDF (such as "a.pdfx"), as the tool's own
// expansion does. A folder without PDFs gives no files and NoPdfsNotice:
// pdftk would be handed a "*.pdf" that matches nothing, and fail without
// saying why.
FolderPdfs FindFolderPdfs(const wchar_t* folder, UINT codePage = CP_ACP);

// "The folder {FOLDER} holds no PDF files."
std::string NoPdfsNotice(const std::string& folder);

} // namespace velmora
