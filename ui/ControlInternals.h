#pragma once
// What the implementation files of the layer share with each other and not
// with the application.
#include "ui/Control.h"
#include "ui/Events.h"

namespace velmora {

// What the generic event logic and the list operations need to know about a
// kind: the notification codes it compares (-1: none) and the messages it
// sends (0: the kind does not support the operation).
struct KindMessageTable {
    int clickCode;
    int gotFocusCode;
    int lostFocusCode;
    int changedCode;
    int selectionChangedCode;
    UINT itemCountMessage;
    UINT getItemDataMessage;
    UINT deleteItemMessage;
    UINT insertItemMessage;
    UINT setItemDataMessage;
    UINT getCurrentIndexMessage;
    UINT setCurrentIndexMessage;
    UINT limitTextMessage;
    bool itemsAreLines;          // an edit box: items are its lines
    UINT clearMessage;           // 0: clearing sets the text to empty
};

// Which key pairs may move the focus on from a control (its navigation key
// mask). Only the Tab pair ever does; the others are what a kind would allow.
enum NavigationKeys : uint8_t {
    NavigateByTab = 1,
    NavigateByLeftRight = 2,
    NavigateByUpDown = 4,
    NavigateByPage = 8,
    NavigateByAnyKey = NavigateByTab | NavigateByLeftRight | NavigateByUpDown | NavigateByPage,
};

struct ControlAccess {
    static ControlRecord& Record(Control* control) { return control->r_; }
    static void KindClick(Control* control) { control->KindClick(); }
    static void AfterWindowCreated(Control* control) { control->AfterWindowCreated(); }
};

inline ControlRecord& Rec(Control* control) { return ControlAccess::Record(control); }

// Control.cpp
// The steps every creation routine runs before the kind adjusts the control.
void ConstructControl(Control* control, Control* parent, const char* className,
                      const KindMessageTable* table, bool threeD);
void ConstructChild(Control* control, DWORD kindStyle, int width, int height);
bool IsLayerWindow(HWND window);
// The control's stored style with WS_VISIBLE as the window has it.
bool IsShownOrPending(Control* control);
void BindControlToWindow(Control* control, HWND window);
// The original procedure of a layer class, for windows that lost their control.
WNDPROC BaseProcedureOfClass(HWND window);

// Events.cpp
EventBlock& EditableEvents(Control* control);
const EventBlock& DefaultEventBlock();

// WindowProcedure.cpp
LRESULT CALLBACK LayerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
extern Control* ControlBeingCreated;
bool GenericChildFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);

// TextAndState.cpp
// A form's icon from the program's resources at the size for the form's DPI.
HICON LoadFormIcon(Control* form, HINSTANCE instance, const char* name);

// Focus.cpp
// Gives a tab-stop control the focus and makes it its form's focused child;
// the control that had it runs its focus-moved-away event.
void FocusControl(Control* control);
// Makes control its form's focused child (the previous one is told).
void TrackFocusedChild(Control* control);

// Geometry.cpp
void RunTextFit(Control* control);
// Bounds in pixels at the control's DPI, as Win32 has them.
RECT DeviceBounds(Control* control);
void SetDeviceBounds(Control* control, const RECT& bounds);
// Lays the form and everything on it out again at dpi.
void ChangeDpi(Control* form, int dpi);
// The client size asked of a form before its window was made, now measured
// against the window's real frame.
void ApplyAskedClientSize(Control* form);
bool DpiChangeFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);

// Fonts.cpp
// redraw: the window has painted before and must show the change.
void ApplyFontToWindow(Control* control, bool redraw);
// A copy of the parent's font for a new child.
void InheritFont(Control* child, Control* parent);

// Colors.cpp
void InvalidateControl(Control* control);

// MessageFilters.cpp
bool FocusRestoreFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);
bool BackgroundFillFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);
bool DoubleClickFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);
bool CloseFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);
bool SizeLimitFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);
bool FixedSizeFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);

// KeyboardNavigation.cpp
bool NavigateByKey(Control* control, UINT key, bool released);
// The form's focusable controls ordered by tab position.
std::vector<Control*> TabSequence(Control* form);
// Handles WM_KEYDOWN .. WM_SYSDEADCHAR that reached a control.
LRESULT HandleKeyMessage(Control* control, MessageRecord& message);
// The key events of a control with a key handler: true when consumed.
bool RunKeyboardFilter(Control* control, MessageRecord& message);

// DialogKeys.cpp
void ForgetDialogKeyButton(Control* button);

// ComboBox.cpp
void SubclassComboChildren(Control* combo);
bool ComboFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);

} // namespace velmora
