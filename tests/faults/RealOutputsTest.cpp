// Where the real pdftk's files land and what becomes of files already there:
// the program's questions and refusals judged by the files themselves.
#include "ops/ProcessExecution.h"
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include "tests/support/PdfMaker.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::faults;

namespace {

const DWORD kToolLimitMs = 120000;
const char kSuccess[] = "Successful executed";

// The program fixed where its tool lies at start; from now on the real one
// (the bridge to Debian's pdftk). Gives the tool's path.
std::string UseRealTool(VelmoraSession& session)
{
    session.MainWindow();
    const std::string tool = session.Folder().File("pdftk.exe");
    EXPECT_TRUE(CopyFileA(BinPath("bridge/pdftk.exe").c_str(), tool.c_str(), FALSE));
    return tool;
}

// The page count pdftk reads from pdf; -1 when it cannot open it.
int PagesOf(const std::string& tool, const std::string& pdf, const std::string& password = "")
{
    std::string arguments = velmora::QuoteArgument(pdf);
    if (!password.empty()) arguments += " input_pw " + velmora::QuoteArgument(password);
    velmora::ProcessResult dump = velmora::RunCaptured(tool, arguments + " dump_data", "", 0, kToolLimitMs);
    const size_t at = dump.output.find("NumberOfPages: ");
    if (!dump.ended || dump.exitCode != 0 || at == std::string::npos)
        return -1;
    return std::atoi(dump.output.c_str() + at + 15);
}

std::string MakePdf(const std::string& path, int pages)
{
    EXPECT_TRUE(velmora::test::WritePdf(path, velmora::test::UniformPdf(pages))) << path;
    return ReadFileBytes(path);
}

// Presses an action button and answers the PDF file dialog with input (after
// the description burst shows first).
void RunOn(VelmoraSession& session, const std::string& button, const std::string& input)
{
    session.Click(button);
    if (button == "Burst a PDF")
        TakeNotice(session.ProcessId());
    HWND dialog = WaitForFileDialog(session.ProcessId(), "Choose the PDF file");
    ChooseFile(dialog, input);
    WaitUntilGone(dialog);
}

// The names in folder, "." and ".." left out.
std::vector<std::string> Listing(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Answers the query of Remove with typed.
void AnswerRemoveQuery(VelmoraSession& session, const std::string& typed)
{
    HWND query = WaitForTopWindow(session.ProcessId(), WindowMatch::Title("Remove page").AndClass("obj_Form"));
    SetTextOf(WaitForControl(query, ControlMatch::Class("obj_EDIT")), typed);
    ClickButton(WaitForControl(query, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
}

// Pages 100 + n points wide, so that pdftk's report tells which are left.
std::string MakeNumberedPdf(const std::string& path, int pages)
{
    velmora::test::PdfSpec spec;
    for (int page = 1; page <= pages; ++page)
        spec.pages.push_back({100.0 + page, 200});
    EXPECT_TRUE(velmora::test::WritePdf(path, spec)) << path;
    return ReadFileBytes(path);
}

// The numbers of the pages of a file MakeNumberedPdf made, read by pdftk.
std::string PagesLeft(const std::string& tool, const std::string& pdf)
{
    const std::string key = "PageMediaDimensions: ";
    const std::string report = velmora::RunCaptured(tool, velmora::QuoteArgument(pdf) + " dump_data", "", 0,
                                                    kToolLimitMs).output;
    std::string pages;
    for (size_t at = report.find(key); at != std::string::npos; at = report.find(key, at + 1))
        pages += (pages.empty() ? "" : " ") + std::to_string(std::atoi(report.c_str() + at + key.size()) - 100);
    return pages;
}

} // namespace

TEST(RealOutputs, RemoveTakesAwayThePagesTypedAndKeepsAtLeastOne)
{
    FaultRecord row("remove of typed pages",
                    "real pdftk: Remove on a 15-page PDF answered with \"13\", \"2-4 9\", \"end\", the proposal "
                    "\"A1-12 A14-end\", then \"1-end\"");
    TempFolder documents;
    const std::string input = documents.File("fifteen.pdf");
    const std::string original = MakeNumberedPdf(input, 15);
    const std::string output = documents.File("fifteen_remove.pdf");
    VelmoraSession session(WithDocument(input));
    const std::string tool = UseRealTool(session);

    struct Attempt { const char* typed; const char* left; };
    for (const Attempt& attempt : {Attempt{"13", "1 2 3 4 5 6 7 8 9 10 11 12 14 15"},
                                   Attempt{"2-4 9", "1 5 6 7 8 10 11 12 13 14 15"},
                                   Attempt{"end", "1 2 3 4 5 6 7 8 9 10 11 12 13 14"},
                                   Attempt{"A1-12 A14-end", "1 2 3 4 5 6 7 8 9 10 11 12 14 15"}}) {
        DeleteFileA(output.c_str());
        RunOn(session, "Remove", input);
        AnswerRemoveQuery(session, attempt.typed);
        Outcome outcome = AwaitOutcome(session.ProcessId(), kToolLimitMs, false);
        const std::string left = PagesLeft(tool, output);
        row.Saw("\"" + std::string(attempt.typed) + "\": notice: " + outcome.notice + "; pages left: " + left);
        row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess && left != attempt.left);
        EXPECT_EQ(outcome.notice, kSuccess);
        EXPECT_EQ(left, attempt.left) << attempt.typed;
    }

    DeleteFileA(output.c_str());
    RunOn(session, "Remove", input);
    AnswerRemoveQuery(session, "1-end");
    const std::string refusal = TakeNotice(session.ProcessId());
    row.Saw("\"1-end\": notice: " + refusal);
    EXPECT_EQ(refusal, "That would remove every page, and a PDF file needs at least one. Type only the pages to remove.");
    Sleep(1000);
    EXPECT_FALSE(FileExists(output));
    const bool inputKept = ReadFileBytes(input) == original;
    row.Checked(Tally::InputOverwritten, !inputKept);
    EXPECT_TRUE(inputKept);
    row.Saw(FileExists(output) ? "a file written for \"1-end\"" : "nothing written for \"1-end\"; the input unchanged");
}

TEST(RealOutputs, ReplacingAnExistingTargetTakesAYes)
{
    FaultRecord row("existing target, answered No then Yes",
                    "real pdftk: Encrypt a 3-page PDF into an existing 5-page document; No, then Encrypt again "
                    "and Yes");
    TempFolder documents;
    const std::string input = documents.File("plans.pdf");
    const std::string target = documents.File("other.pdf");
    const std::string inputBytes = MakePdf(input, 3);
    const std::string targetBytes = MakePdf(target, 5);
    VelmoraSession session(WithDocument(input));
    const std::string tool = UseRealTool(session);
    SetTextOf(TargetEdit(session), target);
    SetTextOf(UserPasswordEdit(session), "user");
    SetTextOf(OwnerPasswordEdit(session), "owner");

    session.Click("Enrypt the PDF file");
    MessageBoxInfo question = WaitForMessageBox(session.ProcessId(), kMainTitle);
    EXPECT_EQ(question.text, target + " already exists.\r\nDo you want to replace it?");
    EXPECT_EQ(question.defaultButton, IDNO);
    AnswerMessageBox(question, IDNO);
    Sleep(2000);
    const bool keptAfterNo = ReadFileBytes(target) == targetBytes && !OutputWindowShown(session.ProcessId());
    row.Checked(Tally::ReplacedWithoutQuestion, !keptAfterNo);
    EXPECT_TRUE(keptAfterNo);
    row.Saw("question \"<...>\\other.pdf already exists. / Do you want to replace it?\"; after No nothing ran, "
            "the document unchanged byte for byte");

    session.Click("Enrypt the PDF file");
    AnswerMessageBox(WaitForMessageBox(session.ProcessId(), kMainTitle), IDYES);
    Outcome outcome = AwaitOutcome(session.ProcessId(), kToolLimitMs);
    const int pages = PagesOf(tool, target, "owner");
    row.Saw("after Yes: notice: " + outcome.notice + "; the target now the encrypted input (" +
            std::to_string(pages) + " pages with the owner password)");
    EXPECT_EQ(outcome.notice, kSuccess);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(PagesOf(tool, target), -1) << "the replaced target opens without a password";
    row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess && pages != 3);
    const bool inputKept = ReadFileBytes(input) == inputBytes;
    row.Checked(Tally::InputOverwritten, !inputKept);
    EXPECT_TRUE(inputKept);
}

TEST(RealOutputs, EveryActionWritesBesideTheChosenInputAndAFailedOneLeavesNoFolder)
{
    FaultRecord row("outputs beside the chosen input",
                    "real pdftk: PDF file field on a document in another folder; Re-Compress, Uncompress, Rotate, "
                    "Burst and Dump on a chosen 3-page PDF, then Burst and Dump on a damaged file");
    TempFolder fieldFolder;
    TempFolder chosen;
    const std::string fieldDocument = fieldFolder.File("field.pdf");
    MakePdf(fieldDocument, 1);
    const std::string input = chosen.File("in.pdf");
    const std::string inputBytes = MakePdf(input, 3);
    VelmoraSession session(WithDocument(fieldDocument));
    UseRealTool(session);
    const std::vector<std::string> programFolderBefore = Listing(session.Folder().Path());

    struct Action { const char* button; const char* output; };
    const Action actions[] = {{"Re-Compress a PDF only", "in_compress.pdf"}, {"Uncompress a PDF only", "in_uncompress.pdf"},
                              {"Rotate all", "in_rotate.pdf"}, {"Burst a PDF", "in\\pg_0001.pdf"},
                              {"Dump a PDF", "in\\input_report.txt"}};
    int beside = 0;
    for (const Action& action : actions) {
        SCOPED_TRACE(action.button);
        RunOn(session, action.button, input);
        Outcome outcome = AwaitOutcome(session.ProcessId(), kToolLimitMs);
        EXPECT_EQ(outcome.notice, kSuccess) << outcome.outputText;
        const bool there = FileExists(chosen.File(action.output));
        beside += there ? 1 : 0;
        row.Checked(Tally::OutputOutsideInputFolder, !there);
        EXPECT_TRUE(there) << action.output;
    }
    const bool nothingElsewhere = Listing(fieldFolder.Path()) == std::vector<std::string>{"field.pdf"} &&
                                  Listing(session.Folder().Path()) == programFolderBefore;
    row.Checked(Tally::OutputOutsideInputFolder, !nothingElsewhere);
    EXPECT_TRUE(nothingElsewhere);
    row.Saw(std::to_string(beside) + " of 5 outputs beside the chosen PDF; " +
            (nothingElsewhere ? "nothing new in the field's folder or the program's" : "files elsewhere"));

    const std::string damaged = chosen.File("damaged.pdf");
    WriteFileBytes(damaged, "%PDF-1.4\nno objects, no trailer\n");
    for (const char* button : {"Burst a PDF", "Dump a PDF"}) {
        SCOPED_TRACE(button);
        RunOn(session, button, damaged);
        Outcome outcome = AwaitOutcome(session.ProcessId(), kToolLimitMs);
        // pdftk names the file by the path it saw, which differs from run to run.
        std::string notice = outcome.notice;
        const size_t name = notice.rfind("damaged.pdf");
        const size_t line = notice.rfind('\n', name);
        if (name != std::string::npos && line != std::string::npos)
            notice.replace(line + 1, name - line - 1, "<folder>/");
        row.Saw(std::string(button) + " of the damaged file: notice: " + notice);
        row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess);
        EXPECT_NE(outcome.notice, kSuccess);
        EXPECT_FALSE(FolderExists(chosen.File("damaged")));
    }
    row.Saw(FolderExists(chosen.File("damaged")) ? "a folder \"damaged\" left behind" : "no folder left behind");
    const bool inputKept = ReadFileBytes(input) == inputBytes;
    row.Checked(Tally::InputOverwritten, !inputKept);
    EXPECT_TRUE(inputKept);
}

