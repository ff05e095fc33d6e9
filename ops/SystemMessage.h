#pragma once
// The operating system's own words for an error code, as the user is shown
// them after a tool run.
#include <string>
#include <windows.h>

namespace velmora {

// Longest message text shown, in bytes.
constexpr size_t MaxMessageTextLength = 255;

// The system message table's text for code, cut and trimmed by
// TrimMessageText. A code the system has no text for gives
// "System error N", so the user is never shown an empty notice.
std::string SystemMessageText(DWORD code);

// Cuts text to MaxMessageTextLength bytes without splitting a double-byte
// character of codePage, then drops trailing control characters, blanks and
// full stops (the table's texts end in ".\r\n").
std::string TrimMessageText(const std::string& text, UINT codePage = CP_ACP);

} // namespace velmora
