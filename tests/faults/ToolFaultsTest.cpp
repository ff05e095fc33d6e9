// The tool missing, vanishing, crashing, killed, flooding its output or
// failing with only an error text: every time the user is told plainly and
// the program goes on.
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include "tests/support/PasswordQuestion.h"
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

const char kCancelled[] = "Cancelled: pdftk was stopped before it finished.";

// Decrypt with a stand-in that writes the start of its target and then works
// on for two minutes; gives the Output window once it shows the first line.
HWND StartSlowDecrypt(DecryptingSession& run, const std::string& target)
{
    run.session->SetTool({{"out", "Adding page 1\\n"}, {"write", target}, {"sleep", "120000"}});
    run.Decrypt();
    HWND output = WaitForOutputWindow(run.session->ProcessId());
    WaitForText(WaitForControl(output, ControlMatch::Class("obj_EDIT")), "Adding page 1\n");
    WaitUntil([&] { return FileExists(target); }, "the stand-in to begin " + target);
    return output;
}

// The user stopped a slow run in one way or another: the tool is gone, the
// half-written target too, and the notice says the run was cancelled.
void ExpectCancelled(FaultRecord& row, DecryptingSession& run, const std::string& target)
{
    Outcome outcome = AwaitOutcome(run.session->ProcessId());
    row.Saw("notice: " + outcome.notice);
    const bool toolGone = FindChildProcess(run.session->ProcessId(), "pdftk.exe") == 0;
    row.Saw(toolGone ? "pdftk.exe gone from the process list" : "pdftk.exe still running");
    row.Saw(FileExists(target) ? "the partial target is still there" : "the partial target removed");
    EXPECT_EQ(outcome.notice, kCancelled);
    EXPECT_TRUE(toolGone);
    EXPECT_FALSE(FileExists(target));
    EXPECT_TRUE(Responds(run.session->MainWindow()));
    EXPECT_TRUE(run.InputUnchanged());
}

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
    // The notice repeats why, for a user who has closed the Output window.
    EXPECT_EQ(outcome.notice, ExitNotice(3) + "\r\nError: Unable to find file.");
    EXPECT_TRUE(run.InputUnchanged());
}

TEST(ToolFaults, SlowRunCancelledByTheButtonEscapeOrCloseBox)
{
    struct Way {
        const char* name;
        const char* done;
        void (*cancel)(HWND output);
    };
    const Way ways[] = {
        {"run cancelled by the button", "slow Decrypt (the stand-in writes the start of its target, then "
                                        "sleeps); Cancel pressed in the Output window",
         [](HWND output) { ClickButton(FindControl(output, ControlMatch::Text("Cancel").AndClass("obj_BUTTON"))); }},
        {"run cancelled by Escape", "slow Decrypt (the stand-in writes the start of its target, then "
                                    "sleeps); Escape pressed in the Output window",
         [](HWND output) { PressEscape(output); }},
        {"run cancelled by the close box", "slow Decrypt (the stand-in writes the start of its target, then "
                                           "sleeps); the Output window's close box pressed",
         [](HWND output) { PressCloseBox(output); }},
    };
    DecryptingSession run;
    const std::string target = TextOf(TargetEdit(*run.session));
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        FaultRecord row(way.name, way.done);
        way.cancel(StartSlowDecrypt(run, target));
        ExpectCancelled(row, run, target);
    }
}

// The open password of a protected input goes to pdftk on its standard
// input, never on the command line nor into the Output window.
TEST(ToolFaults, OpenPasswordReachesTheToolOnlyOnItsStandardInput)
{
    const std::string password = "s3cret pw";
    FaultRecord row("password absent from command line and Output window",
                    "stand-in pdftk whose input needs the open password \"" + password +
                        "\"; Decrypt with the owner password field empty, the password typed into the question");
    DecryptingSession run({{"password", password}, {"out", "Done.\\r\\n"}});
    run.Decrypt();
    velmora::testsupport::AnswerPasswordQuestion(run.session->ProcessId(), run.session->MainWindow(), password);
    Outcome outcome = AwaitOutcome(run.session->ProcessId());
    row.Saw("notice: " + outcome.notice);
    EXPECT_EQ(outcome.notice, kSuccess);

    const std::vector<StandinRun> runs = run.session->ToolRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NE(runs[1].commandLine.find("\" input_pw PROMPT output \""), std::string::npos) << runs[1].commandLine;
    EXPECT_EQ(runs[1].input, std::vector<std::string>{password});
    bool anywhere = outcome.outputText.find(password) != std::string::npos;
    for (const StandinRun& tool : runs)
        anywhere = anywhere || tool.commandLine.find(password) != std::string::npos;
    EXPECT_FALSE(anywhere);
    const size_t prompt = runs[1].commandLine.find("\" input_pw");
    std::string shown = runs[1].commandLine.substr(prompt == std::string::npos ? 0 : prompt);
    const size_t folder = shown.find(run.documents.Path());
    if (folder != std::string::npos)
        shown.replace(folder, run.documents.Path().size(), "<folder>");
    row.Saw("the second run's command line: ..." + shown +
            "; its standard input: " + (runs[1].input.empty() ? "nothing" : "\"" + runs[1].input[0] + "\"") +
            "; the password " + (anywhere ? "FOUND" : "in neither command line nor the Output window"));
}

TEST(ToolFaults, SessionEndDuringARunEndsToolAndProgram)
{
    FaultRecord row("session ends during a run", "slow Decrypt running; WM_QUERYENDSESSION, then "
                                                 "WM_ENDSESSION (TRUE) sent to the main window");
    DecryptingSession run;
    const std::string target = TextOf(TargetEdit(*run.session));
    StartSlowDecrypt(run, target);
    HWND main = run.session->MainWindow();
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
    row.Saw("WM_QUERYENDSESSION answered " + std::string(answer ? "TRUE" : "FALSE"));
    EXPECT_TRUE(answer);
    Sleep(500);
    EXPECT_TRUE(FindChildProcess(run.session->ProcessId(), "pdftk.exe") != 0)
        << "the run ended before the session's end was certain";
    SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 10000, &answer);
    const bool toolGone = FindChildProcess(run.session->ProcessId(), "pdftk.exe") == 0;
    row.Saw(toolGone ? "pdftk.exe gone when WM_ENDSESSION returned" : "pdftk.exe still running");
    EXPECT_TRUE(toolGone);
    const DWORD code = run.session->Program().WaitForExit();
    row.Saw("the program ended by itself (exit code " + std::to_string(code) + "), no notice");
    EXPECT_FALSE(FileExists(target));
}
