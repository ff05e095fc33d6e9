#pragma once
// An unquoted "*.pdf" is left by the caller for pdftk.exe to resolve in its
// working folder, as the Windows C runtime would; on Linux nobody else does.
#include <string>
#include <vector>

namespace velmora::bridge {

// Sorts file names the way a Windows folder lists them: by the upper-cased
// name, character by character, so "_a" comes after "Z" and "a10" before
// "a9". Names that differ only in case (possible on Linux) keep a fixed order.
void SortAsWindowsLists(std::vector<std::string>& names);

// The files (not folders) that match pattern, with the pattern's own folder
// part before each name, in Windows order; empty when nothing matches.
std::vector<std::string> ExpandWildcard(const std::string& pattern);

} // namespace velmora::bridge
