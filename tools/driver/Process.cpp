#include "tools/driver/Process.h"
#include "tools/driver/Wait.h"
#include <tlhelp32.h>

namespace velmora::driver {

std::string JoinArguments(const std::vector<std::string>& arguments)
{
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += ' ';
        line += QuoteArgument(argument);
    }
    return line;
}

std::vector<DWORD> ChildProcesses(DWORD parentId, const std::string& exeName)
{
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        throw DriverError("cannot list the processes");
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ParentProcessID == parentId && lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0)
            found.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

Process::Process(const std::string& program, const std::string& arguments, const std::string& folder)
    : commandLine_("\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments))
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = commandLine_;
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info_))
        throw DriverError("cannot start " + commandLine_ + ": error " + std::to_string(GetLastError()));
}

namespace {

std::wstring Widened(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length - 1 : 0);
    return wide;
}

} // namespace

Process::Process(const std::string& program, const std::wstring& arguments, const std::string& folder)
    : commandLine_("\"" + program + "\" (wide arguments)")
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring line = L"\"" + Widened(program) + L"\" " + arguments;
    const std::wstring wideFolder = Widened(folder);
    if (!CreateProcessW(Widened(program).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : wideFolder.c_str(), &startup, &info_))
        throw DriverError("cannot start " + commandLine_ + ": error " + std::to_string(GetLastError()));
}

Process::~Process()
{
    Kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::IsRunning() const
{
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Process::WaitForExit(DWORD timeoutMs)
{
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        FailWaiting("the end of " + commandLine_, timeoutMs);
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void Process::Kill()
{
    if (IsRunning()) {
        TerminateProcess(info_.hProcess, 0xDEAD);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

} // namespace velmora::driver
