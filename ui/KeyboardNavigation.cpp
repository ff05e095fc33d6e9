// Keys that reach a control: key events, and Tab / Shift+Tab through one
// sequence per form ordered by tab position across all nesting levels.
#include "ui/ControlInternals.h"
#include <algorithm>

namespace velmora {

namespace {

bool IsControlEnabled(Control* control)
{
    ControlRecord& r = Rec(control);
    if (r.window)
        return IsWindowEnabled(r.window) != FALSE;
    return !(r.style & WS_DISABLED);
}

bool IsShownUpToForm(Control* control, Control* form)
{
    for (Control* c = control; c && c != form; c = Rec(c).parent)
        if (!IsShownOrPending(c))
            return false;
    return true;
}

void CollectFocusable(Control* parent, Control* form, std::vector<Control*>& sequence)
{
    for (Control* child : Rec(parent).children) {
        ControlRecord& r = Rec(child);
        if (r.isForm)
            continue;   // a form owned by this one keeps a sequence of its own
        if ((r.style & WS_TABSTOP) && IsControlEnabled(child) && IsShownUpToForm(child, form)) {
            auto place = std::find_if(sequence.begin(), sequence.end(), [&](Control* other) {
                return Rec(other).tabPosition > r.tabPosition;
            });
            sequence.insert(place, child);
        }
        if (!r.children.empty()) {
            if (IsControlEnabled(child))
                CollectFocusable(child, form, sequence);
            sequence.erase(std::remove(sequence.begin(), sequence.end(), child), sequence.end());
        }
    }
}

Control* NextInSequence(const std::vector<Control*>& sequence, int current, bool forward)
{
    Control* picked = nullptr;
    for (Control* candidate : sequence) {
        const int position = Rec(candidate).tabPosition;
        if (forward && position > current && (!picked || position < Rec(picked).tabPosition))
            picked = candidate;
        if (!forward && position < current && (!picked || position > Rec(picked).tabPosition))
            picked = candidate;
    }
    if (picked)
        return picked;
    // Wrap around to the other end.
    for (Control* candidate : sequence) {
        const int position = Rec(candidate).tabPosition;
        if (position == current)
            continue;
        if (!picked || (forward ? position < Rec(picked).tabPosition : position > Rec(picked).tabPosition))
            picked = candidate;
    }
    return picked;
}

} // namespace

std::vector<Control*> TabSequence(Control* form)
{
    std::vector<Control*> sequence;
    if (form)
        CollectFocusable(form, form, sequence);
    return sequence;
}

bool NavigateByKey(Control* control, UINT key, bool released)
{
    // Arrow and page keys are listed in the key table of the navigation, but
    // the key masks of the kinds admit only Tab: focus moves with Tab alone.
    if (key != VK_TAB || !(Rec(control).navigationKeyMask & NavigateByTab))
        return false;
    if (released)
        return true;
    const bool forward = GetKeyState(VK_SHIFT) >= 0;
    Control* form = control->Form();
    if (!form)
        return true;
    Control* focused = Rec(form).focusedChild;
    const int current = focused ? Rec(focused).tabPosition : 0;
    Control* next = NextInSequence(TabSequence(form), current, forward);
    if (!next)
        return true;
    if (Rec(next).window) {
        ++Rec(next).focusGuard;
        FocusControl(next);
        --Rec(next).focusGuard;
    }
    Rec(form).focusedChild = next;
    return true;
}

Control* Control::EnableKeyboardNavigation()
{
    if (Control* form = Form())
        Rec(form).navigate = &NavigateByKey;
    return this;
}

bool RunKeyboardFilter(Control* control, MessageRecord& message)
{
    const EventBlock& events = *Rec(control).events;
    KeyEventRef handler;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        handler = events.keyDown;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        handler = events.keyUp;
        break;
    case WM_CHAR:
        handler = events.character;
        break;
    default:
        return false;
    }
    if (!handler.IsSet())
        return false;
    uint32_t key = static_cast<uint32_t>(message.wParam);
    handler(control, &key, CurrentShiftState());
    message.wParam = key;
    return key == 0;
}

LRESULT HandleKeyMessage(Control* control, MessageRecord& message)
{
    // A control hands Alt+Space up to its parent (the default procedure sends
    // the WM_SYSCHAR on), so a window takes keys while the focus is inside it.
    const HWND focus = GetFocus();
    if (focus != message.window && !IsChild(message.window, focus))
        return 0;
    if (Rec(control).keyboardFilter && RunKeyboardFilter(control, message))
        return 0;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return control->DefaultProcessing(message);
    if (message.message == WM_CHAR) {
        // Tab moves the focus; its character must not land in an edit box.
        if (message.wParam == VK_TAB) {
            message.wParam = 0;
            return 0;
        }
        return control->DefaultProcessing(message);
    }
    Control* form = control->Form();
    auto navigate = form ? Rec(form).navigate : nullptr;
    const bool released = message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN;
    if (navigate && navigate(control, static_cast<UINT>(message.wParam), released)) {
        message.wParam = 0;
        return 0;
    }
    return control->DefaultProcessing(message);
}

} // namespace velmora
