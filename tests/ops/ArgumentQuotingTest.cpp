#include "ops/ArgumentQuoting.h"
#include "ops/EncryptionArguments.h"
#include <gtest/gtest.h>
#include <shellapi.h>
#include <string>
#include <vector>

using velmora::QuoteArgument;

namespace {

// The words a program gets from a command line split by the Windows rules.
std::vector<std::string> SplitLikeWindows(const std::string& commandLine)
{
    std::wstring wide(commandLine.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_ACP, 0, commandLine.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length - 1 : 0);
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(wide.c_str(), &count);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i) {
        char narrow[512];
        WideCharToMultiByte(CP_ACP, 0, words[i], -1, narrow, sizeof narrow, nullptr, nullptr);
        result.push_back(narrow);
    }
    LocalFree(words);
    return result;
}

} // namespace

TEST(ArgumentQuoting, LeavesPasswordsWithoutBlanksOrQuotesAlone)
{
    for (const char* password : {"secret", "a\\b", "end\\", "allow", "x'y&z|^"})
        EXPECT_EQ(QuoteArgument(password), password);
    // An empty argument must still count as one.
    EXPECT_EQ(QuoteArgument(""), "\"\"");
}

TEST(ArgumentQuoting, QuotesBlanksTabsAndQuotesByTheWindowsRules)
{
    EXPECT_EQ(QuoteArgument("my secret"), "\"my secret\"");
    EXPECT_EQ(QuoteArgument("tab\there"), "\"tab\there\"");
    EXPECT_EQ(QuoteArgument("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");      // a\"b: backslash doubled, quote escaped
    EXPECT_EQ(QuoteArgument("dir\\ end\\"), "\"dir\\ end\\\\\"");  // inner backslash kept, trailing doubled
    EXPECT_EQ(QuoteArgument("two\\\\ "), "\"two\\\\ \"");     // backslashes before a blank stay as they are
}

// What the tool receives must be the typed password, one word, whatever it holds.
TEST(ArgumentQuoting, EveryPasswordReachesTheToolAsOneUnchangedWord)
{
    const char* passwords[] = {"my secret", "allow AllFeatures", " lead", "trail ", "\"", "\"\"",
                               "a\\\"b", "end \\", "end \\\\", "\\\\\"x y\\", "q\"uote", "plain\\"};
    for (const char* password : passwords) {
        std::vector<std::string> words =
            SplitLikeWindows("pdftk.exe owner_pw " + QuoteArgument(password) + " user_pw u verbose");
        ASSERT_EQ(words.size(), 6u) << password;
        EXPECT_EQ(words[2], password);
        EXPECT_EQ(words[3], "user_pw");
    }
}

// The target field is typed: a folder-like name ending in a backslash must
// not escape the closing quote, and a quote, which no file name can hold,
// must never hand the rest of the field to the tool as keywords.
TEST(ArgumentQuoting, ATypedTargetReachesTheToolAsOneUnchangedWord)
{
    velmora::EncryptionFields quoted;
    quoted.pdfFile = "C:\\in.pdf";
    quoted.target = "x.pdf\" allow AllFeatures \"y";
    quoted.ownerPassword = "o";
    EXPECT_EQ(velmora::PlanEncryption(quoted).refusal, velmora::kTargetNotAName);
    EXPECT_EQ(velmora::PlanEncryption(quoted).call.arguments, "");
    velmora::DecryptionFields quotedDecryption{"C:\\in.pdf", quoted.target, "o"};
    EXPECT_EQ(velmora::PlanDecryption(quotedDecryption).refusal, velmora::kTargetNotAName);

    const char* targets[] = {"C:\\out\\", "C:\\out\\\\", "C:\\my files\\a.pdf"};
    for (const char* target : targets) {
        velmora::EncryptionFields encryption;
        encryption.pdfFile = "C:\\in.pdf";
        encryption.target = target;
        encryption.ownerPassword = "o";
        std::vector<std::string> words =
            SplitLikeWindows("pdftk.exe " + velmora::PlanEncryption(encryption).call.arguments + " verbose");
        ASSERT_EQ(words.size(), 8u) << target;
        EXPECT_EQ(words[3], target);
        EXPECT_EQ(words[4], "encrypt_128bits");

        velmora::DecryptionFields decryption{"C:\\in.pdf", target, "o"};
        words = SplitLikeWindows("pdftk.exe " + velmora::PlanDecryption(decryption).call.arguments + " verbose");
        ASSERT_EQ(words.size(), 7u) << target;
        EXPECT_EQ(words[5], target);
        EXPECT_EQ(words[6], "verbose");
    }

    // The PDF file field may come from the command line just as it was given.
    velmora::DecryptionFields fromCommandLine{"C:\\in dir\\", "C:\\out.pdf", ""};
    std::vector<std::string> words =
        SplitLikeWindows("pdftk.exe " + velmora::PlanDecryption(fromCommandLine).call.arguments);
    EXPECT_EQ(words, (std::vector<std::string>{"pdftk.exe", "C:\\in dir\\", "output", "C:\\out.pdf"}));
}

// In code page 932 the character 0x95 0x5C ends in the byte of '\'; it is no
// backslash, so the quote after it is escaped once, not twice.
TEST(ArgumentQuoting, CopiesDoubleByteCharactersWhole)
{
    const std::string hyou = "\x95\x5C";
    EXPECT_EQ(QuoteArgument(hyou + "\" x", 932), "\"" + hyou + "\\\" x\"");
    EXPECT_EQ(QuoteArgument("a " + hyou, 932), "\"a " + hyou + "\"");
    EXPECT_EQ(QuoteArgument(hyou, 932), hyou);
}
