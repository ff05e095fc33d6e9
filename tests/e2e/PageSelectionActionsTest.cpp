// CAT and Remove: a page range from the main window's fields, or a page
// selection asked for in the "Remove page" query, copied into a new file
// beside the input.
#include "tests/e2e/ActionSteps.h"
#include "tests/e2e/MainWindowControls.h"
#include "tests/support/PasswordQuestion.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

const char kCatRefusal[] = "CAT FROM: and CAT TO: must be insert";
const char kRemoveTitle[] = "Remove page";

std::string InQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

class PageSelectionActions : public SharedSessionTest {
protected:
    void SetUp() override
    {
        SharedSessionTest::SetUp();
        input = MakeDocument(Session(), "a.pdf");
        PickPdf(Session(), input);
    }

    void SetRange(const std::string& from, const std::string& to, const char* pages = "all")
    {
        TypeIntoField(Session(), Field::CatFrom, from);
        TypeIntoField(Session(), Field::CatTo, to);
        SetChecked(Session(), pages);
    }

    // Presses CAT, picks the input and gives the stand-in's run.
    StandinRun Cat()
    {
        const size_t before = RunsSoFar();
        Press(Session(), "CAT");
        AnswerPdfDialog(Session(), input);
        StandinRun run = ExpectRun(Session(), before + 1);
        Session().ExpectNotice(kSuccessNotice);
        return run;
    }

    std::string CatRun(const std::string& range)
    {
        return CapturedRun(Session(), InQuotes("A=" + input) + " cat " + range + " output " +
                                          InQuotes(Session().Documents().File("a_cat.pdf")));
    }

    // Presses Remove, picks the input and gives the query dialog.
    QueryView StartRemove()
    {
        Press(Session(), "Remove");
        AnswerPdfDialog(Session(), input);
        return WaitForQuery(Session(), kRemoveTitle);
    }

    std::string RemoveRun(const std::string& ranges)
    {
        return CapturedRun(Session(), InQuotes("A=" + input) + " cat " + ranges + " output " +
                                          InQuotes(Session().Documents().File("a_remove.pdf")));
    }

    std::string input;
};

POINT CentreOf(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

RECT RectOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

} // namespace

TEST_F(PageSelectionActions, CatWantsBothPageFieldsBeforeAnyDialog)
{
    const size_t before = RunsSoFar();
    SetRange("1", "");
    Press(Session(), "CAT");
    Session().ExpectNotice(kCatRefusal);
    ExpectNothingRan(Session(), before);

    SetRange("", "5");
    Press(Session(), "CAT");
    Session().ExpectNotice(kCatRefusal);
    ExpectNothingRan(Session(), before);
}

TEST_F(PageSelectionActions, CatCopiesTheRangeWithAllEvenOrOddPages)
{
    SetRange("3", "end", "all");
    StandinRun run = Cat();
    EXPECT_EQ(run.commandLine, CatRun("A3-end"));
    EXPECT_EQ(run.folder, Session().Documents().Path());

    SetRange("1", "5", "even");
    EXPECT_EQ(Cat().commandLine, CatRun("A1-5even"));

    SetRange("3", "end", "odd");
    EXPECT_EQ(Cat().commandLine, CatRun("A3-endodd"));

    // Texts go in as typed: a leading blank splits the range in two words.
    SetRange("1", " 5", "all");
    EXPECT_EQ(Cat().commandLine, CatRun("A1- 5"));

    const size_t before = RunsSoFar();
    Press(Session(), "CAT");
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before);
}

TEST_F(PageSelectionActions, RemoveAsksWhichPagesToKeep)
{
    const size_t before = RunsSoFar();
    QueryView query = StartRemove();
    EXPECT_EQ(TextOf(query.prompt), "Remove page: Sample remove Page 13");
    EXPECT_EQ(TextOf(query.edit), "A1-12 A14-end");
    EXPECT_EQ(SelectedRange(query.edit), std::make_pair(0, 13)) << "the proposal is not selected";
    ClickButton(query.ok);
    WaitUntilGone(query.form);

    StandinRun run = ExpectRun(Session(), before + 1);
    EXPECT_EQ(run.commandLine, RemoveRun("A1-12 A14-end"));
    EXPECT_EQ(run.folder, Session().Documents().Path());
    Session().ExpectNotice(kSuccessNotice);

    // Typing replaces the selected proposal; Enter is OK. Pages typed
    // without a handle are the ones to remove: pdftk gets the others.
    query = StartRemove();
    ReadyForKeys(query.edit);
    TypeIntoEdit(query.edit, "1-3 5-end");
    PressEnter(query.edit);
    run = ExpectRun(Session(), before + 2);
    EXPECT_EQ(run.commandLine, RemoveRun("A1-end~1-3~5-end A5~5"));
    Session().ExpectNotice(kSuccessNotice);

    // Every page is more than can go.
    query = StartRemove();
    ReadyForKeys(query.edit);
    TypeIntoEdit(query.edit, "1-end");
    PressEnter(query.edit);
    Session().ExpectNotice("That would remove every page, and a PDF file needs at least one. "
                           "Type only the pages to remove.");
    ExpectNothingRan(Session(), before + 2);
}

