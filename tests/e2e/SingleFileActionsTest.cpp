// The "..." button and the six operations on one PDF chosen in the PDF file
// dialog: what each asks, the exact command line and folder the stand-in
// pdftk.exe was given, and the notice at the end.
#include "tests/e2e/ActionSteps.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

const char kRepairNotice[] = "Repair a corrupted PDF, if possible (this can take a long time on a large file)";
const char kBurstNotice[] =
    "Burst a PDF document into single pages, optionally applying encryption. This also creates a document "
    "report, doc_data.txt, that lists metadata and bookmark information.";

std::string InQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

class SingleFileActions : public SharedSessionTest {
protected:
    // A document picked with "...", so the tool runs in its folder.
    std::string PickDocument(const std::string& name)
    {
        const std::string path = MakeDocument(Session(), name);
        PickPdf(Session(), path);
        return path;
    }

    // Clicks the button, confirms the description when there is one, and
    // answers the PDF file dialog with input.
    void RunOn(const std::string& button, const std::string& input, const char* notice = nullptr)
    {
        Press(Session(), button);
        if (notice)
            Session().ExpectNotice(notice);
        AnswerPdfDialog(Session(), input);
    }

    std::string Docs() { return Session().Documents().Path(); }
};

} // namespace

TEST(ChoosePdfFile, FillsThePdfFieldAndProposesTheTarget)
{
    VelmoraSession session;
    const std::string report = MakeDocument(session, "report.pdf");

    // Typed with real keys and confirmed with Enter, as a person would.
    ClickButton(PdfFileButton(session));
    HWND dialog = WaitForFileDialog(session.ProcessId(), kPdfDialogTitle);
    TypeIntoEdit(FileNameEdit(dialog), report);
    PressEnter(dialog);
    WaitUntilGone(dialog);
    WaitForText(FieldOf(session, Field::PdfFile), report);
    EXPECT_EQ(TextOfField(session, Field::Target), session.Documents().File("report_sec.pdf"));

    // Cancel leaves both fields as they were.
    ClickButton(PdfFileButton(session));
    CancelPdfDialog(session);
    ExpectNothingRan(session, 0);
    EXPECT_EQ(TextOfField(session, Field::PdfFile), report);
    EXPECT_EQ(TextOfField(session, Field::Target), session.Documents().File("report_sec.pdf"));

    // No extension: the ending is appended; a dot in a folder is no extension.
    const std::string folder = session.Documents().MakeFolder("My.Docs");
    const std::string scan = JoinPath(folder, "scan");
    WriteFileBytes(scan, "%PDF-1.4\n");
    PickPdf(session, scan);
    EXPECT_EQ(TextOfField(session, Field::Target), JoinPath(folder, "scan_sec.pdf"));
    EXPECT_TRUE(session.ToolRuns().empty());
}

TEST_F(SingleFileActions, RepairShowsItsDescriptionThenWritesBesideTheInput)
{
    const std::string input = PickDocument("a.pdf");
    const size_t before = RunsSoFar();

    RunOn("Repair a PDF", input, kRepairNotice);
    StandinRun run = ExpectRun(Session(), before + 1);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes(input) + " output " +
                                                          InQuotes(Session().Documents().File("a_fixed.pdf"))));
    EXPECT_EQ(run.folder, Docs());
    Session().ExpectNotice(kSuccessNotice);

    // The description has no Cancel; the dialog's Cancel abandons the repair.
    Press(Session(), "Repair a PDF");
    Session().ExpectNotice(kRepairNotice);
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before + 1);
}

TEST_F(SingleFileActions, BurstRunsInAFolderNamedAfterTheInput)
{
    const std::string input = PickDocument("q3.final.pdf");
    const std::string pages = Session().Documents().File("q3.final");
    const size_t before = RunsSoFar();

    // Cancelled: nothing made, nothing run.
    Press(Session(), "Burst a PDF");
    Session().ExpectNotice(kBurstNotice);
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before);
    EXPECT_FALSE(FolderExists(pages));

    RunOn("Burst a PDF", input, kBurstNotice);
    StandinRun run = ExpectRun(Session(), before + 1);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes(input) + " burst"));
    EXPECT_EQ(run.folder, pages);
    EXPECT_TRUE(FolderExists(pages));
    Session().ExpectNotice(kSuccessNotice);

    // Again: the folder is there already and is used as it is.
    RunOn("Burst a PDF", input, kBurstNotice);
    run = ExpectRun(Session(), before + 2);
    EXPECT_EQ(run.folder, pages);
    Session().ExpectNotice(kSuccessNotice);
}

