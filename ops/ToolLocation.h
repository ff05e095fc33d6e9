#pragma once
// Where pdftk.exe is expected: beside the program itself.
#include <string>

namespace velmora {

// The tool's path for the program at modulePath; empty when the program's
// own path is unusable.
std::string ToolPathFor(const std::string& modulePath);

// True when a file (not a folder) exists at path.
bool FileExists(const std::string& path);

// The tool's path when pdftk.exe lies beside the program at modulePath;
// empty when it does not.
std::string LocateTool(const std::string& modulePath);

} // namespace velmora
