#pragma once
// Text as the system names files and folders (UTF-16), and the one way
// between it and the 8-bit text of the system's code page that the controls
// and pdftk's command line use.
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// UTF-16 text, zero-terminated; a vector rather than std::wstring, which
// would bring a large part of the C++ runtime into the program. Empty (not
// even the zero) stands for no text.
using WideText = std::vector<wchar_t>;

// Characters before the terminating zero.
size_t LengthOf(const WideText& text);

// A zero-terminated text as WideText; empty for null or "".
WideText WideOf(const wchar_t* text);

// WideText with the pieces one after the other.
WideText Joined(const WideText& head, const wchar_t* tail);

// Code-page text as UTF-16; CP_ACP stands for the system's code page.
WideText WideFromAnsi(const std::string& text, UINT codePage = CP_ACP);

// text (zero-terminated) as codePage text when every character converts
// exactly: no default character and no best-fit look-alike that would name
// another file (WC_NO_BEST_FIT_CHARS). Nothing otherwise, and for "". UTF-8
// (and UTF-7) hold every valid text.
std::optional<std::string> ExactAnsi(const wchar_t* text, UINT codePage = CP_ACP);

// True when text converts exactly (ExactAnsi).
bool FitsCodePage(const wchar_t* text, UINT codePage = CP_ACP);

// text for showing only: what the code page lacks becomes '?', never a
// look-alike letter.
std::string ShownAnsi(const wchar_t* text, UINT codePage = CP_ACP);
std::string ShownAnsi(const WideText& text, UINT codePage = CP_ACP);

} // namespace velmora
