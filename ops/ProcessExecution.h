#pragma once
// Starting an outside program and waiting for it, with or without its output
// captured. Nothing here shows anything: callers decide what to tell the user.
#include "ops/UniqueHandle.h"
#include <string>
#include <windows.h>

namespace velmora {

// What became of one run. Started but neither ended nor timed out: the wait
// itself failed, and the program may still be running.
struct ProcessResult {
    bool started = false;    // the process was created
    bool ended = false;      // it ended within the time limit
    bool timedOut = false;   // the time limit ran out first (the program goes on running)
    DWORD exitCode = 0;      // GetExitCodeProcess, when ended
    DWORD startError = 0;    // the error code the failed creation left, when !started
    std::string output;      // standard output and standard error, in the order written
};

// Runs program (always quoted on the command line) with arguments in folder
// (empty: the caller's current folder), its standard output and standard error
// on one pipe that is drained while the program runs. show 0 suppresses the
// console window. timeLimit in milliseconds, or INFINITE.
// When the limit runs out, output holds what was written until then.
// The thread's last-error code is left at startError when the program could
// not be started, ERROR_TIMEOUT when the limit ran out, and 0 otherwise.
ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
                          const std::string& folder, int show, DWORD timeLimit);

// Runs program in a console window of its own, without capture, and waits.
// The program path is quoted only when it has a blank and is not quoted yet.
// Leaves the thread's last-error code as RunCaptured does.
ProcessResult RunAndWait(const std::string& program, const std::string& arguments,
                         const std::string& folder, int show, DWORD timeLimit);

// A program started with its standard output and standard error on a pipe,
// its standard input on the NUL device.
struct RedirectedProcess {
    bool started = false;
    DWORD startError = 0;    // the error code of the failed pipe set-up or creation
    UniqueHandle process;
    // This process's copy of the child's output handle. Close it at once:
    // the pipe reports its end only when no copy of the write end is left.
    UniqueHandle writeEnd;
    // Not inheritable, and opened for overlapped reads (see PipeCapture).
    UniqueHandle readEnd;
};

// RunCaptured's first half: makes the pipe and creates the process. The
// caller's own standard handles are never touched.
RedirectedProcess StartRedirected(const std::string& program, const std::string& arguments,
                                  const std::string& folder, int show);

// The command lines the two routines hand to CreateProcessA.
std::string CapturedCommandLine(const std::string& program, const std::string& arguments);
std::string ConsoleCommandLine(const std::string& program, const std::string& arguments);

// The most a command line may hold: 32,767 UTF-16 characters, the
// terminating null included.
inline constexpr size_t kCommandLineLimit = 32767;

// True when commandLine (codePage text, as it goes to CreateProcessA) is
// within kCommandLineLimit once converted to UTF-16, as the system converts
// it: a double-byte character counts once. A longer one makes the creation
// fail with the bare "The parameter is incorrect".
bool CommandLineFits(const std::string& commandLine, UINT codePage = CP_ACP);

} // namespace velmora
