#include "ops/CodePageNames.h"
#include <cwchar>
#include <optional>
#include <vector>

namespace velmora {

namespace {

// UTF-7 and UTF-8 take no flags but their own and report no default
// character: every valid UTF-16 text converts.
std::optional<std::string> Exactly(const wchar_t* text, UINT codePage)
{
    if (codePage == CP_ACP)
        codePage = GetACP();
    const bool unicode = codePage == CP_UTF8 || codePage == CP_UTF7;
    const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : unicode ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* reportDefault = unicode ? nullptr : &usedDefault;
    const int length = static_cast<int>(std::wcslen(text));
    if (length == 0)
        return std::nullopt;
    const int size = WideCharToMultiByte(codePage, flags, text, length, nullptr, 0, nullptr, reportDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    std::string converted(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, text, length, &converted[0], size, nullptr, reportDefault);
    return converted;
}

std::vector<wchar_t> ShortForm(const wchar_t* path)
{
    std::vector<wchar_t> shortPath(MAX_PATH);
    DWORD length = GetShortPathNameW(path, shortPath.data(), MAX_PATH);
    if (length >= MAX_PATH) {
        shortPath.resize(length);
        length = GetShortPathNameW(path, shortPath.data(), length);
    }
    if (length == 0 || length >= shortPath.size())
        return std::vector<wchar_t>();
    shortPath.resize(length + 1);
    return shortPath;
}

// For a message only: what the code page cannot show becomes '?'.
std::string Shown(const wchar_t* text, UINT codePage)
{
    const int length = static_cast<int>(std::wcslen(text));
    const int size = WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string shown(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text, length, &shown[0], size, nullptr, nullptr);
    return shown;
}

} // namespace

bool FitsCodePage(const wchar_t* text, UINT codePage)
{
    return Exactly(text, codePage).has_value();
}

HandedName NameToHandOn(const wchar_t* path, UINT codePage)
{
    HandedName name;
    if (std::optional<std::string> exact = Exactly(path, codePage)) {
        name.path = *exact;
        return name;
    }
    const std::vector<wchar_t> shortPath = ShortForm(path);
    if (shortPath.empty())
        return name;
    if (std::optional<std::string> exact = Exactly(shortPath.data(), codePage)) {
        name.path = *exact;
        name.isShortName = true;
    }
    return name;
}

std::string UnnamableNotice(const wchar_t* path, UINT codePage)
{
    return "pdftk cannot be given this name: it has characters that the system's code page cannot hold, "
           "and the disk keeps no short name for it.\r\n" +
           Shown(path, codePage) +
           "\r\nRename the file or folder that has them, then try again.";
}

std::string MissingFileNotice(const wchar_t* path, UINT codePage)
{
    return "The file " + Shown(path, codePage) + " was not found.";
}

std::string ShortNameNote(const std::string& output)
{
    return "The name of the chosen file has characters that the system's code page cannot hold, "
           "so pdftk was given its short name. The output is:\r\n" + output;
}

} // namespace velmora
