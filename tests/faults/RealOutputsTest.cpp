// Where the real pdftk's files land and what becomes of files already there:
// the program's questions and refusals judged by the files themselves.
#include "ops/ProcessExecution.h"
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include "tests/support/PdfMaker.h"
#include <gtest/gtest.h>
#include <algorithm>

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

namespace {

// text with every path into folder shown as "<...>".
std::string Shown(std::string text, const std::string& folder)
{
    for (size_t at; (at = text.find(folder)) != std::string::npos;)
        text.replace(at, folder.size(), "<...>");
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, " / ");
    return text;
}

// The names in folder, sorted; "." and ".." left out.
std::vector<std::string> SortedListing(const std::string& folder)
{
    std::vector<std::string> names = Listing(folder);
    std::sort(names.begin(), names.end());
    return names;
}

// The names joined by commas; "nothing" for none.
std::string Names(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined.empty() ? "nothing" : joined;
}

// Every file of folder and its bytes.
std::vector<std::pair<std::string, std::string>> Contents(const std::string& folder)
{
    std::vector<std::pair<std::string, std::string>> files;
    for (const std::string& name : SortedListing(folder))
        files.emplace_back(name, ReadFileBytes(JoinPath(folder, name)));
    return files;
}

std::string PagesInReport(const std::string& report)
{
    const size_t at = report.find("NumberOfPages: ");
    return at == std::string::npos ? "none" : report.substr(at + 15, report.find_first_of("\r\n", at) - at - 15);
}

} // namespace

// Burst and dump write into a folder of their own: once it holds what an
// earlier run wrote there, they ask first. A burst of fewer pages than the
// earlier one must not leave the earlier's last pages beside its own.
TEST(RealOutputs, BurstAndDumpAskBeforeReplacingAnEarlierRunsFiles)
{
    FaultRecord row("burst and dump into the folder of an earlier run",
                    "real pdftk: Burst and Dump of a 5-page PDF; a page edited and a file of the user's put into "
                    "the folder; the PDF replaced by a 3-page one of the same name; Burst, No, Burst, Yes; "
                    "Dump, No, Dump, Yes");
    TempFolder documents;
    const std::string input = documents.File("manual.pdf");
    MakePdf(input, 5);
    VelmoraSession session;
    UseRealTool(session);
    const DWORD id = session.ProcessId();
    for (const char* button : {"Burst a PDF", "Dump a PDF"}) {
        RunOn(session, button, input);
        EXPECT_EQ(AwaitOutcome(id, kToolLimitMs).notice, kSuccess) << button;
    }
    const std::string folder = documents.File("manual");
    WriteFileBytes(JoinPath(folder, "pg_0001.pdf"), "edited page");
    WriteFileBytes(JoinPath(folder, "notes.txt"), "the user's own");
    const std::string inputBytes = MakePdf(input, 3);

    for (const char* button : {"Burst a PDF", "Dump a PDF"}) {
        SCOPED_TRACE(button);
        const auto before = Contents(folder);
        RunOn(session, button, input);
        MessageBoxInfo question = WaitForMessageBox(id, kMainTitle);
        row.Saw(std::string(button) + ": question \"" + Shown(question.text, documents.Path()) + "\"" +
                (question.defaultButton == IDNO ? ", No the default" : ", Yes the default"));
        EXPECT_EQ(question.defaultButton, IDNO);
        AnswerMessageBox(question, IDNO);
        Sleep(2000);
        const bool kept = Contents(folder) == before && !OutputWindowShown(id);
        row.Checked(Tally::ReplacedWithoutQuestion, !kept);
        EXPECT_TRUE(kept);
        row.Saw(kept ? "after No nothing ran, every file of the folder unchanged byte for byte"
                     : "after No files changed");

        RunOn(session, button, input);
        AnswerMessageBox(WaitForMessageBox(id, kMainTitle), IDYES);
        Outcome outcome = AwaitOutcome(id, kToolLimitMs);
        EXPECT_EQ(outcome.notice, kSuccess) << outcome.outputText;
        const bool burst = std::string(button) == "Burst a PDF";
        const std::string report = ReadFileBytes(JoinPath(folder, burst ? "doc_data.txt" : "input_report.txt"));
        row.Saw("after Yes: notice: " + outcome.notice + "; the folder holds " + Names(SortedListing(folder)) +
                "; the report counts " + PagesInReport(report) + " pages");
        EXPECT_EQ(PagesInReport(report), "3");
        row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess && PagesInReport(report) != "3");
    }
    EXPECT_EQ(SortedListing(folder), (std::vector<std::string>{"doc_data.txt", "input_report.txt", "notes.txt",
                                                               "pg_0001.pdf", "pg_0002.pdf", "pg_0003.pdf"}));
    EXPECT_NE(ReadFileBytes(JoinPath(folder, "pg_0001.pdf")), "edited page");
    EXPECT_EQ(ReadFileBytes(JoinPath(folder, "notes.txt")), "the user's own");
    const bool inputKept = ReadFileBytes(input) == inputBytes;
    row.Checked(Tally::InputOverwritten, !inputKept);
    EXPECT_TRUE(inputKept);
}

