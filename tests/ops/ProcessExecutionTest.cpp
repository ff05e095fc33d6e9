#include "ops/CapturePipe.h"
#include "ops/ProcessExecution.h"
#include "ops/RunFiles.h"
#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

using namespace velmora;

namespace {

// VELMORA_BIN is a Unix path; Wine shows the Unix root as drive Z:.
std::string BuildFolder()
{
    const char* unixPath = std::getenv("VELMORA_BIN");
    std::string path = std::string("Z:") + (unixPath ? unixPath : "");
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string CurrentFolder()
{
    char folder[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    return std::string(folder, length);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct LogRecord {
    std::string commandLine;
    std::string folder;
};

std::string ProbeTool()
{
    return BuildFolder() + "\\tests\\ops\\probe_tool.exe";
}

ULONGLONG Since(ULONGLONG start)
{
    return GetTickCount64() - start;
}

// GetProcessHandleCount gives 0 under Wine, so the table is probed: every
// handle is a small multiple of 4 that GetHandleInformation accepts, and
// new handles take the lowest free values.
DWORD HandleCount()
{
    DWORD count = 0;
    for (UINT_PTR value = 4; value < (1u << 12); value += 4) {
        DWORD flags = 0;
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != FALSE;
    }
    return count;
}

} // namespace

TEST(CommandLines, CapturedAlwaysQuotesThePathAndKeepsArguments)
{
    EXPECT_EQ(CapturedCommandLine("C:\\tools\\pdftk.exe", "\"a b.pdf\"  cat verbose"),
              "\"C:\\tools\\pdftk.exe\" \"a b.pdf\"  cat verbose");
    EXPECT_EQ(CapturedCommandLine("C:\\my tools\\pdftk.exe", ""), "\"C:\\my tools\\pdftk.exe\" ");
}

// Runs the stand-in tool, steered by a control file that it finds through
// STANDIN_CFG (inherited from this process), and reads what it logged.
class ProcessExecution : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "velmora process " + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        builtTool_ = BuildFolder() + "\\standin\\pdftk.exe";
        blankTool_ = folder_ + "\\pdftk.exe";
        ASSERT_TRUE(CopyFileA(builtTool_.c_str(), blankTool_.c_str(), FALSE)) << builtTool_;
        control_ = folder_ + "\\standin.cfg";
        log_ = folder_ + "\\standin.log";
        SetEnvironmentVariableA("STANDIN_CFG", control_.c_str());
    }

    void TearDown() override
    {
        SetEnvironmentVariableA("STANDIN_CFG", nullptr);
        for (const std::string& file : {blankTool_, control_, log_})
            DeleteFileA(file.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    void Control(const std::vector<std::string>& lines)
    {
        DeleteFileA(log_.c_str());
        std::ofstream out(control_, std::ios::binary);
        out << "log=" << log_ << "\n";
        for (const std::string& line : lines) out << line << "\n";
    }

    std::vector<LogRecord> Log()
    {
        std::vector<LogRecord> records;
        std::istringstream lines(ReadFile(log_));
        std::string line;
        while (std::getline(lines, line)) {
            if (line.rfind("cmdline=", 0) == 0) records.push_back({line.substr(8), ""});
            else if (line.rfind("cwd=", 0) == 0 && !records.empty()) records.back().folder = line.substr(4);
        }
        return records;
    }

    // The stand-in logs before it sleeps; a run that was left behind has
    // started for real once its record is there.
    bool WaitForLog()
    {
        for (int i = 0; i < 100 && Log().empty(); ++i) Sleep(50);
        return !Log().empty();
    }

    std::string folder_;
    std::string builtTool_;
    std::string blankTool_;
    std::string control_;
    std::string log_;
};

TEST_F(ProcessExecution, CapturedRunGetsQuotedPathUnchangedArgumentsAndItsFolder)
{
    ASSERT_EQ(builtTool_.find(' '), std::string::npos) << "needs a build path without blanks";
    const std::string arguments = "\"C:\\in put\\a.pdf\"   cat A1-end\xE9 output \"x \"\"y.pdf\" verbose";
    Control({});

    ProcessResult plain = RunCaptured(builtTool_, arguments, "", 0, INFINITE);
    ProcessResult blank = RunCaptured(blankTool_, arguments, folder_, 0, INFINITE);

    EXPECT_TRUE(plain.started && plain.ended);
    EXPECT_TRUE(blank.started && blank.ended);
    auto records = Log();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].commandLine, "\"" + builtTool_ + "\" " + arguments);
    EXPECT_EQ(records[0].folder, CurrentFolder());
    EXPECT_EQ(records[1].commandLine, "\"" + blankTool_ + "\" " + arguments);
    EXPECT_EQ(records[1].folder, folder_);
}

TEST_F(ProcessExecution, BothStreamsAreCapturedInTheOrderWritten)
{
    Control({"out=one\\r\\n", "err=two\\n", "out=three\\n", "err=four\\x00five", "exit=7"});

    ProcessResult result = RunCaptured(blankTool_, "", "", 5, INFINITE);
    DWORD lastError = GetLastError();

    EXPECT_TRUE(result.started && result.ended && !result.timedOut);
    EXPECT_EQ(result.output, std::string("one\r\ntwo\nthree\nfour\0five", 24));
    EXPECT_EQ(result.exitCode, 7u);
    EXPECT_EQ(lastError, 0u);
}

TEST_F(ProcessExecution, SilentToolGivesEmptyOutput)
{
    Control({});

    ProcessResult result = RunCaptured(blankTool_, "verbose", "", 0, INFINITE);

    EXPECT_TRUE(result.started && result.ended);
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitCode, 0u);
}

