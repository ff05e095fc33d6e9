#include "ops/LockedInputs.h"
#include <gtest/gtest.h>

using namespace velmora;

// The reports below are pdftk's own words, as pdftk-java 3.3 and pdftk 2.x
// print them; the Windows builds end their lines with CR LF.
TEST(LockedInputs, TellsWhichInputWantsItsPasswordAndWhy)
{
    const std::string notGiven =
        "Error: Failed to open input PDF file: \r\n   C:\\Docs\\user.pdf\r\n"
        "   OWNER OR USER PASSWORD REQUIRED, but not given\r\nErrors encountered.  No output created.\r\n";
    LockedInput needed = FindLockedInput(notGiven, false);
    EXPECT_EQ(needed.lock, InputLock::PasswordNeeded);
    EXPECT_EQ(needed.file, "C:\\Docs\\user.pdf");

    const std::string incorrect =
        "WARNING: The creator of the input PDF:\n   open.pdf\n   has set an owner password (which is not "
        "required to handle this PDF).\nError: Failed to open input PDF file: \n   user.pdf\n"
        "   OWNER OR USER PASSWORD REQUIRED, but incorrect\n";
    LockedInput wrong = FindLockedInput(incorrect, true);
    EXPECT_EQ(wrong.lock, InputLock::PasswordWrong);
    EXPECT_EQ(wrong.file, "user.pdf");

    // pdftk 2.x says the same whether a password was missing or wrong.
    const std::string older = "Error: Failed to open PDF file: \r\n   a.pdf\r\n"
                              "   OWNER PASSWORD REQUIRED, but not given (or incorrect)\r\nDone.\r\n";
    EXPECT_EQ(FindLockedInput(older, false).lock, InputLock::PasswordNeeded);
    EXPECT_EQ(FindLockedInput(older, true).lock, InputLock::PasswordWrong);

    const std::string aes = "Error: Invalid PDF: unknown.encryption.type.r\nError: Failed to open input PDF file: \n"
                            "   aes.pdf\nErrors encountered.  No output created.\n";
    LockedInput unknown = FindLockedInput(aes, false);
    EXPECT_EQ(unknown.lock, InputLock::EncryptionUnknown);
    EXPECT_EQ(unknown.file, "aes.pdf");
}

TEST(LockedInputs, OtherFailuresAndSuccessesLockNothing)
{
    EXPECT_EQ(FindLockedInput("Error: Unable to find file.\nError: Failed to open input PDF file: \n"
                              "   missing.pdf\nErrors encountered.  No output created.\n", false).lock,
              InputLock::None);
    EXPECT_EQ(FindLockedInput("", false).lock, InputLock::None);
    // A file named like pdftk's words is a name, not a verdict.
    EXPECT_EQ(FindLockedInput("Creating Output ...\n   PASSWORD REQUIRED, but not given.pdf\n", false).lock,
              InputLock::None);

    const std::string ownerOnly = "WARNING: The creator of the input PDF:\r\n   owner.pdf\r\n   has set an owner "
                                  "password (which is not required to handle this PDF).\r\n";
    EXPECT_TRUE(OwnerProtectionDropped(ownerOnly));
    EXPECT_FALSE(OwnerProtectionDropped("Creating Output ...\r\n"));
}
