// An exception nobody catches must not make the program vanish without a
// word: the user is told, and the exit code says it failed.
#include "tools/driver/Driver.h"
#include <gtest/gtest.h>

using namespace velmora::driver;

namespace {

void ExpectToldAndEnded(const std::string& argument, const std::string& text)
{
    Process host(BinPath("tests/app/fatal_error_host.exe"), argument);
    MessageBoxInfo box = WaitForMessageBox(host.Id(), "Velmora");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(host.IsRunning()) << "the program ended before the user could read why";
    AnswerMessageBox(box, IDOK);
    EXPECT_EQ(host.WaitForExit(), 3u);
}

} // namespace

TEST(FatalError, RunningOutOfMemoryIsToldBeforeTheProgramEnds)
{
    ExpectToldAndEnded("memory", "Velmora ran out of memory and has to close.");
}

TEST(FatalError, AnyOtherUncaughtErrorIsToldToo)
{
    ExpectToldAndEnded("length", "Velmora met an internal error and has to close.");
}

TEST(FatalError, AnOrdinaryEndShowsNothing)
{
    Process host(BinPath("tests/app/fatal_error_host.exe"), "");
    EXPECT_EQ(host.WaitForExit(), 0u);
}
