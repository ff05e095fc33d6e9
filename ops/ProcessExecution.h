#pragma once
// Starting an outside program and waiting for it, its output captured. Nothing here shows anything: callers decide what to tell the user.
#include "ops/UniqueHandle.h"
#include <string>
#include <windows.h>

namespace velmora {

class PipeCapture;

// What became of one run. A started run has ended, or timed out, or failed
// on the way (runError); it may have ended and still failed, when its exit
// code or the last of its output could not be read.
struct ProcessResult {
    bool started = false;    // the process was created
    bool ended = false;      // it ended within the time limit
    bool timedOut = false;   // the time limit ran out first (the program goes on running)
    DWORD exitCode = 0;      // GetExitCodeProcess, when ended
    DWORD startError = 0;    // the error code the failed creation left, when !started
    // The error code of what failed after the start: the capture could not
    // begin, a read or the wait failed, the exit code could not be read.
    // The program was ended before the result was given.
    DWORD runError = 0;
    std::string output;      // standard output and standard error, in the order written
};

// Runs program (always quoted on the command line) with arguments in folder
// (empty: the caller's current folder), its standard output and standard error
// on one pipe that is drained while the program runs. show 0 suppresses the
// console window. timeLimit in milliseconds, or INFINITE.
// When the limit runs out, output holds what was written until then.
// The thread's last-error code is left at startError when the program could
// not be started, at runError when something failed after the start,
// ERROR_TIMEOUT when the limit ran out, and 0 otherwise.
ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
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

// RunCaptured's second half: waits for process while capture reads its
// output into the capture's sink, and fills in all but the output. Whatever
// fails on the way ends the process before this returns; only a time limit
// that runs out leaves it running.
ProcessResult AwaitCaptured(HANDLE process, PipeCapture& capture, DWORD timeLimit);

// The command line RunCaptured hands to CreateProcessA.
std::string CapturedCommandLine(const std::string& program, const std::string& arguments);

} // namespace velmora
