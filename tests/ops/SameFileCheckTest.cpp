#include "ops/SameFileCheck.h"
#include <gtest/gtest.h>
#include <windows.h>

using velmora::SameExistingFile;
using velmora::TargetIsAmong;
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

namespace {

std::string TempFile(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(file);
    return path;
}

// Under Wine the whole Linux tree is drive Z:, so every file of C: has a
// second name there, as a subst or mapped drive gives one on Windows; the
// name Wine gives leads through the prefix's dosdevices\c:, a symbolic link
// to the folder of drive C.
std::string SecondDriveName(const std::string& path)
{
    using UnixName = char* (CDECL*)(const wchar_t*);
    auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        return std::string();
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* name = unixName(wide);
    std::string second = "Z:" + std::string(name);
    HeapFree(GetProcessHeap(), 0, name);
    for (char& c : second)
        if (c == '/') c = '\\';
    return second;
}

} // namespace

// Names that differ, paths to one file: the identity decides.
TEST(SameFileCheck, SeesOneFileReachedByAnotherPath)
{
    const std::string input = TempFile("velmora identity.pdf");
    const std::string other = TempFile("velmora identity other.pdf");
    const std::string hardLink = input + ".link.pdf";
    DeleteFileA(hardLink.c_str());
    ASSERT_TRUE(CreateHardLinkA(hardLink.c_str(), input.c_str(), nullptr));
    EXPECT_TRUE(SameExistingFile(input, hardLink));
    EXPECT_TRUE(TargetNamesInput(input, hardLink));
    EXPECT_FALSE(TargetNamesInput(input, other));
    EXPECT_FALSE(SameExistingFile(input, input + ".missing"));

    const std::string secondName = SecondDriveName(input);
    if (!secondName.empty()) {
        EXPECT_TRUE(TargetNamesInput(input, secondName)) << secondName;
        EXPECT_TRUE(TargetNamesInput(secondName, input)) << secondName;
        EXPECT_FALSE(TargetNamesInput(input, SecondDriveName(other)));
    }

    // Wine 8 reports success for a symbolic link it does not make; judge by
    // whether the link leads anywhere.
    const std::string symbolicLink = input + ".symlink.pdf";
    if (CreateSymbolicLinkA(symbolicLink.c_str(), input.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
        GetFileAttributesA(symbolicLink.c_str()) != INVALID_FILE_ATTRIBUTES) {
        EXPECT_TRUE(TargetNamesInput(input, symbolicLink));
    }

    const std::vector<std::string> inputs = {other, input};
    EXPECT_TRUE(TargetIsAmong(inputs, hardLink));
    EXPECT_TRUE(TargetIsAmong(inputs, "velmora identity.pdf"));
    EXPECT_FALSE(TargetIsAmong(inputs, input + ".new.pdf"));
    EXPECT_FALSE(TargetIsAmong({}, input));
    if (!secondName.empty()) {
        EXPECT_TRUE(TargetIsAmong(inputs, secondName));
    }

    for (const std::string& path : {input, other, hardLink, symbolicLink})
        DeleteFileA(path.c_str());
}
