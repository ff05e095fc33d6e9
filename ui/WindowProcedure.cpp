// The window procedure of the layer's classes and the control's own message
// handling: previews, the filter chain, the messages the layer handles itself,
// and the reflection of notifications back to the child they concern.
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/ControlInternals.h"

namespace velmora {

Control* ControlBeingCreated = nullptr;

namespace {

bool RunFilterChain(Control* control, MessageRecord& message, LRESULT* result)
{
    ControlRecord& r = Rec(control);
    if (control->IsBeingDestroyed() || r.filters.empty())
        return false;
    TakeReference(control);
    // A filter may add or remove filters; walk a snapshot, newest first, and
    // skip entries that were removed meanwhile.
    const auto snapshot = r.filters;
    bool consumed = false;
    for (auto it = snapshot.rbegin(); it != snapshot.rend() && !consumed; ++it) {
        if (AppTerminated && !it->data)
            continue;
        if (!control->HasMessageFilter(it->routine))
            continue;
        consumed = it->routine(control, message, result, it->data);
    }
    ReleaseObject(control);
    return consumed;
}

void RemoveLayerProperties(HWND window)
{
    for (const char* name : {"RAD_1ST", "RAD_LST", "DFLT_BT", "CNCL_BT"})
        RemovePropA(window, name);
}

} // namespace

LRESULT CALLBACK LayerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MessageRecord record = {window, message, wParam, lParam};
    Control* control = nullptr;
    if (ControlBeingCreated && GetWindowLongPtrA(window, GWLP_USERDATA) == 0) {
        control = ControlBeingCreated;
        ControlBeingCreated = nullptr;
        BindControlToWindow(control, window);
    } else {
        control = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (control) {
        // The control stays alive while it handles its message, even if a
        // handler releases it.
        TakeReference(control);
        LRESULT result = control->HandleMessage(record);
        ReleaseObject(control);
        return result;
    }
    // A window whose control is gone still belongs to its Win32 class, which
    // must see its destruction messages to free what it holds.
    if (WNDPROC base = BaseProcedureOfClass(window))
        return CallWindowProcA(base, window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Control::DefaultProcessing(const MessageRecord& message)
{
    HWND window = r_.window ? r_.window : message.window;
    if (r_.previousProc)
        return CallWindowProcA(r_.previousProc, window, message.message, message.wParam, message.lParam);
    return DefWindowProcA(message.window, message.message, message.wParam, message.lParam);
}

LRESULT Control::HandleMessage(MessageRecord& message)
{
    if (message.window && !r_.window)
        r_.window = message.window;

    LRESULT result = 0;
    if (AppRunning && AppMainForm && AppMainForm != this) {
        const PreviewRef preview = Rec(AppMainForm).events->preview;
        if (preview(message, &result))
            return result;
    }
    const PreviewRef ownPreview = r_.events->preview;
    if (ownPreview(message, &result))
        return result;
    if (RunFilterChain(this, message, &result))
        return result;

    switch (message.message) {
    case WM_CLOSE:
        // The one place where closing ends the program: the main form's close,
        // or any form's while there is no main form yet.
        if (this == AppMainForm || (!AppMainForm && r_.isForm)) {
            PostQuitMessage(0);
            AppTerminated = true;
        }
        return DefaultProcessing(message);
    case WM_DESTROY:
        RemoveLayerProperties(message.window);
        return DefaultProcessing(message);
    case WM_NCDESTROY: {
        // The class procedure frees its own state here (an edit box its text).
        DefaultProcessing(message);
        SetWindowLongPtrA(message.window, GWLP_USERDATA, 0);
        if (r_.window == message.window)
            r_.window = nullptr;
        r_.showPending = false;
        return 0;
    }
    case WM_SETFOCUS:
        if (IsWindowEnabled(message.window) && (r_.style & WS_TABSTOP)) {
            ++r_.focusGuard;
            SetFocus(message.window);
            result = DefaultProcessing(message);
            --r_.focusGuard;
            return result;
        }
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HWND child = reinterpret_cast<HWND>(message.lParam);
        if (ControlFromWindow(child))
            return SendMessageA(child, message.message + ReflectedColorOffset, message.wParam, message.lParam);
        return DefaultProcessing(message);
    }
    case WM_COMMAND: {
        HWND child = reinterpret_cast<HWND>(message.lParam);
        if (child && ControlFromWindow(child))
            return SendMessageA(child, ReflectedCommand, message.wParam, message.lParam);
        return DefaultProcessing(message);
    }
    default:
        if (message.message >= WM_KEYDOWN && message.message <= WM_SYSDEADCHAR)
            return HandleKeyMessage(this, message);
        return DefaultProcessing(message);
    }
}

bool GenericChildFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    ControlRecord& r = Rec(control);
    if (message.message >= ReflectedColorFirst && message.message <= ReflectedColorLast) {
        HDC dc = reinterpret_cast<HDC>(message.wParam);
        SetTextColor(dc, ResolveColor(r.textColor));
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ResolveColor(r.backColor));
        *result = reinterpret_cast<LRESULT>(control->GetBackgroundBrush());
        return true;
    }
    if (message.message == ReflectedCommand) {
        const KindMessageTable* table = r.kindMessages;
        if (!table)
            return false;
        const int code = HIWORD(message.wParam);
        const EventBlock events = *r.events;
        if (code == table->clickCode) {
            // A click that Windows reports because the layer itself moved the
            // focus (a radio button reached with Tab) is no click.
            if (r.focusGuard == 0) {
                FocusControl(control);
                ControlAccess::KindClick(control);
                events.click(control);
            }
        } else if (code == table->gotFocusCode) {
            events.gotFocus(control);
        } else if (code == table->lostFocusCode) {
            events.lostFocus(control);
        } else if (code == table->changedCode) {
            events.change(control);
        } else if (code == table->selectionChangedCode) {
            if (events.selectionChanged.IsSet())
                events.selectionChanged(control);
            else
                events.change(control);
        } else {
            return false;
        }
        *result = control->DefaultProcessing(message);
        return true;
    }
    if (message.message == WM_SETFOCUS) {
        *result = 0;
        TrackFocusedChild(control);
    }
    return false;
}

} // namespace velmora
