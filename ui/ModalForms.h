#pragma once
// Showing a form modally over the application main form.
#include "ui/Events.h"
#include <windows.h>

namespace velmora {

class Control;

// Disables the main form, shows form in front and handles messages until the
// form's modal result is not 0 (1 OK, -1 the close box) or the program ends
// (then 0). Re-enables and re-activates the main form and gives the focus
// back to the control that had it. A child control, or a form without an
// owner, is only shown; the result is then 0. The form is not hidden.
int ShowAsModal(Control* form);

// On the modal form: the close box sets the modal result to -1 (if still 0)
// instead of closing the window.
bool ModalCloseFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);
// On each window disabled by a wait: a click on it brings the modal form to
// the front.
bool DisabledClickFilter(Control* control, MessageRecord& message, LRESULT* result, void* data);

} // namespace velmora
