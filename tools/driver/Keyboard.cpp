#include "tools/driver/Keyboard.h"
#include "tools/driver/Controls.h"
#include <vector>

namespace velmora::driver {

namespace {

// Input state is per thread: the foreground and focus calls work on another
// thread's windows only while the two threads share their input.
class SharedInput {
public:
    explicit SharedInput(HWND window)
        : self_(GetCurrentThreadId()), other_(GetWindowThreadProcessId(window, nullptr))
    {
        attached_ = other_ != self_ && AttachThreadInput(self_, other_, TRUE);
    }
    ~SharedInput()
    {
        if (attached_)
            AttachThreadInput(self_, other_, FALSE);
    }
    SharedInput(const SharedInput&) = delete;
    SharedInput& operator=(const SharedInput&) = delete;

private:
    DWORD self_;
    DWORD other_;
    bool attached_;
};

INPUT Key(WORD virtualKey, WORD scan, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT>& inputs)
{
    UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size())
        throw DriverError("SendInput took " + std::to_string(sent) + " of " + std::to_string(inputs.size()) +
                          " key events: error " + std::to_string(GetLastError()));
}

std::wstring Wide(const std::string& text)
{
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

} // namespace

void BringToFront(HWND window, DWORD timeoutMs)
{
    HWND root = GetAncestor(window, GA_ROOT);
    if (!root)
        throw DriverError("cannot bring a window to the front that does not exist");
    if (GetForegroundWindow() == root)
        return;
    {
        SharedInput shared(root);
        BringWindowToTop(root);
        SetForegroundWindow(root);
    }
    WaitUntil([&] { return GetForegroundWindow() == root; },
              Quoted(TextOf(root)) + " to become the foreground window", timeoutMs);
}

HWND FocusedControl(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void WaitForFocus(HWND control, DWORD timeoutMs)
{
    HWND last = nullptr;
    try {
        WaitUntil([&] { return (last = FocusedControl(control)) == control; },
                  "the focus on " + ClassOf(control) + " " + Quoted(TextOf(control)), timeoutMs);
    } catch (const DriverError& error) {
        std::string holder = last ? ClassOf(last) + " " + Quoted(TextOf(last)) : std::string("nothing");
        throw DriverError(std::string(error.what()) + "; the focus is on " + holder);
    }
}

void FocusControl(HWND control)
{
    BringToFront(control);
    SharedInput shared(control);
    SetFocus(control);
}

void PressKey(HWND window, WORD virtualKey, bool shift)
{
    BringToFront(window);
    std::vector<INPUT> inputs;
    if (shift)
        inputs.push_back(Key(VK_SHIFT, 0, 0));
    inputs.push_back(Key(virtualKey, 0, 0));
    inputs.push_back(Key(virtualKey, 0, KEYEVENTF_KEYUP));
    if (shift)
        inputs.push_back(Key(VK_SHIFT, 0, KEYEVENTF_KEYUP));
    Send(inputs);
}

void PressKeyWith(HWND window, WORD modifier, WORD virtualKey)
{
    BringToFront(window);
    std::vector<INPUT> inputs = {Key(modifier, 0, 0), Key(virtualKey, 0, 0), Key(virtualKey, 0, KEYEVENTF_KEYUP),
                                 Key(modifier, 0, KEYEVENTF_KEYUP)};
    Send(inputs);
}

void PressTab(HWND window) { PressKey(window, VK_TAB); }
void PressShiftTab(HWND window) { PressKey(window, VK_TAB, true); }
void PressEnter(HWND window) { PressKey(window, VK_RETURN); }
void PressEscape(HWND window) { PressKey(window, VK_ESCAPE); }

void TypeText(HWND window, const std::string& text)
{
    BringToFront(window);
    std::vector<INPUT> inputs;
    for (wchar_t c : Wide(text)) {
        inputs.push_back(Key(0, c, KEYEVENTF_UNICODE));
        inputs.push_back(Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    if (!inputs.empty())
        Send(inputs);
}

namespace {

constexpr DWORD KeyArrivalMs = 3000;
constexpr int KeyAttempts = 3;

} // namespace

void ReadyForKeys(HWND control)
{
    for (int attempt = 1;; ++attempt) {
        if (GetForegroundWindow() == GetAncestor(control, GA_ROOT) && FocusedControl(control) == control)
            return;
        FocusControl(control);
        try {
            WaitForFocus(control, KeyArrivalMs);
        } catch (const DriverError&) {
            if (attempt == KeyAttempts)
                throw;
        }
    }
}

void ClearEdit(HWND edit)
{
    for (int attempt = 1;; ++attempt) {
        ReadyForKeys(edit);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(edit, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 5000, &ignored);
        PressKey(edit, VK_DELETE);
        try {
            WaitForText(edit, "", KeyArrivalMs);
            return;
        } catch (const DriverError&) {
            if (attempt == KeyAttempts)
                throw;
        }
    }
}

void TypeIntoEdit(HWND edit, const std::string& text, const std::string& start)
{
    std::string expected = start;
    for (char c : text) {
        const std::string before = expected;
        expected += c;
        for (int attempt = 1;; ++attempt) {
            ReadyForKeys(edit);
            TypeText(edit, std::string(1, c));
            std::string shown;
            try {
                WaitUntil([&] { return (shown = TextOf(edit)) == expected; }, "", KeyArrivalMs);
                break;
            } catch (const DriverError&) {
            }
            if (shown != before || attempt == KeyAttempts)
                throw DriverError("typing " + Quoted(text) + " into " + ClassOf(edit) + ": expected " +
                                  Quoted(expected) + ", it shows " + Quoted(shown));
        }
    }
}

} // namespace velmora::driver
