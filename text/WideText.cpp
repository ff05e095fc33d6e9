#include "text/WideText.h"
#include <cwchar>

namespace velmora {

namespace {

UINT Resolved(UINT codePage)
{
    return codePage == CP_ACP ? GetACP() : codePage;
}

bool HoldsEverything(UINT codePage)
{
    return codePage == CP_UTF8 || codePage == CP_UTF7;
}

// UTF-7 and UTF-8 take no flags but their own, and neither a default
// character nor the report of one.
std::string Converted(const wchar_t* text, UINT codePage, bool exact, bool* usedDefault)
{
    const int length = text ? static_cast<int>(std::wcslen(text)) : 0;
    if (length == 0)
        return std::string();
    const bool unicode = HoldsEverything(codePage);
    const DWORD flags = codePage == CP_UTF8 && exact ? WC_ERR_INVALID_CHARS : unicode ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* unknown = unicode ? nullptr : "?";
    BOOL defaulted = FALSE;
    BOOL* report = unicode ? nullptr : &defaulted;
    const int size = WideCharToMultiByte(codePage, flags, text, length, nullptr, 0, unknown, report);
    if (size <= 0) {
        *usedDefault = true;
        return std::string();
    }
    std::string converted(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(codePage, flags, text, length, &converted[0], size, unknown, report);
    *usedDefault = defaulted != FALSE;
    return converted;
}

} // namespace

size_t LengthOf(const WideText& text)
{
    return text.empty() ? 0 : text.size() - 1;
}

WideText WideOf(const wchar_t* text)
{
    if (!text || !*text)
        return WideText();
    return WideText(text, text + std::wcslen(text) + 1);
}

WideText Joined(const WideText& head, const wchar_t* tail)
{
    WideText joined(head.begin(), head.begin() + LengthOf(head));
    joined.insert(joined.end(), tail, tail + std::wcslen(tail) + 1);
    return joined;
}

WideText WideFromAnsi(const std::string& text, UINT codePage)
{
    const int length = static_cast<int>(text.size());
    const int size = length == 0 ? 0 : MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (size <= 0)
        return WideText();
    WideText wide(static_cast<size_t>(size) + 1, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::optional<std::string> ExactAnsi(const wchar_t* text, UINT codePage)
{
    bool usedDefault = false;
    std::string converted = Converted(text, Resolved(codePage), true, &usedDefault);
    if (converted.empty() || usedDefault)
        return std::nullopt;
    return converted;
}

bool FitsCodePage(const wchar_t* text, UINT codePage)
{
    return ExactAnsi(text, codePage).has_value();
}

std::string ShownAnsi(const wchar_t* text, UINT codePage)
{
    bool usedDefault = false;
    return Converted(text, Resolved(codePage), false, &usedDefault);
}

std::string ShownAnsi(const WideText& text, UINT codePage)
{
    return text.empty() ? std::string() : ShownAnsi(text.data(), codePage);
}

} // namespace velmora
