// Join and Merge with the real pdftk: every page of every source in the new
// file, in the order the user chose (Merge) or the folder lists them (Join).
#include "tests/realtool/PdfFacts.h"
#include "tests/realtool/RealToolSession.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::realtool;

namespace {

class MultiFileActions : public RealToolTest {
protected:
    // a.pdf: pages 1-2, b.pdf: page 3, c.pdf: pages 4-6, by their sizes.
    std::string Sources()
    {
        const std::string folder = Document("sources");
        if (!FolderExists(folder)) {
            Session().Documents().MakeFolder("sources");
            MakeNumberedPdf(JoinPath(folder, "a.pdf"), 2, "A", 1);
            MakeNumberedPdf(JoinPath(folder, "b.pdf"), 1, "B", 3);
            MakeNumberedPdf(JoinPath(folder, "c.pdf"), 3, "C", 4);
        }
        return folder;
    }

    DWORD Id() { return Session().ProcessId(); }
};

TEST_F(MultiFileActions, JoinCombinesEveryPdfOfTheFolder)
{
    const std::string folder = Sources();
    const std::string target = Document("joined.pdf");
    Session().Click("Join");
    HWND browser = WaitForFolderBrowser(Id());
    SelectFolder(browser, folder);
    ClickButton(browser, IDOK);
    WaitUntilGone(browser);
    HWND save = WaitForFileDialog(Id(), "Save the target PDF file for combine");
    ChooseFile(save, target);
    WaitUntilGone(save);
    ExpectSuccess(Session().FinishRun());

    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 6);
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3, 4, 5, 6}));
}

TEST_F(MultiFileActions, MergeCombinesTheChosenFilesInTheChosenOrder)
{
    const std::string folder = Sources();
    const std::string target = Document("merged.pdf");
    Session().Click("Merge");
    HWND open = WaitForFileDialog(Id(), "Choose the PDF file");
    ChooseFiles(open, folder, {"c.pdf", "a.pdf", "b.pdf"});
    WaitUntilGone(open);
    HWND save = WaitForFileDialog(Id(), "Save the target PDF file for merge");
    ChooseFile(save, target);
    WaitUntilGone(save);
    ExpectSuccess(Session().FinishRun());

    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 6);
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({4, 5, 6, 1, 2, 3}));
}

} // namespace
