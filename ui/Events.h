#pragma once
// Events: a handler routine plus the context it is called with. Handlers are
// called as handler(context, sender, further arguments); the sender is the
// control that raised the event. MakeEventRef keeps the handler's own context
// type, so application code writes
//     void RepairPdf(MainWindow* window, Control* sender);
//     button->SetClickHandler(&RepairPdf, mainWindow);
// and a mismatched handler does not compile.
#include "text/WideText.h"
#include <cstdint>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

class Control;

// One message as the window procedure and the message filters see it. A
// filter may rewrite it (the double-click filter turns WM_LBUTTONDBLCLK into
// WM_LBUTTONDOWN; key logic sets the key to 0).
struct MessageRecord {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Shift state bits of key events.
enum ShiftState : uint32_t {
    ShiftLeftButton = 1,
    ShiftRightButton = 2,
    ShiftShift = 4,
    ShiftCtrl = 8,
    ShiftMiddleButton = 16,
    ShiftAlt = 32,
    ShiftCapsLock = 64,
};
uint32_t CurrentShiftState();

using AnyFunction = void (*)();

template <class... Args>
struct EventRefOf {
    using Invoker = void (*)(AnyFunction handler, void* context, Control* sender, Args... args);

    Invoker invoke = nullptr;
    AnyFunction handler = nullptr;
    void* context = nullptr;

    bool IsSet() const { return handler != nullptr; }
    void operator()(Control* sender, Args... args) const
    {
        if (invoke)
            invoke(handler, context, sender, args...);
    }
};

// click, change, focus and list events: handler(context, sender)
using EventRef = EventRefOf<>;
// key events: handler(context, sender, key, shift state); setting *key to 0
// consumes the key
using KeyEventRef = EventRefOf<uint32_t*, uint32_t>;
// close query: handler(context, sender, allow); clearing *allow refuses
using CloseEventRef = EventRefOf<bool*>;
// files dropped from Explorer: handler(context, sender, full paths as the
// system names them, zero-terminated)
using FilesEventRef = EventRefOf<const std::vector<WideText>*>;
// an item dragged in a list: handler(context, sender, from, before), before
// being the index of the item it was dropped in front of (the item count:
// after the last)
using ItemDraggedEventRef = EventRefOf<int, int>;

template <class Context, class... Args>
EventRefOf<Args...> MakeEventRef(Context* context, void (*handler)(Context*, Control*, Args...))
{
    using Typed = void (*)(Context*, Control*, Args...);
    EventRefOf<Args...> ref;
    ref.invoke = [](AnyFunction h, void* c, Control* sender, Args... args) {
        reinterpret_cast<Typed>(h)(static_cast<Context*>(c), sender, args...);
    };
    ref.handler = reinterpret_cast<AnyFunction>(handler);
    ref.context = const_cast<void*>(static_cast<const void*>(context));
    return ref;
}

// A message preview: sees a message before anything else; returns true when
// it handled the message, with *result set.
struct PreviewRef {
    bool (*handler)(void* context, MessageRecord& message, LRESULT* result) = nullptr;
    void* context = nullptr;

    bool IsSet() const { return handler != nullptr; }
    bool operator()(MessageRecord& message, LRESULT* result) const
    {
        return handler && handler(context, message, result);
    }
};

// The events a control can raise. Controls share one default block (all
// empty) until their first event is set; then each gets its own copy.
struct EventBlock {
    PreviewRef preview;          // every message of the control, first
    PreviewRef savedPreview;     // the preview the default/cancel logic replaced
    EventRef click;
    KeyEventRef character;       // WM_CHAR
    KeyEventRef keyUp;           // WM_KEYUP, WM_SYSKEYUP
    KeyEventRef keyDown;         // WM_KEYDOWN, WM_SYSKEYDOWN
    EventRef change;
    EventRef gotFocus;
    EventRef lostFocus;
    EventRef focusMovedAway;     // another control of the form took its focus
    EventRef selectionChanged;
    CloseEventRef closeQuery;
    EventRef listDroppedDown;
    EventRef listClosedUp;
    FilesEventRef filesDropped;
    ItemDraggedEventRef itemDragged;
};

// A message filter: returns true when it consumed the message (result set).
// data is whatever the filter was added with.
using MessageFilterRoutine = bool (*)(Control* control, MessageRecord& message, LRESULT* result, void* data);

} // namespace velmora
