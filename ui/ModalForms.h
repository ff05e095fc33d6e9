#pragma once
// Showing a form modally over the application main form.
#include "ui/Events.h"
#include <windows.h>

namespace velmora {

class Control;

// While it lives, form is the program's modal window: the main form is
// disabled (a click on it brings form to the front), and form's close box
// sets its modal result to -1 instead of closing it. When it goes, the main
// form is enabled and activated again and the control that had the focus
// gets it back. Scopes nest: the main form stays disabled until the
// outermost one ends.
class ModalScope {
public:
    explicit ModalScope(Control* form);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    // Shows the form in front, with the focus in it.
    void ShowForm();
    // Handles messages until the form has a modal result, its window is
    // gone, or the program is to end.
    void Wait();

private:
    Control* form_;
    Control* main_;
    Control* outerModal_ = nullptr;
    Control* refocus_ = nullptr;
    bool disabledMain_ = false;
};

// Shows form in front within a ModalScope and waits. The form's modal
// result: 1 OK, -1 the close box, 0 when the program is to end. A child
// control, or a form without an owner, is only shown; the result is then 0.
// The form is not hidden.
int ShowAsModal(Control* form);

// On the modal form: the close box sets the modal result to -1 (if still 0)
// instead of closing the window.
bool ModalCloseFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);
// On each window disabled by a wait: a click on it brings the modal form to
// the front.
bool DisabledClickFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);

} // namespace velmora
