#include "ops/MultiFileArguments.h"
#include <gtest/gtest.h>

using namespace velmora;

TEST(MultiFileArguments, JoinsEveryPdfOfTheChosenFolder)
{
    ToolCall join = JoinCall("C:\\Scans", "C:\\Out\\all.pdf");
    EXPECT_EQ(join.arguments, "*.pdf cat output \"C:\\Out\\all.pdf\"");
    EXPECT_EQ(join.folder, "C:\\Scans");
    EXPECT_EQ(JoinCall("C:\\", "C:\\Out\\all").arguments, "*.pdf cat output \"C:\\Out\\all\"");
}

TEST(MultiFileArguments, MergesSeveralFilesInTheDialogsOrder)
{
    MergeInputs inputs = ParseMergeSelection("C:\\Docs\rc.pdf\rb.pdf\ra.pdf");
    EXPECT_EQ(inputs.folder, "C:\\Docs\\");
    ToolCall merge = MergeCall(inputs, "C:\\Out\\m.pdf");
    EXPECT_EQ(merge.arguments,
              "\"C:\\Docs\\c.pdf\" \"C:\\Docs\\b.pdf\" \"C:\\Docs\\a.pdf\"  cat output \"C:\\Out\\m.pdf\"");
    EXPECT_EQ(merge.folder, "C:\\Docs\\");

    EXPECT_EQ(MergeCall(ParseMergeSelection("C:\\My Docs\rb.pdf\ra b.pdf"), "C:\\Out\\m.pdf").arguments,
              "\"C:\\My Docs\\b.pdf\" \"C:\\My Docs\\a b.pdf\"  cat output \"C:\\Out\\m.pdf\"");
}

// One chosen file comes back as its full path alone, with no folder piece.
TEST(MultiFileArguments, MergesASingleChosenFile)
{
    MergeInputs inputs = ParseMergeSelection("C:\\Docs\\a.pdf");
    ASSERT_EQ(inputs.files.size(), 1u);
    ToolCall merge = MergeCall(inputs, "C:\\Out\\m.pdf");
    EXPECT_EQ(merge.arguments, "\"C:\\Docs\\a.pdf\"  cat output \"C:\\Out\\m.pdf\"");
    EXPECT_EQ(merge.folder, "C:\\Docs\\");

    EXPECT_TRUE(ParseMergeSelection("").files.empty());
    EXPECT_TRUE(ParseMergeSelection("C:\\Docs\r").files.empty());
}

// The system gives a drive root with its backslash (C:\), other folders without.
TEST(MultiFileArguments, DoesNotDoubleTheBackslashOfADriveRoot)
{
    ToolCall merge = MergeCall(ParseMergeSelection("C:\\\ra.pdf\rb.pdf"), "C:\\m.pdf");
    EXPECT_EQ(merge.arguments, "\"C:\\a.pdf\" \"C:\\b.pdf\"  cat output \"C:\\m.pdf\"");
    EXPECT_EQ(merge.folder, "C:\\");
    EXPECT_EQ(ParseMergeSelection("C:\\a.pdf").folder, "C:\\");

    // A folder name ending in a double-byte character whose second byte is
    // 0x5C still needs its backslash.
    const std::string hyou = "\x95\x5C";
    MergeInputs inputs = ParseMergeSelection("C:\\" + hyou + "\ra.pdf\rb.pdf", 932);
    EXPECT_EQ(inputs.folder, "C:\\" + hyou + "\\");
    ASSERT_EQ(inputs.files.size(), 2u);
    EXPECT_EQ(inputs.files[0], "C:\\" + hyou + "\\a.pdf");
}
