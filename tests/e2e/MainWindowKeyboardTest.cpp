// The main window under a person's hands: Tab through every control both
// ways, the two radio groups, typing into the fields, the buttons that open
// nothing or the About box, and Alt+F4. One program run serves the suite.
#include "tests/e2e/MainWindowControls.h"
#include "tests/e2e/VelmoraSession.h"
#include <gtest/gtest.h>
#include <memory>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

// The order in which Tab moves the focus, starting after the control that
// holds it when the window opens.
const std::vector<std::string> kTabSequence = {
    "UserPasswordEdit", "OwnerPasswordEdit", "EncryptButton", "AboutButton", "DecryptButton", "CatFromEdit",
    "CatToEdit", "AllPagesRadio", "EvenPagesRadio", "OddPagesRadio", "RotationCombo", "PdfFileEdit",
    "ChoosePdfButton", "TargetEdit", "ChooseTargetButton", "CloseButton", "Encrypt40Radio", "Encrypt128Radio",
    "PrintingCheck", "DegradedPrintingCheck", "ModifyContentsCheck", "AssemblyCheck", "CopyContentsCheck",
    "ScreenReadersCheck", "ModifyAnnotationsCheck", "FillInCheck", "AllFeaturesCheck", "BurstButton",
    "CompressButton", "UncompressButton", "DumpButton", "CatButton", "RemoveButton", "RepairButton", "JoinButton",
    "MergeButton", "RotateButton",
};

class MainWindowKeyboard : public testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<VelmoraSession>(); }
    static void TearDownTestSuite() { session_.reset(); }

    void SetUp() override
    {
        ASSERT_NE(session_, nullptr);
        main_ = session_->MainWindow();
        BringToFront(main_);
    }

    HWND Field(const std::string& name) { return FieldWindow(main_, name); }

    // Which radio buttons show their mark, in table order.
    std::string CheckedRadios()
    {
        std::string checked;
        for (const char* radio : {"Encrypt40Radio", "Encrypt128Radio", "AllPagesRadio", "EvenPagesRadio", "OddPagesRadio"})
            if (IsChecked(Field(radio)))
                checked += std::string(checked.empty() ? "" : " ") + radio;
        return checked;
    }

    // Types into a field that has the focus; Tab afterwards moves on, and once
    // the focus has arrived every key before it has been handled.
    std::string TypeAndLeave(const std::string& field, const std::string& text, const std::string& next)
    {
        FocusControl(Field(field));
        WaitForFocus(Field(field));
        TypeText(main_, text);
        PressTab(main_);
        WaitForFocus(Field(next));
        return TextOf(Field(field));
    }

    // Tab (or Shift+Tab) and the focus arriving on field, or which step failed.
    testing::AssertionResult KeyMovesFocusTo(bool back, const std::string& field)
    {
        try {
            PressKey(main_, VK_TAB, back);
            WaitForFocus(Field(field));
            return testing::AssertionSuccess();
        } catch (const DriverError& error) {
            return testing::AssertionFailure() << (back ? "Shift+Tab to " : "Tab to ") << field << ": " << error.what();
        }
    }

    static inline std::unique_ptr<VelmoraSession> session_;
    HWND main_ = nullptr;
};

TEST_F(MainWindowKeyboard, TabWalksEveryControlInOrderAndShiftTabWalksBack)
{
    const std::string startRadios = CheckedRadios();
    WaitForFocus(Field("PdfFileEdit"));

    // From the window's first focus, once round and back to it.
    std::vector<std::string> forward(kTabSequence.begin() + 12, kTabSequence.end());
    forward.insert(forward.end(), kTabSequence.begin(), kTabSequence.begin() + 12);
    for (const std::string& field : forward)
        ASSERT_TRUE(KeyMovesFocusTo(false, field));
    for (auto field = forward.rbegin() + 1; field != forward.rend(); ++field)
        ASSERT_TRUE(KeyMovesFocusTo(true, *field));
    ASSERT_TRUE(KeyMovesFocusTo(true, "PdfFileEdit"));

    // Landing on a radio button with Tab does not choose it.
    EXPECT_EQ(CheckedRadios(), startRadios);
}

TEST_F(MainWindowKeyboard, RadioGroupsChooseIndependently)
{
    EXPECT_EQ(CheckedRadios(), "Encrypt128Radio AllPagesRadio");
    ClickButton(Field("EvenPagesRadio"));
    WaitUntil([&] { return IsChecked(Field("EvenPagesRadio")); }, "even checked");
    EXPECT_EQ(CheckedRadios(), "Encrypt128Radio EvenPagesRadio");

    ClickButton(Field("Encrypt40Radio"));
    WaitUntil([&] { return IsChecked(Field("Encrypt40Radio")); }, "40 bit checked");
    EXPECT_EQ(CheckedRadios(), "Encrypt40Radio EvenPagesRadio");

    ClickButton(Field("OddPagesRadio"));
    WaitUntil([&] { return IsChecked(Field("OddPagesRadio")); }, "odd checked");
    EXPECT_EQ(CheckedRadios(), "Encrypt40Radio OddPagesRadio");

    ClickButton(Field("Encrypt128Radio"));
    ClickButton(Field("AllPagesRadio"));
    WaitUntil([&] { return IsChecked(Field("AllPagesRadio")); }, "all checked");
    EXPECT_EQ(CheckedRadios(), "Encrypt128Radio AllPagesRadio");
}

