#include "text/CharacterSteps.h"

namespace velmora {

size_t CharacterSize(const std::string& text, size_t at, UINT codePage)
{
    const bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[at])) != FALSE;
    return lead && at + 1 < text.size() ? 2 : 1;
}

} // namespace velmora