// A folder that holds files of an earlier burst: asked first; No keeps
// everything, Yes clears the earlier burst away before the run, so none of
// its pages stays beside the new ones. The user's own files stay.
TEST_F(SingleFileActions, BurstAsksBeforeReplacingAnEarlierBurst)
{
    const std::string input = PickDocument("book.pdf");
    const std::string pages = Session().Documents().File("book");
    RemoveTree(pages);
    Session().SetTool({{"write", "pg_0001.pdf"}});
    RunOn("Burst a PDF", input, kBurstNotice);
    Session().ExpectNotice(kSuccessNotice);
    const size_t before = RunsSoFar();
    const std::string earlier[][2] = {{"pg_0001.pdf", "edited page 1"}, {"pg_0002.pdf", "page 2"},
                                      {"doc_data.txt", "NumberOfPages: 2"}, {"notes.txt", "mine"}};
    for (const auto& [name, bytes] : earlier)
        WriteFileBytes(JoinPath(pages, name), bytes);

    const std::string question = pages + " already holds 2 pages and doc_data.txt from an earlier Burst.\r\nDo you "
                                 "want to replace them? They are removed before the new Burst starts, so that no "
                                 "page of the earlier Burst is left beside the new ones.";
    RunOn("Burst a PDF", input, kBurstNotice);
    MessageBoxInfo asked = WaitForMessageBox(Session().ProcessId(), kMainTitle);
    EXPECT_EQ(asked.text, question);
    EXPECT_EQ(asked.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(asked.defaultButton, IDNO);
    AnswerMessageBox(asked, IDNO);
    ExpectNothingRan(Session(), before);
    for (const auto& [name, bytes] : earlier)
        EXPECT_EQ(ReadFileBytes(JoinPath(pages, name)), bytes) << name;

    RunOn("Burst a PDF", input, kBurstNotice);
    AnswerMessageBox(WaitForMessageBox(Session().ProcessId(), kMainTitle), IDYES);
    EXPECT_EQ(ExpectRun(Session(), before + 1).folder, pages);
    Session().ExpectNotice(kSuccessNotice);
    EXPECT_EQ(ReadFileBytes(JoinPath(pages, "pg_0001.pdf")), "%PDF-1.4\n");
    EXPECT_FALSE(FileExists(JoinPath(pages, "pg_0002.pdf")));
    EXPECT_FALSE(FileExists(JoinPath(pages, "doc_data.txt")));
    EXPECT_EQ(ReadFileBytes(JoinPath(pages, "notes.txt")), "mine");
}

TEST_F(SingleFileActions, BurstRefusesWhenAFileStandsWhereItsFolderShouldBe)
{
    const std::string input = PickDocument("blocked.pdf");
    WriteFileBytes(Session().Documents().File("blocked"), "not a folder");
    const size_t before = RunsSoFar();

    RunOn("Burst a PDF", input, kBurstNotice);
    MessageBoxInfo notice = WaitForMessageBox(Session().ProcessId(), kMainTitle);
    EXPECT_EQ(notice.text.rfind("Cannot create the folder " + Session().Documents().File("blocked") + "\r\n", 0), 0u)
        << notice.text;
    AnswerMessageBox(notice, IDOK);
    ExpectNothingRan(Session(), before);
}

TEST_F(SingleFileActions, CompressAndUncompressWriteBesideTheInput)
{
    const std::string input = PickDocument("q3.final.pdf");
    const size_t before = RunsSoFar();

    RunOn("Re-Compress a PDF only", input);
    StandinRun run = ExpectRun(Session(), before + 1);
    EXPECT_EQ(run.commandLine,
              CapturedRun(Session(), InQuotes(input) + " output " +
                                         InQuotes(Session().Documents().File("q3.final_compress.pdf")) + " compress"));
    EXPECT_EQ(run.folder, Docs());
    Session().ExpectNotice(kSuccessNotice);

    RunOn("Uncompress a PDF only", input);
    run = ExpectRun(Session(), before + 2);
    EXPECT_EQ(run.commandLine,
              CapturedRun(Session(), InQuotes(input) + " output " +
                                         InQuotes(Session().Documents().File("q3.final_uncompress.pdf")) + " uncompress"));
    EXPECT_EQ(run.folder, Docs());
    Session().ExpectNotice(kSuccessNotice);

    Press(Session(), "Re-Compress a PDF only");
    CancelPdfDialog(Session());
    Press(Session(), "Uncompress a PDF only");
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before + 2);
}

