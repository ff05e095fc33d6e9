#include "ops/ToolLocation.h"
#include "ops/PathHelpers.h"
#include <windows.h>

namespace velmora {

std::string ToolPathFor(const std::string& modulePath)
{
    const std::string folder = FolderPart(modulePath);
    return folder.empty() ? std::string() : folder + "pdftk.exe";
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string LocateTool(const std::string& modulePath)
{
    std::string tool = ToolPathFor(modulePath);
    return !tool.empty() && FileExists(tool) ? tool : std::string();
}

} // namespace velmora
