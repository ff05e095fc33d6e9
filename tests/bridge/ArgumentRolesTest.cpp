#include "tools/bridge/ArgumentRoles.h"
#include <gtest/gtest.h>

using namespace velmora::bridge;

namespace {

const ArgumentRole W = ArgumentRole::Word;
const ArgumentRole P = ArgumentRole::Path;
const ArgumentRole H = ArgumentRole::HandlePath;
const ArgumentRole S = ArgumentRole::Wildcard;

std::vector<ArgumentRole> Roles(const std::string& line)
{
    std::vector<CommandArgument> args = SplitCommandLine("pdftk.exe " + line);
    args.erase(args.begin());
    return ClassifyArguments(args);
}

using Roles_ = std::vector<ArgumentRole>;

} // namespace

TEST(ArgumentRoles, RecognisesWindowsPaths)
{
    EXPECT_TRUE(IsWindowsPath("C:\\Docs\\a.pdf"));
    EXPECT_TRUE(IsWindowsPath("c:/Docs/a.pdf"));
    EXPECT_TRUE(IsWindowsPath("C:a.pdf"));
    EXPECT_TRUE(IsWindowsPath("\\Docs\\a.pdf"));
    EXPECT_TRUE(IsWindowsPath("\\\\server\\share\\a.pdf"));
    EXPECT_TRUE(IsWindowsPath("\\\\?\\C:\\a.pdf"));
    EXPECT_FALSE(IsWindowsPath("a.pdf"));
    EXPECT_FALSE(IsWindowsPath("sub\\a.pdf"));
    EXPECT_FALSE(IsWindowsPath("/tmp/a.pdf"));
    EXPECT_FALSE(IsWindowsPath("1:2"));
    EXPECT_FALSE(IsWindowsPath(""));
}

TEST(ArgumentRoles, HandlesAreUpperCaseLettersAndAnEqualsSign)
{
    EXPECT_EQ(HandlePrefixLength("A=C:\\a.pdf"), 2u);
    EXPECT_EQ(HandlePrefixLength("AB=in.pdf"), 3u);
    EXPECT_EQ(HandlePrefixLength("a=in.pdf"), 0u);
    EXPECT_EQ(HandlePrefixLength("A1=in.pdf"), 0u);
    EXPECT_EQ(HandlePrefixLength("=in.pdf"), 0u);
    EXPECT_EQ(HandlePrefixLength("A1-end"), 0u);
}

TEST(ArgumentRoles, ClassifiesTheProgramsCommandLines)
{
    EXPECT_EQ(Roles("\"C:\\Docs\\a.pdf\" output \"C:\\Docs\\a_fixed.pdf\" verbose"), (Roles_{P, W, P, W}));
    EXPECT_EQ(Roles("\"C:\\Docs\\a.pdf\" output \"a_compress.pdf\" compress verbose"), (Roles_{P, W, W, W, W}));
    EXPECT_EQ(Roles("\"A=C:\\Docs\\a.pdf\" cat A3-endodd output \"C:\\Docs\\a_cat.pdf\" verbose"),
              (Roles_{H, W, W, W, P, W}));
    EXPECT_EQ(Roles("\"C:\\a.pdf\" cat 1-endE output \"a_rotate.pdf\" verbose"), (Roles_{P, W, W, W, W, W}));
    EXPECT_EQ(Roles("*.pdf cat output \"C:\\Out\\all.pdf\" verbose"), (Roles_{S, W, W, P, W}));
    EXPECT_EQ(Roles("\"*.pdf\" C:\\in\\*.pdf sub\\x.pdf A=sub\\y.pdf"), (Roles_{W, S, P, H}));
}

// A password is text, even when it looks like a path, a handle or a pattern.
TEST(ArgumentRoles, PasswordsAreNeverPaths)
{
    EXPECT_EQ(Roles("\"C:\\a.pdf\" output \"C:\\b.pdf\" encrypt_128bits owner_pw C:\\pw  user_pw A=\\x* allow printing verbose"),
              (Roles_{P, W, P, W, W, W, W, W, W, W, W}));
    EXPECT_EQ(Roles("\"C:\\a.pdf\" input_pw C:\\pw A=D:\\pw *? output \"C:\\b.pdf\" verbose"),
              (Roles_{P, W, W, W, W, W, P, W}));
    EXPECT_EQ(Roles("\"C:\\a.pdf\" input_pw  output \"C:\\b.pdf\""), (Roles_{P, W, W, P}));
    EXPECT_EQ(Roles("\"C:\\a.pdf\" OWNER_PW C:\\pw OUTPUT C:\\b.pdf"), (Roles_{P, W, W, W, P}));
}
