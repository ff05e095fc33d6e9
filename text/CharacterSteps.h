#pragma once
// Walking 8-bit text of a code page character by character: in a
// double-byte code page (Japanese, Chinese, Korean) a lead byte and the byte
// after it are one character, and that second byte may be 0x5C, which is
// then no backslash.
#include <string>
#include <windows.h>

namespace velmora {

// The bytes of the character that starts at text[at]: 2 for a lead byte
// with a byte after it, else 1.
size_t CharacterSize(const std::string& text, size_t at, UINT codePage = CP_ACP);

} // namespace velmora
