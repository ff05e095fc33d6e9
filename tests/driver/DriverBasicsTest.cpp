// The driver's own plumbing: folders, paths, argument quoting, processes and
// the stand-in's files.
#include "tools/driver/Driver.h"
#include <shellapi.h>
#include <gtest/gtest.h>

using namespace velmora::driver;

namespace {

// How the C runtime of the started program will split the command line.
std::vector<std::string> SplitAsTheRuntimeDoes(const std::string& arguments)
{
    std::wstring wide(L"program.exe " + std::wstring(arguments.begin(), arguments.end()));
    int count = 0;
    LPWSTR* split = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> out;
    for (int i = 1; i < count; ++i) {
        std::wstring piece = split[i];
        out.emplace_back(piece.begin(), piece.end());
    }
    LocalFree(split);
    return out;
}

} // namespace

TEST(DriverBasics, QuotedArgumentsComeBackUnchanged)
{
    const std::vector<std::string> arguments = {
        "plain", "with blank", "dir=C:\\a b\\", "say \"hi\"", "C:\\ends\\", "back\\\\\"quote", "", "tab\there",
    };
    EXPECT_EQ(SplitAsTheRuntimeDoes(JoinArguments(arguments)), arguments);
    EXPECT_EQ(velmora::QuoteArgument("plain"), "plain");
    EXPECT_EQ(velmora::QuoteArgument("dir=C:\\a b\\"), "\"dir=C:\\a b\\\\\"");
}

TEST(DriverBasics, PathsAsWineShowsThem)
{
    EXPECT_EQ(WindowsPath("/work/build/x86_64"), "Z:\\work\\build\\x86_64");
    EXPECT_EQ(WindowsPath("C:\\windows"), "C:\\windows");
    EXPECT_EQ(JoinPath("C:\\", "a"), "C:\\a");
    EXPECT_EQ(JoinPath("C:\\x", "a"), "C:\\x\\a");
    EXPECT_TRUE(FileExists(BinPath("driver/dialog_host.exe")));
    EXPECT_EQ(BinPath("standin/pdftk.exe").substr(0, 3), "Z:\\");
}

TEST(DriverBasics, TempFoldersAreFreshAndGoWithEverythingInThem)
{
    std::string kept;
    for (FolderName kind : {FolderName::Plain, FolderName::WithBlank, FolderName::NonAscii}) {
        std::string path;
        {
            TempFolder folder(kind);
            path = folder.Path();
            EXPECT_TRUE(FolderExists(path));
            EXPECT_NE(path, kept);
            std::string inner = folder.MakeFolder("inner");
            WriteFileBytes(JoinPath(inner, "deep.bin"), std::string("a\0b", 3));
            EXPECT_EQ(ReadFileBytes(JoinPath(inner, "deep.bin")), std::string("a\0b", 3));
            kept = path;
        }
        EXPECT_FALSE(FolderExists(path)) << path;
    }
    TempFolder blank(FolderName::WithBlank);
    EXPECT_NE(blank.Path().find(' '), std::string::npos);
    TempFolder foreign(FolderName::NonAscii);
    EXPECT_NE(foreign.Path().find('\xFC'), std::string::npos) << "code page " << GetACP();
}

TEST(DriverBasics, RunsTheStandinAndReadsItsLog)
{
    TempFolder folder(FolderName::WithBlank);
    std::string tool = CopyInto(StandinProgram(), folder.Path());
    std::string work = folder.MakeFolder("work dir");
    WriteStandinControl(folder.File("standin.cfg"), {{"out", "hello\\n"}, {"exit", "3"}});

    Process first(tool, "burst \"C:\\in put.pdf\" verbose", work);
    EXPECT_EQ(first.WaitForExit(), 3u);
    Process second(tool, "", folder.Path());
    EXPECT_EQ(second.WaitForExit(), 3u);

    std::vector<StandinRun> runs = ReadStandinLog(folder.File("standin.log"));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].commandLine, "\"" + tool + "\" burst \"C:\\in put.pdf\" verbose");
    EXPECT_EQ(runs[0].folder, work);
    EXPECT_EQ(runs[1].commandLine, "\"" + tool + "\"");
    EXPECT_TRUE(ReadStandinLog(folder.File("no such.log")).empty());
}

TEST(DriverBasics, BoundedWaitsNameWhatTheyAwaitedAndKillTheRest)
{
    TempFolder folder;
    std::string tool = CopyInto(StandinProgram(), folder.Path());
    WriteStandinControl(folder.File("standin.cfg"), {{"sleep", "60000"}});
    HANDLE handle = nullptr;
    {
        Process sleeper(tool, "", folder.Path());
        DuplicateHandle(GetCurrentProcess(), sleeper.Handle(), GetCurrentProcess(), &handle, SYNCHRONIZE, FALSE, 0);
        try {
            sleeper.WaitForExit(200);
            FAIL() << "no error";
        } catch (const DriverError& error) {
            EXPECT_NE(std::string(error.what()).find("the end of \"" + tool + "\""), std::string::npos) << error.what();
        }
        EXPECT_TRUE(sleeper.IsRunning());
    }
    // Gone with the object, so nothing outlives a failed test.
    EXPECT_EQ(WaitForSingleObject(handle, 0), WAIT_OBJECT_0);
    CloseHandle(handle);
    EXPECT_THROW(Process(folder.File("missing.exe"), ""), DriverError);
}

TEST(DriverBasics, ScreenshotIsABitmapOfTheScreen)
{
    TempFolder folder;
    SaveScreenshot(folder.File("screen.bmp"));
    std::string bytes = ReadFileBytes(folder.File("screen.bmp"));
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    size_t row = (static_cast<size_t>(GetSystemMetrics(SM_CXSCREEN)) * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 54 + row * GetSystemMetrics(SM_CYSCREEN));
}
