#pragma once
// The pipe a child process writes its output into, and the reading of it
// while the child runs, so that the child never blocks on a full pipe.
#include "ops/UniqueHandle.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// Makes a pipe whose write end is inheritable and synchronous (what a child
// expects of its standard output) and whose read end is private to this
// process and opened for overlapped reads. On failure gives false and leaves
// the thread's last-error code set.
bool CreateCapturePipe(UniqueHandle& readEnd, UniqueHandle& writeEnd);

// Appends everything read from an overlapped read end to one string, with
// one read in flight at a time. Whoever owns the read end keeps it open for
// the life of this object.
class PipeCapture {
public:
    PipeCapture(HANDLE readEnd, std::string& sink);
    ~PipeCapture();
    PipeCapture(const PipeCapture&) = delete;
    PipeCapture& operator=(const PipeCapture&) = delete;

    // Puts the first read in flight; false when reading cannot be done at
    // all (no event to wait on, a pipe that cannot be read), so that nobody
    // waits for a child that may be blocked on a full pipe.
    bool Begin();
    // Everything read so far.
    const std::string& Captured() const { return sink_; }
    // False once the pipe has no writer left, or reading has been given up.
    bool IsOpen() const { return open_; }
    // The system's error code of what stopped the reading before the pipe's
    // normal end; 0 while nothing has. Output may be missing once it is set.
    DWORD Failure() const { return failure_; }
    // Signalled when the read in flight has finished.
    HANDLE ReadySignal() const { return readDone_.Get(); }
    // Takes a finished read into the sink and puts the next one in flight.
    void Collect();
    // For when the writer has ended: takes what the pipe holds at this moment
    // and stops, without waiting for other holders of the write end.
    void TakeRemainder();

private:
    bool Issue(DWORD size);
    bool Finish(BOOL wait);
    void Stop(DWORD error);
    void Abandon();

    HANDLE pipe_;
    std::string& sink_;
    DWORD failure_ = 0;          // before readDone_, whose making may set it
    UniqueHandle readDone_;
    OVERLAPPED overlapped_{};
    std::vector<char> buffer_;
    bool inFlight_ = false;
    bool open_ = true;
};

} // namespace velmora
