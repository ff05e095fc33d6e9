#include "tests/support/SecondName.h"
#include <algorithm>
#include <windows.h>

namespace velmora {

std::string SecondName(const std::string& path)
{
    using UnixName = char*(CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH];
    if (!unixName || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH))
        return std::string();
    char* name = unixName(wide);
    if (!name)
        return std::string();
    std::string second = std::string("Z:") + name;
    HeapFree(GetProcessHeap(), 0, name);
    std::replace(second.begin(), second.end(), '/', '\\');
    // Wine names drive C by its link dosdevices\c:, but a ':' past the drive
    // names a stream on Windows, and the program refuses such a target; the
    // prefix's drive_c is the same folder without one.
    const std::string link = "\\dosdevices\\c:\\";
    const size_t at = second.find(link);
    if (at != std::string::npos)
        second.replace(at, link.size(), "\\drive_c\\");
    return second;
}

} // namespace velmora
