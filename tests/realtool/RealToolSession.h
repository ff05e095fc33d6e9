#pragma once
// Velmora with the bridge to the real pdftk beside it: the program and the
// bridge copied as pdftk.exe into a fresh folder, started from there, and the
// steps a person takes in its windows to run one action to its end.
#include "tests/support/MainWindowFields.h"
#include "tools/driver/Driver.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace velmora::realtool {

inline constexpr char kMainTitle[] = "Velmora version 0.49 by Orvandel Freeware ";
inline constexpr char kPdfDialogTitle[] = "Choose the PDF file";
inline constexpr char kSuccess[] = "Successful executed";

// The main window's edit boxes, which have no caption to find them by.
using testsupport::Field;

// What one run of the tool showed the user.
struct RunOutcome {
    bool outputShown = false;
    std::string output;   // the Output window's text
    std::string notice;   // the outcome notice's text
};

class RealToolSession {
public:
    // Both folders (the program's and the documents') named as kind says.
    explicit RealToolSession(driver::FolderName kind = driver::FolderName::Plain);

    driver::FolderName Kind() const { return kind_; }

    const driver::TempFolder& Documents() const { return documents_; }
    DWORD ProcessId() const { return process_->Id(); }
    HWND MainWindow();

    // Presses the main window's button with this caption.
    void Click(const std::string& caption);
    HWND FieldOf(Field field);
    void SetField(Field field, const std::string& text);
    // Checks or clears a check box, or selects a radio button, by clicking it.
    void SetChecked(const std::string& caption, bool checked);
    // Selects item index of the rotation list with the keyboard.
    void ChooseRotation(int index);

    // Waits for the PDF file dialog and chooses path in it.
    void AnswerPdfDialog(const std::string& path);
    // "..." beside the PDF file field: picks path, waits until the field shows it.
    void PickPdf(const std::string& path);
    // Waits for the notice titled with the main window's caption, checks its
    // text, presses OK.
    void ExpectNotice(const std::string& text);

    // After an action was started: waits for the tool's end, reads and closes
    // the Output window when it comes, then reads and closes the outcome
    // notice.
    RunOutcome FinishRun();

    // Waits for the question for an input's open password (the query titled
    // with the main window's caption) and gives its prompt; types password
    // and presses OK, or presses Cancel when password is empty.
    std::string AnswerPasswordQuestion(const std::string& password);

    // Running, only the main window shown, taking messages.
    bool IsIdle();

private:
    driver::FolderName kind_;
    driver::TempFolder folder_;
    driver::TempFolder documents_;
    std::unique_ptr<driver::Process> process_;
    HWND main_ = nullptr;
};

// Tests of one program share one running Velmora, since each start costs
// about a second. A test that leaves it otherwise than idle (a failure with a
// dialog up) makes the next test start a fresh one.
class RealToolTest : public ::testing::Test {
protected:
    static void TearDownTestSuite();
    void SetUp() override;
    // How the folders of the session this suite needs are named.
    virtual driver::FolderName Folders() const { return driver::FolderName::Plain; }
    RealToolSession& Session() { return *shared_; }
    std::string Document(const std::string& name) { return shared_->Documents().File(name); }

private:
    static std::unique_ptr<RealToolSession> shared_;
};

// The notice of a successful run; otherwise a failure that shows what the
// Output window said.
void ExpectSuccess(const RunOutcome& outcome);

} // namespace velmora::realtool
