#include "tools/bridge/ArgumentTranslation.h"
#include "tools/bridge/ArgumentRoles.h"
#include "tools/bridge/UnixPaths.h"
#include "tools/bridge/WildcardExpansion.h"

namespace velmora::bridge {

namespace {

// Handing pdftk a Windows path it cannot use would make it write a file
// named "\\server\share\out.pdf" into the working folder, so such a path stops the run.
bool ConvertPath(const std::string& path, std::string& converted, std::string& error)
{
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
    for (size_t i = 0; i < args.size() && result.error.empty(); ++i) {
        const std::string& text = args[i].text;
        std::string converted;
        switch (roles[i]) {
        case ArgumentRole::Word:
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