TEST_F(ProcessExecution, FiftyMegabytesArriveCompleteAndInOrder)
{
    const size_t size = 50u << 20;
    Control({"out=BEGIN\\n", "bytes=" + std::to_string(size), "out=END\\n"});

    ProcessResult result = RunCaptured(blankTool_, "", "", 0, INFINITE);

    ASSERT_TRUE(result.ended);
    ASSERT_EQ(result.output.size(), size + 10);
    EXPECT_EQ(result.output.compare(0, 6, "BEGIN\n"), 0);
    EXPECT_EQ(result.output.compare(size + 6, 4, "END\n"), 0);
    const std::string line = std::string(63, 'x') + '\n';
    size_t wrongLines = 0;
    for (size_t at = 6; at < size + 6; at += line.size())
        wrongLines += result.output.compare(at, line.size(), line) != 0;
    EXPECT_EQ(wrongLines, 0u);
}

TEST_F(ProcessExecution, MissingToolIsReportedWithItsErrorAndLeavesStandardHandles)
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    const std::string missing = folder_ + "\\missing.exe";
    const std::string missingFolder = folder_ + "\\no such folder\\pdftk.exe";

    ProcessResult captured = RunCaptured(missing, "", "", 0, INFINITE);
    DWORD lastError = GetLastError();
    ProcessResult noFolder = RunCaptured(missingFolder, "", "", 0, INFINITE);
    Control({"out=x"});
    ProcessResult fine = RunCaptured(blankTool_, "", "", 0, INFINITE);

    EXPECT_FALSE(captured.started);
    EXPECT_FALSE(captured.ended);
    EXPECT_EQ(captured.startError, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(lastError, captured.startError);
    EXPECT_FALSE(noFolder.started);
    EXPECT_TRUE(noFolder.startError == ERROR_PATH_NOT_FOUND || noFolder.startError == ERROR_FILE_NOT_FOUND)
        << noFolder.startError;
    EXPECT_EQ(fine.output, "x");
    EXPECT_EQ(GetStdHandle(STD_INPUT_HANDLE), input);
    EXPECT_EQ(GetStdHandle(STD_OUTPUT_HANDLE), output);
    EXPECT_EQ(GetStdHandle(STD_ERROR_HANDLE), error);
}

