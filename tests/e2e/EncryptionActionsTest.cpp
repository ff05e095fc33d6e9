// Encrypting and decrypting the PDF of the PDF file field into the target
// field: the refusals in their "Description" box, and the exact command line
// built from the strength, the passwords and the permission boxes.
#include "tests/e2e/ActionSteps.h"
#include "ops/EncryptionArguments.h"
#include <gtest/gtest.h>
#include <vector>

using namespace velmora::driver;
using namespace velmora::e2e;

namespace {

const char kEncrypt[] = "Enrypt the PDF file";
const char kDecrypt[] = "Decrypt the PDF file";

std::string InQuotes(const std::string& text)
{
    return "\"" + text + "\"";
}

class EncryptionActions : public SharedSessionTest {
protected:
    void SetUp() override
    {
        SharedSessionTest::SetUp();
        input = MakeDocument(Session(), "a.pdf");
        target = Session().Documents().File("a_sec.pdf");
        PickPdf(Session(), input);
        ASSERT_EQ(TextOfField(Session(), Field::Target), target);
    }

    // The window as the user leaves it before pressing encrypt.
    void Fill(bool bits40, const std::string& user, const std::string& owner,
              const std::vector<std::string>& permissions = {})
    {
        SetChecked(Session(), bits40 ? "40 bit" : "128 bit");
        TypeIntoField(Session(), Field::UserPassword, user);
        TypeIntoField(Session(), Field::OwnerPassword, owner);
        ClearPermissions(Session());
        for (const std::string& caption : permissions)
            SetChecked(Session(), caption);
    }

    // Presses the button and gives the command line the stand-in received.
    std::string RunWith(const char* button)
    {
        const size_t before = RunsSoFar();
        Press(Session(), button);
        StandinRun run = ExpectRun(Session(), before + 1);
        EXPECT_EQ(run.folder, Session().Documents().Path());
        Session().ExpectNotice(kSuccessNotice);
        return run.commandLine;
    }

    std::string Expected(const std::string& arguments)
    {
        return CapturedRun(Session(), InQuotes(input) + " output " + InQuotes(target) + " " + arguments);
    }

    // Presses the button and expects the refusal, with nothing run.
    void ExpectRefusal(const char* button, const std::string& text)
    {
        const size_t before = RunsSoFar();
        Press(Session(), button);
        MessageBoxInfo box = WaitForMessageBox(Session().ProcessId(), kDescriptionTitle);
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.icon, MessageIcon::Error);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_EQ(box.owner, Session().MainWindow());
        AnswerMessageBox(box, IDOK);
        ExpectNothingRan(Session(), before);
    }

    std::string input;
    std::string target;
};

const char kPrinting[] = "Printing - Top Quality Printing ";
const char kDegraded[] = "DegradedPrinting - Lower Quality Printing ";
const char kFillIn[] = "FillIn";
const char kAllFeatures[] = "AllFeatures - Allows the user to perform all of the above";

} // namespace

TEST_F(EncryptionActions, StrengthPasswordsAndPermissionsMakeTheCommandLine)
{
    Fill(false, "", "secret", {kPrinting, kFillIn});
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_128bits owner_pw secret  allow printing FillIn"));

    // No permission: no allow word, the blanks of the empty parts stay.
    Fill(true, "reader", "owner");
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_40bits owner_pw owner user_pw reader "));

    Fill(true, "reader", "");
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_40bits  user_pw reader "));
}

TEST_F(EncryptionActions, PermissionWordsFollowTheBoxes)
{
    Fill(false, "", "owner", {kDegraded});
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_128bits owner_pw owner  allow  degradedprinting"));

    Fill(false, "", "owner", {kPrinting, kDegraded});
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_128bits owner_pw owner  allow printing degradedprinting"));

    Fill(false, "", "owner",
         {kPrinting, kDegraded, "ModifyContents", "Assembly", "CopyContents", "ScreenReaders", "ModifyAnnotations",
          kFillIn});
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_128bits owner_pw owner  allow printing degradedprinting "
                                          "ModifyContents Assembly CopyContents ScreenReaders ModifyAnnotations "
                                          "FillIn"));

    // All features stands alone, whatever else is checked.
    Fill(false, "", "owner", {kPrinting, kAllFeatures, kFillIn});
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_128bits owner_pw owner  allow AllFeatures"));
}

