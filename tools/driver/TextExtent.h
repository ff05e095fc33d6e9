#pragma once
// Text measured as a control of another process measures it: a control that
// fits itself to its caption is as large as the caption's extent in its font
// plus an allowance, and the font a system substitutes decides the extent.
#include <windows.h>
#include <string>

namespace velmora::driver {

// GetTextExtentPoint32A of text in the font face at the LOGFONT height
// (positive: cell height in pixels), default character set.
SIZE TextExtent(const std::string& text, const std::string& face, int height);

} // namespace velmora::driver
