#include "ui/WideText.h"
#include <windows.h>

namespace velmora {

size_t LengthOf(const WideText& text)
{
    return text.empty() ? 0 : text.size() - 1;
}

WideText WideFromAnsi(const std::string& text)
{
    const int length = static_cast<int>(text.size());
    const int size = length == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0)
        return WideText();
    WideText wide(static_cast<size_t>(size) + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), size);
    return wide;
}

std::string AnsiFromWide(const WideText& text)
{
    const int length = static_cast<int>(LengthOf(text));
    // UTF-8 holds every letter, and takes neither the flag nor a default.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* unknown = utf8 ? nullptr : "?";
    const int size = length == 0 ? 0 : WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, unknown, nullptr);
    if (size <= 0)
        return std::string();
    std::string ansi(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, text.data(), length, &ansi[0], size, unknown, nullptr);
    return ansi;
}

} // namespace velmora