TEST_F(PageSelectionActions, RemoveRunsNothingUnlessConfirmedWithPages)
{
    const size_t before = RunsSoFar();

    Press(Session(), "Remove");
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before);

    QueryView query = StartRemove();
    ClickButton(query.cancel);
    WaitUntilGone(query.form);
    ExpectNothingRan(Session(), before);

    query = StartRemove();
    ReadyForKeys(query.edit);
    PressEscape(query.edit);
    WaitUntilGone(query.form);
    ExpectNothingRan(Session(), before);

    query = StartRemove();
    PressCloseBox(query.form);
    WaitUntilGone(query.form);
    ExpectNothingRan(Session(), before);

    query = StartRemove();
    ReadyForKeys(query.edit);
    PressKey(query.edit, VK_DELETE);
    WaitForText(query.edit, "");
    ClickButton(query.ok);
    WaitUntilGone(query.form);
    ExpectNothingRan(Session(), before);
}

// The query is modal: a real click on another action of the main window
// starts no second operation inside the first.
TEST_F(PageSelectionActions, RemoveQueryKeepsTheMainWindowFromStartingAnything)
{
    const size_t before = RunsSoFar();
    HWND main = Session().MainWindow();
    const RECT repair = RectOf(ButtonOf(Session(), "Repair a PDF"));
    QueryView query = StartRemove();
    const RECT shown = RectOf(query.form);
    RECT overlap = {};
    ASSERT_FALSE(IntersectRect(&overlap, &repair, &shown)) << "the query hides the button";
    EXPECT_FALSE(IsWindowEnabled(main));

    ClickMouseAt(CentreOf(repair));
    // Keys queue up behind the click: once they have emptied the box, the
    // click has been handled.
    ClearEdit(query.edit);
    for (HWND window : TopWindowsOf(Session().ProcessId()))
        if (window != main && window != query.form && IsWindowVisible(window))
            ADD_FAILURE() << "the click started " << ClassOf(window) << " " << Quoted(TextOf(window));

    ClickButton(query.cancel);
    WaitUntilGone(query.form);
    ExpectNothingRan(Session(), before);

    // The main window takes clicks again.
    ClickMouseAt(CentreOf(RectOf(ButtonOf(Session(), "Remove"))));
    CancelPdfDialog(Session());
    ExpectNothingRan(Session(), before);
}

TEST_F(PageSelectionActions, RemoveTellsTheOutcomeOfItsRun)
{
    const size_t before = RunsSoFar();
    Session().SetTool({{"err", "Error: Range start page number exceeds size of PDF\\r\\n"}, {"exit", "3"}});
    QueryView query = StartRemove();
    ClickButton(query.ok);
    ExpectRun(Session(), before + 1);
    // The tool's own words say why, before the outcome.
    OutputView output = WaitForOutput(Session());
    EXPECT_EQ(TextOf(output.memo), "Error: Range start page number exceeds size of PDF\r\n");
    ClickButton(output.ok);
    WaitUntilGone(output.form);
    // The notice repeats them once the Output window is closed.
    Session().ExpectNotice("pdftk reported an error (exit code 3)\r\nError: Range start page number exceeds size of PDF");
    ExpectNothingRan(Session(), before + 1);
}

