#pragma once
// A block of memory inside another process, for messages whose lParam must
// point into the receiver (the system copies only its own messages' data).
// A structure written there must have the receiver's layout: a 32-bit
// program (the shipped velmora.exe) reads 4-byte pointers and handles even
// when the driver is a 64-bit program.
#include <windows.h>
#include <cstdint>
#include <string>

namespace velmora::driver {

class RemoteMemory {
public:
    // size bytes, zero-filled, in the process that owns window.
    RemoteMemory(HWND window, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // True when the other process runs 32-bit code, so its pointers are 4
    // bytes wide. The block then lies below 4 GB: its addresses fit.
    bool Is32Bit() const { return is32Bit_; }

    // The block's address as the other process sees it.
    void* Address() const { return address_; }
    template <typename T> T* At(size_t offset) const
    {
        return reinterpret_cast<T*>(static_cast<char*>(address_) + offset);
    }
    // The same, as a number for a pointer field of a structure in the block.
    uint64_t AddressOf(size_t offset) const { return reinterpret_cast<uintptr_t>(At<char>(offset)); }
    void Write(size_t offset, const void* data, size_t size);
    void Read(size_t offset, void* data, size_t size) const;

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    bool is32Bit_ = sizeof(void*) == 4;
};

} // namespace velmora::driver
