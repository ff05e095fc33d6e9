// The tool runner as a person meets it: the Output window with what pdftk
// wrote, then the outcome notice. The runs are started with "Enrypt the PDF
// file", which goes straight to the runner without a file dialog.
#include "tests/e2e/ActionSteps.h"
#include "tests/e2e/MainWindowControls.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

const char kEncrypt[] = "Enrypt the PDF file";

using Tool = std::vector<StandinStep>;

// A session whose PDF file field is filled and whose passwords differ, so
// that every click on the encrypt button runs the tool.
struct ReadyToRun {
    explicit ReadyToRun(std::vector<StandinStep> tool = {})
        : session(Options(std::move(tool)))
    {
        PickPdf(session, MakeDocument(session, "report.pdf"));
        TypeIntoField(session, Field::OwnerPassword, "owner");
    }

    static SessionOptions Options(std::vector<StandinStep> tool)
    {
        SessionOptions options;
        options.tool = std::move(tool);
        return options;
    }

    VelmoraSession session;
};

// The system's text for an error code, as the program shows it: without
// the line break and full stop at its end.
std::string SystemText(DWORD code)
{
    char buffer[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                             sizeof buffer, nullptr);
    std::string text(buffer, n);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST(OutputWindow, ShowsOnlyTheTextOfItsOwnRunAndIsHiddenAfterOk)
{
    const std::string first = "pdftk 2.02 \xE9" "crit:\r\n  page 1 of 3\r\n\r\ndone\r\n";
    ReadyToRun ready(Tool{{"out", "pdftk 2.02 \\xE9crit:\\r\\n  page 1 of 3\\r\\n\\r\\ndone\\r\\n"}});
    VelmoraSession& session = ready.session;
    HWND main = session.MainWindow();

    Press(session, kEncrypt);
    OutputView output = WaitForOutput(session);
    EXPECT_EQ(TextOf(output.memo), first);
    EXPECT_EQ(GetWindow(output.form, GW_OWNER), main);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the main window takes input under the Output window";
    const RECT shownAt = WindowRect(output.form);

    // Whatever the user types into the box is gone by the next display.
    ClearEdit(output.memo);
    TypeIntoEdit(output.memo, "typed by the user");

    ClickButton(output.ok);
    WaitUntilGone(output.form);
    EXPECT_TRUE(IsWindow(output.form));
    session.ExpectNotice(kSuccessNotice);
    EXPECT_TRUE(IsWindowEnabled(main));

    // Standard error goes into the same text, in the order written.
    session.SetTool({{"out", "second run\\r\\n"}, {"err", "Warning: on standard error\\r\\n"}, {"out", "end\\r\\n"}});
    Press(session, kEncrypt);
    output = WaitForOutput(session);
    EXPECT_EQ(TextOf(output.memo), "second run\r\nWarning: on standard error\r\nend\r\n");
    EXPECT_TRUE(WindowRect(output.form) == shownAt) << "the Output window moved or changed its size";
    ClickButton(output.ok);
    WaitUntilGone(output.form);
    session.ExpectNotice(kSuccessNotice);
    EXPECT_EQ(session.ToolRuns().size(), 2u);
}

TEST(OutputWindow, CloseBoxEndsTheDisplayLikeOk)
{
    ReadyToRun ready(Tool{{"out", "one\\r\\n"}});
    VelmoraSession& session = ready.session;

    Press(session, kEncrypt);
    OutputView output = WaitForOutput(session);
    PressCloseBox(output.form);
    WaitUntilGone(output.form);
    EXPECT_TRUE(IsWindow(output.form)) << "the close box destroyed the Output window";
    session.ExpectNotice(kSuccessNotice);
    EXPECT_TRUE(IsWindowEnabled(session.MainWindow()));

    session.SetTool({{"out", "two\\r\\n"}});
    Press(session, kEncrypt);
    OutputView again = WaitForOutput(session);
    EXPECT_EQ(again.form, output.form);
    EXPECT_EQ(TextOf(again.memo), "two\r\n");
    ClickButton(again.ok);
    WaitUntilGone(again.form);
    session.ExpectNotice(kSuccessNotice);
}

TEST(OutputWindow, LongOutputIsShownWhole)
{
    // Far beyond the 30000 characters a user may type into an edit box.
    ReadyToRun ready(Tool{{"bytes", "200000"}});
    VelmoraSession& session = ready.session;
    Press(session, kEncrypt);
    OutputView output = WaitForOutput(session);
    const std::string text = TextOf(output.memo);
    EXPECT_EQ(text.size(), 200000u);
    EXPECT_EQ(text.substr(0, 64), std::string(63, 'x') + "\n");
    ClickButton(output.ok);
    WaitUntilGone(output.form);
    session.ExpectNotice(kSuccessNotice);
}

TEST(ToolRunner, ToolThatPrintsNothingShowsOnlyTheNotice)
{
    ReadyToRun ready;
    VelmoraSession& session = ready.session;
    Press(session, kEncrypt);
    // The notice comes only after the Output window has been dismissed, so
    // a notice with no Output window before it means none was shown.
    session.ExpectNotice(kSuccessNotice);
    HWND output = FindTopWindow(session.ProcessId(), WindowMatch::Title("Output").AndClass("obj_Form"));
    ASSERT_NE(output, nullptr) << "the Output window is built at start-up";
    EXPECT_FALSE(IsWindowVisible(output));
    EXPECT_EQ(session.ToolRuns().size(), 1u);
}

TEST(ToolRunner, ToolThatFailsIsNotReportedAsSuccess)
{
    ReadyToRun ready(Tool{{"err", "Error: Unexpected Exception in open_reader()\\r\\n"}, {"exit", "3"}});
    VelmoraSession& session = ready.session;

    Press(session, kEncrypt);
    OutputView output = WaitForOutput(session);
    EXPECT_EQ(TextOf(output.memo), "Error: Unexpected Exception in open_reader()\r\n");
    ClickButton(output.ok);
    WaitUntilGone(output.form);
    session.ExpectNotice("pdftk reported an error (exit code 3)");

    // Silent failure: no Output window, still no success.
    session.SetTool({{"exit", "3"}});
    Press(session, kEncrypt);
    session.ExpectNotice("pdftk reported an error (exit code 3)");

    session.SetTool({});
    Press(session, kEncrypt);
    session.ExpectNotice(kSuccessNotice);
}

TEST(ToolRunner, ToolDeletedAfterStartGetsTheSystemsText)
{
    ReadyToRun ready;
    VelmoraSession& session = ready.session;
    const std::string tool = session.Folder().File("pdftk.exe");
    const std::string kept = session.Documents().File("pdftk.exe.kept");
    ASSERT_TRUE(MoveFileA(tool.c_str(), kept.c_str()));

    Press(session, kEncrypt);
    MessageBoxInfo notice = WaitForMessageBox(session.ProcessId(), kMainTitle);
    EXPECT_EQ(notice.text, SystemText(ERROR_FILE_NOT_FOUND));
    EXPECT_NE(notice.text, kSuccessNotice);
    EXPECT_FALSE(notice.text.empty());
    AnswerMessageBox(notice, IDOK);
    EXPECT_TRUE(session.ToolRuns().empty());

    // Back in place, the tool runs again.
    ASSERT_TRUE(MoveFileA(kept.c_str(), tool.c_str()));
    Press(session, kEncrypt);
    session.ExpectNotice(kSuccessNotice);
    EXPECT_EQ(session.ToolRuns().size(), 1u);
}

TEST(OutputWindow, At144DpiItsPartsLieAtOneAndAHalfTimesTheirPlaces)
{
    SessionOptions options;
    options.dpi = 144;
    options.tool = {{"out", "done\\r\\n"}};
    VelmoraSession session(options);
    // The steps that find fields by their 96-DPI places cannot serve here.
    const std::string pdf = MakeDocument(session, "report.pdf");
    HWND main = session.MainWindow();
    auto dropped = DropFiles(main, {pdf});
    WaitUntil([&] { return TextOf(FieldWindow(main, "PdfFileEdit")) == pdf; }, "the dropped file in the PDF field");
    TypeIntoEdit(FieldWindow(main, "OwnerPasswordEdit"), "owner");
    Press(session, kEncrypt);
    OutputView output = WaitForOutput(session);

    RECT client = {};
    GetClientRect(output.form, &client);
    EXPECT_EQ(client.right, At144Dpi(519));
    EXPECT_EQ(client.bottom, At144Dpi(330));
    const RECT memo = DescribeControl(output.memo).rect;
    EXPECT_NEAR(memo.left, At144Dpi(8), 1);
    EXPECT_EQ(memo.top, 0);
    EXPECT_NEAR(memo.right - memo.left, At144Dpi(505), 1);
    EXPECT_NEAR(memo.bottom - memo.top, At144Dpi(273), 1);
    const RECT ok = DescribeControl(output.ok).rect;
    EXPECT_NEAR(ok.left, At144Dpi(216), 1);
    EXPECT_NEAR(ok.top, At144Dpi(288), 1);
    EXPECT_LE(ok.bottom, client.bottom);
}
