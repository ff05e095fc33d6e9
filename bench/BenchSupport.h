#pragma once
// What every benchmark program needs: where it lies and a fine clock.
#include <string>
#include <windows.h>

namespace velmora::bench {

// The folder of the running benchmark, with its trailing backslash.
inline std::string ExeFolder()
{
    char path[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

inline double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Milliseconds()
{
    return 1000.0 * Seconds();
}

} // namespace velmora::bench
