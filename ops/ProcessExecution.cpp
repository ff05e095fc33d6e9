#include "ops/ProcessExecution.h"
#include "ops/CapturePipe.h"
#include <vector>

namespace velmora {

namespace {

const wchar_t* FolderOrNull(const WideText& folder)
{
    return folder.empty() ? nullptr : folder.data();
}

DWORD Remaining(ULONGLONG start, DWORD timeLimit)
{
    if (timeLimit == INFINITE) return INFINITE;
    ULONGLONG spent = GetTickCount64() - start;
    return spent >= timeLimit ? 0 : static_cast<DWORD>(timeLimit - spent);
}

// A wait that ended on the process or the limit, or was stopped by the
// watch, or failed (with the system's code of why).
struct WaitEnd {
    DWORD woke;          // WAIT_OBJECT_0, WAIT_TIMEOUT, WAIT_ABANDONED (stopped) or WAIT_FAILED
    DWORD failure = 0;
};

DWORD WaitForEither(RunWatch* watch, DWORD count, const HANDLE* handles, DWORD timeout,
                    const std::string& outputSoFar)
{
    if (watch) return watch->Wait(count, handles, timeout, outputSoFar);
    return WaitForMultipleObjects(count, handles, FALSE, timeout);
}

// Hands the answers over as they fall due, then ends the child's input. A
// child that has gone takes no more: its input is given up.
class AnswerFeed {
public:
    AnswerFeed(UniqueHandle& inputEnd, const PromptAnswers* answers) : end_(inputEnd), answers_(answers) {}

