#pragma once
// The system's file dialogs, folder browser and dropped-file lists, from libraries loaded when a
// dialog first opens rather than with the program: no dialog can open before
// the main window shows, and under Wine loading comdlg32, shell32 and ole32
// up front took a tenth of the start-up.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include <shellapi.h>
#include <string>

namespace velmora {

struct FileDialogFunctions {
    decltype(&GetOpenFileNameW) getOpenFileName;
    decltype(&GetSaveFileNameW) getSaveFileName;
    decltype(&CommDlgExtendedError) extendedError;
};

struct FolderBrowserFunctions {
    decltype(&SHBrowseForFolderW) browseForFolder;
    decltype(&SHGetPathFromIDListW) pathFromItem;
    decltype(&CoTaskMemFree) freeItem;
};

struct DroppedFilesFunctions {
    decltype(&DragQueryFileW) queryFile;
    decltype(&DragFinish) finish;
};

// Null when a library or one of its functions cannot be had.
const FileDialogFunctions* FileDialogLibrary();
const FolderBrowserFunctions* FolderBrowserLibrary();
const DroppedFilesFunctions* DroppedFilesLibrary();

// The user's Documents folder, where a save dialog can propose a file when
// the natural place has none; empty when the system cannot tell.
std::string DocumentsFolder();

} // namespace velmora
