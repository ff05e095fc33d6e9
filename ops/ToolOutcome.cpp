#include "ops/ToolOutcome.h"
#include "ops/SystemMessage.h"

namespace velmora {

namespace {

constexpr size_t kMostReasonLines = 3;

std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Trimmed(const std::string& line)
{
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

bool IsErrorLine(const std::string& line)
{
    return line.compare(0, 6, "Error:") == 0;
}

// pdftk indents what it says more about an error; its closing words
// ("Errors encountered.  No output created.") stand at the margin.
bool BelongsToError(const std::string& line)
{
    return IsErrorLine(line) || (!line.empty() && (line[0] == ' ' || line[0] == '\t'));
}

bool HoldsSecret(const std::string& line, const std::vector<std::string>& secrets)
{
    for (const std::string& secret : secrets)
        if (!secret.empty() && line.find(secret) != std::string::npos)
            return true;
    return false;
}

} // namespace

std::string ToolReason(const std::string& output, const std::vector<std::string>& secrets)
{
    const std::vector<std::string> lines = LinesOf(output);
    size_t at = 0;
    while (at < lines.size() && !IsErrorLine(lines[at]))
        ++at;
    std::vector<std::string> reason;
    for (size_t first = at; at < lines.size() && reason.size() < kMostReasonLines; ++at) {
        if (at != first && !BelongsToError(lines[at]))
            break;
        const std::string line = Trimmed(lines[at]);
        if (!line.empty() && line != "Exiting." && !HoldsSecret(line, secrets))
            reason.push_back(line);
    }
    std::string joined;
    for (const std::string& line : reason)
        joined += (joined.empty() ? "" : "\r\n") + line;
    return joined;
}

ToolOutcome JudgeToolRun(const ProcessResult& result, const std::vector<std::string>& secrets)
{
    if (!result.started)
        return {result.startError, SystemMessageText(result.startError)};
    if (result.cancelled)
        return {ERROR_CANCELLED, kCancelledNotice};
    if (result.runError != 0)
        return {result.runError, (result.ended ? "pdftk's run could not be checked: " : "pdftk was stopped: ") +
                                     SystemMessageText(result.runError)};
    // Without a failure, a run that did not end is one whose time ran out.
    if (!result.ended)
        return {WAIT_TIMEOUT, "pdftk did not finish"};
    if (result.exitCode != 0) {
        const std::string failure = "pdftk reported an error (exit code " + std::to_string(result.exitCode) + ")";
        const std::string reason = ToolReason(result.output, secrets);
        return {result.exitCode, reason.empty() ? failure : failure + "\r\n" + reason};
    }
    return {0, kSuccessNotice};
}

} // namespace velmora
