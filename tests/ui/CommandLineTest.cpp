#include "ui/CommandLine.h"
#include <gtest/gtest.h>
#include <windows.h>

using velmora::ArgumentOf;

TEST(CommandLine, SplitsAtBlanksAndKeepsQuotedBlanks)
{
    const std::string line = "\"C:\\Program Files\\Velmora\\velmora.exe\" \"C:\\My Docs\\a b.pdf\"  second\tthird";
    EXPECT_EQ(ArgumentOf(line, 0), "C:\\Program Files\\Velmora\\velmora.exe");
    EXPECT_EQ(ArgumentOf(line, 1), "C:\\My Docs\\a b.pdf");
    EXPECT_EQ(ArgumentOf(line, 2), "second");
    EXPECT_EQ(ArgumentOf(line, 3), "third");
    EXPECT_EQ(ArgumentOf(line, 4), "");
    EXPECT_EQ(ArgumentOf("velmora.exe", 1), "");
    EXPECT_EQ(ArgumentOf("velmora.exe   ", 1), "");
    EXPECT_EQ(ArgumentOf("", 0), "");
}

TEST(CommandLine, QuotesInsideAnArgumentStay)
{
    // Only an argument that is wholly quoted loses its quotes.
    EXPECT_EQ(ArgumentOf("p C:\\\"My Docs\"\\a.pdf next", 1), "C:\\\"My Docs\"\\a.pdf");
    EXPECT_EQ(ArgumentOf("p C:\\\"My Docs\"\\a.pdf next", 2), "next");
    EXPECT_EQ(ArgumentOf("p \"unclosed arg", 1), "\"unclosed arg");
    // A pair of quotes at an argument's start is skipped.
    EXPECT_EQ(ArgumentOf("p \"\"x.pdf", 1), "x.pdf");
    EXPECT_EQ(ArgumentOf("p \"\" y", 1), "");
}

// Bytes above 0x7F are letters of the ANSI code page, never blanks.
TEST(CommandLine, LettersAboveAsciiDoNotEndAnArgument)
{
    const std::string line = "velmora.exe C:\\R\xE9sum\xE9\\\xC4rger.pdf \xFF\xA0x";
    EXPECT_EQ(ArgumentOf(line, 1), "C:\\R\xE9sum\xE9\\\xC4rger.pdf");
    EXPECT_EQ(ArgumentOf(line, 2), "\xFF\xA0x");
    EXPECT_EQ(ArgumentOf("v \"\xE9t\xE9 2024.pdf\"", 1), "\xE9t\xE9 2024.pdf");
}

TEST(CommandLine, ProgramPathIsTheModuleAndArgumentsAreCounted)
{
    const std::string self = velmora::GetArgument(0);
    ASSERT_FALSE(self.empty());
    EXPECT_NE(self.find(".exe"), std::string::npos);
    EXPECT_NE(GetFileAttributesA(self.c_str()), INVALID_FILE_ATTRIBUTES);
    const int count = velmora::CountArguments();
    EXPECT_TRUE(velmora::GetArgument(count + 1).empty());
    if (count > 0) {
        EXPECT_FALSE(velmora::GetArgument(count).empty());
    }
}

TEST(CommandLine, ModulePathThatDoesNotFitIsNotUsed)
{
    const std::string path = "C:\\" + std::string(250, 'a') + ".exe";
    EXPECT_EQ(velmora::UsableModulePath(path.c_str(), static_cast<unsigned long>(path.size())), path);
    const std::string long259 = "C:\\" + std::string(256, 'b');
    EXPECT_EQ(velmora::UsableModulePath(long259.c_str(), 259), long259);
    const std::string cut(261, 'c');
    EXPECT_EQ(velmora::UsableModulePath(cut.c_str(), 260), "");
    EXPECT_EQ(velmora::UsableModulePath(cut.c_str(), 261), "");
    EXPECT_EQ(velmora::UsableModulePath("", 0), "");
}

// The wide command line splits exactly as the ANSI one, so both name the same
// argument, and a name the code page lacks letters of arrives whole.
TEST(CommandLine, WideArgumentsSplitAsTheAnsiOnes)
{
    const wchar_t line[] = L"\"C:\\Program Files\\v.exe\" \"C:\\My Docs\\\u65E5\u672C b.pdf\"  \"\"x\t\"y\"";
    EXPECT_EQ(std::wstring(velmora::WideArgumentOf(line, 1).data()), L"C:\\My Docs\\\u65E5\u672C b.pdf");
    EXPECT_EQ(std::wstring(velmora::WideArgumentOf(line, 2).data()), L"x");
    EXPECT_EQ(std::wstring(velmora::WideArgumentOf(line, 3).data()), L"y");
    EXPECT_TRUE(velmora::WideArgumentOf(line, 4).empty());
    EXPECT_TRUE(velmora::WideArgumentOf(L"v.exe \"\" y", 1).empty());
    const velmora::WideText own = velmora::GetWideArgument(1);
    const std::string ownAnsi = velmora::GetArgument(1);
    EXPECT_EQ(std::wstring(own.empty() ? L"" : own.data()), std::wstring(ownAnsi.begin(), ownAnsi.end()));
}
