#include "ops/CapturePipe.h"
#include <algorithm>
#include <new>

namespace velmora {

namespace {

// A large pipe keeps the child writing while this process stores what it
// read. Every read is a round trip through the system (under Wine through its
// server), so one read takes whatever has piled up: with 64 KB reads a large
// capture took several times as long.
constexpr DWORD kPipeBufferSize = 1 << 20;
constexpr DWORD kReadSize = 1 << 20;

std::string NextPipeName()
{
    static LONG counter = 0;
    return "\\\\.\\pipe\\velmora-capture-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(InterlockedIncrement(&counter));
}

// First touching a fresh page is what storing output costs most, and a
// string that doubles has touched about twice the bytes it finally holds
// (each bigger copy is fresh memory). Growing fourfold touches about 4/3 of
// them; capacity not yet written is address space only. Where that much
// address space is not to be had (a 32-bit process), the string's own growth
// takes over.
void AppendGrowingFourfold(std::string& sink, const char* bytes, size_t count)
{
    if (sink.capacity() - sink.size() < count) {
        size_t fourfold = sink.capacity() <= sink.max_size() / 4 ? sink.capacity() * 4 : sink.max_size();
        try {
            if (fourfold >= sink.size() + count) sink.reserve(fourfold);
        } catch (const std::bad_alloc&) {
        }
    }
    sink.append(bytes, count);
}

UniqueHandle CreateReadSignal(DWORD& failure)
{
    UniqueHandle signal(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!signal.IsValid()) failure = GetLastError();
    return signal;
}

} // namespace

bool CreateCapturePipe(UniqueHandle& readEnd, UniqueHandle& writeEnd)
{
    // An anonymous pipe cannot be read with overlapped I/O, and only an
    // overlapped read can be waited for together with the process and be
    // given up cleanly. So this is a named pipe under a name of our own.
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string name = NextPipeName();
        UniqueHandle server(CreateNamedPipeA(
            name.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
            1, 0, kPipeBufferSize, 0, nullptr));
        if (!server.IsValid()) {
            // A pipe of an earlier process with our id may still be held
            // open by one of its children: take the next name.
            if (GetLastError() == ERROR_ACCESS_DENIED || GetLastError() == ERROR_PIPE_BUSY) continue;
            return false;
        }
        SECURITY_ATTRIBUTES inheritable{};
        inheritable.nLength = sizeof inheritable;
        inheritable.bInheritHandle = TRUE;
        UniqueHandle client(CreateFileA(name.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES, 0,
                                        &inheritable, OPEN_EXISTING, 0, nullptr));
        if (!client.IsValid()) {
            DWORD error = GetLastError();
            server.Reset();
            SetLastError(error);
            return false;
        }
        readEnd = std::move(server);
        writeEnd = std::move(client);
        return true;
    }
    SetLastError(ERROR_PIPE_BUSY);
    return false;
}

PipeCapture::PipeCapture(HANDLE readEnd, std::string& sink)
    : pipe_(readEnd), sink_(sink), readDone_(CreateReadSignal(failure_)), buffer_(kReadSize)
{
}

PipeCapture::~PipeCapture()
{
    Abandon();
}

bool PipeCapture::Begin()
{
    if (!readDone_.IsValid()) {
        open_ = false;
        return false;
    }
    if (open_ && !inFlight_) Issue(kReadSize);
    return failure_ == 0;
}

void PipeCapture::Collect()
{
    if (inFlight_ && Finish(FALSE) && open_) Issue(kReadSize);
}

void PipeCapture::TakeRemainder()
{
    if (!open_) return;
    // Everything the ended writer wrote is now either in the read in flight
    // or queued in the pipe. Cancelling cannot lose a finished read: that
    // one still reports its bytes.
    if (inFlight_) {
        CancelIoEx(pipe_, &overlapped_);
        Finish(TRUE);
    }
    DWORD queued = 0;
    if (open_ && !PeekNamedPipe(pipe_, nullptr, 0, nullptr, &queued, nullptr)) {
        Stop(GetLastError());
        queued = 0;
    }
    // Read just what was queued: a grandchild that inherited the write end
    // may keep it open, and write, for as long as it likes.
    int emptyReads = 0;
    while (open_ && queued > 0 && emptyReads < 16) {
        size_t before = sink_.size();
        if (!Issue(std::min(queued, kReadSize)) || !Finish(TRUE)) break;
        DWORD got = static_cast<DWORD>(sink_.size() - before);
        queued -= std::min(queued, got);
        if (got == 0) ++emptyReads;
    }
    Abandon();
}

bool PipeCapture::Issue(DWORD size)
{
    overlapped_ = OVERLAPPED{};
    overlapped_.hEvent = readDone_.Get();
    // A read that completes at once also signals the event, so both outcomes
    // are collected the same way.
    if (ReadFile(pipe_, buffer_.data(), size, nullptr, &overlapped_) || GetLastError() == ERROR_IO_PENDING) {
        inFlight_ = true;
        return true;
    }
    Stop(GetLastError());
    return false;
}

// Takes the read in flight into the sink when it has finished; false when it
// has not (only possible without waiting).
bool PipeCapture::Finish(BOOL wait)
{
    DWORD got = 0;
    if (GetOverlappedResult(pipe_, &overlapped_, &got, wait)) {
        inFlight_ = false;
        AppendGrowingFourfold(sink_, buffer_.data(), got);
        return true;
    }
    DWORD error = GetLastError();
    if (error == ERROR_IO_INCOMPLETE) return false;
    inFlight_ = false;
    if (error != ERROR_OPERATION_ABORTED) Stop(error);
    return true;
}

// A broken pipe is the normal end: no writer left and nothing queued. A
// pipe that is not connected has no writer either. Anything else means the
// output could not be read, and the first such cause is the one kept.
void PipeCapture::Stop(DWORD error)
{
    open_ = false;
    if (failure_ == 0 && error != ERROR_BROKEN_PIPE && error != ERROR_PIPE_NOT_CONNECTED) failure_ = error;
}

// The system writes into buffer_ and overlapped_ until a read has finished,
// so a read in flight must be cancelled and waited for before they go.
void PipeCapture::Abandon()
{
    if (inFlight_) {
        CancelIoEx(pipe_, &overlapped_);
        Finish(TRUE);
    }
    open_ = false;
}

} // namespace velmora
