#pragma once
// Starting an outside program and waiting for it, with or without its output
// captured. Nothing here shows anything: callers decide what to tell the user.
#include <string>
#include <windows.h>

namespace velmora {

// What became of one run.
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
ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
                          const std::string& folder, int show, DWORD timeLimit);

// Runs program in a console window of its own, without capture, and waits.
// The program path is quoted only when it has a blank and is not quoted yet.
ProcessResult RunAndWait(const std::string& program, const std::string& arguments,
                         const std::string& folder, int show, DWORD timeLimit);

// The command lines the two routines hand to CreateProcessA.
std::string CapturedCommandLine(const std::string& program, const std::string& arguments);
std::string ConsoleCommandLine(const std::string& program, const std::string& arguments);

} // namespace velmora
