#include "tools/driver/Mouse.h"
#include "tools/driver/Wait.h"
#include <string>

namespace velmora::driver {

namespace {

constexpr int DragSteps = 8;
constexpr DWORD StepPauseMs = 30;

// Absolute input runs from 0 to 65535 across the screen; aiming at the middle
// of a pixel keeps the rounding of the conversion back on that pixel.
LONG Normalized(LONG coordinate, int extent)
{
    return MulDiv(coordinate, 65536, extent) + 65536 / (2 * extent);
}

void SendMouse(POINT screen, DWORD buttons)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalized(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalized(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
    if (SendInput(1, &input, sizeof input) != 1)
        throw DriverError("SendInput refused a mouse event: error " + std::to_string(GetLastError()));
}

std::string Describe(POINT point)
{
    return "(" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
}

} // namespace

void MoveMouseTo(POINT screen)
{
    SendMouse(screen, 0);
    WaitUntil([&] {
        POINT at = {};
        return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
    }, "the mouse pointer at " + Describe(screen));
}

void DragMouse(POINT from, POINT to)
{
    MoveMouseTo(from);
    SendMouse(from, MOUSEEVENTF_LEFTDOWN);
    Sleep(StepPauseMs);
    for (int step = 1; step <= DragSteps; ++step) {
        POINT between = {from.x + (to.x - from.x) * step / DragSteps, from.y + (to.y - from.y) * step / DragSteps};
        SendMouse(between, 0);
        Sleep(StepPauseMs);
    }
    SendMouse(to, MOUSEEVENTF_LEFTUP);
    Sleep(StepPauseMs);
}

void ClickMouseAt(POINT screen)
{
    MoveMouseTo(screen);
    SendMouse(screen, MOUSEEVENTF_LEFTDOWN);
    SendMouse(screen, MOUSEEVENTF_LEFTUP);
}

} // namespace velmora::driver
