#include "tools/bridge/ArgumentTranslation.h"
#include "tools/bridge/ArgumentRoles.h"
#include "tools/bridge/UnixPaths.h"
#include "tools/bridge/WildcardExpansion.h"
#include <windows.h>
#include <cstring>

namespace velmora::bridge {

namespace {

// Windows takes none of these in a file name; a '?' is what a letter
// became that the caller's code page could not hold. Passed on, pdftk would
// write a file of that literal name on the Unix side and report success.
bool CanBeFileName(const std::string& path)
{
    const bool extendedPrefix = path.rfind("\\\\?\\", 0) == 0;
    const size_t start = extendedPrefix ? 4 : 0;
    for (size_t i = start; i < path.size(); ++i) {
        if (std::strchr("?*<>|\"", path[i]) && path[i] != '\0')
            return false;
        if (path[i] == ':' && i != start + 1)
            return false;
    }
    return true;
}

bool RefuseName(const std::string& path, std::string& error)
{
    if (CanBeFileName(path))
        return false;
    error = "no file can be named " + path;
    return true;
}

// Handing pdftk a Windows path it cannot use would make it write a file
// named "\\server\share\out.pdf" into the working folder, so such a path stops the run.
// A relative name of an existing file may be a short 8.3 name, which only
// Wine knows: the Unix side would not find it. Wine's mapping of the full
// path finds the file's real name.
bool IsExistingFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ConvertPath(const std::string& path, std::string& converted, std::string& error)
{
    if (RefuseName(path, error))
        return false;
    if (!IsWindowsPath(path) && IsExistingFile(path)) {
        converted = UnixPathOf(path);
        if (!converted.empty())
            return true;
    }
    if (!IsWindowsPath(path)) {
        converted = UnixRelativePath(path);
        return true;
    }
    converted = UnixPathOf(path);
    if (converted.empty())
        error = "no Unix path for " + path;
    return !converted.empty();
}

} // namespace

TranslatedArguments TranslateArguments(const std::vector<CommandArgument>& args)
{
    TranslatedArguments result;
    const std::vector<ArgumentRole> roles = ClassifyArguments(args);
    bool inputs = true;
    for (size_t i = 0; i < args.size() && result.error.empty(); ++i) {
        const std::string& text = args[i].text;
        if (roles[i] == ArgumentRole::Word && IsKeyword(text))
            inputs = false;
        std::string converted;
        switch (roles[i]) {
        case ArgumentRole::Word:
            // The bare name after "output" is a file all the same.
            if (i > 0 && args[i - 1].text == "output" && RefuseName(text, result.error))
                break;
            // Before the first keyword only input files stand; later words
            // are page ranges, passwords and output names.
            if (inputs && IsExistingFile(text) && ConvertPath(text, converted, result.error))
                result.unixArguments.push_back(converted);
            else
                result.unixArguments.push_back(UnixText(text));
            break;
        case ArgumentRole::Path:
            if (ConvertPath(text, converted, result.error))
                result.unixArguments.push_back(converted);
            break;
        case ArgumentRole::HandlePath: {
            const size_t prefix = HandlePrefixLength(text);
            if (ConvertPath(text.substr(prefix), converted, result.error))
                result.unixArguments.push_back(text.substr(0, prefix) + converted);
            break;
        }
        case ArgumentRole::Wildcard: {
            const std::vector<std::string> matches = ExpandWildcard(text);
            if (matches.empty())
                result.unixArguments.push_back(UnixText(text));
            for (const std::string& match : matches) {
                if (ConvertPath(match, converted, result.error))
                    result.unixArguments.push_back(converted);
            }
            break;
        }
        }
    }
    return result;
}

} // namespace velmora::bridge
