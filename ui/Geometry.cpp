// Position and size of controls, and fitting a control to its text.
#include "ui/ControlInternals.h"
#include "ui/Dpi.h"
#include "ui/Fonts.h"
#include <algorithm>

namespace velmora {

namespace {

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

RECT MovedTo(RECT r, int left, int top)
{
    OffsetRect(&r, left - r.left, top - r.top);
    return r;
}

} // namespace

RECT DeviceBounds(Control* control)
{
    ControlRecord& r = Rec(control);
    if (r.window) {
        RECT rect;
        if (GetWindowRect(r.window, &rect)) {
            if (r.isChild && r.parent && r.parent->Window()) {
                POINT origin = {0, 0};
                ClientToScreen(r.parent->Window(), &origin);
                OffsetRect(&rect, -origin.x, -origin.y);
            }
            r.bounds = rect;
        }
    }
    return r.bounds;
}

void SetDeviceBounds(Control* control, const RECT& bounds)
{
    ControlRecord& r = Rec(control);
    const RECT current = DeviceBounds(control);
    if (SameRect(current, bounds))
        return;
    if (bounds.left != current.left || bounds.top != current.top)
        r.positionSet = true;
    r.bounds = bounds;
    if (r.window)
        SetWindowPos(r.window, nullptr, bounds.left, bounds.top, Width(bounds), Height(bounds),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (r.repaintOnMove)
        InvalidateControl(control);
}

RECT Control::GetBounds()
{
    const RECT b = DeviceBounds(this);
    const int left = ScaleFromDpi(b.left, r_.dpi), top = ScaleFromDpi(b.top, r_.dpi);
    return {left, top, left + ScaleFromDpi(Width(b), r_.dpi), top + ScaleFromDpi(Height(b), r_.dpi)};
}

Control* Control::SetBounds(const RECT& bounds)
{
    const int left = ScaleToDpi(bounds.left, r_.dpi), top = ScaleToDpi(bounds.top, r_.dpi);
    SetDeviceBounds(this, {left, top, left + ScaleToDpi(Width(bounds), r_.dpi),
                           top + ScaleToDpi(Height(bounds), r_.dpi)});
    return this;
}

int Control::GetLeft() { return GetBounds().left; }
int Control::GetTop() { return GetBounds().top; }
int Control::GetWidth() { return ScaleFromDpi(Width(DeviceBounds(this)), r_.dpi); }
int Control::GetHeight() { return ScaleFromDpi(Height(DeviceBounds(this)), r_.dpi); }

// The setters of one coordinate leave the others in pixels as they are, so
// a fitted size does not drift by a pixel through a round trip in 96-DPI units.
Control* Control::SetLeft(int left)
{
    const RECT b = DeviceBounds(this);
    SetDeviceBounds(this, MovedTo(b, ScaleToDpi(left, r_.dpi), b.top));
    return this;
}

Control* Control::SetTop(int top)
{
    const RECT b = DeviceBounds(this);
    SetDeviceBounds(this, MovedTo(b, b.left, ScaleToDpi(top, r_.dpi)));
    return this;
}

Control* Control::SetWidth(int width)
{
    RECT b = DeviceBounds(this);
    b.right = b.left + ScaleToDpi(width, r_.dpi);
    SetDeviceBounds(this, b);
    return this;
}

Control* Control::SetHeight(int height)
{
    RECT b = DeviceBounds(this);
    b.bottom = b.top + ScaleToDpi(height, r_.dpi);
    SetDeviceBounds(this, b);
    return this;
}

// One set-bounds step: a window moved or sized by it is moved once.
Control* Control::PlaceAt(int left, int top)
{
    SetDeviceBounds(this, MovedTo(DeviceBounds(this), ScaleToDpi(left, r_.dpi), ScaleToDpi(top, r_.dpi)));
    return this;
}

Control* Control::ResizeTo(int width, int height)
{
    RECT b = DeviceBounds(this);
    if (width != 0)
        b.right = b.left + ScaleToDpi(width, r_.dpi);
    if (height != 0)
        b.bottom = b.top + ScaleToDpi(height, r_.dpi);
    SetDeviceBounds(this, b);
    return this;
}

// The frame around the client area is the system's at the window's DPI,
// not a 96-DPI length: the sum is made in pixels.
Control* Control::SetClientWidth(int width)
{
    HWND window = GetHandle();
    RECT b = DeviceBounds(this);
    RECT client = {0, 0, Width(b), Height(b)};
    if (window)
        GetClientRect(window, &client);
    b.right = b.left + ScaleToDpi(width, r_.dpi) + Width(b) - Width(client);
    SetDeviceBounds(this, b);
    return this;
}

Control* Control::SetClientHeight(int height)
{
    HWND window = GetHandle();
    RECT b = DeviceBounds(this);
    RECT client = {0, 0, Width(b), Height(b)};
    if (window)
        GetClientRect(window, &client);
    b.bottom = b.top + ScaleToDpi(height, r_.dpi) + Height(b) - Height(client);
    SetDeviceBounds(this, b);
    return this;
}

Control* Control::ResizeClientArea(int width, int height)
{
    // A form not made yet takes the outer size its frame will need, so that
    // its window is made at that size, and where it will stand, instead of
    // made and then moved; once made, the size is checked against its frame.
    if (!r_.window && r_.isForm) {
        if (width > 0)
            r_.clientAsked.cx = width;
        if (height > 0)
            r_.clientAsked.cy = height;
        RECT outer = {0, 0, ScaleToDpi(width, r_.dpi), ScaleToDpi(height, r_.dpi)};
        AdjustWindowRectEx(&outer, r_.style, FALSE, r_.exStyle);
        RECT b = DeviceBounds(this);
        if (width > 0)
            b.right = b.left + Width(outer);
        if (height > 0)
            b.bottom = b.top + Height(outer);
        SetDeviceBounds(this, b);
        return this;
    }
    if (width > 0)
        SetClientWidth(width);
    if (height > 0)
        SetClientHeight(height);
    return this;
}

void ApplyAskedClientSize(Control* form)
{
    ControlRecord& r = Rec(form);
    const SIZE asked = r.clientAsked;
    r.clientAsked = {0, 0};
    if (asked.cx > 0 || asked.cy > 0)
        form->ResizeClientArea(asked.cx, asked.cy);
}

RECT Control::GetClientArea()
{
    const RECT b = DeviceBounds(this);
    RECT area = {0, 0, Width(b), Height(b)};
    if (r_.window)
        GetClientRect(r_.window, &area);
    area = {0, 0, ScaleFromDpi(area.right, r_.dpi), ScaleFromDpi(area.bottom, r_.dpi)};
    area.top += r_.extraTop;
    area.bottom -= r_.extraBottom;
    area.left += r_.extraLeft;
    area.right -= r_.extraRight;
    return area;
}

Control* Control::CenterWindow()
{
    RECT area;
    if (r_.isForm || !r_.parent) {
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    } else {
        area = r_.parent->GetClientArea();
        const int dpi = Rec(r_.parent).dpi;
        area = {ScaleToDpi(area.left, dpi), ScaleToDpi(area.top, dpi), ScaleToDpi(area.right, dpi),
                ScaleToDpi(area.bottom, dpi)};
    }
    // A form whose size is known is centred without making its window.
    if (!r_.isForm || IsRectEmpty(&r_.bounds))
        GetHandle();
    const RECT b = DeviceBounds(this);
    const int left = (Width(area) - Width(b)) >> 1;
    const int top = (Height(area) - Height(b)) >> 1;
    SetDeviceBounds(this, MovedTo(b, left, top));
    return this;
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
        measured = control->GetPaintContext()->DeviceTextSize(text);
    }
    RECT b = DeviceBounds(control);
    b.right = b.left + std::max<int>(measured.cx + ScaleToDpi(r.fitWidth, r.dpi), ScaleToDpi(r.minWidth, r.dpi));
    b.bottom = b.top + std::max<int>(measured.cy + ScaleToDpi(r.fitHeight, r.dpi), ScaleToDpi(r.minHeight, r.dpi));
    SetDeviceBounds(control, b);
    control->MakeWindow();
}

namespace {

int Rescaled(int length, int from, int to)
{
    return MulDiv(length, to, from);
}

void RescaleTree(Control* control, int dpi)
{
    ControlRecord& r = Rec(control);
    const int old = r.dpi;
    if (old == dpi)
        return;
    r.dpi = dpi;
    if (r.isChild) {
        const RECT b = DeviceBounds(control);
        SetDeviceBounds(control, {Rescaled(b.left, old, dpi), Rescaled(b.top, old, dpi),
                                  Rescaled(b.right, old, dpi), Rescaled(b.bottom, old, dpi)});
    }
    // The new font height refits a fitted control to its text.
    if (r.font)
        r.font->SetDpi(dpi);
    // An owned form may lie on another monitor: it gets its own WM_DPICHANGED.
    const std::vector<Control*> children = r.children;
    for (Control* child : children)
        if (!Rec(child).isForm)
            RescaleTree(child, dpi);
}

} // namespace

void ChangeDpi(Control* form, int dpi)
{
    RescaleTree(form, dpi);
}

// Windows moves a per-monitor aware window to a monitor of another scale by
// proposing a rectangle at the new DPI; the window takes it and lays its
// controls out again.
bool DpiChangeFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != WM_DPICHANGED)
        return false;
    ChangeDpi(control, HIWORD(message.wParam));
    // A fixed-size form would hold its old size against the move.
    ControlRecord& r = Rec(control);
    const bool fixed = r.fixedSize;
    r.fixedSize = false;
    SetDeviceBounds(control, *reinterpret_cast<const RECT*>(message.lParam));
    r.fixedSize = fixed;
    *result = 0;
    return true;
}

} // namespace velmora
