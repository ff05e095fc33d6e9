#include "ops/OpenPasswords.h"
#include "ops/Formatter.h"

namespace velmora {

namespace {

bool IsHandleLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

// "X=" at the start of an argument (inside its quote) is pdftk's handle.
std::string HandleOf(const std::string& argument)
{
    size_t at = argument.size() > 0 && argument[0] == '"' ? 1 : 0;
    const size_t start = at;
    while (at < argument.size() && IsHandleLetter(argument[at]))
        ++at;
    if (at == start || at >= argument.size() || argument[at] != '=')
        return std::string();
    return argument.substr(start, at - start);
}

// Our own arguments: the first is quoted (a file name holds no quote) or
// ends at a blank.
size_t FirstArgumentEnd(const std::string& arguments)
{
    if (!arguments.empty() && arguments[0] == '"') {
        const size_t closing = arguments.find('"', 1);
        return closing == std::string::npos ? arguments.size() : closing + 1;
    }
    const size_t blank = arguments.find(' ');
    return blank == std::string::npos ? arguments.size() : blank;
}

std::string OneInputPrompted(const std::string& arguments)
{
    const size_t end = FirstArgumentEnd(arguments);
    const std::string handle = HandleOf(arguments.substr(0, end));
    const std::string prompt = " input_pw " + (handle.empty() ? std::string() : handle + "=") + "PROMPT";
    return arguments.substr(0, end) + prompt + arguments.substr(end);
}

std::string CombinedPrompted(const ToolCall& call, const std::vector<bool>& prompted)
{
    std::string inputs, passwords, order;
    for (size_t i = 0; i < call.combined.size(); ++i) {
        const std::string handle = InputHandle(i);
        inputs += "\"" + handle + "=" + call.combined[i] + "\" ";
        if (i < prompted.size() && prompted[i])
            passwords += " " + handle + "=PROMPT";
        order += " " + handle;
    }
    return Format("%sinput_pw%s cat%s output \"%s\"", {inputs, passwords, order, call.outputFile});
}

// The path's parts from the end: name first, then its folders; either
// separator, letters compared without case as the system does for ASCII.
std::vector<std::string> PartsFromEnd(const std::string& path)
{
    std::vector<std::string> parts(1);
    for (auto c = path.rbegin(); c != path.rend(); ++c) {
        if (*c == '\\' || *c == '/') {
            parts.emplace_back();
            continue;
        }
        parts.back().insert(parts.back().begin(), (*c >= 'A' && *c <= 'Z') ? static_cast<char>(*c + 32) : *c);
    }
    return parts;
}

size_t SharedParts(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    size_t shared = 0;
    while (shared < a.size() && shared < b.size() && !a[shared].empty() && a[shared] == b[shared])
        ++shared;
    return shared;
}

} // namespace

std::string InputHandle(size_t index)
{
    std::string handle;
    for (size_t n = index + 1; n > 0; n = (n - 1) / 26)
        handle.insert(handle.begin(), static_cast<char>('A' + (n - 1) % 26));
    return handle;
}

ToolCall WithPasswordPrompts(const ToolCall& call, const std::vector<bool>& prompted)
{
    bool any = false;
    for (bool asked : prompted)
        any = any || asked;
    if (!any)
        return call;
    ToolCall result = call;
    result.arguments = call.combined.empty() ? OneInputPrompted(call.arguments) : CombinedPrompted(call, prompted);
    return result;
}

int ReportedInput(const std::string& printed, const std::vector<std::string>& names)
{
    const std::vector<std::string> wanted = PartsFromEnd(printed);
    int best = -1;
    size_t bestShared = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        const size_t shared = SharedParts(wanted, PartsFromEnd(names[i]));
        if (shared > bestShared) {
            best = static_cast<int>(i);
            bestShared = shared;
        }
    }
    return best;
}

std::string HidePasswords(const std::string& text, const std::vector<std::string>& passwords)
{
    std::string hidden;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        size_t content = line.size();
        while (content > 0 && (line[content - 1] == '\n' || line[content - 1] == '\r'))
            --content;
        // The longest that fits: "pw" would leave "my, " of "my, pw" shown.
        size_t longest = 0;
        for (const std::string& password : passwords) {
            const std::string listed = ", " + password;
            if (!password.empty() && password.size() > longest && content >= listed.size() &&
                line.compare(content - listed.size(), listed.size(), listed) == 0)
                longest = password.size();
        }
        if (longest > 0)
            line.replace(content - longest, longest, "********");
        hidden += line;
        start = end;
    }
    return hidden;
}

std::string PasswordQuestion(const std::string& fileName, bool triedBefore)
{
    if (triedBefore)
        return "The password given did not open " + fileName + ".\r\nType the password that opens it:";
    return fileName + " is protected by a password.\r\nType the password that opens it:";
}

std::string UnknownEncryptionNotice(const std::string& fileName)
{
    return "pdftk cannot open " + fileName + ": it is encrypted in a way pdftk cannot read (AES-256, "
           "as newer PDF programs write it). Remove the protection with another program first.";
}

} // namespace velmora
