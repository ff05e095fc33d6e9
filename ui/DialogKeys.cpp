// Enter presses the main form's default button and Escape its cancel button,
// as the space bar would.
#include "ui/Application.h"
#include "ui/ControlInternals.h"

namespace velmora {

namespace {

const char* const DefaultButtonProperty = "DFLT_BT";
const char* const CancelButtonProperty = "CNCL_BT";

bool IsUsable(Control* button)
{
    HWND window = button->Window();
    return window && IsWindowVisible(window) && IsWindowEnabled(window);
}

bool DialogKeyPreview(void*, MessageRecord& message, LRESULT* result)
{
    Control* main = AppMainForm;
    if (!main)
        return false;
    const PreviewRef saved = Rec(main).events->savedPreview;
    if (saved(message, result))
        return true;
    if (AppTerminated || (message.message != WM_KEYDOWN && message.message != WM_KEYUP))
        return false;
    const bool enter = message.wParam == VK_RETURN;
    if (!enter && message.wParam != VK_ESCAPE)
        return false;

    Control* form = Rec(main).isForm ? main : Rec(main).focusedChild;
    if (!form || !form->Window())
        return false;
    // Only keys typed in this form: another window's Enter is its own.
    Control* source = ControlFromWindow(message.window);
    if (!source || source->Form() != form)
        return false;
    auto* button = static_cast<Control*>(
        GetPropA(form->Window(), enter ? DefaultButtonProperty : CancelButtonProperty));
    if (!button || !IsUsable(button))
        return false;
    if (enter) {
        Control* focused = Rec(form).focusedChild;
        if (focused && focused != button &&
            (Rec(focused).isButtonKind || Rec(focused).takesEnter || Rec(focused).isCancelButton))
            return false;
    }
    if (message.message == WM_KEYDOWN)
        FocusControl(button);
    SendMessageA(button->Window(), message.message, VK_SPACE, message.lParam);
    message.wParam = 0;
    *result = 0;
    return true;
}

} // namespace

Control* Control::SetDialogKeyButton(int key, bool on)
{
    if (!AppMainForm || (key != VK_RETURN && key != VK_ESCAPE))
        return this;
    if (key == VK_RETURN)
        r_.isDefaultButton = on;
    else
        r_.isCancelButton = on;

    EventBlock& events = EditableEvents(AppMainForm);
    if (on) {
        if (events.preview.handler != &DialogKeyPreview) {
            events.savedPreview = events.preview;
            events.preview = PreviewRef{&DialogKeyPreview, nullptr};
        }
    } else if (events.preview.handler == &DialogKeyPreview) {
        events.preview = events.savedPreview;
        events.savedPreview = PreviewRef();
    }

    const char* property = key == VK_RETURN ? DefaultButtonProperty : CancelButtonProperty;
    if (Control* form = Form()) {
        if (HWND formWindow = form->GetHandle()) {
            if (on)
                SetPropA(formWindow, property, static_cast<HANDLE>(this));
            else if (GetPropA(formWindow, property) == static_cast<HANDLE>(this))
                RemovePropA(formWindow, property);
        }
    }
    if (key == VK_RETURN)
        SetStyle(on ? (r_.style | BS_DEFPUSHBUTTON) : (r_.style & ~static_cast<DWORD>(BS_DEFPUSHBUTTON)));
    return this;
}

// A destroyed button must not stay registered on its form.
void ForgetDialogKeyButton(Control* button)
{
    ControlRecord& r = Rec(button);
    if (!r.isDefaultButton && !r.isCancelButton)
        return;
    Control* form = button->Form();
    HWND formWindow = form ? form->Window() : nullptr;
    if (!formWindow)
        return;
    for (const char* property : {DefaultButtonProperty, CancelButtonProperty})
        if (GetPropA(formWindow, property) == static_cast<HANDLE>(button))
            RemovePropA(formWindow, property);
}

} // namespace velmora
