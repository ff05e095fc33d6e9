#pragma once
// A command line cut into arguments the way the Microsoft C runtime cuts it
// for main(), and the reverse: an argument quoted so that the runtime gives
// it back unchanged.
#include "ops/ArgumentQuoting.h"
#include <string>
#include <vector>

namespace velmora::bridge {

struct CommandArgument {
    std::string text;
    bool quoted = false;   // a double quote took part in it: no wildcard to expand
};

// The first entry is the program name, which follows simpler rules than the
// rest (up to the closing quote, or to the first blank, no backslash rules).
std::vector<CommandArgument> SplitCommandLine(const std::string& commandLine);


} // namespace velmora::bridge
