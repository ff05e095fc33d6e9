#include "ops/PathHelpers.h"
#include "text/CharacterSteps.h"
#include <cstring>

namespace velmora {

namespace {

// Index of the last character of path that is one of chars, or npos,
// reading the path character by character in the given code page.
size_t LastOf(const std::string& path, const char* chars, UINT codePage)
{
    size_t found = std::string::npos;
    for (size_t i = 0; i < path.size(); i += CharacterSize(path, i, codePage)) {
        if (CharacterSize(path, i, codePage) == 1 && path[i] != '\0' && std::strchr(chars, path[i]))
            found = i;
    }
    return found;
}

} // namespace

std::string FolderPart(const std::string& path, UINT codePage)
{
    size_t at = LastOf(path, "\\:", codePage);
    return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string NamePart(const std::string& path, UINT codePage)
{
    size_t at = LastOf(path, "\\:", codePage);
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string ReplaceExtension(const std::string& path, const std::string& ending, UINT codePage)
{
    size_t at = LastOf(path, ".\\:", codePage);
    if (at != std::string::npos && path[at] == '.')
        return path.substr(0, at) + ending;
    return path + ending;
}

std::string PathSeenFrom(const std::string& folder, const std::string& path)
{
    const bool rooted = !path.empty() && (path[0] == '\\' || path[0] == '/' || (path.size() > 1 && path[1] == ':'));
    if (rooted || folder.empty())
        return path;
    return folder.back() == '\\' ? folder + path : folder + '\\' + path;
}

} // namespace velmora
