#pragma once
// The frame of another process's top-level window as a person works it: what
// lies under a point of the border, the system menu, the move and size loop.
#include "tools/driver/Wait.h"
#include <windows.h>

namespace velmora::driver {

// The window's answer to WM_NCHITTEST at a screen point (HTCAPTION, HTLEFT, ...).
LRESULT HitTest(HWND window, POINT screen);

// True while the window's thread runs the system's move or size loop.
bool IsMovingOrSizing(HWND window);

// Opens the system menu with Alt+Space and waits until it shows; gives the
// menu's window. GetSystemMenu does not reach another process's menu under
// Wine, so its items are chosen with their mnemonic keys (PressKey).
HWND OpenSystemMenu(HWND window, DWORD timeoutMs = DefaultWaitMs);

} // namespace velmora::driver
