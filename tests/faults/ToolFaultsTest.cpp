// The tool missing, vanishing, crashing, killed, flooding its output or
// failing with only an error text: every time the user is told plainly and
// the program goes on.
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::faults;

namespace {

const char kSuccess[] = "Successful executed";

// A running program with doc.pdf on its command line, so that "Decrypt the
// PDF file" runs the tool at once, without a dialog.
struct DecryptingSession {
    TempFolder documents;
    std::string document = documents.File("doc.pdf");
    std::unique_ptr<VelmoraSession> session;

    explicit DecryptingSession(std::vector<StandinStep> tool = {})
    {
        WriteFileBytes(document, "%PDF-1.4 stand-in input\n");
        SessionOptions options = WithDocument(document);
        options.tool = std::move(tool);
        session = std::make_unique<VelmoraSession>(options);
        session->MainWindow();
    }
    void Decrypt() { session->Click("Decrypt the PDF file"); }
    bool InputUnchanged() const { return ReadFileBytes(document) == "%PDF-1.4 stand-in input\n"; }
};

std::string ExitNotice(DWORD code)
{
    return "pdftk reported an error (exit code " + std::to_string(code) + ")";
}

} // namespace

TEST(ToolFaults, MissingAtStartIsToldAndNoMainWindowShows)
{
    FaultRecord row("tool missing at start", "started velmora.exe with no pdftk.exe beside it");
    SessionOptions options;
    options.withTool = false;
    VelmoraSession session(options);
    MessageBoxInfo box = WaitForMessageBox(session.ProcessId(), kMainTitle);
    row.Saw("notice: " + box.text);
    EXPECT_EQ(box.text.rfind("ERROR: PDFTK not found. More infos on my site. ", 0), 0u) << box.text;
    HWND main = FindTopWindow(session.ProcessId(), WindowMatch::Title(kMainTitle).AndClass("obj_Form"));
    EXPECT_FALSE(main && IsWindowVisible(main));
    AnswerMessageBox(box, IDOK);
    DWORD code = session.Program().WaitForExit();
    row.Saw("exit code " + std::to_string(code) + ", main window never shown");
    EXPECT_EQ(code, 1u);
}

TEST(ToolFaults, DeletedAfterStartGivesTheSystemsFileNotFoundText)
{
    FaultRecord row("tool deleted after start", "deleted pdftk.exe while the main window was up, then Decrypt");
    DecryptingSession run;
    ASSERT_TRUE(DeleteFileA(run.session->Folder().File("pdftk.exe").c_str()));
    run.Decrypt();
    Outcome outcome = AwaitOutcome(run.session->ProcessId());
    row.Saw(outcome.outputShown ? "Output window shown" : "no Output window");
    row.Saw("notice: " + outcome.notice);
    row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess);
    EXPECT_FALSE(outcome.outputShown);
    EXPECT_EQ(outcome.notice, SystemText(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(Responds(run.session->MainWindow()));
    EXPECT_TRUE(run.InputUnchanged());
}

TEST(ToolFaults, CrashingToolIsAFailureWithItsExitCode)
{
    FaultRecord row("tool crashes", "stand-in ends with an access violation during Decrypt");
    DecryptingSession run(std::vector<StandinStep>{{"crash", "1"}});
    run.Decrypt();
    bool crashDialog = false;
    Outcome outcome = AwaitOutcome(run.session->ProcessId(), 60000, false, [&] { crashDialog |= CloseCrashDialogs(); });
    if (crashDialog) row.Saw("Wine's crash dialog for pdftk.exe (closed by the test)");
    row.Saw("notice: " + outcome.notice);
    row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess);
    EXPECT_EQ(outcome.notice.rfind("pdftk reported an error (exit code ", 0), 0u) << outcome.notice;
    EXPECT_NE(outcome.notice, kSuccess);
    EXPECT_TRUE(Responds(run.session->MainWindow()));
    EXPECT_TRUE(run.InputUnchanged());
}

