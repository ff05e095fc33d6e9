#include "tools/driver/RemoteMemory.h"
#include "tools/driver/Wait.h"

namespace velmora::driver {

namespace {

bool Runs32Bit(HANDLE process, DWORD processId)
{
    BOOL wow64 = FALSE;
    if (!IsWow64Process(process, &wow64))
        throw DriverError("cannot tell the bitness of process " + std::to_string(processId) + ": error " +
                          std::to_string(GetLastError()));
    if (wow64)
        return true;
    // Not under WOW64: the process is native to the system, which is 32-bit
    // only when a 32-bit driver is not itself under WOW64.
    BOOL selfWow64 = FALSE;
    return sizeof(void*) == 4 && !(IsWow64Process(GetCurrentProcess(), &selfWow64) && selfWow64);
}

} // namespace

RemoteMemory::RemoteMemory(HWND window, size_t size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_LIMITED_INFORMATION,
                           FALSE, processId);
    if (!process_)
        throw DriverError("cannot open process " + std::to_string(processId) + ": error " +
                          std::to_string(GetLastError()));
    try {
        is32Bit_ = Runs32Bit(process_, processId);
    } catch (...) {
        CloseHandle(process_);
        throw;
    }
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_) {
        CloseHandle(process_);
        throw DriverError("cannot allocate memory in process " + std::to_string(processId));
    }
    // WOW64 keeps a 32-bit process's allocations below 4 GB; a block above
    // would be out of the program's reach, and its pointers cut short.
    if (is32Bit_ && AddressOf(0) + size > 0x100000000u) {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
        throw DriverError("memory for 32-bit process " + std::to_string(processId) + " came above 4 GB");
    }
}

RemoteMemory::~RemoteMemory()
{
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

void RemoteMemory::Write(size_t offset, const void* data, size_t size)
{
    SIZE_T done = 0;
    if (!WriteProcessMemory(process_, At<char>(offset), data, size, &done) || done != size)
        throw DriverError("cannot write into another process: error " + std::to_string(GetLastError()));
}

void RemoteMemory::Read(size_t offset, void* data, size_t size) const
{
    SIZE_T done = 0;
    if (!ReadProcessMemory(process_, At<char>(offset), data, size, &done) || done != size)
        throw DriverError("cannot read from another process: error " + std::to_string(GetLastError()));
}

} // namespace velmora::driver
