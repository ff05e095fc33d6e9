// The built pdftk.exe bridge against the real Linux pdftk, on PDF files made
// here. pdftk starts a Java machine per call, so the calls are few.
#include "tests/bridge/TempFolder.h"
#include "tests/support/PdfMaker.h"
#include "tools/bridge/UnixPaths.h"
#include "tools/bridge/UnixRelay.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <thread>

using velmora::test::PageSize;
using velmora::test::PdfSpec;
using velmora::test::TempFolder;
using velmora::test::UniformPdf;
using velmora::test::WritePdf;

namespace {

// VELMORA_BIN is the build tree as a Unix path; Wine shows / as Z:.
std::string BridgeExe()
{
    const char* bin = std::getenv("VELMORA_BIN");
    std::string path = std::string("Z:") + (bin ? bin : "") + "/bridge/pdftk.exe";
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

struct Captured {
    bool started = false;
    DWORD exitCode = 0;
    std::string output;
    std::string errors;
};

std::string ReadToEnd(HANDLE pipe)
{
    std::string data;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(pipe, chunk, sizeof chunk, &got, nullptr) && got > 0)
        data.append(chunk, got);
    return data;
}

const char* const PasswordPrompt = "Please enter the open password";

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// The bridge with standard output and standard error on pipes of their
// own, both drained while it runs; standard input is NUL, or a pipe that
// holds input and then ends.
Captured RunBridge(const std::string& arguments, const std::string& folder, const std::string& input = "")
{
    Captured result;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite, inRead = nullptr, inWrite = nullptr;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    if (input.empty()) {
        inRead = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    } else {
        CreatePipe(&inRead, &inWrite, &inherit, 0);
        SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
    }

    STARTUPINFOA startup = {sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + BridgeExe() + "\" " + arguments;
    result.started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                    folder.c_str(), &startup, &process);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    CloseHandle(inRead);
    if (!result.started && inWrite != nullptr)
        CloseHandle(inWrite);
    if (result.started) {
        // A run that waits for input it will never get fails instead of
        // holding up the suite.
        std::thread watchdog([&] {
            if (WaitForSingleObject(process.hProcess, 60000) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 1);
        });
        std::thread errorReader([&] { result.errors = ReadToEnd(errRead); });
        if (inWrite != nullptr) {
            DWORD wrote = 0;
            WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &wrote, nullptr);
            CloseHandle(inWrite);
        }
        result.output = ReadToEnd(outRead);
        errorReader.join();
        watchdog.join();
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return result;
}

// The command lines (words joined by blanks) of the live Linux processes
// whose command line holds text; a zombie shows an empty one.
std::vector<std::string> LinuxProcessesNaming(const std::string& text)
{
    std::vector<std::string> found;
    const std::wstring proc = velmora::bridge::WindowsNameOf("/proc") + L"\\";
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((proc + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        if (!iswdigit(entry.cFileName[0]))
            continue;
        HANDLE file = CreateFileW((proc + entry.cFileName + L"\\cmdline").c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            continue;
        std::string line = ReadToEnd(file);
        CloseHandle(file);
        std::replace(line.begin(), line.end(), '\0', ' ');
        if (line.find(text) != std::string::npos)
            found.push_back(line);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

// The values of every "Key: value" line of a pdftk data dump, in order.
std::vector<std::string> DumpValues(const std::string& dump, const std::string& key)
{
    std::vector<std::string> values;
    const std::string label = key + ": ";
    size_t at = 0;
    while ((at = dump.find(label, at)) != std::string::npos) {
        if (at == 0 || dump[at - 1] == '\n') {
            size_t end = dump.find('\n', at);
            values.push_back(dump.substr(at + label.size(), end - at - label.size()));
        }
        at += label.size();
    }
    return values;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

using Values = std::vector<std::string>;

PdfSpec PagesOfSizes(std::initializer_list<PageSize> sizes, const std::string& title = "")
{
    PdfSpec spec;
    spec.pages = sizes;
    spec.title = title;
    return spec;
}

} // namespace

class BridgeRun : public testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder.Path().empty()); }
    TempFolder folder;
};

// Names without a folder are found in, and written to, the working folder;
// standard output arrives unchanged, UTF-8 and bare line feeds included.
TEST_F(BridgeRun, WorksOnNamesInTheWorkingFolder)
{
    ASSERT_TRUE(WritePdf(folder.Path() + "in.pdf",
                         PagesOfSizes({{100, 200}, {300, 400}, {500, 600}}, "Gr\xC3\xBC\xC3\x9F" "e")));

    Captured dump = RunBridge("\"in.pdf\" dump_data_utf8", folder.Path());
    ASSERT_TRUE(dump.started);
    EXPECT_EQ(dump.exitCode, 0u) << dump.errors;
    EXPECT_EQ(dump.output.compare(0, 10, "InfoBegin\n"), 0) << dump.output;
    EXPECT_EQ(dump.output.find('\r'), std::string::npos);
    EXPECT_EQ(DumpValues(dump.output, "InfoValue").at(0), "Gr\xC3\xBC\xC3\x9F" "e");
    EXPECT_EQ(DumpValues(dump.output, "NumberOfPages"), Values{"3"});

    Captured cat = RunBridge("\"in.pdf\" cat 1-2 output \"out.pdf\" verbose", folder.Path());
    EXPECT_EQ(cat.exitCode, 0u) << cat.errors;
    EXPECT_NE(cat.output.find("Adding page 2"), std::string::npos) << cat.output;
    ASSERT_TRUE(Exists(folder.Path() + "out.pdf"));

    Captured check = RunBridge("\"out.pdf\" dump_data", folder.Path());
    EXPECT_EQ(DumpValues(check.output, "NumberOfPages"), Values{"2"});
    EXPECT_EQ(DumpValues(check.output, "PageMediaDimensions"), (Values{"100 200", "300 400"}));
}

// Full Windows paths, quoted, and bound to a handle, from another folder.
TEST_F(BridgeRun, WorksOnFullWindowsPathsAndHandles)
{
    const std::string accent = GetACP() == 1252 ? "\xE9" : "e";
    const std::string input = folder.Path() + "source caf" + accent + ".pdf";
    const std::string output = folder.Path() + "picked pages.pdf";
    ASSERT_TRUE(WritePdf(input, PagesOfSizes({{100, 100}, {200, 200}, {300, 300}, {400, 400}})));
    TempFolder elsewhere;

    Captured cat = RunBridge(Quoted("A=" + input) + " cat A2-3 output " + Quoted(output) + " verbose", elsewhere.Path());
    EXPECT_EQ(cat.exitCode, 0u) << cat.errors;
    ASSERT_TRUE(Exists(output));

    Captured check = RunBridge(Quoted(output) + " dump_data_utf8", elsewhere.Path());
    EXPECT_EQ(check.exitCode, 0u) << check.errors;
    EXPECT_EQ(DumpValues(check.output, "NumberOfPages"), Values{"2"});
    EXPECT_EQ(DumpValues(check.output, "PageMediaDimensions"), (Values{"200 200", "300 300"}));
}

// An unquoted *.pdf takes every PDF of the working folder in the order in
// which Windows lists them: by upper-cased name, so '_' after the letters.
TEST_F(BridgeRun, JoinsEveryPdfOfTheWorkingFolder)
{
    ASSERT_TRUE(WritePdf(folder.Path() + "b.pdf", UniformPdf(1, {100, 100})));
    ASSERT_TRUE(WritePdf(folder.Path() + "A.pdf", UniformPdf(2, {200, 200})));
    ASSERT_TRUE(WritePdf(folder.Path() + "_c.pdf", UniformPdf(1, {300, 300})));
    ASSERT_TRUE(WritePdf(folder.Path() + "d.PDF", UniformPdf(1, {400, 400})));
    ASSERT_TRUE(velmora::test::WriteTextFile(folder.Path() + "notes.txt", "not a PDF"));

    Captured join = RunBridge("*.pdf cat output \"joined.pdf\" verbose", folder.Path());
    EXPECT_EQ(join.exitCode, 0u) << join.errors;
    ASSERT_TRUE(Exists(folder.Path() + "joined.pdf"));

    Captured check = RunBridge(Quoted(folder.Path() + "joined.pdf") + " dump_data", folder.Path());
    EXPECT_EQ(DumpValues(check.output, "NumberOfPages"), Values{"5"});
    EXPECT_EQ(DumpValues(check.output, "PageMediaDimensions"),
              (Values{"200 200", "200 200", "100 100", "400 400", "300 300"}));
}

TEST_F(BridgeRun, PassesOnTheExitCodeAndErrorsOfAFailingRun)
{
    Captured run = RunBridge("\"no such file.pdf\" dump_data", folder.Path());
    ASSERT_TRUE(run.started);
    EXPECT_NE(run.exitCode, 0u);
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errors.find("no such file.pdf"), std::string::npos) << run.errors;
}

// Open passwords reach pdftk through standard input, never its command
// line; the end of the bridge's input is pdftk's, so a run without a
// password fails at the prompt rather than waiting for one.
TEST_F(BridgeRun, PassesStandardInputOnToPdftk)
{
    ASSERT_TRUE(WritePdf(folder.Path() + "in.pdf", UniformPdf(2)));
    Captured encrypt = RunBridge("\"in.pdf\" output \"enc.pdf\" user_pw u1 owner_pw o1", folder.Path());
    ASSERT_EQ(encrypt.exitCode, 0u) << encrypt.errors;

    Captured open = RunBridge("\"enc.pdf\" input_pw PROMPT dump_data", folder.Path(), "u1\r\n");
    EXPECT_EQ(open.exitCode, 0u) << open.errors;
    EXPECT_EQ(DumpValues(open.output, "NumberOfPages"), Values{"2"}) << open.output;

    Captured none = RunBridge("\"enc.pdf\" input_pw PROMPT dump_data", folder.Path());
    EXPECT_NE(none.exitCode, 0u);
    EXPECT_EQ(Count(none.output, PasswordPrompt), 1u) << none.output;
    // Not an empty line, which pdftk would take as a missing password.
    EXPECT_NE(none.errors.find("No line found"), std::string::npos) << none.errors;
}

// The Linux program's output is handed on while it runs, not after: the
// live view of a long run shows its lines as they come. The first line is
// printed two seconds before the end; arriving a second and a half before
// it, it took at most half a second and the relay's last look.
TEST(UnixRelay, HandsOnTheOutputAsItComesInOrder)
{
    struct Piece {
        bool fromErrors;
        std::string text;
        ULONGLONG at;
    };
    std::vector<Piece> pieces;
    const velmora::bridge::RelayResult run = velmora::bridge::RunInUnix(
        {"/bin/sh", "-c", "echo first; sleep 1; echo second >&2; sleep 1; echo last; exit 3"}, "/",
        [&](bool fromErrors, const std::string& piece) { pieces.push_back({fromErrors, piece, GetTickCount64()}); });
    const ULONGLONG end = GetTickCount64();

    ASSERT_TRUE(run.ran) << run.failure;
    EXPECT_EQ(run.exitCode, 3u);
    EXPECT_EQ(run.output + run.errors, "") << "relayed output is not kept as well";
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text, "first\n");
    EXPECT_EQ(pieces[1].text, "second\n");
    EXPECT_EQ(pieces[2].text, "last\n");
    EXPECT_EQ(std::vector<bool>({pieces[0].fromErrors, pieces[1].fromErrors, pieces[2].fromErrors}),
              std::vector<bool>({false, true, false}));
    EXPECT_GE(end - pieces[0].at, 1500u) << "the first line came only near the end";
}

