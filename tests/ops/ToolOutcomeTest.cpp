#include "ops/SystemMessage.h"
#include "ops/ToolLocation.h"
#include "ops/ToolOutcome.h"
#include <gtest/gtest.h>

using namespace velmora;

namespace {

ProcessResult Ended(DWORD exitCode)
{
    ProcessResult result;
    result.started = true;
    result.ended = true;
    result.exitCode = exitCode;
    return result;
}

} // namespace

// A run is judged by what became of the process, never by a leftover
// last-error code: a failing tool must not pass for a success.
TEST(ToolOutcome, TellsSuccessOnlyForACleanExit)
{
    ToolOutcome good = JudgeToolRun(Ended(0));
    EXPECT_EQ(good.code, 0u);
    EXPECT_EQ(good.notice, "Successful executed");

    ToolOutcome failed = JudgeToolRun(Ended(3));
    EXPECT_EQ(failed.code, 3u);
    EXPECT_EQ(failed.notice, "pdftk reported an error (exit code 3)");

    ToolOutcome crashed = JudgeToolRun(Ended(0xC0000005));
    EXPECT_EQ(crashed.code, 0xC0000005u);
    EXPECT_NE(crashed.notice, "Successful executed");

    ProcessResult stuck;
    stuck.started = true;
    stuck.timedOut = true;
    EXPECT_EQ(JudgeToolRun(stuck).notice, "pdftk did not finish");
    EXPECT_NE(JudgeToolRun(stuck).code, 0u);

    ProcessResult cancelled;
    cancelled.started = true;
    cancelled.cancelled = true;
    EXPECT_EQ(JudgeToolRun(cancelled).notice, "Cancelled: pdftk was stopped before it finished.");
    EXPECT_EQ(JudgeToolRun(cancelled).code, static_cast<DWORD>(ERROR_CANCELLED));
}

// Only a time limit is a time-out; any other failure names its cause.
TEST(ToolOutcome, FailureAfterTheStartGetsTheSystemsWords)
{
    ProcessResult broken;
    broken.started = true;
    broken.runError = ERROR_INVALID_HANDLE;
    ToolOutcome stopped = JudgeToolRun(broken);
    EXPECT_EQ(stopped.code, static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_NE(stopped.notice.find(SystemMessageText(ERROR_INVALID_HANDLE)), std::string::npos) << stopped.notice;
    EXPECT_EQ(stopped.notice.find("did not finish"), std::string::npos);

    ProcessResult unreadable = Ended(0);
    unreadable.runError = ERROR_ACCESS_DENIED;
    EXPECT_EQ(JudgeToolRun(unreadable).code, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_NE(JudgeToolRun(unreadable).notice, "Successful executed");
}

TEST(ToolOutcome, ToolThatCouldNotStartGetsTheSystemsWords)
{
    ProcessResult missing;
    missing.startError = ERROR_FILE_NOT_FOUND;
    ToolOutcome outcome = JudgeToolRun(missing);
    EXPECT_EQ(outcome.code, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(outcome.notice.empty());
    EXPECT_NE(outcome.notice.back(), '.');
    EXPECT_NE(outcome.notice.back(), '\n');
}

TEST(ToolLocation, ToolLiesBesideTheProgram)
{
    EXPECT_EQ(ToolPathFor("C:\\Program Files\\Velmora\\velmora.exe"), "C:\\Program Files\\Velmora\\pdftk.exe");
    EXPECT_EQ(ToolPathFor("C:velmora.exe"), "C:pdftk.exe");
    // A program path that could not be read must not turn into a bare name,
    // which the system would look for in the current folder.
    EXPECT_EQ(ToolPathFor(""), "");
}

TEST(ToolLocation, AFolderNamedLikeTheToolIsNoTool)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "velmora-tool-folder-test";
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_FALSE(FileExists(folder));
    RemoveDirectoryA(folder.c_str());

    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_TRUE(FileExists(self));
    EXPECT_FALSE(FileExists(folder + "\\missing.exe"));
}
