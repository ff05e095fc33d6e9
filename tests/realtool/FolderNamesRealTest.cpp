// The program, the bridge and the documents in folders whose names have a
// blank and letters beyond ASCII: the names pdftk receives must still lead
// to the files, and its output must land where the user looks for it.
#include "tests/realtool/PdfFacts.h"
#include "tests/realtool/RealToolSession.h"
#include "tests/support/MergeOrderWindow.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::realtool;
using namespace velmora::testsupport;

namespace {

class ActionsInNamedFolders : public RealToolTest {
protected:
    FolderName Folders() const override { return FolderName::NonAscii; }

    std::string Prepare(const std::string& name, int pages)
    {
        const std::string path = Document(name);
        if (!FileExists(path))
            MakeNumberedPdf(path, pages, "Named");
        Session().PickPdf(path);
        return path;
    }
};

TEST_F(ActionsInNamedFolders, BurstAndCompressWriteBesideTheInput)
{
    const std::string in = Prepare("d\xE9j\xE0 vu.pdf", 2);
    Session().Click("Burst a PDF");
    MessageBoxInfo description = WaitForMessageBox(Session().ProcessId(), kMainTitle);
    AnswerMessageBox(description, IDOK);
    Session().AnswerPdfDialog(in);
    ExpectSuccess(Session().FinishRun());
    const std::string folder = Document("d\xE9j\xE0 vu");
    EXPECT_EQ(ReadPdf(JoinPath(folder, "pg_0002.pdf")).dimensions, DimensionsOfPages({2}));
    EXPECT_EQ(ParseDumpData(FileBytes(JoinPath(folder, "doc_data.txt"))).pages, 2);

    Session().Click("Re-Compress a PDF only");
    Session().AnswerPdfDialog(in);
    ExpectSuccess(Session().FinishRun());
    PdfFacts packed = ReadPdf(Document("d\xE9j\xE0 vu_compress.pdf"));
    EXPECT_TRUE(packed.opened) << packed.messages;
    EXPECT_EQ(packed.dimensions, DimensionsOfPages({1, 2}));
}

TEST_F(ActionsInNamedFolders, RemoveRunsTheToolFoundBesideTheProgram)
{
    const std::string in = Prepare("\xC4rger 15.pdf", 15);
    Session().Click("Remove");
    Session().AnswerPdfDialog(in);
    HWND query = WaitForTopWindow(Session().ProcessId(), WindowMatch::Title("Remove page").AndClass("obj_Form"));
    ClickButton(WaitForControl(query, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
    ExpectSuccess(Session().FinishRun());
    PdfFacts facts = ReadPdf(Document("\xC4rger 15_remove.pdf"));
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 14);
}

TEST_F(ActionsInNamedFolders, MergeFindsTheChosenFiles)
{
    const std::string first = Document("\xFC" "ber eins.pdf");
    const std::string second = Document("zw\xF6lf.pdf");
    MakeNumberedPdf(first, 1, "One", 1);
    MakeNumberedPdf(second, 2, "Two", 2);
    const std::string target = Document("zusammen gef\xFCgt.pdf");
    Session().Click("Merge");
    HWND open = WaitForFileDialog(Session().ProcessId(), kPdfDialogTitle);
    ChooseFiles(open, Session().Documents().Path(), {"zw\xF6lf.pdf", "\xFC" "ber eins.pdf"});
    WaitUntilGone(open);
    AcceptMergeOrder(Session().ProcessId());
    HWND save = WaitForFileDialog(Session().ProcessId(), "Save the target PDF file for merge");
    ChooseFile(save, target);
    WaitUntilGone(save);
    ExpectSuccess(Session().FinishRun());
    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({2, 3, 1}));
}

} // namespace
