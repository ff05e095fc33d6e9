#include "ops/SystemMessage.h"
#include <gtest/gtest.h>

using namespace velmora;

TEST(TrimMessageText, DropsTrailingControlCharactersBlanksAndFullStops)
{
    EXPECT_EQ(TrimMessageText("The system cannot find the file specified.\r\n"),
              "The system cannot find the file specified");
    EXPECT_EQ(TrimMessageText("Done . . .\t\x01 "), "Done");
    EXPECT_EQ(TrimMessageText("v1.2 is needed"), "v1.2 is needed");
    EXPECT_EQ(TrimMessageText("  leading blanks stay"), "  leading blanks stay");
    EXPECT_EQ(TrimMessageText(". \r\n"), "");
    EXPECT_EQ(TrimMessageText(""), "");
    // Letters of the upper half of the code page are text, not control characters.
    EXPECT_EQ(TrimMessageText("Fehler \xE4\xF6\xFC"), "Fehler \xE4\xF6\xFC");
}

TEST(TrimMessageText, CutsToTheLimitBeforeTrimming)
{
    std::string text = std::string(250, 'x') + "    .yyyy";
    EXPECT_EQ(TrimMessageText(text), std::string(250, 'x'));
    EXPECT_EQ(TrimMessageText(std::string(300, 'z')), std::string(255, 'z'));
}

TEST(TrimMessageText, NeverSplitsADoubleByteCharacter)
{
    const std::string kanji = "\x88\x9F";   // one character in code page 932
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += kanji;                        // byte 255 is a lead byte
    std::string cut = TrimMessageText(text, 932);
    EXPECT_EQ(cut.size(), 254u);
    EXPECT_EQ(cut.substr(252), kanji);
}

TEST(SystemMessageText, GivesTheSystemsWords)
{
    char raw[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             ERROR_FILE_NOT_FOUND, 0, raw, sizeof raw, nullptr);
    ASSERT_GT(n, 0u);
    std::string text = SystemMessageText(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(text, TrimMessageText(std::string(raw, n)));
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_EQ(text.find('\n'), std::string::npos);
}

TEST(SystemMessageText, NamesACodeTheSystemHasNoTextFor)
{
    EXPECT_EQ(SystemMessageText(0x2FFFFFFF), "System error 805306367");
}