TEST_F(SingleFileActions, DumpWritesItsReportIntoAFolderNamedAfterTheInput)
{
    const std::string input = PickDocument("a.pdf");
    const std::string reports = Session().Documents().File("a");
    RemoveTree(reports);
    const size_t before = RunsSoFar();

    Press(Session(), "Dump a PDF");
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before);
    EXPECT_FALSE(FolderExists(reports));

    RunOn("Dump a PDF", input);
    StandinRun run = ExpectRun(Session(), before + 1);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes(input) + " dump_data output input_report.txt"));
    EXPECT_EQ(run.folder, reports);
    EXPECT_TRUE(FolderExists(reports));
    Session().ExpectNotice(kSuccessNotice);

    // An earlier report there: asked first, and No keeps it.
    const std::string report = JoinPath(reports, "input_report.txt");
    WriteFileBytes(report, "an earlier report");
    RunOn("Dump a PDF", input);
    MessageBoxInfo asked = WaitForMessageBox(Session().ProcessId(), kMainTitle);
    EXPECT_EQ(asked.text, reports + " already holds input_report.txt from an earlier Dump.\r\nDo you want to replace it?");
    EXPECT_EQ(asked.defaultButton, IDNO);
    AnswerMessageBox(asked, IDNO);
    ExpectNothingRan(Session(), before + 1);
    EXPECT_EQ(ReadFileBytes(report), "an earlier report");
    RemoveTree(reports);
}

TEST_F(SingleFileActions, RotateAllTurnsEveryPageAsChosen)
{
    const std::string input = PickDocument("a.pdf");
    const size_t before = RunsSoFar();
    const char* keywords[] = {"east", "south", "west", "left", "right", "down"};
    const char* items[] = {"90 degress", "180 degress", "270 degress", "-90 degress", "+90 degress", "+180 degress"};
    HWND combo = WaitForControl(Session().MainWindow(), ControlMatch::Class("obj_COMBOBOX"));

    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(items[i]);
        ChooseRotation(Session(), i);
        EXPECT_EQ(TextOf(combo), items[i]);
        RunOn("Rotate all", input);
        StandinRun run = ExpectRun(Session(), before + i + 1);
        EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes(input) + " cat 1-end" + keywords[i] + " output " +
                                                              InQuotes(Session().Documents().File("a_rotate.pdf"))));
        EXPECT_EQ(run.folder, Docs());
        Session().ExpectNotice(kSuccessNotice);
    }

    Press(Session(), "Rotate all");
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before + 6);
}

// The input comes from the dialog, and everything is written beside it,
// wherever the PDF file field points.
TEST_F(SingleFileActions, EveryActionWritesBesideItsInputWhateverTheField)
{
    const std::string elsewhere = Session().Documents().MakeFolder("elsewhere");
    const std::string field = JoinPath(elsewhere, "b.pdf");
    WriteFileBytes(field, "%PDF-1.4\n");
    PickPdf(Session(), field);
    const std::string input = MakeDocument(Session(), "a.pdf");
    const size_t before = RunsSoFar();

    RunOn("Re-Compress a PDF only", input);
    StandinRun run = ExpectRun(Session(), before + 1);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes(input) + " output " +
                                                          InQuotes(Session().Documents().File("a_compress.pdf")) +
                                                          " compress"));
    EXPECT_EQ(run.folder, Docs());
    Session().ExpectNotice(kSuccessNotice);

    RunOn("Repair a PDF", input, kRepairNotice);
    run = ExpectRun(Session(), before + 2);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes(input) + " output " +
                                                          InQuotes(Session().Documents().File("a_fixed.pdf"))));
    EXPECT_EQ(run.folder, Docs());
    Session().ExpectNotice(kSuccessNotice);

    RunOn("Dump a PDF", input);
    run = ExpectRun(Session(), before + 3);
    EXPECT_EQ(run.folder, Session().Documents().File("a"));
    EXPECT_TRUE(FolderExists(Session().Documents().File("a")));
    EXPECT_FALSE(FolderExists(JoinPath(elsewhere, "a")));
    Session().ExpectNotice(kSuccessNotice);
}

