#include "tests/faults/FaultSteps.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <functional>
#include <vector>

namespace velmora::faults {

using namespace driver;

namespace {

HWND EditAt(e2e::VelmoraSession& session, LONG left, LONG top)
{
    for (const ControlInfo& control : ListControls(session.MainWindow()))
        if (control.className == "obj_EDIT" && control.rect.left == left && control.rect.top == top)
            return control.window;
    throw DriverError("no text field at " + std::to_string(left) + "," + std::to_string(top) + " in\n" +
                      ControlTree(session.MainWindow()));
}

HWND OutputMemo(HWND output)
{
    return WaitForControl(output, ControlMatch::Class("obj_EDIT"));
}

} // namespace

HWND PdfFileEdit(e2e::VelmoraSession& session) { return EditAt(session, 60, 21); }
HWND TargetEdit(e2e::VelmoraSession& session) { return EditAt(session, 62, 53); }
HWND UserPasswordEdit(e2e::VelmoraSession& session) { return EditAt(session, 400, 96); }
HWND OwnerPasswordEdit(e2e::VelmoraSession& session) { return EditAt(session, 402, 140); }

e2e::SessionOptions WithDocument(const std::string& document, FolderName folder)
{
    e2e::SessionOptions options;
    options.folderName = folder;
    options.arguments = velmora::QuoteArgument(document);
    return options;
}

HWND WaitForOutputWindow(DWORD processId, DWORD timeoutMs)
{
    return WaitForTopWindow(processId, WindowMatch::Title("Output").AndClass("obj_Form"), timeoutMs);
}

bool OutputWindowShown(DWORD processId)
{
    HWND output = FindTopWindow(processId, WindowMatch::Title("Output").AndClass("obj_Form"));
    return output && IsWindowVisible(output);
}

size_t OutputTextLength(HWND output, DWORD timeoutMs)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(OutputMemo(output), WM_GETTEXTLENGTH, 0, 0, 0, timeoutMs, &length))
        throw DriverError("the Output window's text box does not answer");
    return static_cast<size_t>(length);
}

std::string OutputText(HWND output)
{
    return TextOf(OutputMemo(output));
}

void CloseOutputWindow(HWND output)
{
    ClickButton(WaitForControl(output, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
    WaitUntilGone(output);
}

std::string TakeNotice(DWORD processId, DWORD timeoutMs)
{
    MessageBoxInfo box = WaitForMessageBox(processId, e2e::kMainTitle, timeoutMs);
    AnswerMessageBox(box, IDOK);
    return box.text;
}

// Looks at the windows without sending them anything: while the tool runs
// the program's window does not answer, and a test must not hang with it.
HWND VisibleTopWindow(DWORD processId, const char* className, const char* title)
{
    for (HWND window : TopWindowsOf(processId)) {
        char text[512] = {};
        GetWindowTextA(window, text, sizeof text);
        if (IsWindowVisible(window) && ClassOf(window) == className && std::string(text) == title)
            return window;
    }
    return nullptr;
}

Outcome AwaitOutcome(DWORD processId, DWORD timeoutMs, bool readOutput, const std::function<void()>& whileWaiting)
{
    Outcome outcome;
    const DWORD start = GetTickCount();
    for (;;) {
        HWND output = VisibleTopWindow(processId, "obj_Form", "Output");
        // A run that takes a while shows its output under "Cancel" while the
        // tool works; the whole of it is there once the button reads "OK".
        // The button's text is read without a message, since the program
        // may be busy laying out a long text.
        HWND ok = output ? FindWindowExA(output, nullptr, "obj_BUTTON", nullptr) : nullptr;
        char caption[16] = {};
        if (ok) GetWindowTextA(ok, caption, sizeof caption);
        if (ok && std::string(caption) == "OK" && !outcome.outputShown) {
            outcome.outputShown = true;
            const DWORD spent = GetTickCount() - start;
            outcome.outputLength = OutputTextLength(output, spent < timeoutMs ? timeoutMs - spent : 1);
            if (readOutput) outcome.outputText = OutputText(output);
            ClickButton(ok);
            WaitUntilGone(output);
        }
        HWND box = VisibleTopWindow(processId, "#32770", e2e::kMainTitle);
        if (box) {
            MessageBoxInfo info = ReadMessageBox(box);
            AnswerMessageBox(info, IDOK);
            outcome.notice = info.text;
            return outcome;
        }
        if (whileWaiting) whileWaiting();
        if (GetTickCount() - start >= timeoutMs)
            FailWaiting("the outcome notice", timeoutMs);
        Sleep(PollIntervalMs);
    }
}

std::vector<DWORD> ProcessesNamed(const std::string& exeName)
{
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0)
            found.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

bool CloseCrashDialogs()
{
    bool closed = false;
    for (DWORD debugger : ProcessesNamed("winedbg.exe"))
        for (HWND window : TopWindowsOf(debugger))
            if (IsWindowVisible(window)) {
                PostMessageA(window, WM_CLOSE, 0, 0);
                closed = true;
            }
    return closed;
}

DWORD FindChildProcess(DWORD parent, const std::string& exeName)
{
    const std::vector<DWORD> found = ChildProcesses(parent, exeName);
    return found.empty() ? 0 : found.front();
}

bool Responds(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

std::string SystemText(DWORD code)
{
    char text[256] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text - 1, nullptr);
    std::string s(text, n);
    while (!s.empty() && (static_cast<unsigned char>(s.back()) <= ' ' || s.back() == '.'))
        s.pop_back();
    return s;
}

} // namespace velmora::faults
