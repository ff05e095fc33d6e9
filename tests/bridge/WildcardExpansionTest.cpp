#include "tools/bridge/WildcardExpansion.h"
#include "tests/bridge/TempFolder.h"
#include <gtest/gtest.h>

using namespace velmora::bridge;
using velmora::test::TempFolder;
using velmora::test::WriteTextFile;

using Names = std::vector<std::string>;

// A Windows folder lists by upper-cased name, compared character by
// character: '_' (after 'Z') sorts after the letters, '.' before digits,
// and there is no numeric order.
TEST(WildcardExpansion, SortsAsAWindowsFolderLists)
{
    Names names = {"b.pdf", "_first.pdf", "A.pdf", "a10.pdf", "a9.pdf", "a.pdf", "Z.pdf", "a2.pdf"};
    SortAsWindowsLists(names);
    EXPECT_EQ(names, (Names{"A.pdf", "a.pdf", "a10.pdf", "a2.pdf", "a9.pdf", "b.pdf", "Z.pdf", "_first.pdf"}));
}

TEST(WildcardExpansion, ExpandsToTheMatchingFilesOnly)
{
    TempFolder folder;
    for (const char* name : {"b.pdf", "A.PDF", "_c.pdf", "notes.txt"})
        ASSERT_TRUE(WriteTextFile(folder.Path() + name, "x"));
    ASSERT_TRUE(CreateDirectoryA((folder.Path() + "folder.pdf").c_str(), nullptr));

    EXPECT_EQ(ExpandWildcard(folder.Path() + "*.pdf"),
              (Names{folder.Path() + "A.PDF", folder.Path() + "b.pdf", folder.Path() + "_c.pdf"}));

    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
    EXPECT_EQ(ExpandWildcard("?.pdf"), (Names{"A.PDF", "b.pdf"}));
    EXPECT_EQ(ExpandWildcard("*.xls"), Names{});
    SetCurrentDirectoryA(previous);
}