    void Feed(const std::string& output)
    {
        if (!answers_ || !answers_->lines || !end_.IsValid())
            return;
        const std::vector<std::string>& lines = *answers_->lines;
        const size_t due = AnswersDue(output, answers_->promptWords, lines.size());
        for (; given_ < due; ++given_) {
            if (!Write(lines[given_] + "\r\n")) {
                end_.Reset();
                return;
            }
        }
        if (given_ == lines.size())
            end_.Reset();
    }

private:
    // A line is a few dozen bytes, handed over only after the one before
    // was read: the pipe's buffer takes it without blocking.
    bool Write(std::string line)
    {
        DWORD written = 0;
        const bool whole = WriteFile(end_.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                           written == line.size();
        SecureZeroMemory(&line[0], line.size());
        return whole;
    }

    UniqueHandle& end_;
    const PromptAnswers* answers_;
    size_t given_ = 0;
};

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
// up only cancels our own read. A read that fails fails the wait: the child
// could block on the full pipe for ever. A watch may wake the wait early for
// its own work; only the limit or its request ends the wait then.
WaitEnd WaitWhileReading(HANDLE process, PipeCapture& capture, DWORD timeLimit, RunWatch* watch, AnswerFeed& feed)
{
    ULONGLONG start = GetTickCount64();
    if (!capture.Begin()) return {WAIT_FAILED, capture.Failure()};
    for (;;) {
        feed.Feed(capture.Captured());
        if (watch && watch->StopRequested()) return {WAIT_ABANDONED};
        DWORD left = Remaining(start, timeLimit);
        HANDLE signals[2] = {process, capture.ReadySignal()};
        DWORD woke = WaitForEither(watch, capture.IsOpen() ? 2 : 1, signals, left, capture.Captured());
        // A stop asked for during the wait wins over what woke it: the tool
        // may have been ended for it.
        if (watch && watch->StopRequested()) return {WAIT_ABANDONED};
        if (woke == WAIT_OBJECT_0) {
            capture.TakeRemainder();
            return {WAIT_OBJECT_0};
        }
        if (woke == WAIT_TIMEOUT) {
            if (Remaining(start, timeLimit) == 0) return {WAIT_TIMEOUT};
            continue;
        }
        if (woke != WAIT_OBJECT_0 + 1) return {WAIT_FAILED, GetLastError()};
        if (left == 0) return {WAIT_TIMEOUT};
        capture.Collect();
        if (capture.Failure() != 0) return {WAIT_FAILED, capture.Failure()};
    }
}

// A failure the system gave no code for must still count as one.
DWORD KnownFailure(DWORD error)
{
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

// Bounded: a process that is not gone by then is stuck in the system, and
// waiting longer would only freeze the window with it.
constexpr DWORD kEndWait = 5000;

// A run given up on must not leave the tool behind, still writing its
// output file while the user is told the run failed; nor what the tool
// started (through the Linux bridge: the real pdftk). Termination only
// starts the end, so wait until the process is gone. Terminating a process
// that has already ended fails, and then there is nothing to wait for.
void EndProcess(RedirectedProcess& child)
{
    const BOOL ending = child.job.IsValid() ? TerminateJobObject(child.job.Get(), 1)
                                            : TerminateProcess(child.process.Get(), 1);
    if (ending) WaitForSingleObject(child.process.Get(), kEndWait);
}

// A job that ends everything in it when its last handle closes: even when
// this program ends unexpectedly, no tool is left behind.
UniqueHandle CreateKillingJob()
{
    UniqueHandle job(CreateJobObjectA(nullptr, nullptr));
    if (!job.IsValid()) return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        job.Reset();
    return job;
}

// Callers that judge a run by the thread's last-error code get the outcome
// of the run, not the leftovers of the reads and closes that ended it.
void LeaveLastError(const ProcessResult& result)
{
    if (!result.started)
        SetLastError(result.startError);
    else if (result.runError != 0)
        SetLastError(result.runError);
    else if (result.cancelled)
        SetLastError(ERROR_CANCELLED);
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

// The child's standard input: the NUL device, or the read end of a pipe
// whose write end (not inheritable) stays here.
bool OpenChildInput(bool withInput, UniqueHandle& childEnd, UniqueHandle& ownEnd)
{
    if (!withInput) {
        childEnd = OpenInheritableNul();
        return childEnd.IsValid();
    }
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inheritable, 0))
        return false;
    childEnd.Reset(read);
    ownEnd.Reset(write);
    return SetHandleInformation(write, HANDLE_FLAG_INHERIT, 0) != FALSE;
}

} // namespace

size_t AnswersDue(const std::string& output, const std::string& promptWords, size_t total)
{
    size_t asked = 0;
    if (!promptWords.empty())
        for (size_t at = output.find(promptWords); at != std::string::npos; at = output.find(promptWords, at + 1))
            ++asked;
    const size_t due = asked > 1 ? asked : 1;
    return due < total ? due : total;
}

std::string CapturedCommandLine(const std::string& program, const std::string& arguments)
{
    return "\"" + program + "\" " + arguments;
}

bool CommandLineFits(const std::string& commandLine, UINT codePage)
{
    if (commandLine.size() < kCommandLineLimit)
        return true;
    const size_t length = LengthOf(WideFromAnsi(commandLine, codePage));
    return length > 0 && length < kCommandLineLimit;
}

RedirectedProcess StartRedirected(const std::string& program, const std::string& arguments,
                                  const std::string& folder, int show)
{
    return StartRedirected(program, arguments, WideFromAnsi(folder), show);
}

RedirectedProcess StartRedirected(const std::string& program, const std::string& arguments,
                                  const WideText& folder, int show, bool withInput)
{
    RedirectedProcess child;
    UniqueHandle readEnd, writeEnd;
    if (!CreateCapturePipe(readEnd, writeEnd)) {
        child.startError = GetLastError();
        return child;
    }
    UniqueHandle input, inputEnd;
    if (!OpenChildInput(withInput, input, inputEnd)) {
        child.startError = GetLastError();
        return child;
    }

    InheritedHandles inherited({input.Get(), writeEnd.Get()});
    if (!inherited.IsReady()) {
        child.startError = GetLastError();
        return child;
    }

    // Explicit standard handles: the child gets the pipe without this
    // process ever switching its own standard output around.
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = input.Get();
    startup.StartupInfo.hStdOutput = writeEnd.Get();
    startup.StartupInfo.hStdError = writeEnd.Get();
    startup.lpAttributeList = inherited.List();

    // Suspended until it is in its job, so that nothing it starts escapes.
    // The command line is converted as CreateProcessA would; the folder
    // goes in UTF-16, so that pdftk can run in one the code page cannot name.
    WideText commandLine = WideFromAnsi(CapturedCommandLine(program, arguments));
    DWORD flags = EXTENDED_STARTUPINFO_PRESENT | CREATE_SUSPENDED | (show == 0 ? CREATE_NO_WINDOW : 0);
    PROCESS_INFORMATION created{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, flags, nullptr,
                        FolderOrNull(folder), &startup.StartupInfo, &created)) {
        child.startError = GetLastError();
        return child;
    }
    UniqueHandle thread(created.hThread);
    child.started = true;
    child.process.Reset(created.hProcess);
    // Before Windows 8 a program that runs in a job itself cannot give its
    // child another one; the child then runs without.
    child.job = CreateKillingJob();
    if (child.job.IsValid() && !AssignProcessToJobObject(child.job.Get(), child.process.Get()))
        child.job.Reset();
    ResumeThread(thread.Get());
    child.writeEnd = std::move(writeEnd);
    child.readEnd = std::move(readEnd);
    child.inputEnd = std::move(inputEnd);
    return child;
}

ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
                          const std::string& folder, int show, DWORD timeLimit, RunWatch* watch,
                          const PromptAnswers* answers)
{
    return RunCaptured(program, arguments, WideFromAnsi(folder), show, timeLimit, watch, answers);
}