// A password with a blank or a double quote reaches the tool as one
// argument, quoted as the C runtime splits command lines.
TEST_F(EncryptionActions, PasswordsWithBlanksAndQuotesStayOneArgument)
{
    Fill(false, "say \"hi\"", "my secret\\");
    EXPECT_EQ(RunWith(kEncrypt),
              Expected("encrypt_128bits owner_pw \"my secret\\\\\" user_pw \"say \\\"hi\\\"\" "));

    // Passwords differing only in case are different passwords.
    Fill(false, "Secret", "secret");
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_128bits owner_pw secret user_pw Secret "));
}

TEST_F(EncryptionActions, RefusesEqualPasswordsAndABadTarget)
{
    Fill(false, "same", "same");
    ExpectRefusal(kEncrypt, "User and Owner password must be different");
    Fill(false, "", "");
    ExpectRefusal(kEncrypt, "User and Owner password must be different");

    Fill(false, "", "owner");
    TypeIntoField(Session(), Field::Target, "");
    ExpectRefusal(kEncrypt, "Choose a target file first");
    ExpectRefusal(kDecrypt, "Choose a target file first");

    // The input itself as the target would be overwritten while it is read.
    TypeIntoField(Session(), Field::Target, input);
    ExpectRefusal(kEncrypt, "Target file must be different from the pdf file");
    ExpectRefusal(kDecrypt, "Target file must be different from the pdf file");
    std::string shouted = input;
    for (char& c : shouted)
        c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    TypeIntoField(Session(), Field::Target, shouted);
    ExpectRefusal(kEncrypt, "Target file must be different from the pdf file");

    // What the field shows as '?' for letters it cannot hold, and what no
    // file name can have, never reaches the tool.
    TypeIntoField(Session(), Field::Target, Session().Documents().File("????" "?-2024.pdf"));
    ExpectRefusal(kEncrypt, velmora::kTargetNotAName);
    ExpectRefusal(kDecrypt, velmora::kTargetNotAName);

    // A target the user typed is used as typed.
    target = Session().Documents().File("locked copy.pdf");
    TypeIntoField(Session(), Field::Target, target);
    EXPECT_EQ(RunWith(kEncrypt), Expected("encrypt_128bits owner_pw owner  "));
}

TEST_F(EncryptionActions, DecryptOpensTheInputWithTheOwnerPassword)
{
    Fill(false, "never read", "open sesame");
    EXPECT_EQ(RunWith(kDecrypt), CapturedRun(Session(), InQuotes(input) + " input_pw \"open sesame\" output " +
                                                            InQuotes(target)));

    Fill(false, "never read", "");
    EXPECT_EQ(RunWith(kDecrypt), CapturedRun(Session(), InQuotes(input) + " output " + InQuotes(target)));

    // A password that is one of pdftk's keywords goes with the input's handle.
    Fill(false, "never read", "OwnerPW");
    EXPECT_EQ(RunWith(kDecrypt), CapturedRun(Session(), InQuotes("A=" + input) + " input_pw A=OwnerPW output " +
                                                            InQuotes(target)));
}

TEST(EncryptionWithoutPdf, BothAskForAPdfFileFirst)
{
    VelmoraSession session;
    TypeIntoField(session, Field::OwnerPassword, "owner");
    for (const char* button : {kEncrypt, kDecrypt}) {
        SCOPED_TRACE(button);
        Press(session, button);
        MessageBoxInfo box = WaitForMessageBox(session.ProcessId(), kDescriptionTitle);
        EXPECT_EQ(box.text, "Choose a pdf file first");
        EXPECT_EQ(box.icon, MessageIcon::Error);
        AnswerMessageBox(box, IDOK);
        ExpectNothingRan(session, 0);
    }
}
