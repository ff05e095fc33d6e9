// Test tool: writes "parent\n", starts a copy of itself that inherits its
// standard handles and outlives it by a few seconds, and ends at once.
// Started with a number, it is that copy: it sleeps that many milliseconds,
// writes "grandchild\n" and ends.
#include <windows.h>
#include <cstdlib>
#include <string>

namespace {

void Write(const char* text)
{
    DWORD wrote = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, lstrlenA(text), &wrote, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        Sleep(std::strtoul(argv[1], nullptr, 10));
        Write("grandchild\n");
        return 0;
    }
    Write("parent\n");

    char self[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string commandLine = "\"" + std::string(self, length) + "\" 3000";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION created{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &created))
        return 1;
    CloseHandle(created.hThread);
    CloseHandle(created.hProcess);
    return 0;
}
