// The tool runner as a person meets it: the Output window with what pdftk
// wrote, then the outcome notice. The runs are started with "Enrypt the PDF
// file", which goes straight to the runner without a file dialog.
#include "tests/e2e/ActionSteps.h"
#include "tests/e2e/MainWindowControls.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

const char kEncrypt[] = "Enrypt the PDF file";
const char kCancelledNotice[] = "Cancelled: pdftk was stopped before it finished.";

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

bool Overlap(const RECT& a, const RECT& b)
{
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

POINT CentreOf(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The largest band of the main window beside the Output window, where only
// the main window itself paints.
RECT PartBeside(HWND main, HWND output)
{
    const RECT m = WindowRect(main), o = WindowRect(output);
    const RECT bands[] = {{m.left, m.top, m.right, std::min(m.bottom, o.top)},
                          {m.left, std::max(m.top, o.bottom), m.right, m.bottom},
                          {m.left, m.top, std::min(m.right, o.left), m.bottom},
                          {std::max(m.left, o.right), m.top, m.right, m.bottom}};
    auto area = [](const RECT& r) { return std::max(0L, r.right - r.left) * std::max(0L, r.bottom - r.top); };
    return *std::max_element(std::begin(bands), std::end(bands),
                             [&](const RECT& a, const RECT& b) { return area(a) < area(b); });
}

// An action button of the main window that the Output window leaves free.
HWND ButtonBeside(HWND main, HWND output)
{
    for (const ControlInfo& control : ListControls(main))
        if (control.className == "obj_BUTTON" && !Overlap(WindowRect(control.window), WindowRect(output)))
            return control.window;
    throw DriverError("every button of the main window lies under the Output window");
}

size_t VisibleWindows(DWORD processId)
{
    const std::vector<HWND> windows = TopWindowsOf(processId);
    return std::count_if(windows.begin(), windows.end(), [](HWND w) { return IsWindowVisible(w) != FALSE; });
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
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
    // The standard frame without a maximize box: its layout does not grow.
    const LONG_PTR style = GetWindowLongPtrA(output.form, GWL_STYLE);
    for (LONG_PTR part : {WS_CAPTION, WS_SYSMENU, WS_MINIMIZEBOX, WS_THICKFRAME})
        EXPECT_EQ(style & part, part) << std::hex << part;
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);

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
    session.ExpectNotice("pdftk reported an error (exit code 3)\r\nError: Unexpected Exception in open_reader()");

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

// A run that takes a while: its first lines show while it runs, the program
// stays alive but starts nothing else, and Cancel ends the tool and takes
// away the file it had begun.
TEST(LiveRun, SlowRunShowsItsFirstLinesAndCancelEndsIt)
{
    ReadyToRun ready;
    VelmoraSession& session = ready.session;
    const std::string target = TextOfField(session, Field::Target);
    ASSERT_FALSE(Exists(target));
    session.SetTool({{"out", "Adding page 1\\r\\n"}, {"write", target}, {"sleep", "60000"}});
    HWND main = session.MainWindow();

    Press(session, kEncrypt);
    OutputView output = WaitForOutput(session, "Cancel");
    WaitForText(output.memo, "Adding page 1\r\n");
    WaitUntil([&] { return Exists(target); }, "the stand-in to begin its output file");
    EXPECT_FALSE(IsWindowEnabled(main));
    ASSERT_EQ(ChildProcesses(session.ProcessId(), "pdftk.exe").size(), 1u);

    const size_t shown = VisibleWindows(session.ProcessId());
    ClickMouseAt(CentreOf(WindowRect(ButtonBeside(main, output.form))));
    Sleep(500);
    EXPECT_EQ(VisibleWindows(session.ProcessId()), shown) << "a click on the main window opened something";
    EXPECT_EQ(session.ToolRuns().size(), 1u);

    const RECT part = PartBeside(main, output.form);
    const std::vector<DWORD> before = ScreenPixels(part);
    CoverBriefly(part);
    WaitUntil([&] { return ScreenPixels(part) == before; }, "the main window to paint itself again", 3000);

    ClickButton(output.ok);
    WaitUntilGone(output.form);
    session.ExpectNotice(kCancelledNotice);
    EXPECT_TRUE(ChildProcesses(session.ProcessId(), "pdftk.exe").empty());
    EXPECT_FALSE(Exists(target)) << "the cancelled run left its output file";
    EXPECT_TRUE(IsWindowEnabled(main));
}

// A live run that ends by itself ends as any run does: the whole output,
// byte for byte, under "OK", then the usual notice.
TEST(LiveRun, RunThatEndsByItselfShowsItsWholeOutput)
{
    ReadyToRun ready(Tool{{"out", "Adding page 1\\r\\n"}, {"sleep", "1500"}, {"bytes", "300000"}, {"out", "\\xE9nd"}});
    VelmoraSession& session = ready.session;

    Press(session, kEncrypt);
    OutputView output = WaitForOutput(session, "Cancel");
    WaitForText(output.memo, "Adding page 1\r\n");
    output = WaitForOutput(session, "OK");
    std::string expected = "Adding page 1\r\n";
    for (size_t line = 0; expected.size() < 300000 + 15; ++line)
        expected += std::string(63, 'x') + "\n";
    expected.resize(300000 + 15);
    expected += "\xE9nd";
    EXPECT_TRUE(TextOf(output.memo) == expected) << "the text differs from what the tool wrote";
    ClickButton(output.ok);
    WaitUntilGone(output.form);
    session.ExpectNotice(kSuccessNotice);
    EXPECT_TRUE(IsWindowEnabled(session.MainWindow()));
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
