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

// The user has closed the Output window by the time the notice comes: the
// notice itself says why, in pdftk's words, and never shows a password.
TEST(ToolOutcome, FailureAddsPdftksOwnReason)
{
    ProcessResult locked = Ended(1);
    locked.output = "Warning: Using a password on the command line interface can be insecure.\n"
                    "Error: Failed to open input PDF file: \n   C:\\Docs\\e.pdf\n"
                    "   OWNER OR USER PASSWORD REQUIRED, but not given\n"
                    "Errors encountered.  No output created.\nDone.  Input errors, so no output created.\n";
    EXPECT_EQ(JudgeToolRun(locked).notice, "pdftk reported an error (exit code 1)\r\n"
                                           "Error: Failed to open input PDF file:\r\nC:\\Docs\\e.pdf\r\n"
                                           "OWNER OR USER PASSWORD REQUIRED, but not given");
    EXPECT_EQ(ToolReason("Error: Invalid PDF: PDF header signature not found.\r\n"
                         "Error: Failed to open input PDF file: \r\n   t.pdf\r\nErrors encountered.\r\n"),
              "Error: Invalid PDF: PDF header signature not found.\r\nError: Failed to open input PDF file:\r\nt.pdf");
    EXPECT_EQ(ToolReason("Error: Unexpected text in page range end, here: \n   x\n   Exiting.\n   Acceptable "
                         "keywords\n   To rotate pages\n"),
              "Error: Unexpected text in page range end, here:\r\nx\r\nAcceptable keywords");
    EXPECT_EQ(ToolReason("Error: Unexpected command-line data: \n      userpw\n   where we were expecting an "
                         "input PDF password\nExiting.\n", {"", "userpw"}),
              "Error: Unexpected command-line data:\r\nwhere we were expecting an input PDF password");
    EXPECT_EQ(ToolReason("Done.\nnothing wrong\n"), "");

    ProcessResult bare = Ended(2);
    bare.output = "Unhandled Java Exception in create_output():\n";
    EXPECT_EQ(JudgeToolRun(bare).notice, "pdftk reported an error (exit code 2)");
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
