#include "tools/bridge/UnixPaths.h"
#include <windows.h>
#include <algorithm>

namespace velmora::bridge {

namespace {

// Exports of Wine's kernel32 only; looked up at run time so the program
// still loads (and says why it cannot work) on Windows itself.
using UnixNameFunction = char*(CDECL*)(LPCWSTR);
using DosNameFunction = WCHAR*(CDECL*)(LPCSTR);

template <typename Function>
Function WineExport(const char* name)
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    FARPROC found = kernel ? GetProcAddress(kernel, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

std::string WineUnixName(const std::wstring& path)
{
    static const auto convert = WineExport<UnixNameFunction>("wine_get_unix_file_name");
    if (!convert)
        return {};
    char* name = convert(path.c_str());
    if (!name)
        return {};
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

std::wstring FullPath(const std::wstring& path)
{
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return {};
    std::wstring full(size, L'\0');
    size = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    full.resize(size);
    return full;
}

} // namespace

std::wstring Widen(const std::string& text, unsigned codePage)
{
    if (text.empty())
        return {};
    int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Narrow(const std::wstring& text, unsigned codePage)
{
    if (text.empty())
        return {};
    int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size, nullptr, nullptr);
    return narrow;
}

// Wine maps a path only when its folder exists, so an output file in a
// folder that is still missing is mapped through its nearest existing
// ancestor, and the missing rest keeps its spelling. Only below a drive's
// root: a share or a device path is mapped whole or not at all.
std::string UnixPathOf(const std::string& windowsPath)
{
    return UnixPathOf(Widen(windowsPath, CP_ACP));
}

std::string UnixPathOf(const std::wstring& windowsPath)
{
    std::wstring head = FullPath(windowsPath);
    const bool onDrive = head.size() >= 3 && head[1] == L':' && head[2] == L'\\';
    const size_t root = onDrive ? 3 : head.size();
    std::wstring tail;
    for (;;) {
        std::string mapped = WineUnixName(head);
        if (!mapped.empty()) {
            if (!tail.empty() && mapped.back() != '/')
                mapped += '/';
            return mapped + Narrow(tail, CP_UTF8);
        }
        if (head.size() <= root)
            return {};
        size_t cut = head.find_last_of(L'\\', head.size() - 2);
        std::wstring name = head.substr(cut + 1);
        if (name.back() == L'\\')
            name.pop_back();
        tail = tail.empty() ? name : name + L'/' + tail;
        head.resize(cut + 1);
    }
}

std::string UnixRelativePath(const std::string& relativePath)
{
    std::wstring wide = Widen(relativePath, CP_ACP);
    std::replace(wide.begin(), wide.end(), L'\\', L'/');
    return Narrow(wide, CP_UTF8);
}

std::string UnixText(const std::string& ansi)
{
    return Narrow(Widen(ansi, CP_ACP), CP_UTF8);
}

std::wstring WindowsNameOf(const std::string& unixPath)
{
    static const auto convert = WineExport<DosNameFunction>("wine_get_dos_file_name");
    if (!convert)
        return {};
    WCHAR* name = convert(unixPath.c_str());
    if (!name)
        return {};
    std::wstring result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

} // namespace velmora::bridge
