#include "tools/driver/Controls.h"
#include <cstdio>

namespace velmora::driver {

namespace {

constexpr UINT AnswerTimeoutMs = 5000;

std::string Hex(long long value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", value);
    return text;
}

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM data)
{
    auto* found = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == found->first)
        found->second.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM data)
{
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

std::string Describe(HWND window)
{
    return Hex(reinterpret_cast<LONG_PTR>(window)) + " (" + ClassOf(window) + ")";
}

} // namespace

WindowMatch WindowMatch::Title(const std::string& title)
{
    return WindowMatch{title, std::nullopt};
}

WindowMatch WindowMatch::Class(const std::string& className)
{
    return WindowMatch{std::nullopt, className};
}

WindowMatch WindowMatch::AndClass(const std::string& name) const
{
    WindowMatch match = *this;
    match.className = name;
    return match;
}

bool WindowMatch::Matches(HWND window) const
{
    return (!className || ClassOf(window) == *className) && (!title || TextOf(window) == *title);
}

std::string WindowMatch::Describe() const
{
    std::string text = "a window";
    if (title)
        text += " titled " + Quoted(*title);
    if (className)
        text += " of class " + Quoted(*className);
    return text;
}

ControlMatch ControlMatch::Id(int id)
{
    return ControlMatch{id, std::nullopt, std::nullopt};
}

ControlMatch ControlMatch::Text(const std::string& text)
{
    return ControlMatch{std::nullopt, text, std::nullopt};
}

ControlMatch ControlMatch::Class(const std::string& className)
{
    return ControlMatch{std::nullopt, std::nullopt, className};
}

ControlMatch ControlMatch::AndClass(const std::string& name) const
{
    ControlMatch match = *this;
    match.className = name;
    return match;
}

bool ControlMatch::Matches(HWND control) const
{
    return (!id || GetDlgCtrlID(control) == *id) && (!className || ClassOf(control) == *className) &&
           (!text || TextOf(control) == *text);
}

std::string ControlMatch::Describe() const
{
    std::string description = "a control";
    if (id)
        description += " with id " + Hex(*id);
    if (text)
        description += " with text " + Quoted(*text);
    if (className)
        description += " of class " + Quoted(*className);
    return description;
}

std::vector<HWND> TopWindowsOf(DWORD processId)
{
    std::pair<DWORD, std::vector<HWND>> found{processId, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

HWND FindTopWindow(DWORD processId, const WindowMatch& match)
{
    for (HWND window : TopWindowsOf(processId))
        if (match.Matches(window))
            return window;
    return nullptr;
}

HWND WaitForTopWindow(DWORD processId, const WindowMatch& match, DWORD timeoutMs)
{
    auto visibleMatch = [&]() -> HWND {
        for (HWND window : TopWindowsOf(processId))
            if (IsWindowVisible(window) && match.Matches(window))
                return window;
        return nullptr;
    };
    return WaitFor(visibleMatch, "a visible " + match.Describe().substr(2) + " of process " + std::to_string(processId),
                   timeoutMs);
}

void WaitUntilGone(HWND window, DWORD timeoutMs)
{
    std::string what = "window " + Describe(window) + " to go";
    WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, what, timeoutMs);
}

std::vector<ControlInfo> ListControls(HWND window)
{
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<ControlInfo> controls;
    controls.reserve(children.size());
    for (HWND child : children)
        controls.push_back(DescribeControl(child));
    return controls;
}

ControlInfo DescribeControl(HWND control)
{
    ControlInfo info;
    info.window = control;
    info.parent = GetParent(control);
    info.className = ClassOf(control);
    info.text = TextOf(control);
    info.id = GetDlgCtrlID(control);
    GetWindowRect(control, &info.rect);
    MapWindowPoints(HWND_DESKTOP, info.parent, reinterpret_cast<POINT*>(&info.rect), 2);
    info.style = GetWindowLongPtrA(control, GWL_STYLE);
    info.exStyle = GetWindowLongPtrA(control, GWL_EXSTYLE);
    info.enabled = IsWindowEnabled(control) != FALSE;
    info.visible = IsWindowVisible(control) != FALSE;
    return info;
}

std::string ControlTree(HWND window)
{
    std::string tree = Describe(window) + " " + Quoted(TextOf(window)) + "\n";
    for (const ControlInfo& control : ListControls(window)) {
        char place[96];
        std::snprintf(place, sizeof place, " id %s at %ld,%ld size %ldx%ld%s%s", Hex(control.id).c_str(),
                      control.rect.left, control.rect.top, control.rect.right - control.rect.left,
                      control.rect.bottom - control.rect.top, control.visible ? "" : " hidden",
                      control.enabled ? "" : " disabled");
        tree += "  " + Describe(control.window) + " " + Quoted(control.text) + place + "\n";
    }
    return tree;
}

HWND FindControl(HWND window, const ControlMatch& match)
{
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children)
        if (match.Matches(child))
            return child;
    return nullptr;
}

HWND WaitForControl(HWND window, const ControlMatch& match, DWORD timeoutMs)
{
    return WaitFor([&] { return FindControl(window, match); }, match.Describe() + " in " + Describe(window),
                   timeoutMs);
}

std::string ClassOf(HWND window)
{
    char name[256];
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? n : 0);
}

