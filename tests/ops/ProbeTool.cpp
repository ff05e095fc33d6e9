// Test tool for the process runner, steered by its arguments:
//   linger MODE...  writes "parent\n", starts itself with MODE... and its own
//                   standard handles inherited, and ends at once, so a child
//                   keeps the output pipe open after the tool has ended
//   sleep MS        sleeps, then writes "grandchild\n"
//   family MS       writes "parent\n", starts itself with sleep MS, sleeps MS
//   spew            writes 64 KB blocks until a write fails, for at most 10 s
//   release VALUE  releases the semaphore whose handle value (hexadecimal)
//                  the caller had: the caller sees it signalled only when the
//                  handle was inherited
//   ask N          N times: writes a question, reads its standard input in
//                  one greedy gulp (as pdftk-java does), writes "got:" and
//                  the first line of what came; "got:<end>" at its end
#include <windows.h>
#include <cstdlib>
#include <string>

namespace {

bool Write(const char* text)
{
    DWORD wrote = 0;
    return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, lstrlenA(text), &wrote, nullptr) != FALSE;
}

bool StartSelf(int argc, char** argv)
{
    char self[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string commandLine = "\"" + std::string(self, length) + "\"";
    for (int i = 2; i < argc; ++i) commandLine += std::string(" ") + argv[i];
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION created{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &created))
        return false;
    CloseHandle(created.hThread);
    CloseHandle(created.hProcess);
    return true;
}

int Linger(int argc, char** argv)
{
    Write("parent\n");
    return StartSelf(argc, argv) ? 0 : 1;
}

int Ask(int count)
{
    for (int i = 0; i < count; ++i) {
        Write("Please enter the open password\n");
        char gulp[4096];
        DWORD got = 0;
        if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), gulp, sizeof gulp, &got, nullptr) || got == 0) {
            Write("got:<end>\n");
            continue;
        }
        const std::string line(gulp, got);
        Write(("got:" + line.substr(0, line.find_first_of("\r\n")) + "\n").c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "linger") return Linger(argc, argv);
    if (mode == "ask" && argc > 2) return Ask(std::atoi(argv[2]));
    if (mode == "family" && argc > 2) {
        char* sleepChild[] = {argv[0], argv[1], const_cast<char*>("sleep"), argv[2]};
        if (!StartSelf(4, sleepChild)) return 1;
        Write("parent\n");
        Sleep(std::strtoul(argv[2], nullptr, 10));
        return 0;
    }
    if (mode == "spew") {
        std::string block(1 << 16, 's');
        ULONGLONG start = GetTickCount64();
        while (Write(block.c_str()) && GetTickCount64() - start < 10000) {
        }
        return 0;
    }
    if (mode == "sleep" && argc > 2) {
        Sleep(std::strtoul(argv[2], nullptr, 10));
        Write("grandchild\n");
        return 0;
    }
    if (mode == "release" && argc > 2) {
        HANDLE handle = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 16)));
        return ReleaseSemaphore(handle, 1, nullptr) ? 0 : 3;
    }
    return 2;
}
