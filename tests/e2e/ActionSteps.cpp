#include "tests/e2e/ActionSteps.h"
#include <gtest/gtest.h>
#include <map>

namespace velmora::e2e {

using namespace driver;

namespace {

// Finding a control reads the text of every control of the window across
// processes, which takes a while on a busy machine; the main window's
// controls live as long as it does, so each is looked up once.
template <typename Find>
HWND Remembered(VelmoraSession& session, const std::string& key, Find find)
{
    static std::map<std::pair<HWND, std::string>, HWND> known;
    HWND main = session.MainWindow();
    HWND& control = known[{main, key}];
    if (!control || !IsWindow(control) || GetAncestor(control, GA_ROOT) != main)
        control = find();
    return control;
}

} // namespace

HWND FieldOf(VelmoraSession& session, Field field)
{
    const POINT place = testsupport::FieldPlace(field);
    return Remembered(session, "edit " + std::to_string(static_cast<int>(field)),
                      [&] { return WaitForControlAt(session.MainWindow(), "obj_EDIT", place.x, place.y); });
}

HWND ButtonOf(VelmoraSession& session, const std::string& caption)
{
    return Remembered(session, "button " + caption, [&] {
        return WaitForControl(session.MainWindow(), ControlMatch::Text(caption).AndClass("obj_BUTTON"));
    });
}

std::string TextOfField(VelmoraSession& session, Field field)
{
    return TextOf(FieldOf(session, field));
}

void TypeIntoField(VelmoraSession& session, Field field, const std::string& text)
{
    HWND edit = FieldOf(session, field);
    ClearEdit(edit);
    TypeIntoEdit(edit, text);
}

void Press(VelmoraSession& session, const std::string& caption)
{
    ClickButton(ButtonOf(session, caption));
}

HWND PdfFileButton(VelmoraSession& session)
{
    return Remembered(session, "pdf file button",
                      [&] { return WaitForControlAt(session.MainWindow(), "obj_BUTTON", 368, 24); });
}

void PickPdf(VelmoraSession& session, const std::string& path)
{
    ClickButton(PdfFileButton(session));
    AnswerPdfDialog(session, path);
    WaitForText(FieldOf(session, Field::PdfFile), path);
}

std::string MakeDocument(const VelmoraSession& session, const std::string& name)
{
    const std::string path = session.Documents().File(name);
    WriteFileBytes(path, "%PDF-1.4\n%%EOF\n");
    return path;
}

void AnswerPdfDialog(VelmoraSession& session, const std::string& path)
{
    HWND dialog = WaitForFileDialog(session.ProcessId(), kPdfDialogTitle);
    ChooseFile(dialog, path);
    WaitUntilGone(dialog);
}

void CancelPdfDialog(VelmoraSession& session)
{
    HWND dialog = WaitForFileDialog(session.ProcessId(), kPdfDialogTitle);
    CancelFileDialog(dialog);
    WaitUntilGone(dialog);
}

std::string CapturedRun(const VelmoraSession& session, const std::string& arguments)
{
    return "\"" + session.Folder().File("pdftk.exe") + "\" " + arguments + " verbose";
}

StandinRun ExpectRun(VelmoraSession& session, size_t count)
{
    StandinRun run = session.WaitForToolRun(count);
    EXPECT_EQ(session.ToolRuns().size(), count) << "the stand-in ran more often than expected";
    return run;
}

void ExpectNothingRan(VelmoraSession& session, size_t runsBefore)
{
    HWND main = session.MainWindow();
    WaitUntil([&] { return IsWindowEnabled(main); }, "the main window to take input again");
    WaitForMessageLoop(main);
    for (HWND window : TopWindowsOf(session.ProcessId()))
        if (window != main && IsWindowVisible(window))
            ADD_FAILURE() << "still shown: " << ClassOf(window) << " " << Quoted(TextOf(window));
    EXPECT_EQ(session.ToolRuns().size(), runsBefore) << "the stand-in ran";
}

void SetChecked(VelmoraSession& session, const std::string& caption, bool checked)
{
    HWND button = ButtonOf(session, caption);
    if (IsChecked(button) == checked)
        return;
    ClickButton(button);
    WaitUntil([&] { return IsChecked(button) == checked; },
              Quoted(caption) + (checked ? " to be checked" : " to be cleared"));
}

void ClearPermissions(VelmoraSession& session)
{
    for (const char* caption : {"Printing - Top Quality Printing ", "DegradedPrinting - Lower Quality Printing ",
                                "ModifyContents", "Assembly", "CopyContents", "ScreenReaders", "ModifyAnnotations",
                                "FillIn", "AllFeatures - Allows the user to perform all of the above"})
        SetChecked(session, caption, false);
}

void ChooseRotation(VelmoraSession& session, int index)
{
    HWND combo = Remembered(session, "rotation list",
                            [&] { return WaitForControl(session.MainWindow(), ControlMatch::Class("obj_COMBOBOX")); });
    // One key at a time, each checked: a key that went elsewhere while the
    // focus moved is pressed again.
    auto press = [&](WORD key, int wanted) {
        for (int attempt = 1;; ++attempt) {
            ReadyForKeys(combo);
            PressKey(combo, key);
            try {
                WaitUntil([&] { return ComboSelection(combo) == wanted; },
                          "item " + std::to_string(wanted) + " of the rotation list", 3000);
                return;
            } catch (const DriverError&) {
                if (attempt == 3)
                    throw;
            }
        }
    };
    press(VK_HOME, 0);
    for (int i = 1; i <= index; ++i)
        press(VK_DOWN, i);
}

QueryView WaitForQuery(VelmoraSession& session, const std::string& title)
{
    QueryView view;
    view.form = WaitForTopWindow(session.ProcessId(), WindowMatch::Title(title).AndClass("obj_Form"));
    view.prompt = WaitForControl(view.form, ControlMatch::Class("obj_STATIC"));
    view.edit = WaitForControl(view.form, ControlMatch::Class("obj_EDIT"));
    view.ok = WaitForControl(view.form, ControlMatch::Text("OK").AndClass("obj_BUTTON"));
    view.cancel = WaitForControl(view.form, ControlMatch::Text("Cancel").AndClass("obj_BUTTON"));
    return view;
}

OutputView WaitForOutput(VelmoraSession& session, const std::string& button)
{
    OutputView view;
    view.form = WaitForTopWindow(session.ProcessId(), WindowMatch::Title("Output").AndClass("obj_Form"));
    view.memo = WaitForControl(view.form, ControlMatch::Class("obj_EDIT"));
    view.ok = WaitForControl(view.form, ControlMatch::Text(button).AndClass("obj_BUTTON"));
    return view;
}

bool IsIdle(VelmoraSession& session)
{
    if (!session.Program().IsRunning())
        return false;
    HWND main = session.MainWindow();
    if (!IsWindowVisible(main) || !IsWindowEnabled(main))
        return false;
    WaitForMessageLoop(main);
    for (HWND window : TopWindowsOf(session.ProcessId()))
        if (window != main && IsWindowVisible(window))
            return false;
    return true;
}

std::unique_ptr<VelmoraSession> SharedSessionTest::shared_;

void SharedSessionTest::TearDownTestSuite()
{
    shared_.reset();
}

void SharedSessionTest::SetUp()
{
    if (shared_) {
        bool idle = false;
        try {
            idle = IsIdle(*shared_);
        } catch (const DriverError&) {
        }
        if (!idle)
            shared_.reset();
    }
    if (!shared_) {
        shared_ = std::make_unique<VelmoraSession>(Options());
        shared_->MainWindow();
    } else {
        shared_->SetTool(Options().tool);
    }
}

} // namespace velmora::e2e
