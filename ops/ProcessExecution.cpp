#include "ops/ProcessExecution.h"
#include "ops/CapturePipe.h"
#include <vector>

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
// end and outlives the tool. The process comes first in the wait, and the
// limit is checked on every turn, so output that never stops (from such a
// grandchild, or before the limit) cannot keep the wait from ending. Giving
// up only cancels our own read.
DWORD WaitWhileReading(HANDLE process, PipeCapture& capture, DWORD timeLimit)
{
    ULONGLONG start = GetTickCount64();
    if (!capture.Begin()) return WAIT_FAILED;
    for (;;) {
        DWORD left = Remaining(start, timeLimit);
        HANDLE signals[2] = {process, capture.ReadySignal()};
        DWORD woke = WaitForMultipleObjects(capture.IsOpen() ? 2 : 1, signals, FALSE, left);
        if (woke == WAIT_OBJECT_0) {
            capture.TakeRemainder();
            return WAIT_OBJECT_0;
        }
        if (woke != WAIT_OBJECT_0 + 1) return woke;
        if (left == 0) return WAIT_TIMEOUT;
        capture.Collect();
    }
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

// Handle inheritance alone would hand the child every inheritable handle of
// this process; a child (or its children) holding one of them can keep
// someone else's pipe from ever reporting its end. So the child inherits
// the handles named here and nothing else.
class InheritedHandles {
public:
    explicit InheritedHandles(std::vector<HANDLE> handles) : handles_(std::move(handles))
    {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        if (!InitializeProcThreadAttributeList(List(), 1, 0, &size)) return;
        initialized_ = true;
        ready_ = UpdateProcThreadAttribute(List(), 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                           handles_.size() * sizeof(HANDLE), nullptr, nullptr) != FALSE;
    }
    ~InheritedHandles()
    {
        if (initialized_) DeleteProcThreadAttributeList(List());
    }
    InheritedHandles(const InheritedHandles&) = delete;
    InheritedHandles& operator=(const InheritedHandles&) = delete;

    bool IsReady() const { return ready_; }
    LPPROC_THREAD_ATTRIBUTE_LIST List() { return reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data()); }

private:
    std::vector<HANDLE> handles_;   // the list points into this
    std::vector<char> storage_;
    bool initialized_ = false;
    bool ready_ = false;
};

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

bool CommandLineFits(const std::string& commandLine, UINT codePage)
{
    if (commandLine.size() < kCommandLineLimit)
        return true;
    const int length = MultiByteToWideChar(codePage, 0, commandLine.data(), static_cast<int>(commandLine.size()),
                                           nullptr, 0);
    return length > 0 && static_cast<size_t>(length) < kCommandLineLimit;
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

    InheritedHandles inherited({nul.Get(), writeEnd.Get()});
    if (!inherited.IsReady()) {
        child.startError = GetLastError();
        return child;
    }

    // Explicit standard handles: the child gets the pipe without this
    // process ever switching its own standard output around.
    STARTUPINFOEXA startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = nul.Get();
    startup.StartupInfo.hStdOutput = writeEnd.Get();
    startup.StartupInfo.hStdError = writeEnd.Get();
    startup.lpAttributeList = inherited.List();

    std::string commandLine = CapturedCommandLine(program, arguments);
    DWORD flags = EXTENDED_STARTUPINFO_PRESENT | (show == 0 ? CREATE_NO_WINDOW : 0);
    PROCESS_INFORMATION created{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, flags, nullptr,
                        FolderOrNull(folder), &startup.StartupInfo, &created)) {
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
