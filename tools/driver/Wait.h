#pragma once
// Every wait of the driver is bounded: when the time runs out it throws a
// DriverError that names what was awaited, and the test fails with that text.
#include <windows.h>
#include <stdexcept>
#include <string>

namespace velmora::driver {

class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Long enough for a first file dialog on a busy machine.
constexpr DWORD DefaultWaitMs = 10000;
constexpr DWORD PollIntervalMs = 20;

[[noreturn]] void FailWaiting(const std::string& what, DWORD timeoutMs);

// Polls find() until it gives something that tests true and returns that.
template <typename Find>
auto WaitFor(Find find, const std::string& what, DWORD timeoutMs = DefaultWaitMs) -> decltype(find())
{
    DWORD start = GetTickCount();
    for (;;) {
        auto found = find();
        if (found)
            return found;
        if (GetTickCount() - start >= timeoutMs)
            FailWaiting(what, timeoutMs);
        Sleep(PollIntervalMs);
    }
}

template <typename Ready>
void WaitUntil(Ready ready, const std::string& what, DWORD timeoutMs = DefaultWaitMs)
{
    WaitFor([&] { return static_cast<bool>(ready()); }, what, timeoutMs);
}

// Quotes text for messages: "text".
std::string Quoted(const std::string& text);

} // namespace velmora::driver
