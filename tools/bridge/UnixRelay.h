#pragma once
// Running a Linux program from a Windows program under Wine. Wine starts a
// Unix program that CreateProcess names, but hands the caller no process
// handle and does not connect the standard handles; so a shell script in a
// private folder runs the program with its output sent to files (read as
// they grow), and last
// leaves the exit code in a marker file that the caller waits for.
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::bridge {

struct RelayResult {
    bool ran = false;      // the program ran to its end
    DWORD exitCode = 1;    // its exit code, when it ran
    std::string output;    // its standard output, byte for byte (unless relayed as it came)
    std::string errors;    // its standard error, byte for byte (unless relayed as it came)
    std::string failure;   // why it did not run
};

// Takes the program's output as it comes: a piece of its standard error
// when fromErrors, else of its standard output.
using OutputRelay = std::function<void(bool fromErrors, const std::string& piece)>;

// text in single quotes for sh; a quote inside becomes '\''.
std::string ShellQuoted(const std::string& text);

// The script: note the shell's process id, change to workFolder, run
// command (program first, all UTF-8) with its output in relayFolder's files
// "out" and "err", then write the exit code to "code" through a rename, so
// the file never exists half-written. The program reads relayFolder's file
// "in" as it grows, within a twentieth of a second, and meets its end of
// input once "in.end" exists and all of "in" has been read. Should the Unix
// process waiterPid end first, the program and everything it started are
// killed within a tenth of a second, waited for, and relayFolder is
// removed; 0 watches nothing.
std::string RelayScript(const std::string& relayFolder, const std::string& workFolder,
                        const std::vector<std::string>& command, DWORD waiterPid);

// Runs command (Unix program path and arguments) in workFolder (a Unix
// path) and waits for its end, however long it takes while the shell lives.
// Should this process be ended meanwhile, however abruptly, the program
// does not outlive it. With relay, the program's output goes there while it
// runs, within a twentieth of a second of being written (standard output
// and standard error each in order; between the two, in the order seen),
// and the result's output and errors stay empty. What input yields reaches
// the program's standard input as it comes, and input's end is the
// program's end of input; without input the program meets its end at once.
RelayResult RunInUnix(const std::vector<std::string>& command, const std::string& workFolder,
                      const OutputRelay& relay = nullptr, HANDLE input = nullptr);

} // namespace velmora::bridge
