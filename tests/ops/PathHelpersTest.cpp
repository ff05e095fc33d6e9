#include "ops/PathHelpers.h"
#include <gtest/gtest.h>

using namespace velmora;

TEST(PathHelpers, SplitsFolderAndName)
{
    EXPECT_EQ(FolderPart("C:\\Docs\\report.pdf"), "C:\\Docs\\");
    EXPECT_EQ(NamePart("C:\\Docs\\report.pdf"), "report.pdf");
    EXPECT_EQ(FolderPart("C:report.pdf"), "C:");
    EXPECT_EQ(NamePart("C:report.pdf"), "report.pdf");
    EXPECT_EQ(FolderPart("report.pdf"), "");
    EXPECT_EQ(NamePart("report.pdf"), "report.pdf");
    EXPECT_EQ(FolderPart(""), "");
    EXPECT_EQ(NamePart("C:\\Docs\\"), "");
}

TEST(PathHelpers, ReplacesOnlyTheLastExtensionOfTheName)
{
    EXPECT_EQ(ReplaceExtension("C:\\a\\b.c.pdf", ""), "C:\\a\\b.c");
    EXPECT_EQ(ReplaceExtension("C:\\x.y\\file", ""), "C:\\x.y\\file");
    EXPECT_EQ(ReplaceExtension("C:\\Docs\\report.pdf", "_sec.pdf"), "C:\\Docs\\report_sec.pdf");
    EXPECT_EQ(ReplaceExtension("C:\\Docs\\scan", "_sec.pdf"), "C:\\Docs\\scan_sec.pdf");
    EXPECT_EQ(ReplaceExtension("C:\\My.Docs\\scan", "_fixed.pdf"), "C:\\My.Docs\\scan_fixed.pdf");
    EXPECT_EQ(ReplaceExtension("q3.final.pdf", "_compress.pdf"), "q3.final_compress.pdf");
    EXPECT_EQ(ReplaceExtension("C:name.pdf", ""), "C:name");
}

// In code page 932 the second byte of a character may be 0x5C, the byte of
// '\'; such a byte belongs to its character and is no separator.
TEST(PathHelpers, StepsOverDoubleByteCharacters)
{
    const std::string hyou = "\x95\x5C";            // one character, trail byte '\'
    const std::string path = "C:\\" + hyou + "\\" + hyou + ".pdf";
    EXPECT_EQ(FolderPart(path, 932), "C:\\" + hyou + "\\");
    EXPECT_EQ(NamePart(path, 932), hyou + ".pdf");
    EXPECT_EQ(ReplaceExtension(path, "_sec.pdf", 932), "C:\\" + hyou + "\\" + hyou + "_sec.pdf");

    const std::string folderOnly = "C:\\" + hyou;      // ends in a trail byte 0x5C
    EXPECT_EQ(FolderPart(folderOnly, 932), "C:\\");
    EXPECT_EQ(NamePart(folderOnly, 932), hyou);
    EXPECT_EQ(ReplaceExtension(folderOnly, ".pdf", 932), folderOnly + ".pdf");

    // The same bytes in a single-byte code page are two characters.
    EXPECT_EQ(NamePart(folderOnly, 1252), "");
}

// A relative name is seen from the folder the tool runs in, with or
// without its trailing backslash.
TEST(PathHelpers, SeesARelativeNameFromTheRunsFolder)
{
    EXPECT_EQ(PathSeenFrom("C:\\Docs\\a\\", "input_report.txt"), "C:\\Docs\\a\\input_report.txt");
    EXPECT_EQ(PathSeenFrom("C:\\Docs\\a", "input_report.txt"), "C:\\Docs\\a\\input_report.txt");
    EXPECT_EQ(PathSeenFrom("C:\\Docs\\", "D:\\b.pdf"), "D:\\b.pdf");
}