std::string TextOf(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &length)) {
        if (!IsWindow(window))
            return {};
        throw DriverError("window " + Hex(reinterpret_cast<LONG_PTR>(window)) + " does not answer WM_GETTEXTLENGTH");
    }
    // The length may be an upper bound, never less than the text.
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, AnswerTimeoutMs, &copied)) {
        if (!IsWindow(window))
            return {};
        throw DriverError("window " + Hex(reinterpret_cast<LONG_PTR>(window)) + " does not answer WM_GETTEXT");
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

void SetTextOf(HWND window, const std::string& text)
{
    DWORD_PTR done = 0;
    if (!SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                             AnswerTimeoutMs, &done))
        throw DriverError("window " + Describe(window) + " does not answer WM_SETTEXT");
}

void WaitForText(HWND window, const std::string& text, DWORD timeoutMs)
{
    std::string last;
    try {
        WaitUntil([&] { return (last = TextOf(window)) == text; },
                  "the text " + Quoted(text) + " in " + Describe(window), timeoutMs);
    } catch (const DriverError& error) {
        throw DriverError(std::string(error.what()) + "; it shows " + Quoted(last));
    }
}

HWND FindControlAt(HWND window, const std::string& className, int x, int y)
{
    for (const ControlInfo& control : ListControls(window))
        if (control.className == className && control.rect.left == x && control.rect.top == y)
            return control.window;
    return nullptr;
}

HWND WaitForControlAt(HWND window, const std::string& className, int x, int y, DWORD timeoutMs)
{
    return WaitFor([&] { return FindControlAt(window, className, x, y); },
                   "a control of class " + Quoted(className) + " at " + std::to_string(x) + ", " +
                       std::to_string(y) + " in " + Describe(window),
                   timeoutMs);
}

namespace {

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, AnswerTimeoutMs, &answer))
        throw DriverError("window " + Describe(window) + " does not answer " + what);
    return static_cast<LRESULT>(answer);
}

} // namespace

bool IsChecked(HWND button)
{
    return Ask(button, BM_GETCHECK, 0, 0, "BM_GETCHECK") == BST_CHECKED;
}

namespace {

// The items of a combo box or list box, by that kind's messages.
std::vector<std::string> ItemsOf(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage,
                                 const char* textName)
{
    const LRESULT count = Ask(control, countMessage, 0, 0, "the item count");
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i) {
        // Wine hands CB_GETLBTEXTA and LB_GETTEXTA across processes as wide
        // text: ask for it wide and convert, as the ANSI side would have.
        const LRESULT length = Ask(control, lengthMessage, i, 0, "an item's length");
        std::wstring wide(length < 0 ? 0 : length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutW(control, textMessage, i, reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG,
                                 AnswerTimeoutMs, &copied))
            throw DriverError("window " + Describe(control) + " does not answer " + textName);
        wide.resize(static_cast<LRESULT>(copied) < 0 ? 0 : copied);
        int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
        std::string text(bytes, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), bytes, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

} // namespace

std::vector<std::string> ComboItems(HWND combo)
{
    return ItemsOf(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, "CB_GETLBTEXT");
}

int ComboSelection(HWND combo)
{
    return static_cast<int>(Ask(combo, CB_GETCURSEL, 0, 0, "CB_GETCURSEL"));
}

std::vector<std::string> ListItems(HWND list)
{
    return ItemsOf(list, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, "LB_GETTEXT");
}

int ListSelection(HWND list)
{
    return static_cast<int>(Ask(list, LB_GETCURSEL, 0, 0, "LB_GETCURSEL"));
}

std::pair<int, int> SelectedRange(HWND edit)
{
    // The pointer forms of EM_GETSEL would point into this process; the
    // answer packs both positions when they fit in 16 bits.
    const DWORD_PTR answer = static_cast<DWORD_PTR>(Ask(edit, EM_GETSEL, 0, 0, "EM_GETSEL"));
    return {LOWORD(answer), HIWORD(answer)};
}

void WaitForMessageLoop(HWND window, DWORD timeoutMs)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &answer) && IsWindow(window))
        throw DriverError("the thread of " + Describe(window) + " took no messages within " +
                          std::to_string(timeoutMs) + " ms");
}

void ClickButton(HWND button)
{
    if (!IsWindow(button))
        throw DriverError("no button to click: " + Hex(reinterpret_cast<LONG_PTR>(button)) + " is no window");
    if (!IsWindowEnabled(button))
        throw DriverError("button " + Quoted(TextOf(button)) + " is disabled");
    // A window under a modal one takes no clicks, though its buttons stay enabled.
    HWND root = GetAncestor(button, GA_ROOT);
    if (!IsWindowEnabled(root))
        throw DriverError("button " + Quoted(TextOf(button)) + " lies in the disabled window " + Quoted(TextOf(root)));
    PostMessageA(button, BM_CLICK, 0, 0);
}

void ClickButton(HWND window, int id)
{
    // Ids repeat: Wine's file dialog has a toolbar with id 1 beside its OK button.
    HWND button = FindControl(window, ControlMatch::Id(id).AndClass("Button"));
    if (!button)
        throw DriverError("no button with id " + std::to_string(id) + " in " + Describe(window));
    ClickButton(button);
}

void PressCloseBox(HWND window)
{
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace velmora::driver