// Cancelling a run ends the bridge abruptly (with its whole Windows job):
// the Linux pdftk, java behind Debian's wrapper script, must not go on
// writing files, and the bridge's relay folder must not be left behind.
TEST_F(BridgeRun, LeavesNothingRunningOnLinuxWhenKilled)
{
    const std::string input = folder.Path() + "long run.pdf";
    ASSERT_TRUE(WritePdf(input, UniformPdf(4000)));
    const std::string unixInput = velmora::bridge::UnixPathOf(input);
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION bridge = {};
    std::string commandLine =
        Quoted(BridgeExe()) + " " + Quoted(input) + " burst output " + Quoted(folder.Path() + "p%04d.pdf");
    CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                   folder.Path().c_str(), &startup, &bridge);
    ASSERT_NE(bridge.hProcess, nullptr);

    auto javaRuns = [&] {
        for (const std::string& line : LinuxProcessesNaming(unixInput))
            if (line.compare(0, 5, "java ") == 0)
                return true;
        return false;
    };
    for (DWORD start = GetTickCount(); !javaRuns() && GetTickCount() - start < 30000;)
        Sleep(20);
    ASSERT_TRUE(javaRuns());
    TerminateProcess(bridge.hProcess, 1);
    WaitForSingleObject(bridge.hProcess, 5000);
    CloseHandle(bridge.hProcess);
    CloseHandle(bridge.hThread);

    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof temp, temp);
    const std::string relayFolders = std::string(temp) + "velmora-pdftk-" + std::to_string(bridge.dwProcessId) + "-*";
    auto relayLeft = [&] {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(relayFolders.c_str(), &found);
        return search != INVALID_HANDLE_VALUE && FindClose(search);
    };
    std::vector<std::string> left;
    for (DWORD killed = GetTickCount(); GetTickCount() - killed < 3000; Sleep(50))
        if ((left = LinuxProcessesNaming(unixInput)).empty() && !relayLeft())
            break;
    EXPECT_EQ(left, std::vector<std::string>{});
    EXPECT_FALSE(relayLeft());
}
