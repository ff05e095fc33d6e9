// The least a Win32 program does to show a window: one class, one window, a
// message loop. The start-up benchmark measures it next to Velmora, the same
// way, as the floor that no program of this kind gets under.
#include "bench/SimpleWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    return velmora::bench::RunSimpleWindow(instance, "MinimalWindow", "Minimal window", show, nullptr);
}
