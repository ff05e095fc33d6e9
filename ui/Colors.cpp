// Colours and the background brush of controls.
#include "ui/Colors.h"
#include "ui/ControlInternals.h"

namespace velmora {

COLORREF ResolveColor(uint32_t color)
{
    if (color & SystemColorFlag)
        return GetSysColor(static_cast<int>(color & SystemColorIndexMask));
    return static_cast<COLORREF>(color);
}

// A window that is not on the screen has nothing to repaint: showing it (or
// the parent that hides it) invalidates all of it anyway.
void InvalidateControl(Control* control)
{
    HWND window = control->Window();
    if (window && IsWindowVisible(window))
        InvalidateRect(window, nullptr, TRUE);
}

Control* Control::SetColor(uint32_t color)
{
    GetHandle();
    if (color == r_.backColor)
        return this;
    r_.backColor = color;
    if (r_.brush)
        DeleteObject(r_.brush);
    r_.brush = nullptr;
    InvalidateControl(this);
    return this;
}

// Controls of one colour share the brush of the outermost of them.
HBRUSH Control::GetBackgroundBrush()
{
    Control* owner = this;
    while (Rec(owner).parent && Rec(Rec(owner).parent).backColor == Rec(owner).backColor)
        owner = Rec(owner).parent;
    ControlRecord& r = Rec(owner);
    if (!r.brush)
        r.brush = CreateSolidBrush(ResolveColor(r.backColor));
    return r.brush;
}

} // namespace velmora