// The Linux pdftk behind the bridge stops a moment after the Windows side:
// what it writes meanwhile must not outlive the cleaning up, whether the
// folder was made for the run or held an earlier burst and a file of the
// user's.
TEST(RealOutputs, CancelledLongBurstLeavesNothingOfItsOwnEvenLater)
{
    FaultRecord row("burst cancelled half way",
                    "real pdftk: Burst of a 4000-page PDF cancelled after 2000 pages, into a new folder, then into "
                    "a folder holding an earlier burst and a file of the user's (the question answered Yes)");
    TempFolder documents;
    const std::string input = documents.File("long.pdf");
    const std::string inputBytes = MakePdf(input, 4000);
    const std::string folder = documents.File("long");
    VelmoraSession session;
    UseRealTool(session);
    const DWORD id = session.ProcessId();

    for (const bool earlier : {false, true}) {
        SCOPED_TRACE(earlier ? "earlier burst" : "new folder");
        if (earlier) {
            CreateDirectoryA(folder.c_str(), nullptr);
            for (const char* name : {"pg_0001.pdf", "pg_0002.pdf", "doc_data.txt", "notes.txt"})
                WriteFileBytes(JoinPath(folder, name), "earlier");
        }
        RunOn(session, "Burst a PDF", input);
        if (earlier)
            AnswerMessageBox(WaitForMessageBox(id, kMainTitle), IDYES);
        HWND output = WaitForOutputWindow(id, kToolLimitMs);
        HWND cancel = WaitForControl(output, ControlMatch::Text("Cancel").AndClass("obj_BUTTON"));
        WaitUntil([&] { return FileExists(JoinPath(folder, "pg_2000.pdf")); }, "half of the pages", kToolLimitMs);
        ASSERT_EQ(TextOf(cancel), "Cancel") << "the burst ended before it could be cancelled";
        ClickButton(cancel);
        Outcome outcome = AwaitOutcome(id, kToolLimitMs, false);
        EXPECT_EQ(outcome.notice, "Cancelled: pdftk was stopped before it finished.");
        // What is left: the folder's files, or no folder at all.
        auto left = [&] { return FolderExists(folder) ? Names(SortedListing(folder)) : std::string("no folder"); };
        const std::string atOnce = left();
        Sleep(5000);
        const std::string later = left();
        const std::string expected = earlier ? "notes.txt" : "no folder";
        EXPECT_EQ(atOnce, expected);
        EXPECT_EQ(later, expected);
        row.Saw(std::string(earlier ? "earlier burst" : "new folder") + ": notice: " + outcome.notice +
                "; left at once: " + atOnce + "; 5 s later: " + later);
        EXPECT_EQ(FindChildProcess(id, "pdftk.exe"), 0u);
    }
    const bool inputKept = ReadFileBytes(input) == inputBytes;
    row.Checked(Tally::InputOverwritten, !inputKept);
    EXPECT_TRUE(inputKept);
}
