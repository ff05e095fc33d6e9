#include "tests/faults/FaultSteps.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <algorithm>
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

// Found by class alone, without a message: while the program lays out a
// huge text its window answers nothing, and reading every control's text
// (as a match by text does) would give up on it.
struct ClassSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND child, LPARAM data)
{
    auto* search = reinterpret_cast<ClassSearch*>(data);
    if (ClassOf(child) != search->className)
        return TRUE;
    search->found = child;
    return FALSE;
}

HWND ChildOfClass(HWND parent, const char* className)
{
    ClassSearch search{className, nullptr};
    EnumChildWindows(parent, &MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND OutputMemo(HWND output)
{
    return WaitFor([&] { return ChildOfClass(output, "obj_EDIT"); }, "the Output window's text box");
}

// A run that takes a while shows the window early, its button reading
// "Cancel"; the whole output is there once it reads "OK". The caption is
// read from the system, so a busy program cannot stall the look.
bool RunHasEnded(HWND output)
{
    HWND button = ChildOfClass(output, "obj_BUTTON");
    char caption[16] = {};
    return button && GetWindowTextA(button, caption, sizeof caption) > 0 && std::string(caption) == "OK";
}

} // namespace

HWND PdfFileEdit(e2e::VelmoraSession& session) { return EditAt(session, 60, 21); }
HWND TargetEdit(e2e::VelmoraSession& session) { return EditAt(session, 62, 53); }
HWND UserPasswordEdit(e2e::VelmoraSession& session) { return EditAt(session, 400, 96); }
HWND OwnerPasswordEdit(e2e::VelmoraSession& session) { return EditAt(session, 402, 140); }
HWND CatToEdit(e2e::VelmoraSession& session) { return EditAt(session, 160, 368); }

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
    WaitFor([&] { return RunHasEnded(output); }, "the Output window's OK");
    ClickButton(ChildOfClass(output, "obj_BUTTON"));
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
        if (output && !outcome.outputShown && RunHasEnded(output)) {
            outcome.outputShown = true;
            const DWORD spent = GetTickCount() - start;
            outcome.outputLength = OutputTextLength(output, spent < timeoutMs ? timeoutMs - spent : 1);
            if (readOutput) outcome.outputText = OutputText(output);
            CloseOutputWindow(output);
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
