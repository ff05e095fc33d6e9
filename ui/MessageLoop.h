#pragma once
// The one message loop of the program and the pump every wait uses.
#include <windows.h>

namespace velmora {

class Control;

// Pumps until the queue is empty.
void PumpPendingMessages(Control* form);
// Sleeps until one of handles is signalled, a message arrives or timeout
// (milliseconds) has passed, then handles every message waiting, whatever
// woke it. Gives what WaitForMultipleObjects would for the handles;
// WAIT_TIMEOUT when only messages woke it.
DWORD WaitAndPump(DWORD count, const HANDLE* handles, DWORD timeout);
// Makes form the application main form, shows its window and handles
// messages until AppTerminated is set; then ShutDownApp. Sleeps in
// WaitMessage between bursts.
void RunMainLoop(Control*& form);
// Marks the program ended and forgets the main form (form becomes nil). The
// form object is not destroyed.
void ShutDownApp(Control*& form);

} // namespace velmora
