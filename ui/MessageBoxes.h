#pragma once
// Message boxes owned by the application main form.
#include <string>
#include <windows.h>

namespace velmora {

// MessageBoxA owned by AppMainForm's window and titled with its caption (no
// owner and no title while AppMainForm is not set). The button pressed.
int ShowMessageBox(const std::string& text, UINT flags);
// An OK box brought to the foreground.
void ShowNotice(const std::string& text);

} // namespace velmora
