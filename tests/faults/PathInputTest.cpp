// Paths that trip naive quoting and fixed buffers: blanks, letters of the
// ANSI code page above 0x7F, and a path close to 260 characters. The
// stand-in logs the command line it received, which must be exact.
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include "ops/ToolNames.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::faults;

namespace {

std::string WithoutTrailingBackslash(std::string path)
{
    if (path.size() > 3 && path.back() == '\\') path.pop_back();
    return path;
}

// Starts the program from a folder of the kind given, with document on its
// command line, runs Decrypt and checks what reached the tool.
void CheckDecryptCommandLine(FaultRecord& row, FolderName kind, const std::string& documentFolder,
                             const std::string& documentName)
{
    const std::string document = JoinPath(documentFolder, documentName);
    WriteFileBytes(document, "%PDF-1.4\n");
    const std::string target = document.substr(0, document.size() - 4) + "_sec.pdf";

    VelmoraSession session(WithDocument(document, kind));
    session.Click("Decrypt the PDF file");
    Outcome outcome = AwaitOutcome(session.ProcessId());
    StandinRun run = session.WaitForToolRun();

    const std::string expected = "\"" + session.Folder().File("pdftk.exe") + "\" \"" + document + "\" output \"" +
                                 target + "\" verbose";
    EXPECT_EQ(run.commandLine, expected);
    EXPECT_EQ(lstrcmpiA(WithoutTrailingBackslash(run.folder).c_str(), documentFolder.c_str()), 0) << run.folder;
    EXPECT_EQ(outcome.notice, "Successful executed");
    row.Saw(run.commandLine == expected ? "the tool got the exact command line" : "command line differs: " + run.commandLine);
    row.Saw("notice: " + outcome.notice);
}

} // namespace

TEST(PathInput, BlanksInTheProgramsAndTheDocumentsFolders)
{
    FaultRecord row("path with blanks", "program and document in folders named \"... with blank\", document \"my file.pdf\"; Decrypt");
    TempFolder documents(FolderName::WithBlank);
    CheckDecryptCommandLine(row, FolderName::WithBlank, documents.Path(), "my file.pdf");
}

TEST(PathInput, AnsiLettersAboveAsciiInThePaths)
{
    FaultRecord row("path with ANSI letters above 0x7F",
                    "program and document in folders with \" Gr\xFC\xDF" "e \xC4pfel\" (code page 1252), document \"\xFC" "ber.pdf\"; Decrypt");
    TempFolder documents(FolderName::NonAscii);
    CheckDecryptCommandLine(row, FolderName::NonAscii, documents.Path(), "\xFC" "ber.pdf");
}

TEST(PathInput, DocumentPathCloseToTheLimitOf260)
{
    FaultRecord row("path close to 260 characters",
                    "document path of 255 characters (target 259) in nested folders; Decrypt");
    TempFolder documents;
    std::string folder = documents.Path();
    const std::string name = "doc.pdf";
    // Folders of 40 letters while a last one of at least one letter still fits.
    while (folder.size() + 41 + 2 + name.size() < 255) {
        folder = JoinPath(folder, std::string(40, 'd'));
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    }
    const size_t last = 255 - folder.size() - 2 - name.size();
    folder = JoinPath(folder, std::string(last, 'e'));
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    ASSERT_EQ(JoinPath(folder, name).size(), 255u);
    CheckDecryptCommandLine(row, FolderName::Plain, folder, name);
}

// Names the ANSI code page (1252 here) cannot hold: pdftk gets a plain
// stand-in (the short 8.3 name, which Wine's drives give every file) in the
// file's folder, and the output takes the file's own name after the run.
namespace {

const wchar_t kNihon[] = L"\u65E5\u672C.pdf";

std::wstring Wide(const std::string& ansi)
{
    std::wstring wide(ansi.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1);
    return wide;
}

// Writes the Japanese-named PDF into folder; gives its full path and the
// short name of the file alone.
std::pair<std::wstring, std::string> MakeNihonPdf(const TempFolder& folder)
{
    const std::wstring path = Wide(folder.Path()) + L"\\" + kNihon;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "%PDF-1.4\n", 9, &written, nullptr);
    CloseHandle(file);
    wchar_t shortPath[MAX_PATH] = L"";
    EXPECT_GT(GetShortPathNameW(path.c_str(), shortPath, MAX_PATH), 0u);
    char ansi[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, shortPath, -1, ansi, MAX_PATH, nullptr, nullptr);
    const std::string shortName = ansi;
    return {path, shortName.substr(shortName.rfind('\\') + 1)};
}

