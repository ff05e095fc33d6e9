// Combo boxes: their inner windows are subclassed so that keys typed there
// get the layer's treatment; the drop-down list is sized to its items; the
// selection-changed event runs after Windows has finished updating.
#include "ui/Application.h"
#include "ui/ControlInternals.h"
#include <algorithm>

namespace velmora {

namespace {

const char* const PreviousProcedureProperty = "PREV_PROC";

WNDPROC PreviousProcedure(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetPropA(window, PreviousProcedureProperty));
}

// Escape in the open list puts back the item selected when it opened.
void CloseList(Control* combo, bool restore)
{
    HWND window = combo->Window();
    SendMessageA(window, CB_SHOWDROPDOWN, FALSE, 0);
    if (restore)
        SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(Rec(combo).comboIndexAtDropDown), 0);
}

LRESULT InnerKeyMessage(Control* combo, MessageRecord& message, bool& done)
{
    done = true;
    if (message.wParam == VK_TAB) {
        if (message.message != WM_KEYDOWN)
            return 0;
        Control* form = combo->Form();
        auto navigate = form ? Rec(form).navigate : nullptr;
        if (navigate && navigate(combo, VK_TAB, false))
            return 0;
    }
    if (message.message == WM_CHAR && (message.wParam == VK_ESCAPE || message.wParam == VK_RETURN) &&
        SendMessageA(combo->Window(), CB_GETDROPPEDSTATE, 0, 0)) {
        CloseList(combo, message.wParam == VK_ESCAPE);
        if (Rec(combo).keyboardFilter)
            RunKeyboardFilter(combo, message);
        return 0;
    }
    if (Rec(combo).keyboardFilter && RunKeyboardFilter(combo, message))
        return 0;
    done = false;
    return 0;
}

LRESULT CALLBACK InnerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = PreviousProcedure(window);
    Control* combo = ControlFromWindow(GetParent(window));
    if (!combo) {
        // The combo box is going away; the inner window still needs its own
        // procedure to the end.
        return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                        : DefWindowProcA(window, message, wParam, lParam);
    }
    TakeReference(combo);
    MessageRecord record = {combo->Window(), message, wParam, lParam};
    LRESULT result = 0;
    bool done = false;
    Control* form = combo->Form();
    if (AppMainForm && Rec(AppMainForm).events->preview(record, &result)) {
        done = true;
    } else if (form && form != AppMainForm && Rec(form).events->preview(record, &result)) {
        done = true;
    } else if (IsWindowVisible(combo->Window()) &&
               (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR)) {
        result = InnerKeyMessage(combo, record, done);
    }
    if (!done && message == WM_SETFOCUS)
        TrackFocusedChild(combo);
    if (!done)
        result = previous ? CallWindowProcA(previous, window, record.message, record.wParam, record.lParam) : 0;
    ReleaseObject(combo);
    return result;
}

void DropDown(Control* combo)
{
    HWND window = combo->Window();
    ControlRecord& r = Rec(combo);
    r.comboIndexAtDropDown = static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
    const int items = std::clamp(static_cast<int>(SendMessageA(window, CB_GETCOUNT, 0, 0)), 1, 8);
    const RECT bounds = DeviceBounds(combo);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    // The height of a combo box window is its dropped-down height; the list
    // shows as many items as fit (at most eight), each as high as the field.
    SetWindowPos(window, nullptr, 0, 0, width, (items + 1) * height + 2,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const EventRef dropped = r.events->listDroppedDown;
    dropped(combo);
}

} // namespace

void SubclassComboChildren(Control* combo)
{
    for (HWND inner = GetWindow(combo->Window(), GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT)) {
        if (GetPropA(inner, PreviousProcedureProperty))
            continue;
        LONG_PTR previous = SetWindowLongPtrA(inner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InnerWindowProcedure));
        SetPropA(inner, PreviousProcedureProperty, reinterpret_cast<HANDLE>(previous));
    }
}

bool ComboFilter(Control* combo, MessageRecord& message, LRESULT* result, void*)
{
    HWND window = combo->Window();
    switch (message.message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // The inner windows take the combo box's colours.
        *result = SendMessageA(window, message.message + ReflectedColorOffset, message.wParam, message.lParam);
        return true;
    case ReflectedCommand:
        if (!IsWindowVisible(window))
            return false;
        switch (HIWORD(message.wParam)) {
        case CBN_SELCHANGE:
            PostMessageA(window, ReflectedCommand, MAKEWPARAM(LOWORD(message.wParam), DeferredSelectionChange),
                         message.lParam);
            break;
        case CBN_DROPDOWN:
            DropDown(combo);
            break;
        case CBN_CLOSEUP: {
            const EventRef closed = Rec(combo).events->listClosedUp;
            closed(combo);
            break;
        }
        }
        return false;
    case WM_KEYDOWN:
        // A drop-down list has no inner edit field: Escape reaches the combo
        // box itself, and closes the list before any WM_CHAR is made.
        if (message.wParam == VK_ESCAPE && GetFocus() == window && IsWindowVisible(window) &&
            SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0)) {
            CloseList(combo, true);
            *result = 0;
            return true;
        }
        return false;
    case WM_DESTROY:
        // Give the inner windows their own procedures back for their end.
        for (HWND inner = GetWindow(window, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT)) {
            if (WNDPROC previous = PreviousProcedure(inner)) {
                SetWindowLongPtrA(inner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
                RemovePropA(inner, PreviousProcedureProperty);
            }
        }
        return false;
    default:
        return false;
    }
}

} // namespace velmora
