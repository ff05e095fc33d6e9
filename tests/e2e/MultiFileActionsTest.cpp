// Join and Merge: several PDFs combined into one target chosen in a save
// dialog; the PDF file dialog they borrow is given back as it was.
#include "tests/e2e/ActionSteps.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

const char kJoinFolderText[] = "Choose the folder where are the PDF's";
const char kJoinTargetTitle[] = "Save the target PDF file for combine";
const char kMergeTargetTitle[] = "Save the target PDF file for merge";

std::string InQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string OkCaption(HWND dialog)
{
    return TextOf(FindControl(dialog, ControlMatch::Id(IDOK).AndClass("Button")));
}

class MultiFileActions : public SharedSessionTest {
protected:
    void SetUp() override
    {
        SharedSessionTest::SetUp();
        sources = Session().Documents().File("sources");
        if (!FolderExists(sources))
            Session().Documents().MakeFolder("sources");
        for (const char* name : {"a.pdf", "b.pdf", "c.pdf"})
            WriteFileBytes(JoinPath(sources, name), "%PDF-1.4\n");
    }

    DWORD Id() { return Session().ProcessId(); }

    // Presses Join and picks folder in the folder browser.
    void StartJoin(const std::string& folder)
    {
        Press(Session(), "Join");
        HWND browser = WaitForFolderBrowser(Id());
        EXPECT_EQ(FolderBrowserText(browser), kJoinFolderText);
        SelectFolder(browser, folder);
        ClickButton(browser, IDOK);
        WaitUntilGone(browser);
    }

    // Presses Merge and picks names of the sources folder.
    void StartMerge(const std::vector<std::string>& names)
    {
        Press(Session(), "Merge");
        HWND dialog = WaitForFileDialog(Id(), kPdfDialogTitle);
        EXPECT_EQ(OkCaption(dialog), "&Open");
        EXPECT_TRUE(AllowsMultipleSelection(dialog));
        ChooseFiles(dialog, sources, names);
        WaitUntilGone(dialog);
    }

    // Waits for the target dialog, checks it is a save dialog, names target.
    void NameTarget(const char* title, const std::string& target)
    {
        HWND dialog = WaitForFileDialog(Id(), title);
        EXPECT_EQ(OkCaption(dialog), "&Save");
        ChooseFile(dialog, target);
        WaitUntilGone(dialog);
    }

    StandinRun Finish(size_t count)
    {
        StandinRun run = ExpectRun(Session(), count);
        Session().ExpectNotice(kSuccessNotice);
        return run;
    }

    // The next operation on one PDF finds the PDF file dialog as it was
    // made: its own title, an open dialog, one existing file only; its name
    // box shows proposed.
    void ExpectThePdfDialogAsItWas(const std::string& proposed = "")
    {
        const size_t before = RunsSoFar();
        Press(Session(), "Re-Compress a PDF only");
        HWND dialog = WaitForFileDialog(Id(), kPdfDialogTitle);
        EXPECT_EQ(OkCaption(dialog), "&Open");
        EXPECT_FALSE(AllowsMultipleSelection(dialog));
        EXPECT_EQ(TextOf(FileNameEdit(dialog)), proposed);
        ChooseFile(dialog, JoinPath(sources, "missing.pdf"));
        MessageBoxInfo box = WaitForMessageBox(Id(), "");
        EXPECT_EQ(box.text, "File does not exist");
        AnswerMessageBox(box, IDOK);
        CancelFileDialog(dialog);
        WaitUntilGone(dialog);
        ExpectNothingRan(Session(), before);
    }

    std::string sources;
};

} // namespace

TEST_F(MultiFileActions, JoinCombinesEveryPdfOfTheChosenFolder)
{
    const size_t before = RunsSoFar();
    const std::string target = Session().Documents().File("all.pdf");
    StartJoin(sources);
    NameTarget(kJoinTargetTitle, target);
    StandinRun run = Finish(before + 1);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), "*.pdf cat output " + InQuotes(target)));
    EXPECT_EQ(run.folder, sources);

    // The save dialog gives a name typed without extension the ending of
    // the file type shown, "PDF *.pdf".
    StartJoin(sources);
    NameTarget(kJoinTargetTitle, Session().Documents().File("joined"));
    run = Finish(before + 2);
    EXPECT_EQ(run.commandLine,
              CapturedRun(Session(), "*.pdf cat output " + InQuotes(Session().Documents().File("joined.pdf"))));
}