TEST_F(MainWindowKeyboard, TypingReachesOnlyTheFieldsThatTakeIt)
{
    EXPECT_EQ(TypeAndLeave("PdfFileEdit", "C:\\typed.pdf", "ChoosePdfButton"), "") << "the PDF field is read-only";

    SetTextOf(Field("CatFromEdit"), "");
    EXPECT_EQ(TypeAndLeave("CatFromEdit", "a1b2-3x", "CatToEdit"), "123") << "the first page takes digits only";
    EXPECT_EQ(TypeAndLeave("CatToEdit", "end 9", "AllPagesRadio"), "end 9");

    // Passwords show in clear: what is typed is what the field holds.
    EXPECT_EQ(TypeAndLeave("UserPasswordEdit", "Geheim \xDC 1", "OwnerPasswordEdit"), "Geheim \xDC 1");
    EXPECT_EQ(TypeAndLeave("TargetEdit", "C:\\out.pdf", "ChooseTargetButton"), "C:\\out.pdf");
}

// The save dialog opens on the field's text, asks before an existing file
// is named, and writes nothing itself: the name goes into the field.
TEST_F(MainWindowKeyboard, TheDotsBesideTargetChooseTheTargetInASaveDialog)
{
    TempFolder folder;
    const std::string existing = folder.File("taken.pdf");
    WriteFileBytes(existing, "%PDF-1.4 kept\n");
    SetTextOf(Field("TargetEdit"), folder.File("proposed.pdf"));
    ClickButton(Field("ChooseTargetButton"));
    HWND dialog = WaitForFileDialog(session_->ProcessId(), "Choose the target PDF file");
    EXPECT_EQ(TextOf(FileNameEdit(dialog)), "proposed.pdf");
    ChooseFile(dialog, existing);
    EXPECT_EQ(AnswerOverwritePrompt(dialog, IDYES), "File already exists.\nDo you want to replace it?");
    WaitUntilGone(dialog);
    EXPECT_EQ(TextOf(Field("TargetEdit")), existing);
    EXPECT_EQ(ReadFileBytes(existing), "%PDF-1.4 kept\n");
    EXPECT_TRUE(IsWindowEnabled(main_));

    // A name the 8-bit field cannot hold is refused at the choice, saying why;
    // the field keeps what it had.
    ClickButton(Field("ChooseTargetButton"));
    dialog = WaitForFileDialog(session_->ProcessId(), "Choose the target PDF file");
    ChooseFile(dialog, L"\u041E\u0442\u0447\u0451\u0442-2024.pdf");
    WaitUntilGone(dialog);
    MessageBoxInfo refusal = WaitForMessageBox(session_->ProcessId(), kMainTitle);
    EXPECT_EQ(refusal.text.rfind("The Target field cannot hold this name: it has characters that the system's code "
                                 "page lacks.\r\n", 0), 0u) << refusal.text;
    EXPECT_NE(refusal.text.find("\\????" "?-2024.pdf\r\nChoose another name for the target."), std::string::npos)
        << refusal.text;
    AnswerMessageBox(refusal, IDOK);
    EXPECT_EQ(TextOf(Field("TargetEdit")), existing);
}

TEST_F(MainWindowKeyboard, AboutTellsTheProgramAndItsSiteInAnInformationBox)
{
    session_->Click("About");
    MessageBoxInfo about = WaitForMessageBox(session_->ProcessId(), "Description");
    EXPECT_EQ(about.icon, MessageIcon::Information);
    EXPECT_EQ(about.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(about.owner, main_);
    EXPECT_FALSE(IsWindowEnabled(main_)) << "the box is modal to the main window";

    const size_t lineBreak = about.text.find("\r\n");
    ASSERT_NE(lineBreak, std::string::npos) << about.text;
    const std::string first = about.text.substr(0, lineBreak);
    const std::string second = about.text.substr(lineBreak + 2);
    EXPECT_NE(first.find("pdftk"), std::string::npos) << first;
    EXPECT_NE(first.find("0.93"), std::string::npos) << first;
    EXPECT_EQ(second.find("\r\n"), std::string::npos) << "two lines";
    EXPECT_NE(second.find("http"), std::string::npos) << second;

    AnswerMessageBox(about, IDOK);
    WaitUntil([&] { return IsWindowEnabled(main_); }, "the main window enabled again");
}

TEST_F(MainWindowKeyboard, AltF4EndsTheProgramWithExitCodeZero)
{
    PressKeyWith(main_, VK_MENU, VK_F4);
    WaitUntilGone(main_);
    EXPECT_EQ(session_->Program().WaitForExit(), 0u);
}

} // namespace
