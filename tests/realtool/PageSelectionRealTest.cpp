// CAT and Remove with the real pdftk: which pages the new file holds, and in
// which order, told apart by their sizes.
#include "tests/realtool/PdfFacts.h"
#include "tests/realtool/RealToolSession.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::realtool;

namespace {

class PageSelectionActions : public RealToolTest {
protected:
    std::string Prepare(const std::string& name, int pages)
    {
        const std::string path = Document(name);
        if (!FileExists(path))
            MakeNumberedPdf(path, pages, "Pages");
        Session().PickPdf(path);
        return path;
    }

    // CAT with the range fields and the radio button given; the pages of the
    // file it wrote.
    PdfFacts Cat(const std::string& in, const std::string& from, const std::string& to, const std::string& which)
    {
        const std::string out = Document("six_cat.pdf");
        DeleteFileA(out.c_str());
        Session().SetField(Field::CatFrom, from);
        Session().SetField(Field::CatTo, to);
        Session().SetChecked(which, true);
        Session().Click("CAT");
        Session().AnswerPdfDialog(in);
        ExpectSuccess(Session().FinishRun());
        PdfFacts facts = ReadPdf(out);
        EXPECT_TRUE(facts.opened) << facts.messages;
        return facts;
    }

    // Remove with typed as the answer of the query: what the user was told.
    RunOutcome Remove(const std::string& in, const std::string& typed)
    {
        DeleteFileA(Document("fifteen_remove.pdf").c_str());
        Session().Click("Remove");
        Session().AnswerPdfDialog(in);
        HWND query = WaitForTopWindow(Session().ProcessId(), WindowMatch::Title("Remove page").AndClass("obj_Form"));
        SetTextOf(WaitForControl(query, ControlMatch::Class("obj_EDIT")), typed);
        ClickButton(WaitForControl(query, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
        return Session().FinishRun();
    }

    // The pages the file Remove wrote holds.
    std::vector<std::string> PagesLeft()
    {
        PdfFacts facts = ReadPdf(Document("fifteen_remove.pdf"));
        EXPECT_TRUE(facts.opened) << facts.messages;
        return facts.dimensions;
    }
};

TEST_F(PageSelectionActions, CatKeepsTheRangeOrItsEvenOrOddPagesInOrder)
{
    const std::string in = Prepare("six.pdf", 6);
    PdfFacts all = Cat(in, "2", "5", "all");
    EXPECT_EQ(all.pages, 4);
    EXPECT_EQ(all.dimensions, DimensionsOfPages({2, 3, 4, 5}));

    PdfFacts even = Cat(in, "1", "end", "even");
    EXPECT_EQ(even.pages, 3);
    EXPECT_EQ(even.dimensions, DimensionsOfPages({2, 4, 6}));

    PdfFacts odd = Cat(in, "2", "6", "odd");
    EXPECT_EQ(odd.pages, 2);
    EXPECT_EQ(odd.dimensions, DimensionsOfPages({3, 5}));

    PdfFacts backwards = Cat(in, "6", "4", "all");
    EXPECT_EQ(backwards.dimensions, DimensionsOfPages({6, 5, 4}));
    Session().SetChecked("all", true);
}

TEST_F(PageSelectionActions, RemoveWithTheProposedSelectionDropsPageThirteen)
{
    const std::string in = Prepare("fifteen.pdf", 15);
    Session().Click("Remove");
    Session().AnswerPdfDialog(in);
    HWND query = WaitForTopWindow(Session().ProcessId(), WindowMatch::Title("Remove page").AndClass("obj_Form"));
    HWND edit = WaitForControl(query, ControlMatch::Class("obj_EDIT"));
    EXPECT_EQ(TextOf(edit), "A1-12 A14-end");
    ClickButton(WaitForControl(query, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
    RunOutcome outcome = Session().FinishRun();
    ExpectSuccess(outcome);
    EXPECT_TRUE(outcome.outputShown) << "pdftk's report is shown as after any other action";

    PdfFacts facts = ReadPdf(Document("fifteen_remove.pdf"));
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 14);
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15}));
}

TEST_F(PageSelectionActions, RemoveOfAPageBeyondTheEndIsReportedAsAFailure)
{
    const std::string in = Prepare("short.pdf", 3);
    Session().Click("Remove");
    Session().AnswerPdfDialog(in);
    HWND query = WaitForTopWindow(Session().ProcessId(), WindowMatch::Title("Remove page").AndClass("obj_Form"));
    ClickButton(WaitForControl(query, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
    RunOutcome outcome = Session().FinishRun();
    EXPECT_NE(outcome.notice, kSuccess);
    EXPECT_NE(outcome.output.find("Error"), std::string::npos) << "the tool's own words say why";
    EXPECT_FALSE(FileExists(Document("short_remove.pdf")));
}

// Pages typed without a handle are the ones that go, the last page and
// "end" included; a page beyond the end fails and says why.
TEST_F(PageSelectionActions, RemoveTakesAwayThePagesTyped)
{
    const std::string in = Prepare("fifteen.pdf", 15);
    ExpectSuccess(Remove(in, "13"));
    EXPECT_EQ(PagesLeft(), DimensionsOfPages({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15}));
    ExpectSuccess(Remove(in, "2-4 9"));
    EXPECT_EQ(PagesLeft(), DimensionsOfPages({1, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15}));
    ExpectSuccess(Remove(in, "end"));
    EXPECT_EQ(PagesLeft(), DimensionsOfPages({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    ExpectSuccess(Remove(in, "15-3"));
    EXPECT_EQ(PagesLeft(), DimensionsOfPages({1, 2}));

    RunOutcome beyond = Remove(in, "16");
    EXPECT_EQ(beyond.notice, "pdftk reported an error (exit code 1)\r\n"
                             "Error: Range start page number exceeds size of PDF\r\n"
                             "here: A1-end~16\r\n"
                             "input PDF has: 15 pages.");
    EXPECT_FALSE(FileExists(Document("fifteen_remove.pdf")));

    // pdftk opens its output before it finds that no page is left: the
    // empty file it leaves is taken away with the failure.
    EXPECT_NE(Remove(in, "1-15").notice, kSuccess);
    EXPECT_FALSE(FileExists(Document("fifteen_remove.pdf")));
}

} // namespace

