#include "ui/DialogLibraries.h"
#include <string>

namespace velmora {

namespace {

// Always from the system folder: a bare name would be looked for in the
// program's own folder first, where anyone could have put a DLL of that name.
HMODULE LoadSystemLibrary(const char* name)
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryA((std::string(folder, length) + "\\" + name).c_str());
}

// The libraries stay loaded for the life of the process, as imported ones do.
template <typename Function>
bool Find(HMODULE library, const char* name, Function& function)
{
    function = library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
    return function != nullptr;
}

FileDialogFunctions LoadFileDialogs(bool& complete)
{
    FileDialogFunctions functions = {};
    const HMODULE comdlg = LoadSystemLibrary("comdlg32.dll");
    complete = Find(comdlg, "GetOpenFileNameW", functions.getOpenFileName) &&
               Find(comdlg, "GetSaveFileNameW", functions.getSaveFileName) &&
               Find(comdlg, "CommDlgExtendedError", functions.extendedError);
    return functions;
}

FolderBrowserFunctions LoadFolderBrowser(bool& complete)
{
    FolderBrowserFunctions functions = {};
    const HMODULE shell = LoadSystemLibrary("shell32.dll");
    const HMODULE ole = LoadSystemLibrary("ole32.dll");
    complete = Find(shell, "SHBrowseForFolderW", functions.browseForFolder) &&
               Find(shell, "SHGetPathFromIDListW", functions.pathFromItem) &&
               Find(ole, "CoTaskMemFree", functions.freeItem);
    return functions;
}

using FolderPathFunction = decltype(&SHGetFolderPathA);

FolderPathFunction LoadFolderPath()
{
    FolderPathFunction function = nullptr;
    Find(LoadSystemLibrary("shell32.dll"), "SHGetFolderPathA", function);
    return function;
}

DroppedFilesFunctions LoadDroppedFiles(bool& complete)
{
    DroppedFilesFunctions functions = {};
    const HMODULE shell = LoadSystemLibrary("shell32.dll");
    complete = Find(shell, "DragQueryFileW", functions.queryFile) && Find(shell, "DragFinish", functions.finish);
    return functions;
}

} // namespace

const FileDialogFunctions* FileDialogLibrary()
{
    static bool complete = false;
    static const FileDialogFunctions functions = LoadFileDialogs(complete);
    return complete ? &functions : nullptr;
}

const FolderBrowserFunctions* FolderBrowserLibrary()
{
    static bool complete = false;
    static const FolderBrowserFunctions functions = LoadFolderBrowser(complete);
    return complete ? &functions : nullptr;
}

std::string DocumentsFolder()
{
    static const FolderPathFunction folderPath = LoadFolderPath();
    char folder[MAX_PATH];
    if (!folderPath || folderPath(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
        return std::string();
    return folder;
}

const DroppedFilesFunctions* DroppedFilesLibrary()
{
    static bool complete = false;
    static const DroppedFilesFunctions functions = LoadDroppedFiles(complete);
    return complete ? &functions : nullptr;
}

} // namespace velmora
