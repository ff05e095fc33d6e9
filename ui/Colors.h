#pragma once
// Colours are 32 bits: with bit 31 set the low 7 bits name a system colour,
// resolved with GetSysColor when used; otherwise a COLORREF.
#include <cstdint>
#include <windows.h>

namespace velmora {

constexpr uint32_t SystemColorFlag = 0x80000000u;
constexpr uint32_t SystemColorIndexMask = 0x7F;
constexpr uint32_t SystemColor(int index) { return SystemColorFlag | (static_cast<uint32_t>(index) & SystemColorIndexMask); }
constexpr uint32_t WindowColor = SystemColor(COLOR_WINDOW);         // 0x80000005
constexpr uint32_t WindowTextColor = SystemColor(COLOR_WINDOWTEXT); // 0x80000008
constexpr uint32_t ButtonFaceColor = SystemColor(COLOR_BTNFACE);    // 0x8000000F

COLORREF ResolveColor(uint32_t color);

} // namespace velmora
