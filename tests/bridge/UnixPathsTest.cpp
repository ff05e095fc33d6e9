#include "tools/bridge/ArgumentTranslation.h"
#include "tools/bridge/UnixPaths.h"
#include "tests/bridge/TempFolder.h"
#include <gtest/gtest.h>

using namespace velmora::bridge;
using velmora::test::TempFolder;
using velmora::test::WriteTextFile;

namespace {

std::vector<CommandArgument> Args(std::initializer_list<std::string> texts)
{
    std::vector<CommandArgument> args;
    for (const std::string& text : texts)
        args.push_back({text, true});
    return args;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(UnixPaths, MapsDrivesAsThePrefixDoes)
{
    EXPECT_EQ(UnixPathOf("Z:\\tmp\\a b.pdf"), "/tmp/a b.pdf");
    EXPECT_EQ(UnixPathOf("z:/tmp/x/../y.pdf"), "/tmp/y.pdf");

    // C: lies inside the prefix: the Unix name, seen again through Z:,
    // must be the same file.
    TempFolder folder;
    const std::string file = folder.Path() + "mapped.txt";
    ASSERT_TRUE(WriteTextFile(file, "x"));
    std::string unix = UnixPathOf(file);
    ASSERT_FALSE(unix.empty());
    EXPECT_EQ(unix.substr(unix.size() - 11), "/mapped.txt");
    std::string throughZ = "Z:" + unix;
    for (char& c : throughZ)
        c = c == '/' ? '\\' : c;
    EXPECT_NE(GetFileAttributesA(throughZ.c_str()), INVALID_FILE_ATTRIBUTES) << throughZ;
}

// Wine maps nothing whose folder is missing; an output file may well be in
// such a folder, and pdftk should name that path in its error.
TEST(UnixPaths, KeepsFoldersThatDoNotExistYet)
{
    EXPECT_EQ(UnixPathOf("Z:\\tmp\\no such folder\\deeper\\x.pdf"), "/tmp/no such folder/deeper/x.pdf");
    EXPECT_EQ(UnixPathOf("Z:\\tmp\\no such folder\\"), "/tmp/no such folder/");
    EXPECT_EQ(UnixPathOf("\\\\nowhere\\share\\a.pdf"), "");
}

TEST(UnixPaths, RelativeNamesStayRelativeInUtf8)
{
    EXPECT_EQ(UnixRelativePath("sub\\in file.pdf"), "sub/in file.pdf");
    EXPECT_EQ(UnixRelativePath("..\\a.pdf"), "../a.pdf");
    if (GetACP() == 1252) {
        EXPECT_EQ(UnixRelativePath("caf\xE9.pdf"), "caf\xC3\xA9.pdf");
        EXPECT_EQ(UnixText("p\xE4ss"), "p\xC3\xA4ss");
    }
}

TEST(UnixPaths, FindsTheShellAndProc)
{
    std::wstring shell = WindowsNameOf("/bin/sh");
    ASSERT_FALSE(shell.empty());
    EXPECT_NE(GetFileAttributesW(shell.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(WindowsNameOf("/proc/self/stat").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ArgumentTranslation, ConvertsPathsAndLeavesWordsAndPasswords)
{
    TranslatedArguments result = TranslateArguments(
        Args({"A=Z:\\tmp\\in file.pdf", "cat", "A1-2", "output", "Z:\\tmp\\out.pdf", "owner_pw", "C:\\pw",
              "input_pw", "B=Z:\\pw", "verbose"}));
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.unixArguments, (Texts{"A=/tmp/in file.pdf", "cat", "A1-2", "output", "/tmp/out.pdf",
                                           "owner_pw", "C:\\pw", "input_pw", "B=Z:\\pw", "verbose"}));
}

// Handing the Windows text to pdftk would make it write a file named like
// that into the working folder.
TEST(ArgumentTranslation, RefusesAPathWithoutUnixCounterpart)
{
    const std::string target = "\\\\nowhere\\share\\out.pdf";
    TranslatedArguments result = TranslateArguments(Args({"Z:\\tmp\\in.pdf", "output", target}));
    EXPECT_NE(result.error.find(target), std::string::npos) << result.error;
    // Letters a code page could not hold arrive as '?', which Wine would map
    // all the same; no file can have such a name, bare or full.
    for (const std::string name : {"C:\\Out\\??????.pdf", "????" "?-2024.pdf", "Z:\\tmp\\a:b.pdf", "A=Z:\\t<.pdf"}) {
        result = TranslateArguments(Args({"Z:\\tmp\\in.pdf", "output", name}));
        EXPECT_NE(result.error.find("no file can be named"), std::string::npos) << name;
    }
}