TEST(ToolFaults, ToolKilledWhileTheWindowWaitsIsAFailureAndTheWindowComesBack)
{
    FaultRecord row("tool killed while running",
                    "stand-in sleeps in Decrypt; the test finds it by a process snapshot and ends it with TerminateProcess (code 9)");
    DecryptingSession run(std::vector<StandinStep>{{"out", "started\\n"}, {"sleep", "120000"}});
    run.Decrypt();
    run.session->WaitForToolRun();
    DWORD tool = WaitFor([&] { return FindChildProcess(run.session->ProcessId(), "pdftk.exe"); }, "the running pdftk.exe");
    HANDLE handle = OpenProcess(PROCESS_TERMINATE, FALSE, tool);
    ASSERT_NE(handle, nullptr);
    ASSERT_TRUE(TerminateProcess(handle, 9));
    CloseHandle(handle);

    Outcome outcome = AwaitOutcome(run.session->ProcessId());
    row.Saw(outcome.outputShown ? "Output window with \"" + outcome.outputText + "\"" : "no Output window");
    row.Saw("notice: " + outcome.notice);
    row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess);
    EXPECT_EQ(outcome.notice, ExitNotice(9));
    EXPECT_TRUE(Responds(run.session->MainWindow()));
    run.session->Click("About");
    MessageBoxInfo about = WaitForMessageBox(run.session->ProcessId(), "Description");
    AnswerMessageBox(about, IDOK);
    row.Saw("the About box opens afterwards");
}

TEST(ToolFaults, HugeOutputIsShownWholeAndTheRunSucceeds)
{
    // 100 MB goes through the pipe in a few seconds under Wine; most of the
    // minute this takes is Wine's edit control laying out the text.
    const size_t size = 100u * 1024 * 1024;
    const DWORD limitMs = 180000;
    FaultRecord row("tool writes 100 MB", "stand-in writes 100 MB to standard output during Decrypt");
    DecryptingSession run(std::vector<StandinStep>{{"bytes", std::to_string(size)}});
    const DWORD start = GetTickCount();
    run.Decrypt();
    Outcome outcome = AwaitOutcome(run.session->ProcessId(), limitMs, false);
    const DWORD spent = GetTickCount() - start;
    std::cout << "100 MB run: " << spent << " ms from the click to the notice\n";
    row.Saw(outcome.outputShown ? "Output window with all " + std::to_string(outcome.outputLength) + " bytes"
                                : "no Output window");
    row.Saw("notice: " + outcome.notice);
    row.Saw("done within " + std::to_string(limitMs / 1000) + " s");
    EXPECT_TRUE(outcome.outputShown);
    EXPECT_EQ(outcome.outputLength, size);
    EXPECT_EQ(outcome.notice, kSuccess);
    EXPECT_TRUE(Responds(run.session->MainWindow()));
}

TEST(ToolFaults, ErrorTextOnlyOnStandardErrorIsShownAndTheRunFails)
{
    FaultRecord row("tool fails with text on standard error only",
                    "stand-in writes an error line to standard error and exits with 3 during Decrypt");
    DecryptingSession run(std::vector<StandinStep>{{"err", "Error: Unable to find file.\\n"}, {"exit", "3"}});
    run.Decrypt();
    Outcome outcome = AwaitOutcome(run.session->ProcessId());
    row.Saw(outcome.outputShown ? "Output window with \"" + outcome.outputText + "\"" : "no Output window");
    row.Saw("notice: " + outcome.notice);
    row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess);
    EXPECT_TRUE(outcome.outputShown);
    EXPECT_NE(outcome.outputText.find("Error: Unable to find file."), std::string::npos) << outcome.outputText;
    EXPECT_EQ(outcome.notice, ExitNotice(3));
    EXPECT_TRUE(run.InputUnchanged());
}
