// Passwords with blanks and double quotes, through the real pdftk (the
// bridge): what is encrypted with them must open with them again.
#include "ops/ProcessExecution.h"
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include "tests/support/PdfMaker.h"
#include <gtest/gtest.h>

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
