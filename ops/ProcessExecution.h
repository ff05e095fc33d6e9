#pragma once
// Starting an outside program and waiting for it, its output captured.
// Nothing here shows anything: callers decide what to tell the user.
#include "ops/UniqueHandle.h"
#include "text/WideText.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

class PipeCapture;
struct PromptAnswers;
struct RedirectedProcess;

// What became of one run. A started run has ended, or timed out, or was
// cancelled, or failed on the way (runError); it may have ended and still
// failed, when its exit code or the last of its output could not be read.
// Whenever it did not end by itself, the program and every process it
// started were ended before the result was given.
struct ProcessResult {
    bool started = false;    // the process was created
    bool ended = false;      // it ended by itself within the time limit
    bool timedOut = false;   // the time limit ran out first
    bool cancelled = false;  // the caller's watch asked to stop the run
    DWORD exitCode = 0;      // GetExitCodeProcess, when ended
    DWORD startError = 0;    // the error code the failed creation left, when !started
    // The error code of what failed after the start: the capture could not
    // begin, a read or the wait failed, the exit code could not be read.
    // The program was ended before the result was given.
    DWORD runError = 0;
    std::string output;      // standard output and standard error, in the order written
};

// Lets whoever waits for a run keep doing its own work meanwhile (handling
// its window's messages, showing the output as it arrives) and stop the run.
class RunWatch {
public:
    // Waits as WaitForMultipleObjects(count, handles, FALSE, timeout) does,
    // doing the watcher's own work meanwhile; may return WAIT_TIMEOUT before
    // the timeout. outputSoFar is all the run has written until now.
    virtual DWORD Wait(DWORD count, const HANDLE* handles, DWORD timeout, const std::string& outputSoFar) = 0;
    // Asked on every turn of the wait: true stops the run.
    virtual bool StopRequested() = 0;

    // Ends the run's tool, with all it started, at once, from inside Wait:
    // for when the program may not get back to the wait (the session ends).
    // The watcher's StopRequested must say true from then on.
    void EndToolNow();

protected:
    ~RunWatch() = default;

private:
    friend ProcessResult AwaitCaptured(RedirectedProcess&, PipeCapture&, DWORD, RunWatch*, const PromptAnswers*);
    RedirectedProcess* child_ = nullptr;
};

// Lines a run's program reads on its standard input, each handed over only
// when the program asks for it: the first at once, each further one once
// the program's output shows the prompt words once more. A program that
// reads its input in big gulps (pdftk-java makes a new reader for each
// question) would otherwise swallow the lines of its later questions with
// the first. After the last line its input ends. Each line goes with CR LF;
// what is handed over is wiped from this side's buffers.
struct PromptAnswers {
    const std::vector<std::string>* lines = nullptr;   // the caller's, without their line ends
    std::string promptWords;
};

// How many of total lines are due once output holds promptWords as often
// as it does.
size_t AnswersDue(const std::string& output, const std::string& promptWords, size_t total);

// Runs program (always quoted on the command line) with arguments in folder
// (empty: the caller's current folder), its standard output and standard error
// on one pipe that is drained while the program runs. show 0 suppresses the
// console window. timeLimit in milliseconds, or INFINITE; watch, when given,
// does the waiting. When the limit runs out or the run is stopped, output
// holds what was written until then. answers, when given, feed its standard
// input, which is otherwise the NUL device.
// The thread's last-error code is left at startError when the program could
// not be started, at runError when something failed after the start,
// ERROR_TIMEOUT when the limit ran out, ERROR_CANCELLED when the run was
// stopped, and 0 otherwise.
ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
                          const std::string& folder, int show, DWORD timeLimit, RunWatch* watch = nullptr,
                          const PromptAnswers* answers = nullptr);
// The same with the folder as the system names it (UTF-16), which the code
// page may not hold.
ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
                          const WideText& folder, int show, DWORD timeLimit, RunWatch* watch = nullptr,
                          const PromptAnswers* answers = nullptr);

// A program started with its standard output and standard error on a pipe,
// its standard input on the NUL device or on a pipe of its own.
struct RedirectedProcess {
    bool started = false;
    DWORD startError = 0;    // the error code of the failed pipe set-up or creation
    UniqueHandle process;
    // The job the program runs in, with everything it starts: ending the job
    // ends them all, and so does closing it. Invalid where the system would
    // not give the program a job of its own (then only the program is ended).
    UniqueHandle job;
    // This process's copy of the child's output handle. Close it at once:
    // the pipe reports its end only when no copy of the write end is left.
    UniqueHandle writeEnd;
    // Not inheritable, and opened for overlapped reads (see PipeCapture).
    UniqueHandle readEnd;
    // This process's end of the child's standard input, when it has a pipe;
    // closing it ends the child's input.
    UniqueHandle inputEnd;
};

// RunCaptured's first half: makes the pipes and creates the process, with
// a pipe for its standard input when withInput says so. The caller's own
// standard handles are never touched.
RedirectedProcess StartRedirected(const std::string& program, const std::string& arguments,
                                  const std::string& folder, int show);
RedirectedProcess StartRedirected(const std::string& program, const std::string& arguments,
                                  const WideText& folder, int show, bool withInput = false);

// RunCaptured's second half: waits for the child while capture reads its
// output into the capture's sink, and fills in all but the output. Unless
// the child ended by itself, it is ended (with what it started) before this
// returns.
ProcessResult AwaitCaptured(RedirectedProcess& child, PipeCapture& capture, DWORD timeLimit,
                            RunWatch* watch = nullptr, const PromptAnswers* answers = nullptr);

// The command line RunCaptured hands to the system (converted to UTF-16 as
// CreateProcessA would).
std::string CapturedCommandLine(const std::string& program, const std::string& arguments);

// The most a command line may hold: 32,767 UTF-16 characters, the
// terminating null included.
inline constexpr size_t kCommandLineLimit = 32767;

// True when commandLine (codePage text, as it goes to CreateProcessA) is
// within kCommandLineLimit once converted to UTF-16, as the system converts
// it: a double-byte character counts once. A longer one makes the creation
// fail with the bare "The parameter is incorrect".
bool CommandLineFits(const std::string& commandLine, UINT codePage = CP_ACP);

} // namespace velmora
