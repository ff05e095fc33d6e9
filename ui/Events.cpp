// Event slots: shared empty until a control sets its first event.
#include "ui/ControlInternals.h"

namespace velmora {

const EventBlock& DefaultEventBlock()
{
    static const EventBlock empty;
    return empty;
}

EventBlock& EditableEvents(Control* control)
{
    ControlRecord& r = Rec(control);
    if (!r.ownEvents) {
        r.ownEvents = std::make_unique<EventBlock>(*r.events);
        r.events = r.ownEvents.get();
    }
    return *r.ownEvents;
}

uint32_t CurrentShiftState()
{
    auto down = [](int key) { return GetKeyState(key) < 0; };
    uint32_t state = 0;
    if (down(VK_LBUTTON)) state |= ShiftLeftButton;
    if (down(VK_RBUTTON)) state |= ShiftRightButton;
    if (down(VK_SHIFT)) state |= ShiftShift;
    if (down(VK_CONTROL)) state |= ShiftCtrl;
    if (down(VK_MBUTTON)) state |= ShiftMiddleButton;
    if (down(VK_MENU)) state |= ShiftAlt;
    if (GetKeyState(VK_CAPITAL) & 1) state |= ShiftCapsLock;
    return state;
}

Control* Control::SetClickHandler(EventRef handler)
{
    EditableEvents(this).click = handler;
    return this;
}

Control* Control::SetCloseHandler(CloseEventRef handler)
{
    EditableEvents(this).closeQuery = handler;
    AddMessageFilter(&CloseFilter);
    return this;
}

Control* Control::SetKeyDownHandler(KeyEventRef handler)
{
    EditableEvents(this).keyDown = handler;
    r_.keyboardFilter = true;
    return this;
}

Control* Control::SetChangeHandler(EventRef handler)
{
    EditableEvents(this).change = handler;
    return this;
}

Control* Control::SetFocusMovedAwayHandler(EventRef handler)
{
    EditableEvents(this).focusMovedAway = handler;
    return this;
}

Control* Control::SetListDroppedDownHandler(EventRef handler)
{
    EditableEvents(this).listDroppedDown = handler;
    return this;
}

Control* Control::AddMessageFilter(MessageFilterRoutine routine, void* data)
{
    if (!HasMessageFilter(routine))
        r_.filters.push_back({routine, data});
    return this;
}

Control* Control::RemoveMessageFilter(MessageFilterRoutine routine)
{
    auto& filters = r_.filters;
    for (auto it = filters.begin(); it != filters.end(); ++it) {
        if (it->routine == routine) {
            filters.erase(it);
            break;
        }
    }
    return this;
}

bool Control::HasMessageFilter(MessageFilterRoutine routine) const
{
    for (const auto& entry : r_.filters)
        if (entry.routine == routine)
            return true;
    return false;
}

} // namespace velmora
