#include "tools/driver/FolderBrowser.h"
#include "tools/driver/Controls.h"
#include "tools/driver/RemoteMemory.h"
#include <commctrl.h>
#include <shlobj.h>

namespace velmora::driver {

namespace {

HWND Tree(HWND browser)
{
    HWND tree = GetDlgItem(browser, FolderTreeControl);
    if (!tree)
        throw DriverError("the folder browser has no tree (control 0x3741)");
    return tree;
}

std::string LastName(std::string path)
{
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SendSelection(HWND browser, RemoteMemory& path)
{
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.Address()),
                               SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

} // namespace

HWND WaitForFolderBrowser(DWORD processId, DWORD timeoutMs)
{
    auto browser = [&]() -> HWND {
        for (HWND window : TopWindowsOf(processId))
            if (IsWindowVisible(window) && ClassOf(window) == "#32770" && GetDlgItem(window, FolderTreeControl))
                return window;
        return nullptr;
    };
    return WaitFor(browser, "a folder browser of process " + std::to_string(processId), timeoutMs);
}

std::string FolderBrowserText(HWND browser)
{
    HWND text = GetDlgItem(browser, FolderTextControl);
    return text ? TextOf(text) : std::string();
}

std::string SelectedFolderName(HWND browser)
{
    HWND tree = Tree(browser);
    DWORD_PTR item = 0;
    SendMessageTimeoutA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, SMTO_ABORTIFHUNG, 5000, &item);
    if (!item)
        return {};

    const size_t textSize = MAX_PATH * 2;
    RemoteMemory remote(tree, sizeof(TVITEMA) + textSize);
    TVITEMA request = {};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = remote.At<char>(sizeof(TVITEMA));
    request.cchTextMax = static_cast<int>(textSize);
    remote.Write(0, &request, sizeof request);
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.Address()), SMTO_ABORTIFHUNG, 5000,
                        &ok);
    if (!ok)
        return {};
    char text[textSize] = {};
    remote.Read(sizeof(TVITEMA), text, textSize - 1);
    return text;
}

void SelectFolder(HWND browser, const std::string& path, DWORD timeoutMs)
{
    RemoteMemory remotePath(browser, path.size() + 1);
    remotePath.Write(0, path.c_str(), path.size() + 1);
    std::string wanted = LastName(path);

    // While the tree still fills, a selection may stop at the drive: ask
    // again until the folder itself shows selected. Only sent (never
    // posted) requests, so the path's memory is unused once this returns.
    DWORD start = GetTickCount();
    std::string shown;
    for (;;) {
        SendSelection(browser, remotePath);
        DWORD askedAt = GetTickCount();
        while (GetTickCount() - askedAt < 1000) {
            shown = SelectedFolderName(browser);
            if (shown == wanted)
                return;
            Sleep(PollIntervalMs);
        }
        if (GetTickCount() - start >= timeoutMs)
            throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for the folder browser to select " +
                              Quoted(path) + "; it shows " + Quoted(shown));
    }
}

} // namespace velmora::driver