// Before any PDF is picked the field is empty; the actions still run beside
// the chosen file. (A full path typed into Wine's dialog leaves the
// program's current folder where it was, so nothing here depends on it.)
TEST(SingleFileActionsWithEmptyField, RunBesideTheChosenFile)
{
    VelmoraSession session;
    const std::string input = MakeDocument(session, "a.pdf");
    const std::string docs = session.Documents().Path();

    Press(session, "Re-Compress a PDF only");
    AnswerPdfDialog(session, input);
    StandinRun run = ExpectRun(session, 1);
    EXPECT_EQ(run.commandLine, CapturedRun(session, InQuotes(input) + " output " +
                                                        InQuotes(session.Documents().File("a_compress.pdf")) + " compress"));
    EXPECT_EQ(run.folder, docs);
    session.ExpectNotice(kSuccessNotice);

    Press(session, "Dump a PDF");
    AnswerPdfDialog(session, input);
    run = ExpectRun(session, 2);
    EXPECT_EQ(run.folder, JoinPath(docs, "a"));
    EXPECT_TRUE(FolderExists(JoinPath(docs, "a")));
    session.ExpectNotice(kSuccessNotice);
    EXPECT_EQ(TextOfField(session, Field::PdfFile), "");
}

// Started with a PDF on its command line, the program proposes that file in
// the dialog of every operation on one PDF, even after another was picked.
TEST(CommandLineFile, IsProposedInTheDialogOfEveryOperationOnOnePdf)
{
    TempFolder elsewhere(FolderName::WithBlank);
    const std::string named = elsewhere.File("from the command line.pdf");
    WriteFileBytes(named, "%PDF-1.4\n");
    SessionOptions options;
    options.arguments = velmora::QuoteArgument(named);
    VelmoraSession session(options);
    EXPECT_EQ(TextOfField(session, Field::PdfFile), named);
    TypeIntoField(session, Field::CatTo, "end");

    struct Operation {
        const char* button;
        const char* notice;
    };
    const Operation operations[] = {
        {"Repair a PDF", kRepairNotice}, {"Burst a PDF", kBurstNotice}, {"Re-Compress a PDF only", nullptr},
        {"Uncompress a PDF only", nullptr}, {"Dump a PDF", nullptr}, {"Rotate all", nullptr},
        {"CAT", nullptr}, {"Remove", nullptr},
    };
    size_t runs = 0;
    for (const Operation& operation : operations) {
        SCOPED_TRACE(operation.button);
        Press(session, operation.button);
        if (operation.notice)
            session.ExpectNotice(operation.notice);
        HWND dialog = WaitForFileDialog(session.ProcessId(), kPdfDialogTitle);
        EXPECT_EQ(TextOf(FileNameEdit(dialog)), "from the command line.pdf");
        ClickButton(dialog, IDOK);
        WaitUntilGone(dialog);
        if (std::string(operation.button) == "Remove") {
            QueryView query = WaitForQuery(session, "Remove page");
            ClickButton(query.ok);
        }
        StandinRun run = ExpectRun(session, ++runs);
        EXPECT_NE(run.commandLine.find(named), std::string::npos) << run.commandLine;
        session.ExpectNotice(kSuccessNotice);

        // Another file picked in the dialog is the one used, and the next
        // dialog proposes the command-line file again.
        if (runs == 3) {
            const std::string other = MakeDocument(session, "other.pdf");
            Press(session, operation.button);
            AnswerPdfDialog(session, other);
            run = ExpectRun(session, ++runs);
            EXPECT_NE(run.commandLine.find(other), std::string::npos) << run.commandLine;
            EXPECT_EQ(run.commandLine.find(named), std::string::npos) << run.commandLine;
            session.ExpectNotice(kSuccessNotice);
        }
    }
}
