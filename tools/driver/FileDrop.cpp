#include "tools/driver/FileDrop.h"
#include "tools/driver/Wait.h"
#include <shlobj.h>

namespace velmora::driver {

namespace {

// DROPFILES has no pointer-sized field: one layout serves 32 and 64 bits.
std::string DropHeader(POINT at, bool wide)
{
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.pt = at;
    header.fWide = wide;
    return std::string(reinterpret_cast<const char*>(&header), sizeof header);
}

std::unique_ptr<RemoteMemory> PostDrop(HWND window, const std::string& block);

} // namespace

std::unique_ptr<RemoteMemory> DropFiles(HWND window, const std::vector<std::wstring>& paths, POINT at)
{
    std::string block = DropHeader(at, true);
    for (const std::wstring& path : paths)
        block.append(reinterpret_cast<const char*>(path.c_str()), (path.size() + 1) * sizeof(wchar_t));
    block.append(sizeof(wchar_t), '\0');
    return PostDrop(window, block);
}

std::unique_ptr<RemoteMemory> DropFiles(HWND window, const std::vector<std::string>& paths, POINT at)
{
    std::string block = DropHeader(at, false);
    for (const std::string& path : paths)
        block += path + '\0';
    block += '\0';
    return PostDrop(window, block);
}

namespace {

std::unique_ptr<RemoteMemory> PostDrop(HWND window, const std::string& block)
{
    auto memory = std::make_unique<RemoteMemory>(window, block.size());
    memory->Write(0, block.data(), block.size());
    if (!PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory->Address()), 0))
        throw DriverError("cannot post the drop");
    return memory;
}

} // namespace

} // namespace velmora::driver
