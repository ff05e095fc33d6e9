#pragma once
// Display scale. Every layout of the program is written for 96 DPI; the
// layer scales positions, sizes, fit allowances and font heights by DPI/96
// where they reach Win32, so a window is laid out at its monitor's DPI.
#include <windows.h>

namespace velmora {

constexpr int LayoutDpi = 96;

// A 96-DPI length at dpi, rounded to the nearest pixel.
inline int ScaleToDpi(int length, int dpi)
{
    return dpi == LayoutDpi ? length : MulDiv(length, dpi, LayoutDpi);
}
// A length in pixels at dpi, back in 96-DPI units (rounded to the nearest).
inline int ScaleFromDpi(int length, int dpi)
{
    return dpi == LayoutDpi ? length : MulDiv(length, LayoutDpi, dpi);
}
// The same, rounded up: what is measured in pixels must not shrink on the
// way back (a caption would be clipped by a pixel).
inline int ScaleFromDpiUp(int length, int dpi)
{
    return dpi == LayoutDpi ? length : (length * LayoutDpi + dpi - 1) / dpi;
}

// The DPI new windows start at: the primary monitor's.
int SystemDpi();
// The DPI of the monitor window is on (as the process is aware of it).
int WindowDpi(HWND window);

} // namespace velmora
