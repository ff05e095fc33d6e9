#include "ops/ArgumentQuoting.h"
#include "text/CharacterSteps.h"

namespace velmora {

std::string QuoteArgument(const std::string& argument, UINT codePage)
{
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    return QuoteAlways(argument, codePage);
}

std::string QuoteAlways(const std::string& argument, UINT codePage)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (size_t i = 0; i < argument.size(); ++i) {
        const char c = argument[i];
        if (CharacterSize(argument, i, codePage) == 2) {
            quoted.append(backslashes, '\\');
            backslashes = 0;
            quoted += c;
            quoted += argument[++i];
            continue;
        }
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

} // namespace velmora
