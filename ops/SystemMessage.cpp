#include "ops/SystemMessage.h"
#include "text/CharacterSteps.h"

namespace velmora {

namespace {

// Length of the longest prefix of text within limit bytes that ends on a
// character boundary.
size_t WholeCharactersWithin(const std::string& text, size_t limit, UINT codePage)
{
    size_t length = 0;
    while (length < text.size()) {
        const size_t step = CharacterSize(text, length, codePage);
        if (length + step > limit)
            break;
        length += step;
    }
    return length < text.size() ? length : text.size();
}

bool IsTrailingJunk(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    return byte <= ' ' || byte == 0x7F || c == '.';
}

} // namespace

std::string TrimMessageText(const std::string& text, UINT codePage)
{
    std::string trimmed = text.substr(0, WholeCharactersWithin(text, MaxMessageTextLength, codePage));
    while (!trimmed.empty() && IsTrailingJunk(trimmed.back()))
        trimmed.pop_back();
    return trimmed;
}

std::string SystemMessageText(DWORD code)
{
    // The system allocates the text: a fixed buffer would make a text longer
    // than the limit fail altogether instead of being cut. Language 0 lets
    // the system fall back through its languages rather than fail on a
    // table without the user's own.
    char* text = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 && text ? TrimMessageText(std::string(text, length)) : std::string();
    if (text)
        LocalFree(text);
    if (message.empty())
        message = "System error " + std::to_string(code);
    return message;
}

} // namespace velmora
