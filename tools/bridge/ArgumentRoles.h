#pragma once
// Which arguments of a pdftk command line name files, and so must reach the
// Linux tool as Unix paths, and which are words to pass on as they are.
#include "tools/bridge/CommandLineSplitting.h"
#include <string>
#include <vector>

namespace velmora::bridge {

enum class ArgumentRole {
    Word,        // keyword, page range, password, plain file name: text only
    Path,        // a Windows path, or a relative one with backslashes
    HandlePath,  // "A=" (handle letters, '=') and then a path
    Wildcard,    // unquoted '*' or '?': the matching files, in Windows order
};

// True for pdftk's keywords (cat, burst, output, input_pw...), in any case.
bool IsKeyword(const std::string& text);

// True for "C:\x", "C:/x", "C:x", "\x" and "\\server\share" or "\\?\C:\x".
bool IsWindowsPath(const std::string& text);

// The length of "A=" or "AB=" at the start (upper-case letters, then '='),
// or 0 when the argument binds no handle.
size_t HandlePrefixLength(const std::string& text);

// One role per argument (the program name left out). Passwords are words
// whatever they look like: a single word after owner_pw and user_pw, every
// word after input_pw up to the next keyword.
std::vector<ArgumentRole> ClassifyArguments(const std::vector<CommandArgument>& args);

} // namespace velmora::bridge
