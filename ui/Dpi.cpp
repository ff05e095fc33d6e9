#include "ui/Dpi.h"

namespace velmora {

namespace {

// Windows 10 (1607) functions, looked up so that the program still starts on
// Windows 7, where the manifest's system-aware form applies instead.
template <typename Function>
Function User32Function(const char* name)
{
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

using DpiForWindowFunction = UINT(WINAPI*)(HWND);
using DpiForSystemFunction = UINT(WINAPI*)();

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : LayoutDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : LayoutDpi;
}

} // namespace

int SystemDpi()
{
    static const auto dpiForSystem = User32Function<DpiForSystemFunction>("GetDpiForSystem");
    const UINT dpi = dpiForSystem ? dpiForSystem() : 0;
    return dpi ? static_cast<int>(dpi) : ScreenDpi();
}

int WindowDpi(HWND window)
{
    static const auto dpiForWindow = User32Function<DpiForWindowFunction>("GetDpiForWindow");
    const UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

} // namespace velmora
