#include "tools/driver/Wait.h"

namespace velmora::driver {

void FailWaiting(const std::string& what, DWORD timeoutMs)
{
    throw DriverError("timed out after " + std::to_string(timeoutMs) + " ms waiting for " + what);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace velmora::driver
