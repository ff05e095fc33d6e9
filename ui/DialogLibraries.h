#pragma once
// The system's file dialogs, folder browser and dropped-file lists, from libraries loaded when a
// dialog first opens rather than with the program: no dialog can open before
// the main window shows, and under Wine loading comdlg32, shell32 and ole32
// up front took a tenth of the start-up.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include <shellapi.h>

namespace velmora {

struct FileDialogFunctions {
    decltype(&GetOpenFileNameA) getOpenFileName;
    decltype(&GetSaveFileNameA) getSaveFileName;
    decltype(&CommDlgExtendedError) extendedError;
};

struct FolderBrowserFunctions {
    decltype(&SHBrowseForFolderA) browseForFolder;
    decltype(&SHGetPathFromIDListA) pathFromItem;
    decltype(&CoTaskMemFree) freeItem;
};

struct DroppedFilesFunctions {
    decltype(&DragQueryFileA) queryFile;
    decltype(&DragFinish) finish;
};

// Null when a library or one of its functions cannot be had.
const FileDialogFunctions* FileDialogLibrary();
const FolderBrowserFunctions* FolderBrowserLibrary();
const DroppedFilesFunctions* DroppedFilesLibrary();

} // namespace velmora
