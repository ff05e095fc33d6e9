#include "ops/SameFileCheck.h"
#include "tests/support/SecondName.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <windows.h>

using velmora::TargetIsAmong;
using velmora::SecondName;
using velmora::TargetNamesInput;

TEST(SameFileCheck, SeesTheSameFullPathWhateverItsCaseOrSpelling)
{
    const std::string input = "C:\\Docs\\a.pdf";
    EXPECT_TRUE(TargetNamesInput(input, "C:\\Docs\\a.pdf"));
    EXPECT_TRUE(TargetNamesInput(input, "c:\\DOCS\\A.PDF"));
    EXPECT_TRUE(TargetNamesInput(input, "C:/Docs/a.pdf"));
    EXPECT_TRUE(TargetNamesInput(input, "C:\\Docs\\sub\\..\\.\\a.pdf"));
    EXPECT_TRUE(TargetNamesInput(input, "C:\\Docs\\a.pdf. "));
    if (GetACP() == 1252) {
        EXPECT_TRUE(TargetNamesInput("C:\\D\xC9J\xC0\\x.pdf", "C:\\d\xE9j\xE0\\X.PDF"));
    }

    EXPECT_FALSE(TargetNamesInput(input, "C:\\Docs\\a_sec.pdf"));
    EXPECT_FALSE(TargetNamesInput(input, "C:\\Docs\\a.pdf.pdf"));
    EXPECT_FALSE(TargetNamesInput(input, "D:\\Docs\\a.pdf"));
    EXPECT_FALSE(TargetNamesInput(input, "C:\\Docs"));
}

// The tool runs in the input's folder and takes a relative target there,
// wherever the program's own current folder is.
TEST(SameFileCheck, TakesARelativeTargetInTheInputsFolder)
{
    const std::string input = "C:\\Docs\\a.pdf";
    EXPECT_TRUE(TargetNamesInput(input, "a.pdf"));
    EXPECT_TRUE(TargetNamesInput(input, "A.Pdf"));
    EXPECT_TRUE(TargetNamesInput(input, "..\\Docs\\a.pdf"));
    EXPECT_TRUE(TargetNamesInput(input, "\\Docs\\a.pdf"));
    EXPECT_TRUE(TargetNamesInput(input, "c:a.pdf"));
    EXPECT_FALSE(TargetNamesInput(input, "b.pdf"));
    EXPECT_FALSE(TargetNamesInput(input, "sub\\a.pdf"));
    EXPECT_FALSE(TargetNamesInput(input, "D:a.pdf"));

    EXPECT_TRUE(TargetNamesInput("\\\\server\\share\\Docs\\a.pdf", "\\Docs\\A.pdf"));
    EXPECT_FALSE(TargetNamesInput("\\\\server\\share\\Docs\\a.pdf", "\\a.pdf"));
}

TEST(SameFileCheck, TakesARelativeInputInTheCurrentFolder)
{
    char current[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(sizeof current, current);
    ASSERT_GT(length, 0u);
    std::string full(current, length);
    if (full.back() != '\\')
        full += '\\';
    EXPECT_TRUE(TargetNamesInput("x.pdf", full + "X.pdf"));
    EXPECT_TRUE(TargetNamesInput("x.pdf", "x.pdf"));
    EXPECT_FALSE(TargetNamesInput("x.pdf", full + "y.pdf"));
}

// An existing file's short 8.3 name and its long name are one file.
TEST(SameFileCheck, SeesAShortNameOfAnExistingFile)
{
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    const std::string path = std::string(temp) + "velmora same file check long name.pdf";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    char shortName[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortName, sizeof shortName);
    if (length > 0 && length < sizeof shortName) {
        EXPECT_TRUE(TargetNamesInput(path, shortName)) << shortName;
        EXPECT_TRUE(TargetNamesInput(shortName, path)) << shortName;
    }
    DeleteFileA(path.c_str());
}

// Names that differ, one file: the identity decides; for a target that does
// not exist (any more), the names.
TEST(SameFileCheck, SeesOneFileReachedByAnotherPath)
{
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
    const std::string input = std::string(temp) + "velmora identity.pdf";
    const std::string link = input + ".link.pdf";
    CloseHandle(CreateFileA(input.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DeleteFileA(link.c_str());
    ASSERT_TRUE(CreateHardLinkA(link.c_str(), input.c_str(), nullptr));
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);

    EXPECT_TRUE(TargetNamesInput(input, link));
    EXPECT_FALSE(TargetNamesInput(input, program));
    EXPECT_TRUE(TargetIsAmong({program, input}, link));
    EXPECT_TRUE(TargetIsAmong({input}, "velmora identity.pdf"));
    EXPECT_FALSE(TargetIsAmong({program, input}, input + ".new.pdf"));
    const std::string second = SecondName(input);
    if (!second.empty()) {
        EXPECT_TRUE(TargetNamesInput(input, second)) << second;
        EXPECT_TRUE(TargetNamesInput(second, input)) << second;
        EXPECT_TRUE(TargetIsAmong({program, input}, second)) << second;
    }
    DeleteFileA(link.c_str());
    EXPECT_FALSE(TargetNamesInput(input, link));
    DeleteFileA(input.c_str());
}
