#pragma once
// File-name pieces of 8-bit ANSI paths. The search for a separator steps over
// double-byte characters of the code page as whole characters, so a trail
// byte 0x5C of a Japanese character is never taken for a backslash.
#include <string>
#include <windows.h>

namespace velmora {

// The text up to and including the last '\' or ':'; empty when there is neither.
std::string FolderPart(const std::string& path, UINT codePage = CP_ACP);

// The text after the last '\' or ':'; the whole path when there is neither.
std::string NamePart(const std::string& path, UINT codePage = CP_ACP);

// Replaces the extension (from a '.' after the last '\' or ':') with ending,
// or appends ending when the name has none. An empty ending strips it.
std::string ReplaceExtension(const std::string& path, const std::string& ending, UINT codePage = CP_ACP);

// path as a program running in folder sees it: unchanged when it starts at
// a drive or a root, else inside folder.
std::string PathSeenFrom(const std::string& folder, const std::string& path);

} // namespace velmora
