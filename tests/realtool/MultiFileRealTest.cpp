// Join and Merge with the real pdftk: every page of every source in the new
// file, in the order the user chose (Merge) or the folder lists them (Join).
#include "tests/realtool/PdfFacts.h"
#include "tests/realtool/RealToolSession.h"
#include "tests/support/MergeOrderWindow.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::realtool;
using namespace velmora::testsupport;

namespace {

class MultiFileActions : public RealToolTest {
protected:
    // a.pdf: pages 1-2, b.pdf: page 3, c.pdf: pages 4-6, by their sizes;
    // each page shows its document's own words.
    std::string Sources()
    {
        const std::string folder = Document("sources");
        if (!FolderExists(folder)) {
            Session().Documents().MakeFolder("sources");
            MakeNumberedPdf(JoinPath(folder, "a.pdf"), 2, "A", 1, "of the apple report");
            MakeNumberedPdf(JoinPath(folder, "b.pdf"), 1, "B", 3, "of the bridge survey");
            MakeNumberedPdf(JoinPath(folder, "c.pdf"), 3, "C", 4, "of the cellar inventory");
        }
        return folder;
    }

    // The same three, b.pdf and c.pdf needing the open passwords "bee" and
    // "sea", in a folder of their own.
    std::string LockedSources()
    {
        const std::string folder = Document("locked");
        if (!FolderExists(folder)) {
            const std::string open = Sources();
            Session().Documents().MakeFolder("locked");
            CopyFileA(JoinPath(open, "a.pdf").c_str(), JoinPath(folder, "a.pdf").c_str(), TRUE);
            EXPECT_TRUE(ProtectPdf(JoinPath(open, "b.pdf"), JoinPath(folder, "b.pdf"), "bee", "owner b"));
            EXPECT_TRUE(ProtectPdf(JoinPath(open, "c.pdf"), JoinPath(folder, "c.pdf"), "sea", "owner c"));
        }
        return folder;
    }

    DWORD Id() { return Session().ProcessId(); }

    // Join of folder into target through the folder browser and the save
    // dialog.
    void StartJoin(const std::string& folder, const std::string& target)
    {
        Session().Click("Join");
        HWND browser = WaitForFolderBrowser(Id());
        SelectFolder(browser, folder);
        ClickButton(browser, IDOK);
        WaitUntilGone(browser);
        HWND save = WaitForFileDialog(Id(), "Save the target PDF file for combine");
        ChooseFile(save, target);
        WaitUntilGone(save);
    }
};

const char kOpenedNote[] = "\r\nThe output is not protected by the original's passwords any more: it opens without a password.";

TEST_F(MultiFileActions, JoinCombinesEveryPdfOfTheFolder)
{
    const std::string target = Document("joined.pdf");
    StartJoin(Sources(), target);
    ExpectSuccess(Session().FinishRun());

    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 6);
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3, 4, 5, 6}));
}

// The dialog hands back c, a, b; the Merge order window sorts them by name
// and moves the first down: b, a, c is the order of the pages.
TEST_F(MultiFileActions, MergeCombinesTheChosenFilesInTheChosenOrder)
{
    const std::string folder = Sources();
    const std::string target = Document("merged.pdf");
    Session().Click("Merge");
    HWND open = WaitForFileDialog(Id(), "Choose the PDF file");
    ChooseFiles(open, folder, {"c.pdf", "a.pdf", "b.pdf"});
    WaitUntilGone(open);
    HWND order = WaitForMergeOrder(Id());
    EXPECT_EQ(ListItems(MergeOrderList(order)), (std::vector<std::string>{"c.pdf", "a.pdf", "b.pdf"}));
    ClickButton(MergeOrderButton(order, "Sort by name"));
    const std::vector<std::string> sorted = {"a.pdf", "b.pdf", "c.pdf"};
    EXPECT_EQ(MergeLinesOnceThey(order, sorted), sorted);
    ClickButton(MergeOrderButton(order, "Down"));
    const std::vector<std::string> chosen = {"b.pdf", "a.pdf", "c.pdf"};
    EXPECT_EQ(MergeLinesOnceThey(order, chosen), chosen);
    AcceptMergeOrder(Id());
    HWND save = WaitForFileDialog(Id(), "Save the target PDF file for merge");
    ChooseFile(save, target);
    WaitUntilGone(save);
    ExpectSuccess(Session().FinishRun());

    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 6);
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({3, 1, 2, 4, 5, 6}));
    EXPECT_EQ(PageTexts(target),
              (std::vector<std::string>{"Page 1 of the bridge survey", "Page 1 of the apple report",
                                        "Page 2 of the apple report", "Page 1 of the cellar inventory",
                                        "Page 2 of the cellar inventory", "Page 3 of the cellar inventory"}));
}

// Each protected file is asked for in turn, and pdftk gets each password
// for its own file: all pages arrive, in the folder's order.
TEST_F(MultiFileActions, JoinAsksForEachProtectedFileOfTheFolder)
{
    const std::string target = Document("locked-joined.pdf");
    StartJoin(LockedSources(), target);
    EXPECT_EQ(Session().AnswerPasswordQuestion("bee"), "b.pdf is protected by a password.\r\nType the password that opens it:");
    EXPECT_EQ(Session().AnswerPasswordQuestion("sea"), "c.pdf is protected by a password.\r\nType the password that opens it:");
    RunOutcome outcome = Session().FinishRun();
    EXPECT_EQ(outcome.notice, std::string(kSuccess) + kOpenedNote) << outcome.output;

    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3, 4, 5, 6}));
}

TEST_F(MultiFileActions, MergeOfAProtectedAndAnOpenFileGivesAllPages)
{
    const std::string folder = LockedSources();
    const std::string target = Document("locked-merged.pdf");
    Session().Click("Merge");
    HWND open = WaitForFileDialog(Id(), "Choose the PDF file");
    ChooseFiles(open, folder, {"c.pdf", "a.pdf"});
    WaitUntilGone(open);
    WaitForMergeOrder(Id());
    AcceptMergeOrder(Id());
    HWND save = WaitForFileDialog(Id(), "Save the target PDF file for merge");
    ChooseFile(save, target);
    WaitUntilGone(save);
    EXPECT_EQ(Session().AnswerPasswordQuestion("sea"), "c.pdf is protected by a password.\r\nType the password that opens it:");
    RunOutcome outcome = Session().FinishRun();
    EXPECT_EQ(outcome.notice, std::string(kSuccess) + kOpenedNote) << outcome.output;

    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({4, 5, 6, 1, 2}));
}

} // namespace
