#pragma once
// Pictures of the screen: for telling what a window shows where no message
// tells it, and for looking at what a test saw.
#include <windows.h>
#include <string>
#include <vector>

namespace velmora::driver {

// The pixels of a screen rectangle, row by row from the top, as 0x00RRGGBB.
std::vector<DWORD> ScreenPixels(const RECT& area);

// The description of a top-down 32-bit bitmap of this size, as
// CreateDIBSection and GetDIBits take it.
BITMAPINFO TopDownPixelFormat(int width, int height);

// Lays a black window of this process over a screen rectangle until the
// screen shows it, then takes it away again: whatever lay beneath must paint
// itself anew.
void CoverBriefly(const RECT& area);

// Writes the whole screen as a 24-bit BMP file; throws when it cannot.
void SaveScreenshot(const std::string& bmpPath);

} // namespace velmora::driver
