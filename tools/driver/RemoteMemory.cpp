#include "tools/driver/RemoteMemory.h"
#include "tools/driver/Wait.h"

namespace velmora::driver {

RemoteMemory::RemoteMemory(HWND window, size_t size)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process_)
        throw DriverError("cannot open process " + std::to_string(processId) + ": error " +
                          std::to_string(GetLastError()));
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_) {
        CloseHandle(process_);
        throw DriverError("cannot allocate memory in process " + std::to_string(processId));
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