// A protected input: the first run, refused for want of the open password,
// is no outcome; the question names the file, hides the typing, and the run
// again names the input by its handle for PROMPT, the password going to the
// tool's standard input alone.
TEST_F(PageSelectionActions, RemoveOnAProtectedInputAsksForItsPasswordAndRunsAgain)
{
    const size_t before = RunsSoFar();
    Session().SetTool({{"password", "open sesame"}});
    QueryView remove = StartRemove();
    ClickButton(remove.ok);
    HWND question = velmora::testsupport::WaitForPasswordQuestion(Session().ProcessId(), Session().MainWindow());
    EXPECT_EQ(TextOf(FindControl(question, ControlMatch::Class("obj_STATIC"))),
              "a.pdf is protected by a password.\r\nType the password that opens it:");
    EXPECT_NE(SendMessageA(FindControl(question, ControlMatch::Class("obj_EDIT")), EM_GETPASSWORDCHAR, 0, 0), 0);
    velmora::testsupport::AnswerPasswordQuestion(Session().ProcessId(), Session().MainWindow(), "open sesame");
    StandinRun run = ExpectRun(Session(), before + 2);
    EXPECT_EQ(run.commandLine, CapturedRun(Session(), InQuotes("A=" + input) + " input_pw A=PROMPT cat A1-12 A14-end output " +
                                                          InQuotes(Session().Documents().File("a_remove.pdf"))));
    EXPECT_EQ(run.input, std::vector<std::string>{"open sesame"});
    OutputView output = WaitForOutput(Session());
    ClickButton(output.ok);
    WaitUntilGone(output.form);
    Session().ExpectNotice(std::string(kSuccessNotice) +
                           "\r\nThe output is not protected by the original's passwords any more: it opens without a password.");
}

// The tool's path holds a blank here; it is quoted as for every other run.
TEST(RemoveFromAFolderWithABlank, QuotesTheToolsPath)
{
    SessionOptions options;
    options.folderName = FolderName::WithBlank;
    VelmoraSession session(options);
    const std::string input = MakeDocument(session, "scan");
    PickPdf(session, input);

    Press(session, "Remove");
    AnswerPdfDialog(session, input);
    QueryView query = WaitForQuery(session, kRemoveTitle);
    ClickButton(query.ok);
    StandinRun run = ExpectRun(session, 1);
    EXPECT_EQ(run.commandLine, CapturedRun(session, InQuotes("A=" + input) + " cat A1-12 A14-end output " +
                                                        InQuotes(session.Documents().File("scan_remove.pdf"))));
    EXPECT_EQ(run.folder, session.Documents().Path());
    session.ExpectNotice(kSuccessNotice);
}

namespace {

struct QueryLayout {
    RECT client;
    RECT prompt, edit, ok, cancel;
};

QueryLayout RemoveQueryLayoutAt(int dpi)
{
    SessionOptions options;
    options.dpi = dpi;
    VelmoraSession session(options);
    const std::string input = MakeDocument(session, "a.pdf");
    HWND main = session.MainWindow();
    auto dropped = DropFiles(main, {input});
    WaitUntil([&] { return TextOf(FieldWindow(main, "PdfFileEdit")) == input; }, "the dropped file in the PDF field");
    Press(session, "Remove");
    AnswerPdfDialog(session, input);
    QueryView query = WaitForQuery(session, kRemoveTitle);
    QueryLayout layout = {};
    GetClientRect(query.form, &layout.client);
    layout.prompt = DescribeControl(query.prompt).rect;
    layout.edit = DescribeControl(query.edit).rect;
    layout.ok = DescribeControl(query.ok).rect;
    layout.cancel = DescribeControl(query.cancel).rect;
    ClickButton(query.cancel);
    WaitUntilGone(query.form);
    return layout;
}

} // namespace

// At 150 % the query is laid out in dialog units of its scaled font. The
// font's bitmap strikes do not grow by exactly 1.5 (its average width goes
// from 6 to 7 pixels under Wine), so the query grows with the font rather
// than by the scale, and every part stays inside it.
TEST(RemoveQuery, At144DpiGrowsWithItsScaledFontAndKeepsEveryPartInside)
{
    const QueryLayout at96 = RemoveQueryLayoutAt(96);
    const QueryLayout at144 = RemoveQueryLayoutAt(144);
    EXPECT_GE(at144.client.right * 100, at96.client.right * 115);
    EXPECT_GE(at144.client.bottom * 100, at96.client.bottom * 115);
    EXPECT_GE(at144.prompt.bottom - at144.prompt.top, At144Dpi(8)) << "the prompt's font is not scaled";
    for (const RECT& part : {at144.prompt, at144.edit, at144.ok, at144.cancel}) {
        EXPECT_GE(part.left, 0);
        EXPECT_LE(part.right, at144.client.right);
        EXPECT_LE(part.bottom, at144.client.bottom);
    }
    EXPECT_LE(at144.edit.bottom, at144.ok.top);
    EXPECT_LE(at144.ok.right, at144.cancel.left);
}