// The proposal lies beside the folder, never among the PDFs it joins.
TEST_F(MultiFileActions, JoinProposesATargetBesideTheFolderAndAsksBeforeReplacing)
{
    const size_t before = RunsSoFar();
    const std::string target = Session().Documents().File("sources.pdf");
    WriteFileBytes(target, "%PDF-1.4 an earlier join\n");
    StartJoin(sources);
    HWND dialog = WaitForFileDialog(Id(), kJoinTargetTitle);
    EXPECT_EQ(TextOf(FileNameEdit(dialog)), "sources.pdf");
    ClickButton(FindControl(dialog, ControlMatch::Id(IDOK).AndClass("Button")));
    MessageBoxInfo question = WaitForMessageBox(Id(), kJoinTargetTitle);
    EXPECT_EQ(question.text, "File already exists.\nDo you want to replace it?");
    AnswerMessageBox(question, IDNO);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(RunsSoFar(), before);

    ChooseFile(dialog, target);
    AnswerMessageBox(WaitForMessageBox(Id(), kJoinTargetTitle), IDYES);
    WaitUntilGone(dialog);
    StandinRun run = Finish(before + 1);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), "*.pdf cat output " + InQuotes(target)));
    EXPECT_EQ(run.folder, sources);
}

TEST_F(MultiFileActions, JoinOfAFolderWithoutPdfsSaysSoAndRunsNothing)
{
    const size_t before = RunsSoFar();
    const std::string empty = Session().Documents().File("no pdfs");
    if (!FolderExists(empty))
        Session().Documents().MakeFolder("no pdfs");
    WriteFileBytes(JoinPath(empty, "notes.txt"), "not a PDF\n");
    StartJoin(empty);
    Session().ExpectNotice("The folder " + empty + " holds no PDF files.");
    ExpectNothingRan(Session(), before);
}

TEST_F(MultiFileActions, JoinCancelledRunsNothingAndGivesThePdfDialogBack)
{
    const size_t before = RunsSoFar();
    Press(Session(), "Join");
    HWND browser = WaitForFolderBrowser(Id());
    ClickButton(browser, IDCANCEL);
    WaitUntilGone(browser);
    ExpectNothingRan(Session(), before);

    StartJoin(sources);
    HWND dialog = WaitForFileDialog(Id(), kJoinTargetTitle);
    CancelFileDialog(dialog);
    WaitUntilGone(dialog);
    ExpectNothingRan(Session(), before);
    ExpectThePdfDialogAsItWas();
}

TEST_F(MultiFileActions, MergeCombinesTheChosenFilesInTheirOrder)
{
    const size_t before = RunsSoFar();
    StartMerge({"c.pdf", "a.pdf", "b.pdf"});
    // The save dialog adds the extension a typed name lacks.
    NameTarget(kMergeTargetTitle, Session().Documents().File("merged"));
    StandinRun run = Finish(before + 1);
    EXPECT_EQ(run.commandLine,
              CapturedRun(Session(), InQuotes(JoinPath(sources, "c.pdf")) + " " + InQuotes(JoinPath(sources, "a.pdf")) +
                                         " " + InQuotes(JoinPath(sources, "b.pdf")) + "  cat output " +
                                         InQuotes(Session().Documents().File("merged.pdf"))));
    EXPECT_EQ(run.folder, sources);
    // Not the whole selection: that names no file.
    ExpectThePdfDialogAsItWas("c.pdf");
}

TEST_F(MultiFileActions, MergeOfOneFileMergesThatFile)
{
    const size_t before = RunsSoFar();
    StartMerge({"b.pdf"});
    NameTarget(kMergeTargetTitle, Session().Documents().File("single.pdf"));
    StandinRun run = Finish(before + 1);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes(JoinPath(sources, "b.pdf")) + "  cat output " +
                                                          InQuotes(Session().Documents().File("single.pdf"))));
    EXPECT_EQ(run.folder, sources);
}

TEST_F(MultiFileActions, MergeAsksBeforeReplacingAnExistingTarget)
{
    const size_t before = RunsSoFar();
    const std::string target = JoinPath(sources, "a.pdf");
    StartMerge({"a.pdf", "b.pdf"});
    HWND dialog = WaitForFileDialog(Id(), kMergeTargetTitle);
    ChooseFile(dialog, target);
    AnswerMessageBox(WaitForMessageBox(Id(), kMergeTargetTitle), IDNO);
    EXPECT_TRUE(IsWindowVisible(dialog));
    CancelFileDialog(dialog);
    WaitUntilGone(dialog);
    ExpectNothingRan(Session(), before);
}

TEST_F(MultiFileActions, MergeCancelledRunsNothingAndGivesThePdfDialogBack)
{
    const size_t before = RunsSoFar();
    Press(Session(), "Merge");
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before);
    ExpectThePdfDialogAsItWas();

    StartMerge({"a.pdf", "c.pdf"});
    HWND dialog = WaitForFileDialog(Id(), kMergeTargetTitle);
    CancelFileDialog(dialog);
    WaitUntilGone(dialog);
    ExpectNothingRan(Session(), before);
    ExpectThePdfDialogAsItWas("a.pdf");
}
