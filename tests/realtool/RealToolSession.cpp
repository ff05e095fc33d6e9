#include "tests/realtool/RealToolSession.h"
#include "tests/support/PasswordQuestion.h"

namespace velmora::realtool {

using namespace driver;

namespace {

// pdftk runs in Java: a first start on a busy machine takes seconds.
constexpr DWORD ToolRunWaitMs = 60000;

LRESULT Ask(HWND window, UINT message)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer))
        throw DriverError("no answer from " + ClassOf(window) + " to message " + std::to_string(message));
    return static_cast<LRESULT>(answer);
}

bool IsChecked(HWND button)
{
    return Ask(button, BM_GETCHECK) == BST_CHECKED;
}

HWND VisibleTopWindow(DWORD processId, const WindowMatch& match)
{
    HWND window = FindTopWindow(processId, match);
    return window && IsWindowVisible(window) ? window : nullptr;
}

} // namespace

RealToolSession::RealToolSession(FolderName kind) : kind_(kind), folder_(kind), documents_(kind)
{
    const std::string program = CopyInto(VelmoraProgram(), folder_.Path());
    CopyInto(BinPath("bridge/pdftk.exe"), folder_.Path(), "pdftk.exe");
    process_ = std::make_unique<Process>(program, "", folder_.Path());
}

HWND RealToolSession::MainWindow()
{
    if (!main_)
        main_ = WaitForTopWindow(ProcessId(), WindowMatch::Title(kMainTitle));
    return main_;
}

void RealToolSession::Click(const std::string& caption)
{
    ClickButton(WaitForControl(MainWindow(), ControlMatch::Text(caption).AndClass("obj_BUTTON")));
}

HWND RealToolSession::FieldOf(Field field)
{
    const POINT place = testsupport::FieldPlace(field);
    return WaitFor([&] { return FindControlAt(MainWindow(), "obj_EDIT", place.x, place.y); },
                   "the edit box at " + std::to_string(place.x) + ", " + std::to_string(place.y));
}

void RealToolSession::SetField(Field field, const std::string& text)
{
    HWND edit = FieldOf(field);
    SetTextOf(edit, text);
    WaitForText(edit, text);
}

void RealToolSession::SetChecked(const std::string& caption, bool checked)
{
    HWND button = WaitForControl(MainWindow(), ControlMatch::Text(caption));
    if (IsChecked(button) == checked)
        return;
    ClickButton(button);
    WaitUntil([&] { return IsChecked(button) == checked; },
              Quoted(caption) + (checked ? " to be checked" : " to be cleared"));
}

void RealToolSession::ChooseRotation(int index)
{
    HWND combo = WaitForControl(MainWindow(), ControlMatch::Class("obj_COMBOBOX"));
    FocusControl(combo);
    WaitForFocus(combo);
    PressKey(combo, VK_HOME);
    for (int i = 0; i < index; ++i)
        PressKey(combo, VK_DOWN);
    WaitUntil([&] { return Ask(combo, CB_GETCURSEL) == index; },
              "item " + std::to_string(index) + " of the rotation list");
}

void RealToolSession::AnswerPdfDialog(const std::string& path)
{
    HWND dialog = WaitForFileDialog(ProcessId(), kPdfDialogTitle);
    ChooseFile(dialog, path);
    WaitUntilGone(dialog);
}

void RealToolSession::PickPdf(const std::string& path)
{
    // Two buttons read "...": the one beside the PDF file field.
    ClickButton(WaitFor([&] { return FindControlAt(MainWindow(), "obj_BUTTON", 368, 24); }, "the \"...\" button"));
    AnswerPdfDialog(path);
    WaitForText(FieldOf(Field::PdfFile), path);
}

void RealToolSession::ExpectNotice(const std::string& text)
{
    MessageBoxInfo box = WaitForMessageBox(ProcessId(), kMainTitle);
    EXPECT_EQ(box.text, text);
    AnswerMessageBox(box, IDOK);
}

RunOutcome RealToolSession::FinishRun()
{
    RunOutcome outcome;
    const WindowMatch output = WindowMatch::Title("Output").AndClass("obj_Form");
    const WindowMatch notice = WindowMatch::Title(kMainTitle).AndClass("#32770");
    HWND shown = WaitFor(
        [&] {
            HWND window = VisibleTopWindow(ProcessId(), output);
            return window ? window : VisibleTopWindow(ProcessId(), notice);
        },
        "the Output window or the outcome notice", ToolRunWaitMs);
    if (ClassOf(shown) == "obj_Form") {
        outcome.outputShown = true;
        // A run that takes a while shows the window early, its button
        // reading "Cancel"; the whole output is there once it reads "OK".
        HWND ok = WaitForControl(shown, ControlMatch::Text("OK").AndClass("obj_BUTTON"), ToolRunWaitMs);
        outcome.output = TextOf(WaitForControl(shown, ControlMatch::Class("obj_EDIT")));
        ClickButton(ok);
        WaitUntilGone(shown);
    }
    MessageBoxInfo box = WaitForMessageBox(ProcessId(), kMainTitle);
    outcome.notice = box.text;
    AnswerMessageBox(box, IDOK);
    return outcome;
}

std::string RealToolSession::AnswerPasswordQuestion(const std::string& password)
{
    return testsupport::AnswerPasswordQuestion(ProcessId(), MainWindow(), password);
}

bool RealToolSession::IsIdle()
{
    if (!process_->IsRunning())
        return false;
    HWND main = MainWindow();
    if (!IsWindowVisible(main) || !IsWindowEnabled(main))
        return false;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &answer))
        return false;
    for (HWND window : TopWindowsOf(ProcessId()))
        if (window != main && IsWindowVisible(window))
            return false;
    return true;
}

void ExpectSuccess(const RunOutcome& outcome)
{
    EXPECT_EQ(outcome.notice, kSuccess) << "the Output window said:\n" << outcome.output;
}

std::unique_ptr<RealToolSession> RealToolTest::shared_;

void RealToolTest::TearDownTestSuite()
{
    shared_.reset();
}

void RealToolTest::SetUp()
{
    if (shared_) {
        bool idle = false;
        try {
            idle = shared_->IsIdle();
        } catch (const DriverError&) {
        }
        if (!idle || shared_->Kind() != Folders())
            shared_.reset();
    }
    if (!shared_) {
        shared_ = std::make_unique<RealToolSession>(Folders());
        shared_->MainWindow();
    }
}

} // namespace velmora::realtool
