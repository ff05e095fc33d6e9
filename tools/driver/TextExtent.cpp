#include "tools/driver/TextExtent.h"
#include "tools/driver/Wait.h"
#include <cstring>

namespace velmora::driver {

SIZE TextExtent(const std::string& text, const std::string& face, int height)
{
    LOGFONTA font = {};
    font.lfHeight = height;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    HFONT handle = CreateFontIndirectA(&font);
    if (!handle)
        throw DriverError("cannot make the font " + Quoted(face));
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, handle);
    SIZE size = {0, 0};
    BOOL measured = GetTextExtentPoint32A(screen, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    DeleteObject(handle);
    if (!measured)
        throw DriverError("cannot measure " + Quoted(text));
    return size;
}

} // namespace velmora::driver
