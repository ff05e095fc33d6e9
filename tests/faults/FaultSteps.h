#pragma once
// Steps the fault tests share: the main window's text fields, the Output
// window, the outcome notice, and the tool's process as seen from outside.
#include "tests/e2e/VelmoraSession.h"
#include "tests/support/SecondName.h"
#include <functional>
#include <string>

namespace velmora::faults {

// The main window's text fields, found by their place in the window.
HWND PdfFileEdit(e2e::VelmoraSession& session);
HWND TargetEdit(e2e::VelmoraSession& session);
HWND UserPasswordEdit(e2e::VelmoraSession& session);
HWND OwnerPasswordEdit(e2e::VelmoraSession& session);
HWND CatToEdit(e2e::VelmoraSession& session);

// A session started with document as its command-line PDF, which fills the
// input and the target field.
e2e::SessionOptions WithDocument(const std::string& document, driver::FolderName folder = driver::FolderName::Plain);

// Waits for the Output window; gives it.
HWND WaitForOutputWindow(DWORD processId, DWORD timeoutMs = driver::DefaultWaitMs);
bool OutputWindowShown(DWORD processId);
// The length and the text of the Output window's text box.
size_t OutputTextLength(HWND output, DWORD timeoutMs = driver::DefaultWaitMs);
std::string OutputText(HWND output);
// Presses the Output window's OK and waits until it is hidden.
void CloseOutputWindow(HWND output);

// Waits for the notice titled with the main window's caption, reads it and
// presses OK; gives its text.
std::string TakeNotice(DWORD processId, DWORD timeoutMs = driver::DefaultWaitMs);

// What the user met after pressing an action button: the Output window (if
// it came; it is closed with OK) and the notice that followed (answered).
struct Outcome {
    bool outputShown = false;
    size_t outputLength = 0;
    std::string outputText;   // read only when asked for
    std::string notice;
};
// Waits up to timeoutMs for the notice, closing the Output window on the way.
// whileWaiting runs on every turn of the wait. Nothing is sent to the
// program's windows until they are seen, so a busy program does not stall it.
Outcome AwaitOutcome(DWORD processId, DWORD timeoutMs = driver::DefaultWaitMs, bool readOutput = true,
                     const std::function<void()>& whileWaiting = nullptr);

// Closes the crash dialogs of Wine's debugger, as a person would close the
// system's report that a program stopped working; true when there was one.
bool CloseCrashDialogs();

// The process id of a running child of parent whose program is exeName, or 0.
DWORD FindChildProcess(DWORD parent, const std::string& exeName);

// The window answers a message within a second.
bool Responds(HWND window);


// The system's text for an error code, as the program shows it: trailing
// blanks, dots and line breaks dropped.
std::string SystemText(DWORD code);

} // namespace velmora::faults