// A run that waited for the tool would take at least its 2500 ms sleep.
TEST_F(ProcessExecution, CapturedTimeLimitRunsOut)
{
    Control({"out=early\\n", "sleep=2500", "out=late\\n"});
    ULONGLONG start = GetTickCount64();

    ProcessResult result = RunCaptured(builtTool_, "", "", 0, 800);
    DWORD lastError = GetLastError();

    EXPECT_LT(Since(start), 2400u);
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.timedOut);
    EXPECT_FALSE(result.ended);
    EXPECT_EQ(lastError, static_cast<DWORD>(ERROR_TIMEOUT));
    EXPECT_EQ(result.output, "early\n");
}

// The tools left running by the time limits are the built ones, so the
// temporary folder can go while they sleep.
TEST_F(ProcessExecution, NoPathLeaksAHandle)
{
    Control({"sleep=2500"});
    const std::string missing = folder_ + "\\missing.exe";
    auto runAllPaths = [&] {
        RunCaptured(builtTool_, "", "", 0, 300);
        RunCaptured(ProbeTool(), "linger sleep 3000", "", 0, INFINITE);
        RunCaptured(ProbeTool(), "release 0", "", 0, INFINITE);
        RunCaptured(missing, "", "", 0, INFINITE);
    };
    runAllPaths();
    const DWORD handlesBefore = HandleCount();

    runAllPaths();

    EXPECT_GT(handlesBefore, 0u);
    EXPECT_EQ(HandleCount(), handlesBefore);
}

TEST(ProcessChildren, GrandchildHoldingThePipeDoesNotHoldUpTheRun)
{
    ULONGLONG start = GetTickCount64();
    ProcessResult silent = RunCaptured(ProbeTool(), "linger sleep 3000", "", 0, INFINITE);
    ULONGLONG silentSpent = Since(start);
    start = GetTickCount64();
    ProcessResult talking = RunCaptured(ProbeTool(), "linger spew", "", 0, INFINITE);
    ULONGLONG talkingSpent = Since(start);

    EXPECT_LT(silentSpent, 2500u);
    EXPECT_TRUE(silent.ended);
    EXPECT_EQ(silent.exitCode, 0u);
    EXPECT_EQ(silent.output, "parent\n");
    EXPECT_LT(talkingSpent, 2500u);
    EXPECT_TRUE(talking.ended);
    EXPECT_EQ(talking.output.compare(0, 7, "parent\n"), 0);
}

