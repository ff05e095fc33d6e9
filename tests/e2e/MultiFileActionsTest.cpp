// Join and Merge: several PDFs combined into one target chosen in a save
// dialog; the PDF file dialog they borrow is given back as it was. Merge's
// files are put in order in the Merge order window first.
#include "tests/e2e/ActionSteps.h"
#include "tests/support/MergeOrderWindow.h"
#include "tools/driver/Screenshot.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::testsupport;

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

    // Presses Merge and picks names of the sources folder; two or more are
    // taken in the order the Merge order window first shows, unless the
    // test arranges them itself.
    void StartMerge(const std::vector<std::string>& names, bool acceptOrder = true)
    {
        Press(Session(), "Merge");
        HWND dialog = WaitForFileDialog(Id(), kPdfDialogTitle);
        EXPECT_EQ(OkCaption(dialog), "&Open");
        EXPECT_TRUE(AllowsMultipleSelection(dialog));
        ChooseFiles(dialog, sources, names);
        WaitUntilGone(dialog);
        if (acceptOrder && names.size() >= 2)
            AcceptMergeOrder(Id());
    }

    // Clicks the Merge order window's button and waits until the list reads lines.
    void PressInOrder(HWND window, const std::string& caption, const std::vector<std::string>& lines)
    {
        ClickButton(MergeOrderButton(window, caption));
        EXPECT_EQ(MergeLinesOnceThey(window, lines), lines) << "after " << caption;
    }

    void KeyInOrder(HWND window, WORD modifier, WORD key, const std::vector<std::string>& lines)
    {
        ReadyForKeys(MergeOrderList(window));
        if (modifier)
            PressKeyWith(window, modifier, key);
        else
            PressKey(window, key);
        EXPECT_EQ(MergeLinesOnceThey(window, lines), lines) << "after key " << key;
    }

    std::string MergedRun(const std::vector<std::string>& names, const std::string& target)
    {
        std::string files;
        for (const std::string& name : names)
            files += InQuotes(JoinPath(sources, name)) + " ";
        return CapturedRun(Session(), files + " cat output " + InQuotes(target));
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

// The order window lists the files as the dialog handed them back; its
// buttons and keys give the run the files in the listed order.
TEST_F(MultiFileActions, MergeOrderWindowGivesTheRunTheListedOrder)
{
    const size_t before = RunsSoFar();
    for (const char* name : {"1.pdf", "2.pdf", "3.pdf", "10.pdf"})
        WriteFileBytes(JoinPath(sources, name), "%PDF-1.4\n");
    StartMerge({"10.pdf", "3.pdf", "1.pdf", "2.pdf"}, false);
    HWND window = WaitForMergeOrder(Id());
    EXPECT_EQ(GetWindow(window, GW_OWNER), Session().MainWindow());
    EXPECT_FALSE(IsWindowEnabled(Session().MainWindow()));
    EXPECT_EQ(ListItems(MergeOrderList(window)), (std::vector<std::string>{"10.pdf", "3.pdf", "1.pdf", "2.pdf"}));
    if (const char* picture = getenv("VELMORA_MERGE_SCREENSHOT"))
        SaveScreenshot(picture);

    PressInOrder(window, "Sort by name", {"1.pdf", "2.pdf", "3.pdf", "10.pdf"});
    PressInOrder(window, "Sort by name", {"10.pdf", "3.pdf", "2.pdf", "1.pdf"});
    PressInOrder(window, "Reverse", {"1.pdf", "2.pdf", "3.pdf", "10.pdf"});   // 10.pdf still chosen
    PressInOrder(window, "Up", {"1.pdf", "2.pdf", "10.pdf", "3.pdf"});
    PressInOrder(window, "Down", {"1.pdf", "2.pdf", "3.pdf", "10.pdf"});
    KeyInOrder(window, VK_CONTROL, VK_UP, {"1.pdf", "2.pdf", "10.pdf", "3.pdf"});
    KeyInOrder(window, VK_CONTROL, VK_UP, {"1.pdf", "10.pdf", "2.pdf", "3.pdf"});
    KeyInOrder(window, VK_CONTROL, VK_DOWN, {"1.pdf", "2.pdf", "10.pdf", "3.pdf"});
    KeyInOrder(window, 0, VK_DELETE, {"1.pdf", "2.pdf", "3.pdf"});
    // A line dragged with the mouse below the last one goes to the end.
    DragMouse(MergeLinePoint(window, 0), MergeLinePoint(window, 4));
    const std::vector<std::string> dragged = {"2.pdf", "3.pdf", "1.pdf"};
    EXPECT_EQ(MergeLinesOnceThey(window, dragged), dragged);

    // Tab goes through the list, the buttons beside it from the top, then
    // OK and Cancel; Enter in the list is OK.
    HWND list = MergeOrderList(window);
    ReadyForKeys(list);
    for (const char* caption : {"Up", "Down", "Remove", "Add...", "Sort by name", "Reverse", "OK", "Cancel"}) {
        PressTab(window);
        WaitForFocus(MergeOrderButton(window, caption));
    }
    PressTab(window);
    WaitForFocus(list);
    PressEnter(window);
    WaitUntilGone(window);
    const std::string target = Session().Documents().File("ordered.pdf");
    NameTarget(kMergeTargetTitle, target);
    EXPECT_EQ(Finish(before + 1).commandLine, MergedRun(dragged, target));
}

// OK needs two files; Add... appends what the dialog gives, a file already
// listed on a line of its own; Escape or Cancel run nothing.
TEST_F(MultiFileActions, MergeOrderWindowAddsFilesAndCancelsQuietly)
{
    const size_t before = RunsSoFar();
    StartMerge({"a.pdf", "b.pdf"}, false);
    HWND window = WaitForMergeOrder(Id());
    PressInOrder(window, "Remove", {"b.pdf"});
    ClickButton(MergeOrderButton(window, "OK"));
    HWND hint = WaitForControl(window, ControlMatch::Text(
                                           "A merge needs at least two files. Add more with \"Add...\", or press Cancel."));
    EXPECT_TRUE(IsWindowVisible(window));

    ClickButton(MergeOrderButton(window, "Add..."));
    HWND dialog = WaitForFileDialog(Id(), kPdfDialogTitle);
    EXPECT_TRUE(AllowsMultipleSelection(dialog));
    ChooseFiles(dialog, sources, {"c.pdf", "b.pdf"});
    WaitUntilGone(dialog);
    const std::string folder = "   (" + sources + "\\)";
    EXPECT_EQ(MergeLinesOnceThey(window, {"b.pdf" + folder, "c.pdf", "b.pdf" + folder}),
              (std::vector<std::string>{"b.pdf" + folder, "c.pdf", "b.pdf" + folder}));
    EXPECT_EQ(TextOf(hint), "");
    PressEscape(window);
    WaitUntilGone(window);
    ExpectNothingRan(Session(), before);

    StartMerge({"a.pdf", "c.pdf"}, false);
    window = WaitForMergeOrder(Id());
    ClickButton(MergeOrderButton(window, "Cancel"));
    WaitUntilGone(window);
    ExpectNothingRan(Session(), before);
}

// A drop has no order the user chose: its PDFs come sorted by name, and
// what cannot be merged is named before they go on.
TEST_F(MultiFileActions, SeveralPdfsDroppedOpenTheMergeOrderSortedByName)
{
    const size_t before = RunsSoFar();
    for (const char* name : {"1.pdf", "3.pdf", "10.pdf"})
        WriteFileBytes(JoinPath(sources, name), "%PDF-1.4\n");
    const std::string notes = JoinPath(sources, "notes.txt");
    WriteFileBytes(notes, "not a PDF\n");
    const std::string folder = Session().Documents().MakeFolder("inner");
    auto drop = DropFiles(Session().MainWindow(), {JoinPath(sources, "10.pdf"), folder, JoinPath(sources, "1.pdf"),
                                                   notes, JoinPath(sources, "3.pdf")});
    Session().ExpectNotice("Only PDF files can be merged. Left out:\r\n" + folder + "\r\n" + notes);
    HWND window = WaitForMergeOrder(Id());
    EXPECT_EQ(ListItems(MergeOrderList(window)), (std::vector<std::string>{"1.pdf", "3.pdf", "10.pdf"}));
    ClickButton(MergeOrderButton(window, "OK"));
    WaitUntilGone(window);
    const std::string target = Session().Documents().File("dropped.pdf");
    NameTarget(kMergeTargetTitle, target);
    StandinRun run = Finish(before + 1);
    EXPECT_EQ(run.commandLine, MergedRun({"1.pdf", "3.pdf", "10.pdf"}, target));
    EXPECT_EQ(run.folder, sources);
}
