#pragma once
// A program started by a test: its exit is waited for with a limit, and it is
// killed when the test ends while it still runs, so no window outlives a test.
#include "ops/ArgumentQuoting.h"
#include <windows.h>
#include <string>
#include <vector>

namespace velmora::driver {

constexpr DWORD DefaultExitWaitMs = 15000;


// Arguments, each quoted as needed, joined by blanks.
std::string JoinArguments(const std::vector<std::string>& arguments);

// The ids of the running processes started by parentId whose program file
// is named exeName (case ignored), from a snapshot of the process list.
std::vector<DWORD> ChildProcesses(DWORD parentId, const std::string& exeName);

class Process {
public:
    // Runs "program" arguments (the command line is the quoted program, a
    // blank and the arguments unchanged) in folder (empty: the test's own).
    Process(const std::string& program, const std::string& arguments, const std::string& folder = "");
    // The same with arguments in UTF-16, which may hold names the ANSI code
    // page cannot.
    Process(const std::string& program, const std::wstring& arguments, const std::string& folder = "");
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    const std::string& CommandLine() const { return commandLine_; }

    bool IsRunning() const;
    // Waits for the end and gives the exit code; throws when the limit runs out.
    DWORD WaitForExit(DWORD timeoutMs = DefaultExitWaitMs);
    // Ends it at once if it still runs.
    void Kill();

private:
    std::string commandLine_;
    PROCESS_INFORMATION info_ = {};
};

} // namespace velmora::driver
