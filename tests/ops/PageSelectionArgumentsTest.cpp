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
              "\"A=C:\\Docs\\a.pdf\" cat 1-12 14-end output \"C:\\Docs\\a_remove.pdf\"");
    EXPECT_FALSE(RemoveCall(in, ""));
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
