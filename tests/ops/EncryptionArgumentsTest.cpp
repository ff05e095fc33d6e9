#include "ops/EncryptionArguments.h"
#include <gtest/gtest.h>

using namespace velmora;

namespace {

EncryptionFields Fields()
{
    EncryptionFields fields;
    fields.pdfFile = "C:\\docs\\a.pdf";
    fields.target = "C:\\docs\\a_sec.pdf";
    fields.ownerPassword = "secret";
    return fields;
}

const char kHead[] = "\"C:\\docs\\a.pdf\" output \"C:\\docs\\a_sec.pdf\" ";

} // namespace

TEST(EncryptionArguments, WritesPermissionsInOrderWithTheirBlanks)
{
    Permissions none;
    EXPECT_EQ(PermissionList(none), "");

    Permissions degradedOnly;
    degradedOnly.degradedPrinting = true;
    EXPECT_EQ(PermissionList(degradedOnly), "allow  degradedprinting");

    Permissions printing;
    printing.printing = true;
    printing.degradedPrinting = true;
    EXPECT_EQ(PermissionList(printing), "allow printing degradedprinting");

    Permissions every;
    every.printing = every.degradedPrinting = every.modifyContents = every.assembly = true;
    every.copyContents = every.screenReaders = every.modifyAnnotations = every.fillIn = true;
    EXPECT_EQ(PermissionList(every), "allow printing degradedprinting ModifyContents Assembly "
                                     "CopyContents ScreenReaders ModifyAnnotations FillIn");
    every.allFeatures = true;
    EXPECT_EQ(PermissionList(every), "allow AllFeatures");
}

TEST(EncryptionArguments, BuildsTheCommandLineWithEmptyPartsLeavingBlanks)
{
    EncryptionFields fields = Fields();
    fields.permissions.printing = true;
    fields.permissions.fillIn = true;
    EncryptionPlan plan = PlanEncryption(fields);
    EXPECT_EQ(plan.refusal, "");
    EXPECT_EQ(plan.call.arguments, std::string(kHead) + "encrypt_128bits owner_pw secret  allow printing FillIn");
    EXPECT_EQ(plan.call.folder, "C:\\docs\\");
    EXPECT_EQ(plan.call.folderToCreate, "");
    EXPECT_EQ(plan.call.outputFile, "C:\\docs\\a_sec.pdf");

    fields = Fields();
    EXPECT_EQ(PlanEncryption(fields).call.arguments, std::string(kHead) + "encrypt_128bits owner_pw secret  ");

    fields.ownerPassword = "";
    fields.userPassword = "open";
    fields.strength40 = true;
    EXPECT_EQ(PlanEncryption(fields).call.arguments, std::string(kHead) + "encrypt_40bits  user_pw open ");

    fields.ownerPassword = "Open";  // differs only in case: two passwords
    EXPECT_EQ(PlanEncryption(fields).call.arguments, std::string(kHead) + "encrypt_40bits owner_pw Open user_pw open ");
}

TEST(EncryptionArguments, KeepsEachPasswordOneWord)
{
    EncryptionFields fields = Fields();
    fields.ownerPassword = "my secret";
    fields.userPassword = "say \"x\\\"";
    fields.permissions.allFeatures = true;
    EXPECT_EQ(PlanEncryption(fields).call.arguments,
              std::string(kHead) + "encrypt_128bits owner_pw \"my secret\" user_pw \"say \\\"x\\\\\\\"\" allow AllFeatures");
}

TEST(EncryptionArguments, RefusesWhatCannotWork)
{
    EncryptionFields fields = Fields();
    fields.pdfFile = "";
    fields.ownerPassword = fields.userPassword = "";
    EXPECT_EQ(PlanEncryption(fields).refusal, "Choose a pdf file first");

    fields = Fields();
    fields.ownerPassword = fields.userPassword = "";
    EXPECT_EQ(PlanEncryption(fields).refusal, "User and Owner password must be different");
    fields.ownerPassword = fields.userPassword = "same";
    EXPECT_EQ(PlanEncryption(fields).refusal, "User and Owner password must be different");

    fields = Fields();
    fields.target = "";
    EXPECT_EQ(PlanEncryption(fields).refusal, "Choose a target file first");
    fields.target = "  ";
    EXPECT_EQ(PlanEncryption(fields).refusal, "Choose a target file first");

    fields.target = "C:\\DOCS\\A.pdf";
    EXPECT_EQ(PlanEncryption(fields).refusal, "Target file must be different from the pdf file");
    fields.target = "a.pdf";
    EXPECT_EQ(PlanEncryption(fields).refusal, "Target file must be different from the pdf file");
    EXPECT_EQ(PlanEncryption(fields).call.arguments, "");
}

