#include "ops/LockedInputs.h"
#include "ops/OpenPasswords.h"
#include <gtest/gtest.h>

using namespace velmora;

// The reports below are pdftk's own words, as pdftk-java 3.3 and pdftk 2.x
// print them; the Windows builds end their lines with CR LF.
TEST(LockedInputs, TellsWhichInputsWantTheirPasswordOrCannotBeRead)
{
    const std::string notGiven =
        "Error: Failed to open input PDF file: \r\n   C:\\Docs\\user.pdf\r\n"
        "   OWNER OR USER PASSWORD REQUIRED, but not given\r\nErrors encountered.  No output created.\r\n";
    std::vector<LockedInput> needed = FindLockedInputs(notGiven);
    ASSERT_EQ(needed.size(), 1u);
    EXPECT_EQ(needed[0].lock, InputLock::PasswordNeeded);
    EXPECT_EQ(needed[0].file, "C:\\Docs\\user.pdf");

    // One run names every input it could not open; a wrong password is
    // refused as a missing one is.
    const std::string two =
        "WARNING: The creator of the input PDF:\n   open.pdf\n   has set an owner password (which is not "
        "required to handle this PDF).\nError: Failed to open input PDF file: \n   a.pdf\n"
        "   OWNER OR USER PASSWORD REQUIRED, but incorrect\nError: Failed to open input PDF file: \n   c.pdf\n"
        "   OWNER OR USER PASSWORD REQUIRED, but not given\nErrors encountered.  No output created.\n";
    std::vector<LockedInput> both = FindLockedInputs(two);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].file, "a.pdf");
    EXPECT_EQ(both[1].file, "c.pdf");

    // pdftk 2.x says the same whether a password was missing or wrong.
    const std::string older = "Error: Failed to open PDF file: \r\n   a.pdf\r\n"
                              "   OWNER PASSWORD REQUIRED, but not given (or incorrect)\r\nDone.\r\n";
    EXPECT_EQ(FindLockedInputs(older).size(), 1u);

    // An unknown encryption has no line of why, and does not hide the next input.
    const std::string aes = "Error: Invalid PDF: unknown.encryption.type.r\nError: Failed to open input PDF file: \n"
                            "   aes.pdf\nError: Failed to open input PDF file: \n   b.pdf\n"
                            "   OWNER OR USER PASSWORD REQUIRED, but not given\n";
    std::vector<LockedInput> unknown = FindLockedInputs(aes);
    ASSERT_EQ(unknown.size(), 2u);
    EXPECT_EQ(unknown[0].lock, InputLock::EncryptionUnknown);
    EXPECT_EQ(unknown[0].file, "aes.pdf");
    EXPECT_EQ(unknown[1].lock, InputLock::PasswordNeeded);
}

TEST(LockedInputs, OtherFailuresAndSuccessesLockNothing)
{
    EXPECT_TRUE(FindLockedInputs("Error: Unable to find file.\nError: Failed to open input PDF file: \n"
                                 "   missing.pdf\nErrors encountered.  No output created.\n").empty());
    EXPECT_TRUE(FindLockedInputs("").empty());
    // A file named like pdftk's words is a name, not a verdict.
    EXPECT_TRUE(FindLockedInputs("Creating Output ...\n   PASSWORD REQUIRED, but not given.pdf\n").empty());

    const std::string ownerOnly = "WARNING: The creator of the input PDF:\r\n   owner.pdf\r\n   has set an owner "
                                  "password (which is not required to handle this PDF).\r\n";
    EXPECT_TRUE(OwnerProtectionDropped(ownerOnly));
    EXPECT_FALSE(OwnerProtectionDropped("Creating Output ...\r\n"));
}

// pdftk reads each password asked for from its standard input: the command
// line says PROMPT where the input is, and never holds the password.
TEST(OpenPasswords, PromptsGoAfterTheInputsEachToItsOwnFile)
{
    ToolCall repair;
    repair.arguments = "\"C:\\My Docs\\a.pdf\" output \"C:\\My Docs\\a_repaired.pdf\"";
    EXPECT_EQ(WithPasswordPrompts(repair, {true}).arguments,
              "\"C:\\My Docs\\a.pdf\" input_pw PROMPT output \"C:\\My Docs\\a_repaired.pdf\"");
    EXPECT_EQ(WithPasswordPrompts(repair, {false}).arguments, repair.arguments);

    ToolCall cat;
    cat.arguments = "\"A=b.pdf\" cat A1-end~3 output \"b_cat.pdf\"";
    EXPECT_EQ(WithPasswordPrompts(cat, {true}).arguments, "\"A=b.pdf\" input_pw A=PROMPT cat A1-end~3 output \"b_cat.pdf\"");

    ToolCall join;
    join.arguments = "*.pdf cat output \"C:\\Scans.pdf\"";
    join.outputFile = "C:\\Scans.pdf";
    join.combined = {"C:\\Scans\\1.pdf", "C:\\Scans\\2.pdf", "C:\\Scans\\3.pdf"};
    EXPECT_EQ(WithPasswordPrompts(join, {false, true, true}).arguments,
              "\"A=C:\\Scans\\1.pdf\" \"B=C:\\Scans\\2.pdf\" \"C=C:\\Scans\\3.pdf\" input_pw B=PROMPT C=PROMPT "
              "cat A B C output \"C:\\Scans.pdf\"");

    EXPECT_EQ(InputHandle(0), "A");
    EXPECT_EQ(InputHandle(25), "Z");
    EXPECT_EQ(InputHandle(26), "AA");
    EXPECT_EQ(InputHandle(27 * 26), "AAA");
}

TEST(OpenPasswords, ReportedFileIsFoundAmongTheInputs)
{
    const std::vector<std::string> names = {"C:\\a\\x.pdf", "C:\\b\\x.pdf", "velmora-7-0.pdf"};
    EXPECT_EQ(ReportedInput("C:\\b\\x.pdf", names), 1);
    // The Linux bridge hands pdftk Unix paths.
    EXPECT_EQ(ReportedInput("/home/u/.wine/drive_c/A/X.pdf", names), 0);
    EXPECT_EQ(ReportedInput("velmora-7-0.pdf", names), 2);
    EXPECT_EQ(ReportedInput("y.pdf", names), -1);
}

// pdftk's verbose report lists each input with the password it was given.
TEST(OpenPasswords, PasswordsListedBehindTheirFilesAreHidden)
{
    const std::string report = "Input PDF Filenames & Passwords in Order\r\n( <filename>[, <password>] ) \r\n"
                               "   a.pdf, s\r\n   b.pdf\r\n   c.pdf, my, pw\nCreating Output ...\r\n";
    EXPECT_EQ(HidePasswords(report, {"", "s", "pw", "my, pw"}),
              "Input PDF Filenames & Passwords in Order\r\n( <filename>[, <password>] ) \r\n"
              "   a.pdf, ********\r\n   b.pdf\r\n   c.pdf, ********\nCreating Output ...\r\n");
}
