#pragma once
// Programs split their command line into words by the rules of the Microsoft
// C runtime. A password with a blank would otherwise reach pdftk as two
// words, the second of which the tool may take for a keyword ("allow",
// "output", ...).
#include <string>
#include <windows.h>

namespace velmora {

// An argument with a blank, a tab or a double quote (or an empty one) comes
// back in double quotes, written so that the runtime gives back exactly the typed text:
// a quote as \", backslashes before a quote and before the closing quote
// doubled, other backslashes kept. Any other argument comes back unchanged.
// A double-byte character of the code page is copied whole: its trail byte
// may be 0x5C, which the runtime does not take for a backslash either.
std::string QuoteArgument(const std::string& argument, UINT codePage = CP_ACP);

// The same, but always in double quotes: for a path the user typed (or gave
// on the command line), where a trailing backslash would otherwise escape the closing quote and a quote
// would end the word, so that the rest of the field reached the tool as
// words of its own.
std::string QuoteAlways(const std::string& argument, UINT codePage = CP_ACP);

} // namespace velmora