// The proposal lies beside the folder: a second join of the same folder
// does not take in the first one's result.
TEST(RealOutputs, JoiningAFolderTwiceGivesTheSameDocument)
{
    FaultRecord row("join the same folder twice",
                    "real pdftk: Join of a folder with a 2-page and a 3-page PDF into the proposed target, twice "
                    "(the second time the save dialog's question answered Yes)");
    VelmoraSession session;
    const std::string tool = UseRealTool(session);
    const DWORD id = session.ProcessId();
    const std::string scans = session.Documents().MakeFolder("scans");
    const std::string a = MakePdf(JoinPath(scans, "a.pdf"), 2);
    const std::string b = MakePdf(JoinPath(scans, "b.pdf"), 3);
    const std::string target = session.Documents().File("scans.pdf");

    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        session.Click("Join");
        HWND browser = WaitForFolderBrowser(id);
        SelectFolder(browser, scans);
        ClickButton(browser, IDOK);
        WaitUntilGone(browser);
        HWND save = WaitForFileDialog(id, "Save the target PDF file for combine");
        EXPECT_EQ(TextOf(FileNameEdit(save)), "scans.pdf");
        ClickButton(save, IDOK);
        if (round == 2)
            AnswerOverwritePrompt(save, IDYES);
        WaitUntilGone(save);
        Outcome outcome = AwaitOutcome(id, kToolLimitMs);
        const int pages = PagesOf(tool, target);
        row.Saw("join " + std::to_string(round) + ": notice: " + outcome.notice + "; scans.pdf beside the folder has " +
                std::to_string(pages) + " pages");
        EXPECT_EQ(outcome.notice, kSuccess) << outcome.outputText;
        EXPECT_EQ(pages, 5);
        row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess && pages != 5);
    }
    const bool kept = ReadFileBytes(JoinPath(scans, "a.pdf")) == a && ReadFileBytes(JoinPath(scans, "b.pdf")) == b &&
                      Listing(scans).size() == 2;
    row.Checked(Tally::InputOverwritten, !kept);
    EXPECT_TRUE(kept);
}
