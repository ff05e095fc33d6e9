#include "ui/MessageBoxes.h"
#include "ui/Application.h"
#include "ui/Control.h"

namespace velmora {

int ShowMessageBox(const std::string& text, UINT flags, const char* title)
{
    if (!AppMainForm)
        return MessageBoxA(nullptr, text.c_str(), title, flags);
    HWND owner = AppMainForm->GetHandle();
    const std::string caption = title ? std::string(title) : AppMainForm->GetText();
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void ShowNotice(const std::string& text)
{
    ShowMessageBox(text, MB_OK | MB_SETFOREGROUND);
}

} // namespace velmora
