#include "ops/Formatter.h"

namespace velmora {

std::string Format(const std::string& pattern, const std::vector<std::string>& values)
{
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next < values.size()) out += values[next];
            ++next;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace velmora
