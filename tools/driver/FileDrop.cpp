#include "tools/driver/FileDrop.h"
#include "tools/driver/Wait.h"
#include <shlobj.h>

namespace velmora::driver {

std::unique_ptr<RemoteMemory> DropFiles(HWND window, const std::vector<std::string>& paths, POINT at)
{
    // DROPFILES has no pointer-sized field: one layout serves 32 and 64 bits.
    std::string block(sizeof(DROPFILES), '\0');
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.pt = at;
    header.fWide = FALSE;
    block.replace(0, sizeof header, reinterpret_cast<const char*>(&header), sizeof header);
    for (const std::string& path : paths)
        block += path + '\0';
    block += '\0';
    auto memory = std::make_unique<RemoteMemory>(window, block.size());
    memory->Write(0, block.data(), block.size());
    if (!PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory->Address()), 0))
        throw DriverError("cannot post the drop");
    return memory;
}

} // namespace velmora::driver
