#include "tests/e2e/VelmoraSession.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

constexpr char kNotFoundStart[] = "ERROR: PDFTK not found. More infos on my site. ";

// Waits for the not-found notice; the main window must stay hidden all the
// while, and is never shown before the program ends.
MessageBoxInfo WaitForNoticeWithoutMainWindow(DWORD processId)
{
    MessageBoxInfo box;
    WaitUntil([&] {
        HWND shown = FindTopWindow(processId, WindowMatch::Class("obj_Form"));
        if (shown && IsWindowVisible(shown))
            throw DriverError("the main window was shown though pdftk.exe is missing");
        HWND notice = FindTopWindow(processId, WindowMatch::Title(kMainTitle).AndClass("#32770"));
        if (notice && IsWindowVisible(notice))
            box = ReadMessageBox(notice);
        return box.window != nullptr;
    }, "the not-found notice");
    return box;
}

void ExpectRefusalToStart(Process& program)
{
    MessageBoxInfo box = WaitForNoticeWithoutMainWindow(program.Id());
    EXPECT_EQ(box.text.rfind(kNotFoundStart, 0), 0u) << box.text;
    EXPECT_GT(box.text.size(), sizeof kNotFoundStart) << "the maker's site follows";
    EXPECT_EQ(box.icon, MessageIcon::None);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    HWND main = FindTopWindow(program.Id(), WindowMatch::Title(kMainTitle).AndClass("obj_Form"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(box.owner, main);
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(program.WaitForExit(), 1u);
}

// Puts a folder in front of the search path while it lives; started programs
// inherit it.
class SearchPathFront {
public:
    explicit SearchPathFront(const std::string& folder)
    {
        char old[32767];
        DWORD length = GetEnvironmentVariableA("PATH", old, sizeof old);
        old_ = std::string(old, length < sizeof old ? length : 0);
        SetEnvironmentVariableA("PATH", (folder + ";" + old_).c_str());
    }
    ~SearchPathFront() { SetEnvironmentVariableA("PATH", old_.c_str()); }
    SearchPathFront(const SearchPathFront&) = delete;
    SearchPathFront& operator=(const SearchPathFront&) = delete;

private:
    std::string old_;
};

} // namespace

TEST(Startup, ClosingTheMainWindowEndsWithExitCodeZero)
{
    VelmoraSession session;
    HWND main = session.MainWindow();
    session.Click("Close");
    WaitUntilGone(main);
    EXPECT_EQ(session.Program().WaitForExit(), 0u);

    VelmoraSession again;
    PressCloseBox(again.MainWindow());
    EXPECT_EQ(again.Program().WaitForExit(), 0u);
}

TEST(Startup, MissingToolIsToldAndEndsWithExitCodeOne)
{
    SessionOptions options;
    options.withTool = false;
    VelmoraSession session(options);
    ExpectRefusalToStart(session.Program());
}

TEST(Startup, FolderNamedLikeTheToolCountsAsMissing)
{
    TempFolder folder;
    const std::string program = CopyInto(VelmoraProgram(), folder.Path());
    folder.MakeFolder("pdftk.exe");
    Process velmora(program, "", folder.Path());
    ExpectRefusalToStart(velmora);
}

TEST(Startup, ToolOnTheSearchPathOrInTheCurrentFolderDoesNotCount)
{
    TempFolder folder;
    TempFolder elsewhere;
    const std::string program = CopyInto(VelmoraProgram(), folder.Path());
    CopyInto(StandinProgram(), elsewhere.Path(), "pdftk.exe");
    SearchPathFront path(elsewhere.Path());
    Process velmora(program, "", elsewhere.Path());
    ExpectRefusalToStart(velmora);
}
