#include "ui/CommandLine.h"
#include <windows.h>

namespace velmora {

namespace {

// Bytes up to 0x20 part arguments; compared unsigned, so that letters of the
// upper half of the code page (é, ü, Cyrillic...) are letters.
bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

} // namespace

std::string ArgumentOf(const std::string& commandLine, int index)
{
    if (index < 0)
        return std::string();
    const size_t length = commandLine.size();
    size_t position = 0;
    std::string argument;
    for (int n = 0; n <= index; ++n) {
        while (position < length && IsBlank(commandLine[position]))
            ++position;
        if (commandLine.compare(position, 2, "\"\"") == 0)
            position += 2;
        const size_t start = position;
        while (position < length && !IsBlank(commandLine[position])) {
            if (commandLine[position] == '"') {
                ++position;
                while (position < length && commandLine[position] != '"')
                    ++position;
                if (position < length)
                    ++position;
            } else {
                ++position;
            }
        }
        argument = commandLine.substr(start, position - start);
    }
    if (argument.size() >= 2 && argument.front() == '"' && argument.back() == '"')
        argument = argument.substr(1, argument.size() - 2);
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

int CountArguments()
{
    int count = 0;
    while (!GetArgument(count + 1).empty())
        ++count;
    return count;
}

} // namespace velmora
