// Inputs that would make the tool destroy what it reads, or that leave it no
// place to write: refused before anything runs, the files untouched.
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::faults;

namespace {

const char kInput[] = "%PDF-1.4 the only copy\n";

// No run of the tool within a while.
bool ToolStaysUnrun(VelmoraSession& session)
{
    Sleep(1000);
    return session.ToolRuns().empty();
}

std::string Upper(std::string text)
{
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

TEST(InputGuard, TargetThatNamesTheInputIsRefusedByEncryptAndDecrypt)
{
    FaultRecord row("target names the input",
                    "target field set to the input (once in upper case), passwords filled; Encrypt, then Decrypt");
    TempFolder documents;
    const std::string document = documents.File("only.pdf");
    WriteFileBytes(document, kInput);
    VelmoraSession session(WithDocument(document));

    struct Attempt { const char* button; std::string target; };
    for (const Attempt& attempt : {Attempt{"Enrypt the PDF file", Upper(document)}, Attempt{"Decrypt the PDF file", document}}) {
        SetTextOf(TargetEdit(session), attempt.target);
        SetTextOf(UserPasswordEdit(session), "user");
        SetTextOf(OwnerPasswordEdit(session), "owner");
        session.Click(attempt.button);
        MessageBoxInfo box = WaitForMessageBox(session.ProcessId(), "Description");
        row.Saw(std::string(attempt.button) + ": \"Description\" box \"" + box.text + "\"");
        EXPECT_EQ(box.text, "Target file must be different from the pdf file");
        EXPECT_EQ(box.icon, MessageIcon::Error);
        AnswerMessageBox(box, IDOK);
    }
    EXPECT_TRUE(ToolStaysUnrun(session));
    EXPECT_EQ(ReadFileBytes(document), kInput);
    row.Saw("the tool never ran, the input unchanged byte for byte");
}

TEST(InputGuard, BurstFolderBlockedByAFileIsToldAndNothingRuns)
{
    FaultRecord row("burst folder name taken by a file",
                    "a file \"book\" beside book.pdf; Burst a PDF on book.pdf");
    TempFolder documents;
    const std::string document = documents.File("book.pdf");
    const std::string blocker = documents.File("book");
    WriteFileBytes(document, kInput);
    WriteFileBytes(blocker, "not a folder\n");
    VelmoraSession session(WithDocument(document));

    session.Click("Burst a PDF");
    TakeNotice(session.ProcessId());
    HWND dialog = WaitForFileDialog(session.ProcessId(), "Choose the PDF file");
    ChooseFile(dialog, document);
    const std::string notice = TakeNotice(session.ProcessId());
    const std::string expectedStart = "Cannot create the folder " + blocker;
    EXPECT_EQ(notice.rfind(expectedStart, 0), 0u) << notice;
    std::string shown = notice;
    if (shown.rfind(expectedStart, 0) == 0) shown.replace(0, expectedStart.size(), "Cannot create the folder <...>\\book");
    row.Saw("notice: " + shown);

    EXPECT_TRUE(ToolStaysUnrun(session));
    EXPECT_EQ(ReadFileBytes(blocker), "not a folder\n");
    EXPECT_EQ(ReadFileBytes(document), kInput);
    EXPECT_TRUE(Responds(session.MainWindow()));
    row.Saw("the tool never ran, the file untouched");
}
