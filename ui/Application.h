#pragma once
// The layer's program-wide values.
#include <windows.h>

namespace velmora {

class Control;

// The application main form: owner of message boxes and dialogs, the window
// disabled during a modal wait; closing it ends the program. Set by the main
// window's builder as soon as the form exists, and by RunMainLoop.
extern Control* AppMainForm;
// Set while RunMainLoop runs; only then may a close handler refuse a close.
extern bool AppRunning;
// Set when the program is to end: ends RunMainLoop and every modal wait.
extern bool AppTerminated;

// The owner window of a system dialog: the one asked for, else the main form.
HWND DialogOwner(HWND requested);

} // namespace velmora
