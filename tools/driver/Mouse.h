#pragma once
// Real mouse input: moves and button presses go through the system's input
// queue to whatever window lies under the pointer, as a person's would, so
// hit-testing, captions and borders all take part.
#include <windows.h>

namespace velmora::driver {

// Moves the pointer to a screen point and waits until it is there.
void MoveMouseTo(POINT screen);

// Presses the left button at from, moves in small steps to to, releases it.
void DragMouse(POINT from, POINT to);

// A left click at a screen point.
void ClickMouseAt(POINT screen);

} // namespace velmora::driver
