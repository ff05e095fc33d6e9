// Paths that trip naive quoting and fixed buffers: blanks, letters of the
// ANSI code page above 0x7F, and a path close to 260 characters. The
// stand-in logs the command line it received, which must be exact.
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
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
