// A PDF named on velmora.exe's command line: the first argument fills the PDF
// field and proposes the encryption target beside it; anything after it is
// ignored; letters of the ANSI code page beyond ASCII arrive unchanged.
#include "tests/e2e/MainWindowControls.h"
#include "tests/e2e/VelmoraSession.h"
#include "tests/support/MergeOrderWindow.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::testsupport;

namespace {

struct Fields {
    std::string pdf;
    std::string target;
};

// A file named on the command line must be there to be taken.
std::string Existing(const std::string& folder, const std::string& name)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteFileBytes(folder + "\\" + name, "%PDF-1.4\n");
    return "\"" + folder + "\\" + name + "\"";
}

Fields FieldsAfterStart(VelmoraSession& session)
{
    HWND main = session.MainWindow();
    return {TextOf(FieldWindow(main, "PdfFileEdit")), TextOf(FieldWindow(main, "TargetEdit"))};
}

} // namespace

TEST(CommandLineStart, QuotedPathWithBlankFillsBothFieldsAndASecondArgumentIsIgnored)
{
    SessionOptions options;
    options.arguments = Existing("C:\\a b", "x.pdf") + " \"C:\\other\\second.pdf\"";
    VelmoraSession session(options);
    Fields shown = FieldsAfterStart(session);
    EXPECT_EQ(shown.pdf, "C:\\a b\\x.pdf");
    EXPECT_EQ(shown.target, "C:\\a b\\x_sec.pdf");

    // The other fields keep their start state.
    EXPECT_EQ(TextOf(FieldWindow(session.MainWindow(), "CatFromEdit")), "1");
    EXPECT_EQ(TextOf(FieldWindow(session.MainWindow(), "UserPasswordEdit")), "");

    PressCloseBox(session.MainWindow());
    EXPECT_EQ(session.Program().WaitForExit(), 0u);
}

TEST(CommandLineStart, LettersBeyondAsciiSurviveInPathAndProgramFolder)
{
    SessionOptions options;
    options.arguments = Existing("C:\\Dokumente", "\xDC" "bersicht.pdf");
    options.folderName = FolderName::NonAscii;
    VelmoraSession session(options);
    Fields shown = FieldsAfterStart(session);
    EXPECT_EQ(shown.pdf, "C:\\Dokumente\\\xDC" "bersicht.pdf");
    EXPECT_EQ(shown.target, "C:\\Dokumente\\\xDC" "bersicht_sec.pdf");

    session.Click("Close");
    EXPECT_EQ(session.Program().WaitForExit(), 0u);
}

TEST(CommandLineStart, NameWithoutExtensionInADottedFolderGetsTheEndingAppended)
{
    SessionOptions options;
    options.arguments = Existing("C:\\v1.2 docs", "report");
    VelmoraSession session(options);
    Fields shown = FieldsAfterStart(session);
    EXPECT_EQ(shown.pdf, "C:\\v1.2 docs\\report");
    EXPECT_EQ(shown.target, "C:\\v1.2 docs\\report_sec.pdf");

    session.Click("Close");
    EXPECT_EQ(session.Program().WaitForExit(), 0u);
}

TEST(CommandLineStart, MissingFileIsNamedAndTheFieldsStayEmpty)
{
    SessionOptions options;
    options.arguments = "\"C:\\nowhere\\gone.pdf\"";
    VelmoraSession session(options);
    session.ExpectNotice("The file C:\\nowhere\\gone.pdf was not found.");
    Fields shown = FieldsAfterStart(session);
    EXPECT_EQ(shown.pdf, "");
    EXPECT_EQ(shown.target, "");

    session.Click("Close");
    EXPECT_EQ(session.Program().WaitForExit(), 0u);
}

// A file dropped on the open window is taken as one named on the command
// line; several go to the Merge order window, a folder alone gets a notice,
// and nothing is taken while a modal box is up.
TEST(CommandLineStart, DroppedFileIsTakenAsACommandLineFileAndOtherDropsAreRefused)
{
    VelmoraSession session;
    HWND main = session.MainWindow();
    const std::string pdf = session.Documents().File("drop me.pdf");
    WriteFileBytes(pdf, "%PDF-1.4\n");
    auto fieldsAre = [&](const std::string& text) {
        return TextOf(FieldWindow(main, "PdfFileEdit")) == text;
    };

    auto several = DropFiles(main, {pdf, session.Documents().File("other.pdf")});
    HWND order = WaitForMergeOrder(session.ProcessId());
    PressEscape(order);
    WaitUntilGone(order);
    auto folder = DropFiles(main, {session.Documents().Path()});
    session.ExpectNotice("Drop a single PDF file on the window: several files or a folder cannot be taken.");
    EXPECT_TRUE(fieldsAre(""));

    session.Click("About");
    MessageBoxInfo about = WaitForMessageBox(session.ProcessId(), "Description");
    auto underBox = DropFiles(main, {pdf});
    Sleep(300);
    EXPECT_TRUE(fieldsAre(""));
    AnswerMessageBox(about, IDOK);

    auto one = DropFiles(main, {pdf});
    WaitUntil([&] { return fieldsAre(pdf); }, "the dropped file in the PDF field");
    EXPECT_EQ(TextOf(FieldWindow(main, "TargetEdit")), session.Documents().File("drop me_sec.pdf"));

    // A file gone by the time it is dropped is named; the fields keep the last one.
    const std::string gone = session.Documents().File("gone.pdf");
    auto missing = DropFiles(main, {gone});
    session.ExpectNotice("The file " + gone + " was not found.");
    EXPECT_TRUE(fieldsAre(pdf));
    EXPECT_EQ(TextOf(FieldWindow(main, "TargetEdit")), session.Documents().File("drop me_sec.pdf"));

    // A name the code page lacks letters of arrives whole, as from the
    // dialog: the field shows '?' for them, and proposes no target it
    // could not hold.
    std::wstring nihon(MAX_PATH, L'\0');
    nihon.resize(MultiByteToWideChar(CP_ACP, 0, session.Documents().Path().c_str(), -1, nihon.data(), MAX_PATH) - 1);
    nihon += L"\\\u65E5\u672C.pdf";
    CloseHandle(CreateFileW(nihon.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    auto wide = DropFiles(main, std::vector<std::wstring>{nihon});
    WaitUntil([&] { return fieldsAre(session.Documents().File("??.pdf")); }, "the dropped wide name in the PDF field");
    EXPECT_EQ(TextOf(FieldWindow(main, "TargetEdit")), "");

    session.Click("Close");
    EXPECT_EQ(session.Program().WaitForExit(), 0u);
}
