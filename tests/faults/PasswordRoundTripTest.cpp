// Passwords through the real pdftk (the bridge): what is encrypted with
// blanks and double quotes must open with them again, and a document that
// needs its open password is asked for it, again when the one given was
// wrong, and not at all when pdftk cannot read its encryption.
#include "ops/ProcessExecution.h"
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include "tests/realtool/PdfFacts.h"
#include "tests/support/PasswordQuestion.h"
#include "tests/support/PdfMaker.h"
#include <gtest/gtest.h>
#include <memory>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::faults;

namespace {

const DWORD kToolLimitMs = 120000;

velmora::ProcessResult DumpData(const std::string& tool, const std::string& pdf, const std::string& password = "")
{
    // With the handle, pdftk takes any password for one, its keywords too.
    std::string arguments = velmora::QuoteArgument("A=" + pdf);
    if (!password.empty()) arguments += " input_pw " + velmora::QuoteArgument("A=" + password);
    arguments += " dump_data";
    return velmora::RunCaptured(tool, arguments, "", 0, kToolLimitMs);
}

// Encrypts a 2-page PDF through the program with user and owner, then
// decrypts the result with owner; checks and records each step.
void EncryptAndDecrypt(FaultRecord& row, const std::string& user, const std::string& owner)
{
    TempFolder documents(FolderName::WithBlank);
    const std::string plain = documents.File("plain.pdf");
    const std::string locked = documents.File("plain_sec.pdf");
    const std::string opened = documents.File("opened.pdf");
    ASSERT_TRUE(velmora::test::WritePdf(plain, velmora::test::UniformPdf(2)));
    const std::string original = ReadFileBytes(plain);

    VelmoraSession session(WithDocument(plain));
    session.MainWindow();
    // The program fixed where its tool lies at start; from now on the real one.
    const std::string tool = session.Folder().File("pdftk.exe");
    ASSERT_TRUE(CopyFileA(BinPath("bridge/pdftk.exe").c_str(), tool.c_str(), FALSE));

    SetTextOf(UserPasswordEdit(session), user);
    SetTextOf(OwnerPasswordEdit(session), owner);
    session.Click("Enrypt the PDF file");
    Outcome encrypted = AwaitOutcome(session.ProcessId(), kToolLimitMs);
    row.Saw("Encrypt: " + encrypted.notice);
    ASSERT_EQ(encrypted.notice, "Successful executed") << encrypted.outputText;
    EXPECT_NE(DumpData(tool, locked).exitCode, 0u) << "the encrypted file opens without a password";
    // pdftk reads an encrypted file only with its owner password.
    velmora::ProcessResult withOwner = DumpData(tool, locked, owner);
    EXPECT_EQ(withOwner.exitCode, 0u) << "the owner password does not open it: " << withOwner.output;

    SetTextOf(PdfFileEdit(session), locked);
    SetTextOf(TargetEdit(session), opened);
    session.Click("Decrypt the PDF file");
    Outcome decrypted = AwaitOutcome(session.ProcessId(), kToolLimitMs);
    row.Saw("Decrypt: " + decrypted.notice);
    EXPECT_EQ(decrypted.notice, "Successful executed") << decrypted.outputText;

    velmora::ProcessResult dump = DumpData(tool, opened);
    EXPECT_TRUE(dump.ended);
    EXPECT_EQ(dump.exitCode, 0u) << dump.output;
    EXPECT_NE(dump.output.find("NumberOfPages: 2"), std::string::npos) << dump.output;
    EXPECT_EQ(ReadFileBytes(plain), original);
    row.Saw(dump.exitCode == 0 ? "the decrypted file opens without a password (2 pages)" : "the decrypted file does not open");
}

} // namespace

TEST(PasswordRoundTrip, BlanksAndQuotesInPasswordsSurviveEncryptAndDecrypt)
{
    const std::string user = "my \"secret\" pw";
    const std::string owner = "own er\"x \\\"";
    FaultRecord row("passwords with blanks and double quotes",
                    "real pdftk: Encrypt with user \"" + user + "\" and owner \"" + owner +
                        "\", then Decrypt the result with the owner password");
    EncryptAndDecrypt(row, user, owner);
}

// pdftk would read these as its keywords after input_pw.
TEST(PasswordRoundTrip, PasswordsThatArePdftksKeywordsSurviveEncryptAndDecrypt)
{
    FaultRecord row("passwords that are pdftk's keywords",
                    "real pdftk: Encrypt with user \"Output\" and owner \"ownerpw\", then Decrypt the result with "
                    "the owner password");
    EncryptAndDecrypt(row, "Output", "ownerpw");
}

namespace {

const char kOpenPassword[] = "letmein";
const char kSuccess[] = "Successful executed";

// The real pdftk behind a program started with a protected copy of a 2-page
// PDF (its open password kOpenPassword) as its document, the owner password
// field empty: Decrypt then needs the open password, which no field holds.
struct ProtectedDecrypt {
    TempFolder documents;
    std::string source = documents.File("source.pdf");
    std::string locked;
    std::string target;
    std::unique_ptr<VelmoraSession> session;

