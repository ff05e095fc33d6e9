#pragma once
// Text as the system names files and folders (UTF-16), beside the ANSI text
// the rest of the program works with.
#include <string>
#include <vector>

namespace velmora {

// UTF-16 text, zero-terminated; a vector rather than std::wstring, which
// would bring a large part of the C++ runtime into the program. Empty (not
// even the zero) stands for no text.
using WideText = std::vector<wchar_t>;

// Characters before the terminating zero.
size_t LengthOf(const WideText& text);

// ANSI text (the system's code page) as UTF-16, and back. What the code page
// lacks becomes '?', never a look-alike letter that might name another file.
WideText WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const WideText& text);

} // namespace velmora
