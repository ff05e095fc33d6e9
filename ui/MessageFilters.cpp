// The layer's own message filters of forms and controls.
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/ControlInternals.h"
#include "ui/Dpi.h"

namespace velmora {

namespace {

// The low four bits of a WM_SYSCOMMAND's wParam are the system's own.
constexpr WPARAM SystemCommandMask = 0xFFF0;

} // namespace

// A form passes the focus it receives on to its focused child, so activating
// a window puts the caret back where the user left it.
bool FocusRestoreFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != WM_SETFOCUS)
        return false;
    if (AppMainForm && AppMainForm != control)
        Rec(AppMainForm).focusedChild = control;
    Control* child = Rec(control).focusedChild;
    if (!child)
        return false;
    // A form remembered as the last focused one may have been hidden since.
    if (Rec(child).isForm && !IsShownOrPending(child))
        return false;
    if (child->MakeWindow())
        SetFocus(child->Window());
    *result = 0;
    return true;
}

// Windows that GetHandle created hidden are shown here, when their parent
// is first painted.
bool BackgroundFillFilter(Control* control, MessageRecord& message, LRESULT*, void*)
{
    if (message.message != WM_ERASEBKGND)
        return false;
    const std::vector<Control*> children = control->Children();
    for (Control* child : children)
        child->MakeWindow();
    ControlRecord& r = Rec(control);
    if (r.window) {
        HDC dc = reinterpret_cast<HDC>(message.wParam);
        RECT client;
        GetClientRect(r.window, &client);
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ResolveColor(r.backColor));
        SetBrushOrgEx(dc, 0, 0, nullptr);
        FillRect(dc, &client, control->GetBackgroundBrush());
    }
    return false;
}

// A quick second click is a second press, not a double click.
bool DoubleClickFilter(Control*, MessageRecord& message, LRESULT*, void*)
{
    if (message.message == WM_LBUTTONDBLCLK)
        message.message = WM_LBUTTONDOWN;
    return false;
}

// A close the handler allows goes on to the window procedure, which ends the
// program when the main form closes.
bool CloseFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != WM_CLOSE)
        return false;
    bool allow = true;
    const CloseEventRef query = Rec(control).events->closeQuery;
    query(control, &allow);
    if (!allow && AppRunning) {
        *result = 0;
        return true;
    }
    EditableEvents(control).closeQuery = CloseEventRef();
    return false;
}

bool SizeLimitFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != WM_GETMINMAXINFO)
        return false;
    *result = control->DefaultProcessing(message);
    ControlRecord& r = Rec(control);
    auto* info = reinterpret_cast<MINMAXINFO*>(message.lParam);
    if (r.maxWidth > 0)
        info->ptMaxSize.x = info->ptMaxTrackSize.x = ScaleToDpi(r.maxWidth, r.dpi);
    if (r.maxHeight > 0)
        info->ptMaxSize.y = info->ptMaxTrackSize.y = ScaleToDpi(r.maxHeight, r.dpi);
    info->ptMinTrackSize.x = ScaleToDpi(r.minWidth, r.dpi);
    info->ptMinTrackSize.y = ScaleToDpi(r.minHeight, r.dpi);
    *result = 0;
    return true;
}

bool FixedSizeFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    ControlRecord& r = Rec(control);
    if (!r.fixedSize)
        return false;
    switch (message.message) {
    case WM_GETMINMAXINFO: {
        *result = control->DefaultProcessing(message);
        auto* info = reinterpret_cast<MINMAXINFO*>(message.lParam);
        const RECT bounds = DeviceBounds(control);
        const POINT size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
        info->ptMinTrackSize = size;
        info->ptMaxTrackSize = size;
        *result = 0;
        return true;
    }
    case WM_NCHITTEST:
        *result = control->DefaultProcessing(message);
        if (*result >= HTLEFT && *result <= HTBOTTOMRIGHT)
            *result = HTNOWHERE;
        return true;
    case WM_INITMENU:
        EnableMenuItem(GetSystemMenu(message.window, FALSE), SC_SIZE, MF_BYCOMMAND | MF_GRAYED);
        return false;
    case WM_SYSCOMMAND:
        // The system sets Size from WS_THICKFRAME again whenever the system
        // menu pops up (Wine does it after WM_INITMENUPOPUP), so the greying
        // above may not show; choosing Size must still do nothing.
        if ((message.wParam & SystemCommandMask) == SC_SIZE) {
            *result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace velmora