ProcessResult RunCaptured(const std::string& program, const std::string& arguments,
                          const WideText& folder, int show, DWORD timeLimit, RunWatch* watch,
                          const PromptAnswers* answers)
{
    ProcessResult result;
    const bool withInput = answers && answers->lines && !answers->lines->empty();
    RedirectedProcess child = StartRedirected(program, arguments, folder, show, withInput);
    if (!child.started) {
        result.startError = child.startError;
        LeaveLastError(result);
        return result;
    }
    child.writeEnd.Reset();

    // The capture may still write into output until it is gone.
    std::string output;
    {
        PipeCapture capture(child.readEnd.Get(), output);
        result = AwaitCaptured(child, capture, timeLimit, watch, answers);
    }
    result.output = std::move(output);
    LeaveLastError(result);
    return result;
}

void RunWatch::EndToolNow()
{
    if (child_) EndProcess(*child_);
}

ProcessResult AwaitCaptured(RedirectedProcess& child, PipeCapture& capture, DWORD timeLimit, RunWatch* watch,
                            const PromptAnswers* answers)
{
    ProcessResult result;
    result.started = true;
    HANDLE process = child.process.Get();
    if (watch) watch->child_ = &child;
    AnswerFeed feed(child.inputEnd, answers);
    WaitEnd end = WaitWhileReading(process, capture, timeLimit, watch, feed);
    child.inputEnd.Reset();
    if (watch) watch->child_ = nullptr;
    if (end.woke == WAIT_TIMEOUT || end.woke == WAIT_ABANDONED) {
        result.timedOut = end.woke == WAIT_TIMEOUT;
        result.cancelled = end.woke == WAIT_ABANDONED;
        EndProcess(child);
        return result;
    }
    DWORD failure = end.failure;
    if (end.woke == WAIT_OBJECT_0) {
        result.ended = true;
        // The last of the output can still be lost after the end.
        failure = capture.Failure();
        if (!GetExitCodeProcess(process, &result.exitCode)) failure = GetLastError();
    }
    if (end.woke == WAIT_FAILED || failure != 0) {
        result.runError = KnownFailure(failure);
        EndProcess(child);
    }
    return result;
}

} // namespace velmora
