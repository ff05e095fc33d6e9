#pragma once
// A Windows pdftk command line made into the argument list of the Linux
// tool: file names as Unix paths, "*.pdf" resolved, all text in UTF-8.
#include "tools/bridge/CommandLineSplitting.h"
#include <string>
#include <vector>

namespace velmora::bridge {

struct TranslatedArguments {
    std::vector<std::string> unixArguments;
    std::string error;   // a Windows path without a Unix counterpart; empty when all went well
};

// args without the program name; wildcards resolve in the current folder.
TranslatedArguments TranslateArguments(const std::vector<CommandArgument>& args);

} // namespace velmora::bridge
