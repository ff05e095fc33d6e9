#include "tools/driver/FileDialogs.h"
#include "tools/driver/Controls.h"
#include <commctrl.h>
#include "tools/driver/MessageBoxes.h"

namespace velmora::driver {

namespace {

std::string LastName(std::string path)
{
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

HWND WaitForFileDialog(DWORD processId, const std::string& title, DWORD timeoutMs)
{
    auto dialog = [&]() -> HWND {
        for (HWND window : TopWindowsOf(processId))
            if (IsWindowVisible(window) && ClassOf(window) == "#32770" && GetDlgItem(window, FileNameControl) &&
                TextOf(window) == title)
                return window;
        return nullptr;
    };
    return WaitFor(dialog, "a file dialog titled " + Quoted(title) + " of process " + std::to_string(processId),
                   timeoutMs);
}

HWND FileNameEdit(HWND dialog)
{
    HWND box = GetDlgItem(dialog, FileNameControl);
    if (!box)
        throw DriverError("the file dialog has no file-name box (control 0x47C)");
    if (ClassOf(box) == "Edit")
        return box;
    HWND edit = FindControl(box, ControlMatch::Class("Edit"));
    return edit ? edit : box;
}

void EnterFileName(HWND dialog, const std::string& text)
{
    HWND edit = FileNameEdit(dialog);
    SetTextOf(edit, text);
    WaitForText(edit, text);
}

void ChooseFile(HWND dialog, const std::string& nameOrPath)
{
    EnterFileName(dialog, nameOrPath);
    ClickButton(dialog, IDOK);
}

void ChooseFile(HWND dialog, const std::wstring& nameOrPath)
{
    HWND edit = FileNameEdit(dialog);
    DWORD_PTR done = 0;
    if (!SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(nameOrPath.c_str()), SMTO_ABORTIFHUNG,
                             5000, &done))
        throw DriverError("the file dialog's name box does not answer WM_SETTEXT");
    WaitUntil([&] {
        wchar_t shown[MAX_PATH * 2] = L"";
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(edit, WM_GETTEXT, MAX_PATH * 2, reinterpret_cast<LPARAM>(shown), SMTO_ABORTIFHUNG, 5000,
                            &copied);
        return nameOrPath == shown;
    }, "the wide name in the file dialog's name box");
    ClickButton(dialog, IDOK);
}

void OpenFolderInDialog(HWND dialog, const std::string& folder, DWORD timeoutMs)
{
    HWND edit = FileNameEdit(dialog);
    HWND lookIn = GetDlgItem(dialog, LookInControl);
    std::string wanted = LastName(folder);
    // Entering the folder the dialog already shows changes nothing at all,
    // not even the name box, so there would be nothing to wait for.
    if (lookIn && TextOf(lookIn) == wanted)
        return;
    ChooseFile(dialog, folder);
    std::string name, shown;
    try {
        WaitUntil([&] {
            name = TextOf(edit);
            shown = lookIn ? TextOf(lookIn) : wanted;
            return name.empty() && shown == wanted;
        }, "the file dialog to show the folder " + Quoted(folder), timeoutMs);
    } catch (const DriverError& error) {
        throw DriverError(std::string(error.what()) + "; it shows the folder " + Quoted(shown) + " and the name " +
                          Quoted(name));
    }
}

std::string QuotedNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        if (!text.empty())
            text += ' ';
        text += Quoted(name);
    }
    return text;
}

void ChooseFiles(HWND dialog, const std::string& folder, const std::vector<std::string>& names)
{
    OpenFolderInDialog(dialog, folder);
    ChooseFile(dialog, QuotedNames(names));
}

void CancelFileDialog(HWND dialog)
{
    ClickButton(dialog, IDCANCEL);
}

bool AllowsMultipleSelection(HWND dialog)
{
    HWND list = FindControl(dialog, ControlMatch::Class("SysListView32"));
    if (!list)
        throw DriverError("the file dialog has no file list (SysListView32)");
    return (GetWindowLongPtrA(list, GWL_STYLE) & LVS_SINGLESEL) == 0;
}

std::string AnswerOverwritePrompt(HWND dialog, int buttonId, DWORD timeoutMs)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    MessageBoxInfo box = WaitForMessageBox(processId, TextOf(dialog), timeoutMs);
    AnswerMessageBox(box, buttonId, timeoutMs);
    return box.text;
}

} // namespace velmora::driver
