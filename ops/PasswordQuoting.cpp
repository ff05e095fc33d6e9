#include "ops/PasswordQuoting.h"

namespace velmora {

std::string QuotePassword(const std::string& password, UINT codePage)
{
    if (password.find_first_of(" \t\"") == std::string::npos)
        return password;

    std::string quoted = "\"";
    size_t backslashes = 0;
    for (size_t i = 0; i < password.size(); ++i) {
        const char c = password[i];
        if (IsDBCSLeadByteEx(codePage, static_cast<unsigned char>(c)) && i + 1 < password.size()) {
            quoted.append(backslashes, '\\');
            backslashes = 0;
            quoted += c;
            quoted += password[++i];
            continue;
        }
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            quoted.append(backslashes * 2 + 1, '\\');
        } else {
            quoted.append(backslashes, '\\');
        }
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}

} // namespace velmora
