// A hidden window and a message loop, nothing more: while it runs, Wine keeps
// its desktop process up for the test programs that follow.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CreateWindowA("STATIC", "velmora keeper", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetTimer(nullptr, 0, 60 * 60 * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER)
            break;
        DispatchMessageA(&msg);
    }
    return 0;
}
