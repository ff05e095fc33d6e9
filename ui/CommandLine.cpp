#include "ui/CommandLine.h"
#include <windows.h>
#include <cwchar>

namespace velmora {

namespace {

// Bytes up to 0x20 part arguments; compared unsigned, so that letters of the
// upper half of the code page (é, ü, Cyrillic...) are letters.
bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

bool IsBlank(wchar_t c)
{
    return c <= 0x20;
}

} // namespace

namespace {

// One scanner for both kinds of text; Text is std::string or WideText.
template <typename Text, typename Char>
Text NthArgument(const Char* line, size_t length, int index)
{
    if (index < 0)
        return Text();
    const Char quote = Char('"');
    size_t position = 0;
    size_t start = 0;
    for (int n = 0; n <= index; ++n) {
        while (position < length && IsBlank(line[position]))
            ++position;
        if (position + 1 < length && line[position] == quote && line[position + 1] == quote)
            position += 2;
        start = position;
        while (position < length && !IsBlank(line[position])) {
            if (line[position] == quote) {
                ++position;
                while (position < length && line[position] != quote)
                    ++position;
                if (position < length)
                    ++position;
            } else {
                ++position;
            }
        }
    }
    size_t end = position;
    if (end - start >= 2 && line[start] == quote && line[end - 1] == quote) {
        ++start;
        --end;
    }
    return Text(line + start, line + end);
}

} // namespace

std::string ArgumentOf(const std::string& commandLine, int index)
{
    return NthArgument<std::string>(commandLine.data(), commandLine.size(), index);
}

WideText WideArgumentOf(const wchar_t* commandLine, int index)
{
    WideText argument = NthArgument<WideText>(commandLine, wcslen(commandLine), index);
    if (!argument.empty())
        argument.push_back(L'\0');
    return argument;
}

std::string UsableModulePath(const char* buffer, unsigned long length)
{
    // 260 characters or more do not fit where paths are used, and a buffer
    // of 261 bytes may hold a cut path that names some other file.
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

std::string ModulePath()
{
    char buffer[MAX_PATH + 1] = "";
    return UsableModulePath(buffer, GetModuleFileNameA(nullptr, buffer, sizeof buffer));
}

std::string GetArgument(int index)
{
    if (index == 0)
        return ModulePath();
    const char* commandLine = GetCommandLineA();
    return ArgumentOf(commandLine ? commandLine : "", index);
}

WideText GetWideArgument(int index)
{
    const wchar_t* commandLine = GetCommandLineW();
    return index < 1 || !commandLine ? WideText() : WideArgumentOf(commandLine, index);
}

int CountArguments()
{
    int count = 0;
    while (!GetArgument(count + 1).empty())
        ++count;
    return count;
}

} // namespace velmora