TEST(DecryptionArguments, PassesThePasswordOnlyWhenThereIsOne)
{
    DecryptionFields fields{"C:\\docs\\a.pdf", "C:\\docs\\a_open.pdf", "secret"};
    EncryptionPlan plan = PlanDecryption(fields);
    EXPECT_EQ(plan.refusal, "");
    EXPECT_EQ(plan.call.arguments, "\"C:\\docs\\a.pdf\" input_pw secret output \"C:\\docs\\a_open.pdf\"");
    EXPECT_EQ(plan.call.folder, "C:\\docs\\");
    EXPECT_EQ(plan.call.outputFile, "C:\\docs\\a_open.pdf");

    fields.ownerPassword = "two words";
    EXPECT_EQ(PlanDecryption(fields).call.arguments,
              "\"C:\\docs\\a.pdf\" input_pw \"two words\" output \"C:\\docs\\a_open.pdf\"");

    fields.ownerPassword = "";
    EXPECT_EQ(PlanDecryption(fields).call.arguments, "\"C:\\docs\\a.pdf\" output \"C:\\docs\\a_open.pdf\"");
}

TEST(DecryptionArguments, RefusesNoInputNoTargetAndTheInputAsTarget)
{
    EXPECT_EQ(PlanDecryption({"", "C:\\docs\\b.pdf", "pw"}).refusal, "Choose a pdf file first");
    EXPECT_EQ(PlanDecryption({"C:\\docs\\a.pdf", "", "pw"}).refusal, "Choose a target file first");
    EXPECT_EQ(PlanDecryption({"C:\\docs\\a.pdf", "c:\\Docs\\A.PDF", "pw"}).refusal,
              "Target file must be different from the pdf file");
    EXPECT_EQ(PlanDecryption({"C:\\docs\\a.pdf", "..\\docs\\a.pdf", ""}).refusal,
              "Target file must be different from the pdf file");
    // What the field showed as '?' for letters it could not hold, and what
    // no file name can have, never reaches the tool.
    for (const char* target : {"C:\\docs\\????" "?-2024.pdf", "C:\\docs\\a*.pdf", "C:\\docs\\a:b.pdf", "a|b.pdf",
                               "<a>.pdf"})
        EXPECT_EQ(PlanDecryption({"C:\\docs\\a.pdf", target, ""}).refusal, kTargetNotAName) << target;
    EXPECT_EQ(PlanDecryption({"C:\\docs\\a.pdf", "D:b.pdf", ""}).refusal, "");
    // The trail byte 0x7C of a double-byte character is no '|'.
    EXPECT_EQ(HoldsNonNameCharacters("C:\\\x83\x7C.pdf"), GetACP() != 932);
}

// pdftk takes a keyword after input_pw for the keyword, whatever its case;
// with the input's handle it is a password. Every other password keeps the
// plain form, and the passwords never reach the outcome notice.
TEST(DecryptionArguments, PassesAPasswordThatIsAKeywordWithTheInputsHandle)
{
    DecryptionFields fields{"C:\\docs\\a.pdf", "C:\\docs\\a_open.pdf", "ownerpw"};
    EncryptionPlan plan = PlanDecryption(fields);
    EXPECT_EQ(plan.call.arguments, "\"A=C:\\docs\\a.pdf\" input_pw A=ownerpw output \"C:\\docs\\a_open.pdf\"");
    EXPECT_EQ(plan.call.secrets, std::vector<std::string>{"ownerpw"});
    for (const char* keyword : {"Output", "USERPW", "allow", "cat", "encrypt_128bits", "dont_ask", "north", "filter"})
        EXPECT_TRUE(IsToolKeyword(keyword)) << keyword;
    for (const char* password : {"even", "end", "prompt", "outputs", "pw", "A=x", ""})
        EXPECT_FALSE(IsToolKeyword(password)) << password;
    fields.ownerPassword = "even";
    EXPECT_EQ(PlanDecryption(fields).call.arguments, "\"C:\\docs\\a.pdf\" input_pw even output \"C:\\docs\\a_open.pdf\"");

    EncryptionFields encrypt = Fields();
    encrypt.ownerPassword = "output";
    encrypt.userPassword = "Allow";
    plan = PlanEncryption(encrypt);
    EXPECT_EQ(plan.call.arguments, std::string(kHead) + "encrypt_128bits owner_pw output user_pw Allow ");
    EXPECT_EQ(plan.call.secrets, (std::vector<std::string>{"output", "Allow"}));
}

// PROMPT makes pdftk ask on its standard input, which is empty here.
TEST(EncryptionArguments, RefusesThePasswordPrompt)
{
    const std::string refusal = "pdftk cannot be given the password PROMPT: it takes that word as a request to ask "
                                "for the password, which it cannot do here.";
    EncryptionFields fields = Fields();
    fields.userPassword = "PROMPT";
    EXPECT_EQ(PlanEncryption(fields).refusal, refusal);
    fields.userPassword = "prompt";
    EXPECT_EQ(PlanEncryption(fields).refusal, "");
    EXPECT_EQ(PlanDecryption({"C:\\docs\\a.pdf", "C:\\docs\\b.pdf", "PROMPT"}).refusal, refusal);
}
