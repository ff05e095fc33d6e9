// A form shown modally: the main form is disabled and messages are pumped
// until the form has a modal result.
#include "ui/ModalForms.h"
#include "ui/Application.h"
#include "ui/ControlInternals.h"
#include "ui/MessageLoop.h"
#include <vector>

namespace velmora {

namespace {

void ShowInFront(Control* form)
{
    form->GetHandle();
    form->SetVisible(true);
    if (HWND window = form->Window()) {
        SetForegroundWindow(window);
        if (IsWindowEnabled(window))
            FocusControl(form);
    }
}

void FocusAgain(Control* control)
{
    if (Rec(control).isForm) {
        if (HWND window = control->Window())
            SetForegroundWindow(window);
        return;
    }
    TrackFocusedChild(control);
    if (HWND window = control->Window())
        SetFocus(window);
}

} // namespace

int ShowAsModal(Control* form)
{
    if (!form)
        return 0;
    if (form->IsChild() || !form->Parent()) {
        ShowInFront(form);
        return 0;
    }
    // Nothing taken part in the wait may vanish under it.
    TakeReference(form);
    form->AddMessageFilter(&ModalCloseFilter);

    std::vector<Control*> disabled;
    Control* main = AppMainForm;
    Control* reactivate = main;
    Control* refocus = nullptr;
    if (main) {
        TakeReference(main);
        if (main->IsEnabled()) {
            refocus = main->FocusedChild();
            TakeReference(refocus);
            disabled.push_back(main);
            TakeReference(main);
            EnableWindow(main->GetHandle(), FALSE);
            ++Rec(main).disableCount;
            main->AddMessageFilter(&DisabledClickFilter);
        }
    }
    ++Rec(form).modalLevel;
    Control* outerModal = main ? Rec(main).modalForm : nullptr;
    if (main)
        Rec(main).modalForm = form;
    EnableWindow(form->GetHandle(), TRUE);
    ShowInFront(form);

    Rec(form).modalResult = 0;
    while (!AppTerminated && Rec(form).modalResult == 0 && form->HasWindow()) {
        WaitMessage();
        PumpPendingMessages(AppMainForm);
    }

    --Rec(form).modalLevel;
    // An outer wait, if any, is the one running again.
    if (main)
        Rec(main).modalForm = outerModal;
    if (Rec(form).modalLevel == 0)
        form->RemoveMessageFilter(&ModalCloseFilter);
    for (Control* window : disabled) {
        ControlRecord& r = Rec(window);
        if (r.disableCount > 0)
            --r.disableCount;
        if (r.disableCount == 0)
            window->RemoveMessageFilter(&DisabledClickFilter);
        if (window->Window())
            EnableWindow(window->Window(), TRUE);
        ReleaseObject(window);
    }
    if (reactivate && reactivate->Window())
        PostMessageA(reactivate->Window(), WM_ACTIVATE, WA_ACTIVE, 0);
    if (refocus) {
        FocusAgain(refocus);
        ReleaseObject(refocus);
    }
    if (main)
        ReleaseObject(main);
    const int result = Rec(form).modalResult;
    ReleaseObject(form);
    return result;
}

bool ModalCloseFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != WM_CLOSE)
        return false;
    if (Rec(control).modalResult == 0)
        Rec(control).modalResult = -1;
    *result = 0;
    return true;
}

bool DisabledClickFilter(Control*, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != WM_SETCURSOR)
        return false;
    const int hitTest = static_cast<short>(LOWORD(message.lParam));
    const UINT mouseMessage = HIWORD(message.lParam);
    if (hitTest != HTERROR || mouseMessage < WM_LBUTTONDOWN || mouseMessage > WM_RBUTTONUP)
        return false;
    if (AppMainForm) {
        if (Control* modal = Rec(AppMainForm).modalForm)
            if (HWND window = modal->Window())
                SetForegroundWindow(window);
    }
    *result = 1;
    return true;
}

} // namespace velmora