// A tool that reads its input in gulps gets each answer with its own
// question, and the end of its input after the last.
TEST(ProcessChildren, AnswersWaitForTheirQuestions)
{
    const std::vector<std::string> lines = {"first pw", "second pw"};
    PromptAnswers answers;
    answers.lines = &lines;
    answers.promptWords = "Please enter the open password";
    ProcessResult result = RunCaptured(ProbeTool(), "ask 3", "", 0, 20000, nullptr, &answers);

    EXPECT_TRUE(result.ended);
    EXPECT_NE(result.output.find("got:first pw\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("got:second pw\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("got:<end>\n"), std::string::npos) << result.output;
}

TEST(ProcessChildren, OutputThatNeverStopsDoesNotOutlastTheTimeLimit)
{
    ULONGLONG start = GetTickCount64();

    // Generous bounds: on a loaded machine the tool may take a while to
    // start; what matters is that the limit, not the stream, ends the wait.
    ProcessResult result = RunCaptured(ProbeTool(), "spew", "", 0, 2000);

    EXPECT_LT(Since(start), 7000u);
    EXPECT_TRUE(result.timedOut);
    EXPECT_FALSE(result.output.empty());
}

// Waiting on a tool whose output nobody reads could hang for ever, and
// leaving it running would let it write behind the user's back.
TEST(ProcessChildren, CaptureThatCannotBeginEndsTheToolAndKeepsTheCause)
{
    RedirectedProcess child = StartRedirected(ProbeTool(), "sleep 10000", "", 0);
    ASSERT_TRUE(child.started);
    child.writeEnd.Reset();
    std::string output;

    ProcessResult result;
    {
        PipeCapture nothingToRead(nullptr, output);
        result = AwaitCaptured(child, nothingToRead, INFINITE);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(child.process.Get(), &exitCode);

    EXPECT_FALSE(result.ended || result.timedOut);
    EXPECT_EQ(result.runError, static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(child.process.Get(), 0), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_NE(exitCode, static_cast<DWORD>(STILL_ACTIVE));
}

// Asks to stop, as a user's click during the wait would, once the tool has
// written its first line.
class StopAfterFirstLine : public RunWatch {
public:
    DWORD Wait(DWORD count, const HANDLE* handles, DWORD timeout, const std::string& outputSoFar) override
    {
        stop = outputSoFar.find('\n') != std::string::npos;
        return stop ? WAIT_TIMEOUT : WaitForMultipleObjects(count, handles, FALSE, timeout);
    }
    bool StopRequested() override { return stop; }
    bool stop = false;
};

size_t RunningProbes()
{
    size_t count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        count += lstrcmpiA(entry.szExeFile, "probe_tool.exe") == 0;
    CloseHandle(snapshot);
    return count;
}

// A run stopped by its watcher ends the tool and what the tool started, and
// says it was cancelled, never that it went well.
TEST(ProcessChildren, StoppedRunEndsTheToolAndItsChildren)
{
    StopAfterFirstLine watch;
    ProcessResult result = RunCaptured(ProbeTool(), "family 20000", "", 0, INFINITE, &watch);
    DWORD lastError = GetLastError();

    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.ended);
    EXPECT_EQ(result.output, "parent\n");
    EXPECT_EQ(lastError, static_cast<DWORD>(ERROR_CANCELLED));
    EXPECT_EQ(RunningProbes(), 0u) << "the tool or its child is still running";
}

TEST(ProcessChildren, InheritOnlyThePipeAndNul)
{
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    HANDLE semaphore = CreateSemaphoreA(&inheritable, 0, 1, nullptr);
    char value[32];
    std::snprintf(value, sizeof value, "%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(semaphore)));

    ProcessResult result = RunCaptured(ProbeTool(), std::string("release ") + value, "", 0, INFINITE);
    DWORD signalled = WaitForSingleObject(semaphore, 0);
    CloseHandle(semaphore);

    EXPECT_TRUE(result.ended);
    EXPECT_EQ(signalled, static_cast<DWORD>(WAIT_TIMEOUT));
}

// A stopped tool may go on writing for a moment: the wait for stillness
// ends only once the writing has stopped, or at its limit.
TEST(RunFiles, WaitOutsLateWritesAndGivesUpAtItsLimit)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "velmora-still-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const WideText pattern = WideFromAnsi(folder + "\\*");
    std::atomic<bool> writing{true};
    std::atomic<int> written{0};
    auto writeEvery = [&](DWORD ms, int count) {
        for (int i = 0; writing && i < count; ++i, ++written) {
            std::ofstream(folder + "\\pg_" + std::to_string(i) + ".pdf") << "page " << i;
            Sleep(ms);
        }
    };

    std::thread late(writeEvery, 100, 12);
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(WaitUntilStill(pattern, 500, 10000));
    EXPECT_EQ(written.load(), 12) << "the wait ended while files were still written";
    EXPECT_GE(Since(start), 1100u + 500u);
    late.join();

    std::thread endless(writeEvery, 50, 1000000);
    const ULONGLONG limited = GetTickCount64();
    EXPECT_FALSE(WaitUntilStill(pattern, 500, 1000));
    EXPECT_LT(Since(limited), 2000u);
    writing = false;
    endless.join();

    for (int i = 0; i < written; ++i)
        DeleteFileA((folder + "\\pg_" + std::to_string(i) + ".pdf").c_str());
    EXPECT_TRUE(RemoveDirectoryA(folder.c_str()));
}
