#include "ops/PageSelectionArguments.h"
#include <gtest/gtest.h>

using namespace velmora;

TEST(PageSelectionArguments, RefusesAnEmptyPageField)
{
    EXPECT_EQ(CatRefusal({"1", "", true, false, false}), "CAT FROM: and CAT TO: must be insert");
    EXPECT_EQ(CatRefusal({"", "5", true, false, false}), "CAT FROM: and CAT TO: must be insert");
    EXPECT_EQ(CatRefusal({"1", " ", true, false, false}), "");
    EXPECT_EQ(CatRefusal({"1", "end", true, false, false}), "");
}

TEST(PageSelectionArguments, TestsTheParityRadiosInOrder)
{
    EXPECT_EQ(CatParity(true, false, false), "");
    EXPECT_EQ(CatParity(false, true, false), "even");
    EXPECT_EQ(CatParity(false, false, true), "odd");
    EXPECT_EQ(CatParity(false, false, false), "");
    EXPECT_EQ(CatParity(true, true, true), "");
    EXPECT_EQ(CatParity(false, true, true), "even");
}

TEST(PageSelectionArguments, PassesPageTextsAsTyped)
{
    const std::string in = "C:\\Docs\\a.pdf";
    ToolCall all = CatCall(in, {"1", "5", true, false, false});
    EXPECT_EQ(all.arguments, "\"A=C:\\Docs\\a.pdf\" cat A1-5 output \"C:\\Docs\\a_cat.pdf\"");
    EXPECT_EQ(all.folder, "C:\\Docs\\");
    EXPECT_EQ(CatCall(in, {"1", "5", false, true, false}).arguments,
              "\"A=C:\\Docs\\a.pdf\" cat A1-5even output \"C:\\Docs\\a_cat.pdf\"");
    EXPECT_EQ(CatCall(in, {"3", "end", false, false, true}).arguments,
              "\"A=C:\\Docs\\a.pdf\" cat A3-endodd output \"C:\\Docs\\a_cat.pdf\"");
    EXPECT_EQ(CatCall(in, {"1", " 5", true, false, false}).arguments,
              "\"A=C:\\Docs\\a.pdf\" cat A1- 5 output \"C:\\Docs\\a_cat.pdf\"");
}

TEST(PageSelectionArguments, RemovesWhatTheQueryNames)
{
    const std::string in = "C:\\Docs\\a.pdf";
    std::optional<ToolCall> remove = RemoveCall(in, kRemoveDefault);
    ASSERT_TRUE(remove);
    EXPECT_EQ(remove->arguments, "\"A=C:\\Docs\\a.pdf\" cat A1-12 A14-end output \"C:\\Docs\\a_remove.pdf\"");
    EXPECT_EQ(remove->folder, "C:\\Docs\\");
    EXPECT_EQ(RemoveCall(in, "1-12 14-end")->arguments,
              "\"A=C:\\Docs\\a.pdf\" cat A1-end~1-12~14-end A14~14 output \"C:\\Docs\\a_remove.pdf\"");
    EXPECT_FALSE(RemoveCall(in, ""));
    EXPECT_FALSE(RemoveCall(in, " , "));
}

// Pages typed without a handle are the pages to go; pdftk gets the pages to
// keep, with the highest page number in a range of its own that it checks.
TEST(PageSelectionArguments, RemovesThePagesTypedWithoutAHandle)
{
    EXPECT_EQ(PagesToKeep("13"), "A1-end~13 A13~13");
    EXPECT_EQ(PagesToKeep("2-4 9"), "A1-end~2-4~9 A9~9");
    EXPECT_EQ(PagesToKeep(" 9,2-4 "), "A1-end~9~2-4 A9~9");
    EXPECT_EQ(PagesToKeep("end"), "A1-end~end");
    EXPECT_EQ(PagesToKeep("END 1"), "A1-end~end~1 A1~1");
    // pdftk takes nothing away for a range typed backwards.
    EXPECT_EQ(PagesToKeep("4-2 end-13"), "A1-end~2-4~13-end A13~13");
    EXPECT_EQ(PagesToKeep("007"), "A1-end~7 A7~7");
    // pdftk's own selections keep their meaning, whatever else is in them.
    EXPECT_EQ(PagesToKeep("A1-12 A14-end"), "A1-12 A14-end");
    EXPECT_EQ(PagesToKeep("A1-12 14"), "A1-12 14");
    EXPECT_EQ(PagesToKeep("Aend"), "Aend");
    EXPECT_EQ(PagesToKeep(""), "");
}

TEST(PageSelectionArguments, RefusesToRemoveEveryPageOrWhatIsNoPage)
{
    const std::string everyPage =
        "That would remove every page, and a PDF file needs at least one. Type only the pages to remove.";
    for (const char* all : {"1-end", "end-1", "1-5 6-end", "3-end 1-4", "1 2 3-END"})
        EXPECT_EQ(RemoveRefusal(all), everyPage) << all;
    for (const char* some : {"13", "2-end", "1-5 7-end", "1-12 end", "A1-end", "", "2-4 9"})
        EXPECT_EQ(RemoveRefusal(some), "") << some;
    EXPECT_EQ(RemoveRefusal("2 x 0"), "Remove cannot read \"x\" as a page. Type the pages to remove as numbers "
                                      "and ranges, such as 13 or 2-4 9 or end.");
    for (const char* strange : {"0", "2-4even", "r1", "-3", "5-", "1-2-3", "1234567", "13;"})
        EXPECT_NE(RemoveRefusal(strange), "") << strange;
}

TEST(PageSelectionArguments, WritesBesideTheInputAndRunsInItsFolder)
{
    ToolCall cat = CatCall("D:\\Other\\scan", {"1", "2", true, false, false});
    EXPECT_EQ(cat.arguments, "\"A=D:\\Other\\scan\" cat A1-2 output \"D:\\Other\\scan_cat.pdf\"");
    EXPECT_EQ(cat.folder, "D:\\Other\\");
    EXPECT_EQ(cat.outputFile, "D:\\Other\\scan_cat.pdf");
    std::optional<ToolCall> remove = RemoveCall("D:\\Other\\scan", "A2-end");
    EXPECT_EQ(remove->arguments, "\"A=D:\\Other\\scan\" cat A2-end output \"D:\\Other\\scan_remove.pdf\"");
    EXPECT_EQ(remove->folder, "D:\\Other\\");
    EXPECT_EQ(remove->outputFile, "D:\\Other\\scan_remove.pdf");
}
