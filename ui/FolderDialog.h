#pragma once
// The system's folder browser as an object that keeps its settings and the
// last folder chosen.
#include "ui/FileDialogParts.h"
#include "ui/LayerObject.h"
#include <cstdint>
#include <string>
#include <shlobj.h>

namespace velmora {

class FolderDialog : public LayerObject {
public:
    std::string title;                    // above the folder tree; empty: none
    uint16_t options = DefaultFolderOptions;
    BFFCALLBACK callback = nullptr;
    char path[MAX_PATH + 1] = {};         // the chosen folder, '?' where the code page lacks a letter
    wchar_t widePath[MAX_PATH + 1] = {};  // the same as the system named it
    HWND owner = nullptr;                 // 0: the application main form's window
};

// An empty option set stands for the default: file-system folders only.
FolderDialog* CreateFolderDialog(const std::string& title, uint16_t options);

// Shows the browser and waits; true when a folder with a file-system path was
// chosen. A Cancel leaves the path as it was.
bool RunFolderDialog(FolderDialog* dialog);

// The chosen folder's path, without a trailing backslash except for a
// drive's root.
std::string GetFolderPath(const FolderDialog* dialog);
// The same as the system named it (zero-terminated), for the decision of
// how to hand it on where the code page lacks one of its letters.
const wchar_t* GetWideFolderPath(const FolderDialog* dialog);

} // namespace velmora
