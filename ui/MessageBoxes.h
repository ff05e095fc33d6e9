#pragma once
// Message boxes owned by the application main form.
#include <string>
#include <windows.h>

namespace velmora {

// MessageBoxA owned by AppMainForm's window and titled title, or with the
// main form's caption when title is nil (no owner and no title while
// AppMainForm is not set). The button pressed. Every box of the program
// goes through here.
int ShowMessageBox(const std::string& text, UINT flags, const char* title = nullptr);
// An OK box brought to the foreground.
void ShowNotice(const std::string& text);

} // namespace velmora
