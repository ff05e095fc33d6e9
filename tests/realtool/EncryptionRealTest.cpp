// Encryption and decryption with the real pdftk: the written file needs the
// password that was typed, carries the permissions that were checked, and
// comes back whole after decryption.
#include "tests/realtool/PdfFacts.h"
#include "tests/realtool/RealToolSession.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <vector>

using namespace velmora::driver;
using namespace velmora::realtool;

namespace {

using Lines = std::set<std::string>;

const char kTitle[] = "Secret plans";
const char kUser[] = "reader7";
const char kOwner[] = "Keeper-9";

const char kPrinting[] = "Printing - Top Quality Printing ";
const char kDegraded[] = "DegradedPrinting - Lower Quality Printing ";
const char kAllFeatures[] = "AllFeatures - Allows the user to perform all of the above";
const std::vector<std::string> kPermissionBoxes = {kPrinting,       kDegraded,         "ModifyContents",
                                                   "Assembly",      "CopyContents",    "ScreenReaders",
                                                   "ModifyAnnotations", "FillIn",      kAllFeatures};

// qpdf's names for what each box allows in a 128-bit file.
const char kPrintLow[] = "print low resolution";
const char kPrintHigh[] = "print high resolution";
const char kAssemble[] = "modify document assembly";
const char kModifyOther[] = "modify other";
const char kExtractAny[] = "extract for any purpose";
const char kExtractAccess[] = "extract for accessibility";
const char kAnnotate[] = "modify annotations";
const char kForms[] = "modify forms";
const char kModifyAnything[] = "modify anything";

const Lines kEverything = {kPrintLow, kPrintHigh,     kAssemble, kModifyOther, kExtractAny,
                           kExtractAccess, kAnnotate, kForms,    kModifyAnything};

struct Encryption {
    std::string strength;               // "40 bit" or "128 bit"
    std::vector<std::string> boxes;     // the permission boxes to check
    std::string user = kUser;
    std::string owner = kOwner;
};

class EncryptionActions : public RealToolTest {
protected:
    std::string Input()
    {
        const std::string path = Document("plans.pdf");
        if (!FileExists(path))
            MakeNumberedPdf(path, 3, kTitle);
        return path;
    }

    // Picks the input, fills the window as asked and encrypts into target.
    void Encrypt(const Encryption& how, const std::string& target)
    {
        // The field stays as picked from one encryption to the next.
        if (TextOf(Session().FieldOf(Field::PdfFile)) != Input())
            Session().PickPdf(Input());
        Session().SetField(Field::Target, target);
        Session().SetField(Field::UserPassword, how.user);
        Session().SetField(Field::OwnerPassword, how.owner);
        Session().SetChecked(how.strength, true);
        for (const std::string& box : kPermissionBoxes) {
            const bool wanted = std::find(how.boxes.begin(), how.boxes.end(), box) != how.boxes.end();
            Session().SetChecked(box, wanted);
        }
        Session().Click("Enrypt the PDF file");
        ExpectSuccess(Session().FinishRun());
    }

