#pragma once
// One class, one window, a message loop: the programs the start-up benchmark
// measures next to Velmora. content, when given, fills the window before it
// is shown.
#include <windows.h>

namespace velmora::bench {

inline LRESULT CALLBACK SimpleWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

inline int RunSimpleWindow(HINSTANCE instance, const char* className, const char* title, int show,
                           void (*content)(HWND, HINSTANCE))
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SimpleWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 326, 295, 552, 440, nullptr, nullptr,
                                  instance, nullptr);
    if (!window)
        return 1;
    if (content)
        content(window, instance);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

} // namespace velmora::bench
