#include "ops/ProcessExecution.h"
#include "ops/CapturePipe.h"

namespace velmora {

namespace {

const char* FolderOrNull(const std::string& folder)
{
    return folder.empty() ? nullptr : folder.c_str();
}

DWORD Remaining(ULONGLONG start, DWORD timeLimit)
{
    if (timeLimit == INFINITE) return INFINITE;
    ULONGLONG spent = GetTickCount64() - start;
    return spent >= timeLimit ? 0 : static_cast<DWORD>(timeLimit - spent);
}

// Why the output is read while waiting, and how the wait ends:
// a child that fills the pipe blocks until someone reads, so reading only
// after the end would never end. One overlapped read is kept in flight and
// waited for together with the process, on this one thread. When the process
// has ended, everything it wrote is in that read or queued in the pipe (its
// writes were synchronous); that much is taken, and no more. Waiting for the
// pipe to break instead would hang whenever a grandchild inherited the write
// end and outlives the tool. The time limit bounds the whole wait, and giving
// up only cancels our own read.
DWORD WaitWhileReading(HANDLE process, PipeCapture& capture, DWORD timeLimit)
{
    ULONGLONG start = GetTickCount64();
    capture.Begin();
    while (capture.IsOpen()) {
        HANDLE signals[2] = {capture.ReadySignal(), process};
        DWORD woke = WaitForMultipleObjects(2, signals, FALSE, Remaining(start, timeLimit));
        if (woke == WAIT_OBJECT_0) {
            capture.Collect();
        } else if (woke == WAIT_OBJECT_0 + 1) {
            capture.TakeRemainder();
            return WAIT_OBJECT_0;
        } else {
            return woke;
        }
    }
    // The child closed its output but has not ended yet.
    return WaitForSingleObject(process, Remaining(start, timeLimit));
}

void Settle(HANDLE process, DWORD woke, ProcessResult& result)
{
    if (woke == WAIT_OBJECT_0) {
        result.ended = true;
        GetExitCodeProcess(process, &result.exitCode);
    } else if (woke == WAIT_TIMEOUT) {
        result.timedOut = true;
    }
}

// Callers that judge a run by the thread's last-error code get the outcome
// of the run, not the leftovers of the reads and closes that ended it.
void LeaveLastError(const ProcessResult& result)
{
    if (!result.started)
        SetLastError(result.startError);
    else if (result.timedOut)
        SetLastError(ERROR_TIMEOUT);
    else if (result.ended)
        SetLastError(ERROR_SUCCESS);
}

UniqueHandle OpenInheritableNul()
{
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    return UniqueHandle(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    &inheritable, OPEN_EXISTING, 0, nullptr));
}

} // namespace

std::string CapturedCommandLine(const std::string& program, const std::string& arguments)
{
    return "\"" + program + "\" " + arguments;
}

std::string ConsoleCommandLine(const std::string& program, const std::string& arguments)
{
    std::string line = program;
    if (!program.empty() && program[0] != '"' && program.find(' ') != std::string::npos)
        line = "\"" + program + "\"";
    if (!program.empty() && !arguments.empty()) line += ' ';
    return line + arguments;
}

RedirectedProcess StartRedirected(const std::string& program, const std::string& arguments,
                                  const std::string& folder, int show)
{
    RedirectedProcess child;
    UniqueHandle readEnd, writeEnd;
    if (!CreateCapturePipe(readEnd, writeEnd)) {
        child.startError = GetLastError();
        return child;
    }
    UniqueHandle nul = OpenInheritableNul();
    if (!nul.IsValid()) {
        child.startError = GetLastError();
        return child;
    }

    // Explicit standard handles: the child gets the pipe without this
    // process ever switching its own standard output around.
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul.Get();
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();

    std::string commandLine = CapturedCommandLine(program, arguments);
    DWORD flags = show == 0 ? CREATE_NO_WINDOW : 0;
    PROCESS_INFORMATION created{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, flags, nullptr,
                        FolderOrNull(folder), &startup, &created)) {
        child.startError = GetLastError();
        return child;
    }
    CloseHandle(created.hThread);
    child.started = true;
    child.process.Reset(created.hProcess);
    child.writeEnd = std::move(writeEnd);
    child.readEnd = std::move(readEnd);
    return child;
}

ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
                          const std::string& folder, int show, DWORD timeLimit)
{
    ProcessResult result;
    RedirectedProcess child = StartRedirected(program, arguments, folder, show);
    if (!child.started) {
        result.startError = child.startError;
        LeaveLastError(result);
        return result;
    }
    result.started = true;
    child.writeEnd.Reset();

    DWORD woke;
    {
        PipeCapture capture(child.readEnd.Get(), result.output);
        woke = WaitWhileReading(child.process.Get(), capture, timeLimit);
    }
    Settle(child.process.Get(), woke, result);
    LeaveLastError(result);
    return result;
}

ProcessResult RunAndWait(const std::string& program, const std::string& arguments,
                         const std::string& folder, int show, DWORD timeLimit)
{
    ProcessResult result;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);

    std::string commandLine = ConsoleCommandLine(program, arguments);
    DWORD flags = CREATE_NEW_CONSOLE | (show == 0 ? CREATE_NO_WINDOW : 0);
    PROCESS_INFORMATION created{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, flags, nullptr,
                        FolderOrNull(folder), &startup, &created)) {
        result.startError = GetLastError();
        LeaveLastError(result);
        return result;
    }
    CloseHandle(created.hThread);
    UniqueHandle process(created.hProcess);
    result.started = true;
    Settle(process.Get(), WaitForSingleObject(process.Get(), timeLimit), result);
    LeaveLastError(result);
    return result;
}

} // namespace velmora