bool WideExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(PathInput, NameOutsideTheCodePageChosenInTheDialogKeepsItsName)
{
    FaultRecord row("name outside the code page, chosen in the dialog",
                    "document \"\\u65E5\\u672C.pdf\" (Japanese, not in code page 1252) chosen in the file dialog; "
                    "Re-Compress a PDF only, the stand-in writing the output it is named");
    TempFolder documents;
    const auto [document, shortName] = MakeNihonPdf(documents);
    const std::string written = shortName.substr(0, shortName.size() - 4) + "_compress.pdf";
    SessionOptions options;
    options.tool = {{"write", written}};
    VelmoraSession session(options);

    session.Click("Re-Compress a PDF only");
    ChooseFile(WaitForFileDialog(session.ProcessId(), "Choose the PDF file"), document);
    Outcome outcome = AwaitOutcome(session.ProcessId());
    StandinRun run = session.WaitForToolRun();
    EXPECT_NE(run.commandLine.find("\"" + shortName + "\" output \"" + written + "\" compress"), std::string::npos)
        << run.commandLine;
    EXPECT_EQ(lstrcmpiA(WithoutTrailingBackslash(run.folder).c_str(), documents.Path().c_str()), 0) << run.folder;
    EXPECT_EQ(outcome.notice, "Successful executed");
    const std::wstring real = document.substr(0, document.size() - 4) + L"_compress.pdf";
    EXPECT_TRUE(WideExists(real));
    EXPECT_FALSE(FileExists(JoinPath(documents.Path(), written)));
    row.Saw("the tool got \"<short name>\" output \"<short name>_compress.pdf\" compress in the document's folder; "
            "notice: " + outcome.notice);
    row.Saw(std::string(WideExists(real) ? "the output is named \\u65E5\\u672C_compress.pdf" : "no output by the real name") +
            (FileExists(JoinPath(documents.Path(), written)) ? ", the stand-in's name is left" : ", nothing else is left"));

    // Cancelled while the tool writes under the stand-in's name: neither
    // that file nor one by the real name is left.
    const std::string begun = shortName.substr(0, shortName.size() - 4) + "_uncompress.pdf";
    session.SetTool({{"out", "Adding page 1\\n"}, {"write", begun}, {"sleep", "120000"}});
    session.Click("Uncompress a PDF only");
    ChooseFile(WaitForFileDialog(session.ProcessId(), "Choose the PDF file"), document);
    HWND output = WaitForOutputWindow(session.ProcessId());
    WaitUntil([&] { return FileExists(JoinPath(documents.Path(), begun)); }, "the stand-in to begin its output");
    ClickButton(FindControl(output, ControlMatch::Text("Cancel").AndClass("obj_BUTTON")));
    const Outcome cancelled = AwaitOutcome(session.ProcessId());
    EXPECT_FALSE(FileExists(JoinPath(documents.Path(), begun)));
    EXPECT_FALSE(WideExists(document.substr(0, document.size() - 4) + L"_uncompress.pdf"));
    row.Saw("Uncompress cancelled while the tool wrote: notice: " + cancelled.notice + "; " +
            (FileExists(JoinPath(documents.Path(), begun)) ? "the begun output is left" : "nothing of it is left"));
}

TEST(PathInput, NameOutsideTheCodePageOnTheCommandLine)
{
    FaultRecord row("name outside the code page, on the command line",
                    "velmora.exe started with \"\\u65E5\\u672C.pdf\" (exists), Decrypt into a typed target; "
                    "then with \"\\u65E5\\u672Cs.pdf\" (does not exist)");
    TempFolder documents;
    const auto [document, shortName] = MakeNihonPdf(documents);
    {
        SessionOptions options;
        options.wideArguments = L"\"" + document + L"\"";
        VelmoraSession session(options);
        const std::string field = TextOf(PdfFileEdit(session));
        EXPECT_EQ(field, JoinPath(documents.Path(), "??.pdf"));
        // The field cannot hold the name of the proposal either.
        EXPECT_EQ(TextOf(TargetEdit(session)), "");
        const std::string target = JoinPath(documents.Path(), "decrypted.pdf");
        SetTextOf(TargetEdit(session), target);
        session.Click("Decrypt the PDF file");
        Outcome outcome = AwaitOutcome(session.ProcessId());
        StandinRun run = session.WaitForToolRun();
        EXPECT_NE(run.commandLine.find("\"" + shortName + "\" output \"" + target + "\""), std::string::npos)
            << run.commandLine;
        EXPECT_EQ(lstrcmpiA(WithoutTrailingBackslash(run.folder).c_str(), documents.Path().c_str()), 0) << run.folder;
        row.Saw("the PDF file field shows <folder>\\??.pdf, the target field stays empty; Decrypt hands the file on as "
                "\"<short name>\" in its folder, notice: " + outcome.notice);
    }
    const std::wstring missing = document.substr(0, document.size() - 4) + L"s.pdf";
    SessionOptions options;
    options.wideArguments = L"\"" + missing + L"\"";
    VelmoraSession session(options);
    const std::string notice = TakeNotice(session.ProcessId());
    const std::string expected = velmora::MissingFileNotice(velmora::WideOf(missing.c_str()));
    EXPECT_EQ(notice, expected);
    EXPECT_EQ(TextOf(PdfFileEdit(session)), "");
    EXPECT_EQ(TextOf(TargetEdit(session)), "");
    EXPECT_TRUE(session.ToolRuns().empty());
    row.Saw(std::string("missing: at start, notice: ") +
            (notice == expected ? "The file <folder>\\??s.pdf was not found." : notice) +
            "; the fields stay empty, the tool never ran");
}
