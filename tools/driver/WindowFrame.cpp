#include "tools/driver/WindowFrame.h"
#include "tools/driver/Controls.h"
#include "tools/driver/Keyboard.h"

namespace velmora::driver {

namespace {

constexpr UINT AnswerTimeoutMs = 5000;
constexpr char MenuClass[] = "#32768";

} // namespace

LRESULT HitTest(HWND window, POINT screen)
{
    DWORD_PTR hit = 0;
    if (!SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y), SMTO_ABORTIFHUNG,
                             AnswerTimeoutMs, &hit))
        throw DriverError("window " + Quoted(TextOf(window)) + " does not answer WM_NCHITTEST");
    return static_cast<LRESULT>(hit);
}

bool IsMovingOrSizing(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMOVESIZE);
}

HWND OpenSystemMenu(HWND window, DWORD timeoutMs)
{
    PressKeyWith(window, VK_MENU, VK_SPACE);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return WaitForTopWindow(process, WindowMatch::Class(MenuClass), timeoutMs);
}

} // namespace velmora::driver
