#pragma once
// Files dropped on a window as Explorer's drop delivers them: a WM_DROPFILES
// whose HDROP (a DROPFILES block followed by the paths) lies in the
// receiver's memory, as Wine's own drop from the desktop hands it over.
#include "tools/driver/RemoteMemory.h"
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora::driver {

// Drops paths at a client point of window. The receiver reads the block
// after the post: keep what is returned until the drop has shown its effect.
std::unique_ptr<RemoteMemory> DropFiles(HWND window, const std::vector<std::string>& paths, POINT at = {40, 40});
// The same with the paths as the system names files (UTF-16), as Explorer
// drops them.
std::unique_ptr<RemoteMemory> DropFiles(HWND window, const std::vector<std::wstring>& paths, POINT at = {40, 40});

} // namespace velmora::driver
