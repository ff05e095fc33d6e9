#include "tools/bridge/WildcardExpansion.h"
#include "tools/bridge/UnixPaths.h"
#include <windows.h>
#include <algorithm>

namespace velmora::bridge {

namespace {

std::wstring UpperCased(const std::string& name)
{
    std::wstring wide = Widen(name, CP_ACP);
    std::wstring upper(wide.size(), L'\0');
    if (!wide.empty())
        LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, wide.data(), static_cast<int>(wide.size()),
                     upper.data(), static_cast<int>(upper.size()));
    return upper;
}

// Up to and including the last '\', '/' or ':'; the name search of
// FindFirstFile returns bare names.
std::string FolderOf(const std::string& pattern)
{
    std::wstring wide = Widen(pattern, CP_ACP);
    size_t cut = wide.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? std::string() : Narrow(wide.substr(0, cut + 1), CP_ACP);
}

} // namespace

void SortAsWindowsLists(std::vector<std::string>& names)
{
    std::vector<std::pair<std::wstring, std::string>> keyed;
    for (const std::string& name : names)
        keyed.emplace_back(UpperCased(name), name);
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (const auto& entry : keyed)
        names.push_back(entry.second);
}

std::vector<std::string> ExpandWildcard(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);

    SortAsWindowsLists(names);
    const std::string folder = FolderOf(pattern);
    for (std::string& name : names)
        name = folder + name;
    return names;
}

} // namespace velmora::bridge
