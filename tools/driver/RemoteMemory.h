#pragma once
// A block of memory inside another process, for messages whose lParam must
// point into the receiver (the system copies only its own messages' data).
// The driver and the driven program must be of the same bitness when the
// block holds a structure with pointers.
#include <windows.h>
#include <string>

namespace velmora::driver {

class RemoteMemory {
public:
    // size bytes, zero-filled, in the process that owns window.
    RemoteMemory(HWND window, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The block's address as the other process sees it.
    void* Address() const { return address_; }
    template <typename T> T* At(size_t offset) const
    {
        return reinterpret_cast<T*>(static_cast<char*>(address_) + offset);
    }
    void Write(size_t offset, const void* data, size_t size);
    void Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

} // namespace velmora::driver
