#include "ops/ToolCall.h"
#include "ops/PathHelpers.h"
#include <windows.h>

namespace velmora {

std::string OutputPath(const ToolCall& call)
{
    if (call.outputFile.empty())
        return std::string();
    const std::string seen = PathSeenFrom(call.folder, call.outputFile);
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(seen.c_str(), sizeof full, full, nullptr);
    // Longer than MAX_PATH the tool cannot open it either; the name as seen
    // is then as good as any.
    if (length == 0 || length >= sizeof full)
        return seen;
    return std::string(full, length);
}

std::string ReplaceQuestion(const std::string& path)
{
    return path + " already exists.\r\nDo you want to replace it?";
}

} // namespace velmora
