#include "tests/e2e/VelmoraSession.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;

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
    MessageBoxInfo box = WaitForMessageBox(session.ProcessId(), kMainTitle);
    EXPECT_EQ(box.text.rfind("ERROR: PDFTK not found. More infos on my site. ", 0), 0u) << box.text;
    HWND main = FindTopWindow(session.ProcessId(), WindowMatch::Title(kMainTitle).AndClass("obj_Form"));
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_EQ(box.owner, main);
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(session.Program().WaitForExit(), 1u);
}
