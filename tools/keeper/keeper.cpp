// A hidden window and a message loop, nothing more: while it runs, Wine keeps
// its desktop process up for the test programs that follow. Given a file
// name, it creates that file once its window exists, so the caller knows the
// desktop process has started (and has not inherited a test's output pipe).
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    CreateWindowA("STATIC", "velmora keeper", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (commandLine && *commandLine) {
        HANDLE ready = CreateFileA(commandLine, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
    }
    SetTimer(nullptr, 0, 60 * 60 * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER)
            break;
        DispatchMessageA(&msg);
    }
    return 0;
}
