#pragma once
// A small dialog that asks for one line of text, built at run time from
// controls and laid out in units of its font's measured characters.
#include <cstdint>
#include <string>

namespace velmora {

class Control;

// Shows a dialog titled title with the one-line prompt and value proposed
// (selected, so typing replaces it), modal like the Output window: the main
// form takes no input until it ends. True when it ended with OK; value then
// holds the text. Cancel, Escape, the close box and the program's end give
// false and leave value as it was.
// hidden shows each typed character as a bullet, for a password.
bool QueryText(const std::string& title, const std::string& prompt, std::string& value, bool hidden = false);

// Click event of OK and Cancel; the context is the dialog's form.
void EndQuery(Control* form, Control* sender);

// Key-down event of the edit box and the buttons: Enter ends the dialog as
// the focused control's answer, Escape as Cancel.
void QueryKeyDown(Control* form, Control* sender, uint32_t* key, uint32_t shift);

} // namespace velmora
