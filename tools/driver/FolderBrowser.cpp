#include "tools/driver/FolderBrowser.h"
#include "tools/driver/Controls.h"
#include "tools/driver/RemoteMemory.h"
#include <commctrl.h>
#include <shlobj.h>
#include <cstddef>
#include <cstdint>

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

// TVITEMA as the tree's own process lays it out: a 32-bit program reads
// 4-byte handles and pointers, a 64-bit one 8-byte ones after padding.
template <typename Pointer> struct TreeItemIn {
    UINT mask;
    Pointer hItem;
    UINT state;
    UINT stateMask;
    Pointer pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    Pointer lParam;
};
using TreeItemIn32 = TreeItemIn<uint32_t>;
using TreeItemIn64 = TreeItemIn<uint64_t>;
static_assert(sizeof(TreeItemIn32) == 40 && offsetof(TreeItemIn32, pszText) == 16, "32-bit TVITEMA");
static_assert(sizeof(TreeItemIn<UINT_PTR>) == sizeof(TVITEMA) &&
                  offsetof(TreeItemIn<UINT_PTR>, pszText) == offsetof(TVITEMA, pszText) &&
                  offsetof(TreeItemIn<UINT_PTR>, lParam) == offsetof(TVITEMA, lParam),
              "this program's own TVITEMA");

// Asks for the item's text into the block after the request.
template <typename Pointer> void WriteTextRequest(RemoteMemory& remote, DWORD_PTR item, size_t textAt, int textSize)
{
    TreeItemIn<Pointer> request = {};
    request.mask = TVIF_TEXT;
    request.hItem = static_cast<Pointer>(item);
    request.pszText = static_cast<Pointer>(remote.AddressOf(textAt));
    request.cchTextMax = textSize;
    remote.Write(0, &request, sizeof request);
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
    const size_t textAt = sizeof(TreeItemIn64);
    RemoteMemory remote(tree, textAt + textSize);
    if (remote.Is32Bit())
        WriteTextRequest<uint32_t>(remote, item, textAt, static_cast<int>(textSize));
    else
        WriteTextRequest<uint64_t>(remote, item, textAt, static_cast<int>(textSize));
    DWORD_PTR ok = 0;
    SendMessageTimeoutA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.Address()), SMTO_ABORTIFHUNG, 5000,
                        &ok);
    if (!ok)
        return {};
    char text[textSize] = {};
    remote.Read(textAt, text, textSize - 1);
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
