// Which control of a form has, or is to get, the keyboard focus.
#include "ui/ControlInternals.h"

namespace velmora {

void TrackFocusedChild(Control* control)
{
    Control* form = Rec(control).parent ? Rec(control).parent->Form() : nullptr;
    if (!form || form == control)
        return;
    Control* previous = Rec(form).focusedChild;
    if (previous && previous != control) {
        const EventRef movedAway = Rec(previous).events->focusMovedAway;
        movedAway(previous);
    }
    Rec(form).focusedChild = control;
}

void FocusControl(Control* control)
{
    ControlRecord& r = Rec(control);
    if (!(r.style & WS_TABSTOP))
        return;
    if (r.isForm) {
        if (r.window)
            SetForegroundWindow(r.window);
        return;
    }
    TrackFocusedChild(control);
    if (r.window)
        SetFocus(r.window);
}

Control* Control::Focus()
{
    FocusControl(this);
    return this;
}

} // namespace velmora