    // bits 256: AES-256, which pdftk cannot read.
    explicit ProtectedDecrypt(const std::string& name, int bits = 128)
        : locked(documents.File(name)), target(documents.File("opened.pdf"))
    {
        EXPECT_TRUE(velmora::test::WritePdf(source, velmora::test::UniformPdf(2)));
        EXPECT_TRUE(velmora::realtool::ProtectPdf(source, locked, kOpenPassword, "owner", bits));
        session = std::make_unique<VelmoraSession>(WithDocument(locked));
        session->MainWindow();
        const std::string tool = session->Folder().File("pdftk.exe");
        EXPECT_TRUE(CopyFileA(BinPath("bridge/pdftk.exe").c_str(), tool.c_str(), FALSE));
        SetTextOf(TargetEdit(*session), target);
    }

    std::string Answer(const std::string& password)
    {
        return velmora::testsupport::AnswerPasswordQuestion(session->ProcessId(), session->MainWindow(), password);
    }
    // Nothing but the main window, taking input, and a second later still:
    // no notice came.
    bool EndedSilently()
    {
        auto alone = [&] {
            for (HWND window : TopWindowsOf(session->ProcessId()))
                if (window != session->MainWindow() && IsWindowVisible(window))
                    return false;
            return IsWindowEnabled(session->MainWindow()) != FALSE;
        };
        WaitUntil(alone, "the main window alone, taking input");
        Sleep(1000);
        return alone();
    }
};

std::string Question(const std::string& name, bool triedBefore)
{
    return triedBefore ? "The password given did not open " + name + ".\r\nType the password that opens it:"
                       : name + " is protected by a password.\r\nType the password that opens it:";
}

} // namespace

TEST(ProtectedInputs, WrongPasswordAsksAgainAndTheRightOneOpensTheFile)
{
    FaultRecord row("protected input, wrong password then the right one",
                    "real pdftk: Decrypt, owner password field empty, of a 2-page PDF that needs its open password; "
                    "a wrong password typed, then the right one");
    ProtectedDecrypt run("statement.pdf");
    run.session->Click("Decrypt the PDF file");
    const std::string first = run.Answer("guess");
    row.Saw("question \"" + first + "\"");
    EXPECT_EQ(first, Question("statement.pdf", false));
    const std::string again = run.Answer(kOpenPassword);
    row.Saw("question \"" + again + "\"");
    EXPECT_EQ(again, Question("statement.pdf", true));
    Outcome outcome = AwaitOutcome(run.session->ProcessId(), 120000);
    row.Saw("notice: " + outcome.notice);
    EXPECT_EQ(outcome.notice, kSuccess);
    row.Checked(Tally::FailureCalledSuccess, outcome.notice == kSuccess && !FileExists(run.target));
    velmora::realtool::PdfFacts facts = velmora::realtool::ReadPdf(run.target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 2);
    row.Saw(facts.opened ? "the target opens without a password (2 pages)" : "the target does not open");
}

// Cancel and Escape end the action as if it had not been asked for.
TEST(ProtectedInputs, CancelledQuestionEndsTheActionSilentlyLeavingNothing)
{
    FaultRecord row("protected input, question cancelled",
                    "real pdftk: Decrypt, owner password field empty, of a PDF that needs its open password; the "
                    "question cancelled; again, a wrong password and the second question ended with Escape");
    ProtectedDecrypt run("payslip.pdf");
    run.session->Click("Decrypt the PDF file");
    run.Answer("");
    const bool silent = run.EndedSilently();
    EXPECT_TRUE(silent);
    EXPECT_FALSE(FileExists(run.target));
    row.Saw(std::string("Cancel: ") + (silent ? "no notice" : "something shown") + ", " +
            (FileExists(run.target) ? "a target written" : "no target"));

    run.session->Click("Decrypt the PDF file");
    run.Answer("guess");
    HWND question = velmora::testsupport::WaitForPasswordQuestion(run.session->ProcessId(), run.session->MainWindow());
    PressEscape(FindControl(question, ControlMatch::Class("obj_EDIT")));
    WaitUntilGone(question);
    const bool silentAgain = run.EndedSilently();
    EXPECT_TRUE(silentAgain);
    EXPECT_FALSE(FileExists(run.target));
    row.Saw(std::string("Escape after a wrong password: ") + (silentAgain ? "no notice" : "something shown") + ", " +
            (FileExists(run.target) ? "a target written" : "no target"));
}

TEST(ProtectedInputs, AesEncryptedInputIsToldAsUnreadableNotAskedFor)
{
    FaultRecord row("AES-256 input", "real pdftk: Decrypt, owner password field empty, of a PDF encrypted with AES-256");
    ProtectedDecrypt run("modern.pdf", 256);
    run.session->Click("Decrypt the PDF file");
    const std::string notice = AwaitOutcome(run.session->ProcessId(), 120000).notice;
    row.Saw("no question; notice: " + notice);
    EXPECT_EQ(notice, "pdftk cannot open modern.pdf: it is encrypted in a way pdftk cannot read (AES-256, as newer "
                      "PDF programs write it). Remove the protection with another program first.");
    EXPECT_FALSE(FileExists(run.target));
    row.Checked(Tally::FailureCalledSuccess, notice == kSuccess);
}
