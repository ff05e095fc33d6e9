#include "ui/MessageLoop.h"
#include "ui/Application.h"
#include "ui/Control.h"

namespace velmora {

namespace {

// Takes and dispatches one message; false when the queue was empty.
bool TakeOneMessage(MSG& message)
{
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        AppTerminated = true;
        return true;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

} // namespace

void PumpPendingMessages(Control*)
{
    // Until the queue is empty, a WM_NULL included: WaitMessage would not
    // wake for messages that were already there.
    MSG message = {};
    while (TakeOneMessage(message)) {
    }
}

DWORD WaitAndPump(DWORD count, const HANDLE* handles, DWORD timeout)
{
    // A handle that is signalled again and again (a pipe flooded with
    // output) wins every wait; pumping after each wake keeps the windows
    // alive all the same.
    DWORD woke = MsgWaitForMultipleObjectsEx(count, handles, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    PumpPendingMessages(AppMainForm);
    return woke == WAIT_OBJECT_0 + count ? WAIT_TIMEOUT : woke;
}

void RunMainLoop(Control*& form)
{
    AppRunning = true;
    AppMainForm = form;
    // Painted at once, as a window shown at start-up should be, rather than
    // after whatever the queue holds by then.
    if (form && form->MakeWindow())
        UpdateWindow(form->Window());
    while (!AppTerminated) {
        WaitMessage();
        PumpPendingMessages(form);
    }
    if (form)
        ShutDownApp(form);
}

void ShutDownApp(Control*& form)
{
    AppTerminated = true;
    AppRunning = false;
    AppMainForm = nullptr;
    form = nullptr;
}

} // namespace velmora
