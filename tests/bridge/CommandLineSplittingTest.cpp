#include "tools/bridge/CommandLineSplitting.h"
#include <gtest/gtest.h>

using namespace velmora::bridge;

namespace {

std::vector<std::string> Texts(const std::string& line)
{
    std::vector<std::string> texts;
    for (const CommandArgument& arg : SplitCommandLine(line))
        texts.push_back(arg.text);
    return texts;
}

using Texts_ = std::vector<std::string>;

} // namespace

TEST(CommandLineSplitting, ProgramNameTakesNoBackslashRules)
{
    EXPECT_EQ(Texts("\"C:\\Program Files\\V\\pdftk.exe\" a"), (Texts_{"C:\\Program Files\\V\\pdftk.exe", "a"}));
    EXPECT_EQ(Texts("C:\\V\\pdftk.exe\\\"x y"), (Texts_{"C:\\V\\pdftk.exe\\x y"}));
    EXPECT_EQ(Texts("p"), (Texts_{"p"}));
}

TEST(CommandLineSplitting, BlanksSeparateOutsideQuotesOnly)
{
    EXPECT_EQ(Texts("p  \"in file.pdf\"\tcat   1-2  output \"\" "),
              (Texts_{"p", "in file.pdf", "cat", "1-2", "output", ""}));
    EXPECT_EQ(Texts("p \"A=C:\\My Docs\\a.pdf\" cat A1-endodd"),
              (Texts_{"p", "A=C:\\My Docs\\a.pdf", "cat", "A1-endodd"}));
    EXPECT_EQ(Texts("p a\"b c\"d"), (Texts_{"p", "ab cd"}));
}

// The documented examples of the runtime, and a doubled quote inside quotes.
TEST(CommandLineSplitting, BackslashesCountOnlyBeforeAQuote)
{
    EXPECT_EQ(Texts("p a\\\\\\b d\"e f\"g h"), (Texts_{"p", "a\\\\\\b", "de fg", "h"}));
    EXPECT_EQ(Texts("p a\\\\\\\"b c d"), (Texts_{"p", "a\\\"b", "c", "d"}));
    EXPECT_EQ(Texts("p a\\\\\\\\\"b c\" d e"), (Texts_{"p", "a\\\\b c", "d", "e"}));
    EXPECT_EQ(Texts("p \"C:\\Docs\\\\\" x"), (Texts_{"p", "C:\\Docs\\", "x"}));
    EXPECT_EQ(Texts("p \"a \"\"b\"\" c\" d"), (Texts_{"p", "a \"b\" c", "d"}));
}

TEST(CommandLineSplitting, RemembersWhetherAQuoteTookPart)
{
    std::vector<CommandArgument> args = SplitCommandLine("p *.pdf \"*.pdf\" x\"\"");
    ASSERT_EQ(args.size(), 4u);
    EXPECT_FALSE(args[1].quoted);
    EXPECT_TRUE(args[2].quoted);
    EXPECT_TRUE(args[3].quoted);
    EXPECT_EQ(args[3].text, "x");
}

TEST(CommandLineSplitting, QuotedArgumentsComeBackUnchanged)
{
    const Texts_ originals = {"plain", "", "with blank", "C:\\Docs\\", "a\"b", "\\\\server\\x \\\"", "/tmp/it's here"};
    std::string line = "p";
    for (const std::string& original : originals)
        line += " " + velmora::QuoteArgument(original);
    Texts_ expected = {"p"};
    expected.insert(expected.end(), originals.begin(), originals.end());
    EXPECT_EQ(Texts(line), expected);
    EXPECT_EQ(velmora::QuoteArgument("plain"), "plain");
}
