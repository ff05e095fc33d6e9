#include "tools/bridge/CommandLineSplitting.h"

namespace velmora::bridge {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

size_t SkipBlanks(const std::string& line, size_t at)
{
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    return at;
}

// Quotes only switch blanks on and off here; backslashes are plain.
CommandArgument ProgramName(const std::string& line, size_t& at)
{
    CommandArgument name;
    bool inQuotes = false;
    for (; at < line.size() && (inQuotes || !IsBlank(line[at])); ++at) {
        if (line[at] == '"') {
            name.quoted = true;
            inQuotes = !inQuotes;
        } else {
            name.text += line[at];
        }
    }
    return name;
}

// 2n backslashes before a quote give n backslashes and the quote acts;
// 2n+1 give n backslashes and a literal quote; elsewhere backslashes are
// literal. Inside quotes a doubled quote is one literal quote.
CommandArgument NextArgument(const std::string& line, size_t& at)
{
    CommandArgument arg;
    bool inQuotes = false;
    while (at < line.size()) {
        char c = line[at];
        if (IsBlank(c) && !inQuotes)
            break;
        if (c == '\\') {
            size_t run = 0;
            while (at < line.size() && line[at] == '\\') {
                ++run;
                ++at;
            }
            if (at < line.size() && line[at] == '"') {
                arg.text.append(run / 2, '\\');
                if (run % 2 == 1) {
                    arg.text += '"';
                    ++at;
                }
            } else {
                arg.text.append(run, '\\');
            }
            continue;
        }
        if (c == '"') {
            arg.quoted = true;
            if (inQuotes && at + 1 < line.size() && line[at + 1] == '"') {
                arg.text += '"';
                at += 2;
                continue;
            }
            inQuotes = !inQuotes;
            ++at;
            continue;
        }
        arg.text += c;
        ++at;
    }
    return arg;
}

} // namespace

std::vector<CommandArgument> SplitCommandLine(const std::string& line)
{
    std::vector<CommandArgument> args;
    size_t at = 0;
    args.push_back(ProgramName(line, at));
    for (at = SkipBlanks(line, at); at < line.size(); at = SkipBlanks(line, at))
        args.push_back(NextArgument(line, at));
    return args;
}


} // namespace velmora::bridge
