#include "tests/e2e/ActionSteps.h"
#include <gtest/gtest.h>

namespace velmora::e2e {

using namespace driver;

namespace {

struct Place {
    int x;
    int y;
};

Place PlaceOf(Field field)
{
    switch (field) {
    case Field::PdfFile: return {60, 21};
    case Field::Target: return {62, 53};
    case Field::UserPassword: return {400, 96};
    case Field::OwnerPassword: return {402, 140};
    case Field::CatFrom: return {58, 368};
    case Field::CatTo: return {160, 368};
    }
    return {0, 0};
}

} // namespace

HWND FieldOf(VelmoraSession& session, Field field)
{
    const Place place = PlaceOf(field);
    return WaitForControlAt(session.MainWindow(), "obj_EDIT", place.x, place.y);
}

std::string TextOfField(VelmoraSession& session, Field field)
{
    return TextOf(FieldOf(session, field));
}

void TypeIntoField(VelmoraSession& session, Field field, const std::string& text)
{
    HWND edit = FieldOf(session, field);
    FocusControl(edit);
    WaitForFocus(edit);
    PressKey(edit, VK_HOME);
    PressKey(edit, VK_END, true);
    if (text.empty())
        PressKey(edit, VK_DELETE);
    else
        TypeText(edit, text);
    WaitForText(edit, text);
}

HWND PdfFileButton(VelmoraSession& session)
{
    return WaitForControlAt(session.MainWindow(), "obj_BUTTON", 368, 24);
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
    HWND button = session.Control(caption);
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
    HWND combo = WaitForControl(session.MainWindow(), ControlMatch::Class("obj_COMBOBOX"));
    FocusControl(combo);
    WaitForFocus(combo);
    PressKey(combo, VK_HOME);
    for (int i = 0; i < index; ++i)
        PressKey(combo, VK_DOWN);
    WaitUntil([&] { return SelectedItem(combo) == index; }, "item " + std::to_string(index) + " of the rotation list");
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

OutputView WaitForOutput(VelmoraSession& session)
{
    OutputView view;
    view.form = WaitForTopWindow(session.ProcessId(), WindowMatch::Title("Output").AndClass("obj_Form"));
    view.memo = WaitForControl(view.form, ControlMatch::Class("obj_EDIT"));
    view.ok = WaitForControl(view.form, ControlMatch::Text("OK").AndClass("obj_BUTTON"));
    return view;
}

std::string LoggedFolder(const std::string& folder)
{
    std::string path = folder;
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
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
