#pragma once
// Answering the system's folder browser (SHBrowseForFolder) of another process.
#include "tools/driver/Wait.h"
#include <windows.h>
#include <string>

namespace velmora::driver {

constexpr int FolderTreeControl = 0x3741;   // SysTreeView32
constexpr int FolderTextControl = 0x3742;   // the text the program asked to show above the tree
constexpr int FolderEditControl = 0x3745;   // only with BIF_EDITBOX

// Waits for a visible folder browser of the process.
HWND WaitForFolderBrowser(DWORD processId, DWORD timeoutMs = DefaultWaitMs);
std::string FolderBrowserText(HWND browser);
// The text of the tree's selected item ("" when none).
std::string SelectedFolderName(HWND browser);
// Selects the folder in the tree, as a person clicking through to it would,
// and waits until the tree shows it selected. Typing a path selects nothing.
void SelectFolder(HWND browser, const std::string& path, DWORD timeoutMs = DefaultWaitMs);

} // namespace velmora::driver
