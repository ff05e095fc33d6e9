// Position and size of controls, and fitting a control to its text.
#include "ui/ControlInternals.h"
#include "ui/Fonts.h"
#include <algorithm>

namespace velmora {

namespace {

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

RECT Control::GetBounds()
{
    if (r_.window) {
        RECT rect;
        if (GetWindowRect(r_.window, &rect)) {
            if (r_.isChild && r_.parent && r_.parent->Window()) {
                POINT origin = {0, 0};
                ClientToScreen(r_.parent->Window(), &origin);
                OffsetRect(&rect, -origin.x, -origin.y);
            }
            r_.bounds = rect;
        }
    }
    return r_.bounds;
}

Control* Control::SetBounds(const RECT& bounds)
{
    const RECT current = GetBounds();
    if (SameRect(current, bounds))
        return this;
    if (bounds.left != current.left || bounds.top != current.top)
        r_.positionSet = true;
    r_.bounds = bounds;
    if (r_.window)
        SetWindowPos(r_.window, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (r_.repaintOnMove)
        InvalidateControl(this);
    return this;
}

int Control::GetLeft() { return GetBounds().left; }
int Control::GetTop() { return GetBounds().top; }
int Control::GetWidth() { const RECT b = GetBounds(); return b.right - b.left; }
int Control::GetHeight() { const RECT b = GetBounds(); return b.bottom - b.top; }

Control* Control::SetLeft(int left)
{
    RECT b = GetBounds();
    b.right = left + (b.right - b.left);
    b.left = left;
    return SetBounds(b);
}

Control* Control::SetTop(int top)
{
    RECT b = GetBounds();
    b.bottom = top + (b.bottom - b.top);
    b.top = top;
    return SetBounds(b);
}

Control* Control::SetWidth(int width)
{
    RECT b = GetBounds();
    b.right = b.left + width;
    return SetBounds(b);
}

Control* Control::SetHeight(int height)
{
    RECT b = GetBounds();
    b.bottom = b.top + height;
    return SetBounds(b);
}

// One set-bounds step: a window moved or sized by it is moved once.
Control* Control::PlaceAt(int left, int top)
{
    RECT b = GetBounds();
    OffsetRect(&b, left - b.left, top - b.top);
    return SetBounds(b);
}

Control* Control::ResizeTo(int width, int height)
{
    RECT b = GetBounds();
    if (width != 0)
        b.right = b.left + width;
    if (height != 0)
        b.bottom = b.top + height;
    return SetBounds(b);
}

Control* Control::SetClientWidth(int width)
{
    HWND window = GetHandle();
    RECT client = {0, 0, GetWidth(), GetHeight()};
    if (window)
        GetClientRect(window, &client);
    return SetWidth(width + GetWidth() - (client.right - client.left));
}

Control* Control::SetClientHeight(int height)
{
    HWND window = GetHandle();
    RECT client = {0, 0, GetWidth(), GetHeight()};
    if (window)
        GetClientRect(window, &client);
    return SetHeight(height + GetHeight() - (client.bottom - client.top));
}

Control* Control::ResizeClientArea(int width, int height)
{
    // A form not made yet takes the outer size its frame will need, so that
    // its window is made at that size instead of resized afterwards. Should
    // the frame turn out otherwise, the lines below put it right.
    if (!r_.window && r_.isForm && width > 0 && height > 0) {
        RECT outer = {0, 0, width, height};
        if (AdjustWindowRectEx(&outer, r_.style, FALSE, r_.exStyle)) {
            RECT b = GetBounds();
            b.right = b.left + (outer.right - outer.left);
            b.bottom = b.top + (outer.bottom - outer.top);
            SetBounds(b);
        }
    }
    if (width > 0)
        SetClientWidth(width);
    if (height > 0)
        SetClientHeight(height);
    return this;
}

RECT Control::GetClientArea()
{
    RECT area = {0, 0, GetWidth(), GetHeight()};
    if (r_.window)
        GetClientRect(r_.window, &area);
    area.top += r_.extraTop;
    area.bottom -= r_.extraBottom;
    area.left += r_.extraLeft;
    area.right -= r_.extraRight;
    return area;
}

Control* Control::CenterWindow()
{
    RECT area;
    if (r_.isForm || !r_.parent)
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    else
        area = r_.parent->GetClientArea();
    GetHandle();
    const int left = (area.right - area.left - GetWidth()) >> 1;
    const int top = (area.bottom - area.top - GetHeight()) >> 1;
    return PlaceAt(left, top);
}

Control* Control::SetSizeLimit(SizeLimit which, int16_t value)
{
    switch (which) {
    case MinWidthLimit: r_.minWidth = value; break;
    case MinHeightLimit: r_.minHeight = value; break;
    case MaxWidthLimit: r_.maxWidth = value; break;
    case MaxHeightLimit: r_.maxHeight = value; break;
    }
    return AddMessageFilter(&SizeLimitFilter);
}

Control* Control::SetResizable(bool on)
{
    r_.fixedSize = !on;
    return AddMessageFilter(&FixedSizeFilter);
}

Control* Control::SetAutoSize(bool on)
{
    r_.autoSize = on;
    RunTextFit(this);
    return this;
}

void RunTextFit(Control* control)
{
    ControlRecord& r = Rec(control);
    if (!r.autoSize)
        return;
    std::string text = r.text;
    SIZE measured = {0, 0};
    if (!text.empty()) {
        // An italic text leans beyond its advance width.
        if (r.font && r.font->LogFont().lfItalic)
            text += ' ';
        measured = control->GetPaintContext()->TextSize(text);
    }
    // Sized before its window is made, so that the window is made at its size.
    RECT b = control->GetBounds();
    b.right = b.left + std::max<int>(measured.cx + r.fitWidth, r.minWidth);
    b.bottom = b.top + std::max<int>(measured.cy + r.fitHeight, r.minHeight);
    control->SetBounds(b);
    control->MakeWindow();
}

} // namespace velmora
