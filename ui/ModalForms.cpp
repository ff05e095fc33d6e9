// A form shown modally: the main form is disabled and messages are pumped
// until the form has a modal result.
#include "ui/ModalForms.h"
#include "ui/Application.h"
#include "ui/ControlInternals.h"
#include "ui/MessageLoop.h"

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

ModalScope::ModalScope(Control* form) : form_(form), main_(AppMainForm)
{
    // Nothing taking part in the wait may vanish under it.
    TakeReference(form_);
    TakeReference(main_);
    form_->AddMessageFilter(&ModalCloseFilter);
    if (main_ && main_ != form_ && main_->IsEnabled()) {
        refocus_ = main_->FocusedChild();
        TakeReference(refocus_);
        EnableWindow(main_->GetHandle(), FALSE);
        ++Rec(main_).disableCount;
        main_->AddMessageFilter(&DisabledClickFilter);
        disabledMain_ = true;
    }
    ++Rec(form_).modalLevel;
    if (main_) {
        outerModal_ = Rec(main_).modalForm;
        Rec(main_).modalForm = form_;
    }
    EnableWindow(form_->GetHandle(), TRUE);
}

ModalScope::~ModalScope()
{
    --Rec(form_).modalLevel;
    if (Rec(form_).modalLevel == 0)
        form_->RemoveMessageFilter(&ModalCloseFilter);
    if (main_) {
        // An outer wait, if any, is the one running again.
        Rec(main_).modalForm = outerModal_;
        if (disabledMain_) {
            ControlRecord& r = Rec(main_);
            if (r.disableCount > 0)
                --r.disableCount;
            if (r.disableCount == 0)
                main_->RemoveMessageFilter(&DisabledClickFilter);
            if (main_->Window())
                EnableWindow(main_->Window(), TRUE);
        }
        if (main_->Window())
            PostMessageA(main_->Window(), WM_ACTIVATE, WA_ACTIVE, 0);
    }
    if (refocus_) {
        FocusAgain(refocus_);
        ReleaseObject(refocus_);
    }
    ReleaseObject(main_);
    ReleaseObject(form_);
}

void ModalScope::ShowForm()
{
    ShowInFront(form_);
}

void ModalScope::Wait()
{
    Rec(form_).modalResult = 0;
    while (!AppTerminated && Rec(form_).modalResult == 0 && form_->HasWindow()) {
        WaitMessage();
        PumpPendingMessages(AppMainForm);
    }
}

int ShowAsModal(Control* form)
{
    if (!form)
        return 0;
    if (form->IsChild() || !form->Parent()) {
        ShowInFront(form);
        return 0;
    }
    // The result is read after the scope has let go of the form.
    TakeReference(form);
    {
        ModalScope modal(form);
        modal.ShowForm();
        modal.Wait();
    }
    const int result = form->GetModalResult();
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
    // A modal form not shown yet (a tool run's Output window in its first
    // moments) must not be activated while hidden.
    if (AppMainForm) {
        if (Control* modal = Rec(AppMainForm).modalForm)
            if (HWND window = modal->Window(); window && IsWindowVisible(window))
                SetForegroundWindow(window);
    }
    *result = 1;
    return true;
}

} // namespace velmora
