#pragma once
// Steps of the action tests: the main window's fields, the PDF file dialog,
// the Output window, and what the stand-in pdftk.exe was asked to do.
#include "tests/support/MainWindowFields.h"
#include "tests/e2e/VelmoraSession.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace velmora::e2e {

inline constexpr char kPdfDialogTitle[] = "Choose the PDF file";
inline constexpr char kSuccessNotice[] = "Successful executed";
inline constexpr char kDescriptionTitle[] = "Description";

// The main window's edit boxes, which have no caption to find them by.
using testsupport::Field;
HWND FieldOf(VelmoraSession& session, Field field);
std::string TextOfField(VelmoraSession& session, Field field);
// Clicks into the field, clears it and types text, with real keys, each
// checked on arrival.
void TypeIntoField(VelmoraSession& session, Field field, const std::string& text);

// A button (check box, radio button) of the main window by its caption.
HWND ButtonOf(VelmoraSession& session, const std::string& caption);
// Clicks the main window's button with this caption.
void Press(VelmoraSession& session, const std::string& caption);

// The "..." beside the PDF file field (the one beside Target looks the same).
HWND PdfFileButton(VelmoraSession& session);
// Picks path with "..." and waits until the PDF file field shows it.
void PickPdf(VelmoraSession& session, const std::string& path);

// Writes a small PDF named name into the session's Documents folder; gives
// its full path.
std::string MakeDocument(const VelmoraSession& session, const std::string& name);

// Waits for the PDF file dialog, answers it with path and waits until it is gone.
void AnswerPdfDialog(VelmoraSession& session, const std::string& path);
// Waits for the PDF file dialog and cancels it.
void CancelPdfDialog(VelmoraSession& session);

// The command line the stand-in receives from the tool runner: the tool's
// full path in double quotes, a blank, the arguments and " verbose".
std::string CapturedRun(const VelmoraSession& session, const std::string& arguments);

// Waits for the stand-in's run number count (1-based), checks that it is the
// last, and gives it.
driver::StandinRun ExpectRun(VelmoraSession& session, size_t count);

// The program is back in its main loop with nothing shown but the main
// window, and the stand-in has still logged only runsBefore runs.
void ExpectNothingRan(VelmoraSession& session, size_t runsBefore);

// Checks or clears the check box (or selects the radio button) with this
// caption by clicking it, when it is not so already.
void SetChecked(VelmoraSession& session, const std::string& caption, bool checked = true);
// Clears all nine permission boxes.
void ClearPermissions(VelmoraSession& session);

// Selects item index of the rotation list with the keyboard.
void ChooseRotation(VelmoraSession& session, int index);

// The input query dialog's parts.
struct QueryView {
    HWND form = nullptr;
    HWND prompt = nullptr;
    HWND edit = nullptr;
    HWND ok = nullptr;
    HWND cancel = nullptr;
};
// Waits until the query dialog titled title is shown.
QueryView WaitForQuery(VelmoraSession& session, const std::string& title);

// The Output window's parts.
struct OutputView {
    HWND form = nullptr;
    HWND memo = nullptr;
    HWND ok = nullptr;
};
// Waits until the Output window is shown with its button reading button
// ("Cancel" while the tool still runs).
OutputView WaitForOutput(VelmoraSession& session, const std::string& button = "OK");

// A suite whose tests share one running program, since each start costs
// seconds. Each test gets the program idle, with only its main window
// shown and the stand-in told what Options() says; a program that an
// earlier test left otherwise (a failed test, a dialog still up) is ended
// and started anew. Tests set every field they depend on themselves.
class SharedSessionTest : public ::testing::Test {
protected:
    static void TearDownTestSuite();
    void SetUp() override;
    // What a fresh program is started with.
    virtual SessionOptions Options() const { return {}; }
    VelmoraSession& Session() { return *shared_; }
    // Runs the stand-in has logged so far.
    size_t RunsSoFar() { return Session().ToolRuns().size(); }

private:
    static std::unique_ptr<VelmoraSession> shared_;
};

// True when the program runs and only its main window is shown, taking input.
bool IsIdle(VelmoraSession& session);

} // namespace velmora::e2e