    // The file is encrypted with the strength, needs a password, and the
    // owner password shows the permissions expected. (The user password is
    // tried in the tests of whole documents.)
    void ExpectEncrypted(const std::string& target, int revision, const Lines& allowed)
    {
        EXPECT_TRUE(RequiresPassword(target)) << "opens without a password";
        EncryptionFacts asOwner = ReadEncryption(target, kOwner);
        EXPECT_TRUE(asOwner.opened) << asOwner.report;
        EXPECT_EQ(asOwner.revision, revision) << asOwner.report;
        EXPECT_EQ(asOwner.suppliedAs, "owner") << asOwner.report;
        EXPECT_EQ(asOwner.allowed, allowed) << asOwner.report;
    }
};

TEST_F(EncryptionActions, EachPermissionOf128BitEncryptionIsWhatTheFileAllows)
{
    struct Case {
        std::vector<std::string> boxes;
        Lines allowed;
    };
    const std::vector<Case> cases = {
        {{}, {}},
        {{kPrinting}, {kPrintLow, kPrintHigh}},
        {{kDegraded}, {kPrintLow}},
        {{"ModifyContents"}, {kModifyOther, kAssemble}},
        {{"Assembly"}, {kAssemble}},
        {{"CopyContents"}, {kExtractAny, kExtractAccess}},
        {{"ScreenReaders"}, {kExtractAccess}},
        {{"ModifyAnnotations"}, {kAnnotate, kForms}},
        {{"FillIn"}, {kForms}},
        {{kAllFeatures}, kEverything},
        {{kDegraded, "Assembly", "FillIn"}, {kPrintLow, kAssemble, kForms}},
    };
    int number = 0;
    for (const Case& c : cases) {
        const std::string target = Document("strong" + std::to_string(++number) + ".pdf");
        SCOPED_TRACE(target);
        Encrypt({"128 bit", c.boxes}, target);
        ExpectEncrypted(target, 3, c.allowed);
    }
}

TEST_F(EncryptionActions, PermissionsOf40BitEncryptionAreWhatTheFileAllows)
{
    struct Case {
        std::vector<std::string> boxes;
        Lines allowed;
    };
    // The 40-bit format knows four permissions; printing cannot be degraded.
    const std::vector<Case> cases = {
        {{}, {}},
        {{kPrinting, "CopyContents"}, {kPrintLow, kPrintHigh, kExtractAny, kExtractAccess}},
        {{"ModifyContents", "ModifyAnnotations"}, {kModifyOther, kAssemble, kAnnotate, kForms, kModifyAnything}},
        {{kAllFeatures}, kEverything},
    };
    int number = 0;
    for (const Case& c : cases) {
        const std::string target = Document("weak" + std::to_string(++number) + ".pdf");
        SCOPED_TRACE(target);
        Encrypt({"40 bit", c.boxes}, target);
        ExpectEncrypted(target, 2, c.allowed);
    }
}

TEST_F(EncryptionActions, TheEncryptedDocumentOpensWithEitherPasswordWhole)
{
    const std::string target = Document("whole.pdf");
    Encrypt({"128 bit", {kPrinting}}, target);
    PdfFacts without = ReadPdf(target);
    EXPECT_FALSE(without.opened);
    for (const char* password : {kUser, kOwner}) {
        PdfFacts facts = ReadPdf(target, password);
        EXPECT_TRUE(facts.opened) << password << ": " << facts.messages;
        EXPECT_EQ(facts.pages, 3);
        EXPECT_EQ(facts.title, kTitle);
        EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3}));
    }
    EXPECT_EQ(ReadEncryption(target, kUser).suppliedAs, "user");
}

TEST_F(EncryptionActions, OnlyAnOwnerPasswordKeepsTheFileOpenButRestricted)
{
    const std::string target = Document("owned.pdf");
    Encrypt({"128 bit", {"ScreenReaders"}, "", kOwner}, target);
    EXPECT_FALSE(RequiresPassword(target));
    EncryptionFacts facts = ReadEncryption(target, kOwner);
    EXPECT_EQ(facts.revision, 3) << facts.report;
    EXPECT_EQ(facts.suppliedAs, "owner") << facts.report;
    EXPECT_EQ(facts.allowed, Lines({kExtractAccess})) << facts.report;
}

TEST_F(EncryptionActions, PasswordsWithBlanksAndQuotesWorkAsTyped)
{
    const std::string target = Document("spaced.pdf");
    const std::string user = "open sesame";
    const std::string owner = "say \"please\" twice";
    Encrypt({"128 bit", {kPrinting}, user, owner}, target);
    EXPECT_TRUE(RequiresPassword(target));
    EXPECT_EQ(ReadEncryption(target, user).suppliedAs, "user");
    EncryptionFacts asOwner = ReadEncryption(target, owner);
    EXPECT_EQ(asOwner.suppliedAs, "owner") << asOwner.report;
    EXPECT_EQ(asOwner.allowed, Lines({kPrintLow, kPrintHigh})) << asOwner.report;
}

TEST_F(EncryptionActions, DecryptWithTheOwnerPasswordGivesThePlainDocumentBack)
{
    const std::string locked = Document("locked.pdf");
    Encrypt({"128 bit", {}}, locked);
    ASSERT_TRUE(RequiresPassword(locked));

    const std::string open = Document("unlocked.pdf");
    Session().PickPdf(locked);
    Session().SetField(Field::Target, open);
    Session().SetField(Field::UserPassword, "");
    Session().SetField(Field::OwnerPassword, kOwner);
    Session().Click("Decrypt the PDF file");
    ExpectSuccess(Session().FinishRun());

    EncryptionFacts encryption = ReadEncryption(open);
    EXPECT_FALSE(encryption.encrypted) << encryption.report;
    PdfFacts facts = ReadPdf(open);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 3);
    EXPECT_EQ(facts.title, kTitle);
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3}));
}

TEST_F(EncryptionActions, DecryptWithAWrongPasswordIsAFailureAndWritesNothing)
{
    const std::string locked = Document("bolted.pdf");
    Encrypt({"128 bit", {}}, locked);

    const std::string open = Document("not-unlocked.pdf");
    Session().PickPdf(locked);
    Session().SetField(Field::Target, open);
    Session().SetField(Field::OwnerPassword, "wrong");
    Session().Click("Decrypt the PDF file");
    RunOutcome outcome = Session().FinishRun();
    EXPECT_NE(outcome.notice, kSuccess);
    EXPECT_FALSE(FileExists(open));
    // The notice says why in pdftk's words, the file it read between them.
    EXPECT_EQ(outcome.notice.rfind("pdftk reported an error (exit code 1)\r\nError: Failed to open input PDF file:\r\n", 0),
              0u) << outcome.notice;
    EXPECT_TRUE(Contains(outcome.notice, "bolted.pdf\r\nOWNER OR USER PASSWORD REQUIRED, but incorrect"))
        << outcome.notice;
}

// The fields keep their meaning; only the input's own open password, which
// no field holds, is asked for.
TEST_F(EncryptionActions, AProtectedInputIsAskedForWhenNoFieldGivesItsPassword)
{
    const std::string locked = Document("sealed.pdf");
    Encrypt({"128 bit", {}}, locked);

    const std::string open = Document("unsealed.pdf");
    Session().PickPdf(locked);
    Session().SetField(Field::Target, open);
    Session().SetField(Field::OwnerPassword, "");
    Session().Click("Decrypt the PDF file");
    EXPECT_EQ(Session().AnswerPasswordQuestion(kUser),
              "sealed.pdf is protected by a password.\r\nType the password that opens it:");
    ExpectSuccess(Session().FinishRun());
    EXPECT_FALSE(ReadEncryption(open).encrypted);
    EXPECT_EQ(ReadPdf(open).dimensions, DimensionsOfPages({1, 2, 3}));

    const std::string resealed = Document("resealed.pdf");
    Session().SetField(Field::Target, resealed);
    Session().SetField(Field::UserPassword, "new reader");
    Session().SetField(Field::OwnerPassword, "new keeper");
    Session().Click("Enrypt the PDF file");
    Session().AnswerPasswordQuestion(kUser);
    ExpectSuccess(Session().FinishRun());
    EXPECT_TRUE(RequiresPassword(resealed));
    EncryptionFacts asOwner = ReadEncryption(resealed, "new keeper");
    EXPECT_EQ(asOwner.suppliedAs, "owner") << asOwner.report;
    EXPECT_EQ(ReadPdf(resealed, "new keeper").dimensions, DimensionsOfPages({1, 2, 3}));
}

} // namespace
