// Names the code page cannot hold: handed on by their short form or refused
// at once, never passed on as question marks. The tests name the code page
// so that they mean the same on a Western and a Japanese system.
#include "ops/CodePageNames.h"
#include "ops/FolderPdfs.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace velmora;

namespace {

const UINT kWestern = 1252;
const UINT kJapanese = 932;
const wchar_t kNihon[] = L"\u65E5\u672C";          // 日本
const char kNihonIn932[] = "\x93\xFA\x96\x7B";

std::vector<wchar_t> Wide(const std::vector<const wchar_t*>& pieces)
{
    std::vector<wchar_t> text;
    for (const wchar_t* piece : pieces)
        text.insert(text.end(), piece, piece + wcslen(piece));
    text.push_back(L'\0');
    return text;
}

// A fresh folder of its own in the temporary folder.
class TempFolder {
public:
    explicit TempFolder(const wchar_t* name)
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = Wide({temp, name});
        Clear();
        CreateDirectoryW(path_.data(), nullptr);
    }
    ~TempFolder() { Clear(); }

    std::vector<wchar_t> File(const wchar_t* name, bool folder = false) const
    {
        std::vector<wchar_t> path = Wide({path_.data(), L"\\", name});
        if (folder) {
            CreateDirectoryW(path.data(), nullptr);
        } else {
            HANDLE file = CreateFileW(path.data(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            CloseHandle(file);
        }
        return path;
    }
    const wchar_t* Path() const { return path_.data(); }
    std::string Narrow() const { return NameToHandOn(path_.data(), kWestern).path; }

private:
    void Clear()
    {
        std::vector<wchar_t> pattern = Wide({path_.data(), L"\\*"});
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(pattern.data(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::vector<wchar_t> entry = Wide({path_.data(), L"\\", found.cFileName});
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileW(entry.data());
                else if (found.cFileName[0] != L'.')
                    RemoveDirectoryW(entry.data());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.data());
    }

    std::vector<wchar_t> path_;
};

} // namespace

TEST(CodePageNames, HandsOnANameThatFitsAsItIs)
{
    const HandedName western = NameToHandOn(L"C:\\D\u00E9j\u00E0\\a.pdf", kWestern);
    EXPECT_EQ(western.path, "C:\\D\xE9j\xE0\\a.pdf");
    EXPECT_FALSE(western.isShortName);

    std::vector<wchar_t> japanese = Wide({L"C:\\", kNihon, L".pdf"});
    EXPECT_EQ(NameToHandOn(japanese.data(), kJapanese).path, std::string("C:\\") + kNihonIn932 + ".pdf");
    EXPECT_EQ(NameToHandOn(japanese.data(), CP_UTF8).path, "C:\\\xE6\x97\xA5\xE6\x9C\xAC.pdf");
}

// A look-alike letter (a for a-macron) would lead the tool to another file.
TEST(CodePageNames, RefusesWhatFitsNeitherLongNorShort)
{
    EXPECT_TRUE(NameToHandOn(L"C:\\velmora\\no such folder\\\u0101.pdf", kWestern).path.empty());
    EXPECT_FALSE(FitsCodePage(L"\u0101.pdf", kWestern));

    std::vector<wchar_t> missing = Wide({L"C:\\velmora\\no such folder\\", kNihon, L".pdf"});
    EXPECT_TRUE(NameToHandOn(missing.data(), kWestern).path.empty());
    EXPECT_EQ(UnnamableNotice(missing.data(), kWestern),
              "pdftk cannot be given this name: it has characters that the system's code page cannot hold, "
              "and the disk keeps no short name for it.\r\nC:\\velmora\\no such folder\\??.pdf\r\n"
              "Rename the file or folder that has them, then try again.");
}

TEST(CodePageNames, HandsOnTheShortNameOfAnExistingFile)
{
    TempFolder folder(L"velmora code page");
    std::vector<wchar_t> path = folder.File(Wide({kNihon, L".pdf"}).data());
    const HandedName name = NameToHandOn(path.data(), kWestern);
    if (name.path.empty())
        GTEST_SKIP() << "this volume keeps no short names";
    EXPECT_TRUE(name.isShortName);
    EXPECT_EQ(name.path.find('?'), std::string::npos) << name.path;
    EXPECT_NE(GetFileAttributesA(name.path.c_str()), INVALID_FILE_ATTRIBUTES) << name.path;
    EXPECT_FALSE(NameToHandOn(path.data(), kJapanese).isShortName);
    EXPECT_NE(ShortNameNote(name.path).find(name.path), std::string::npos);
}

// Every *.pdf in the order a folder lists them, folders left out; a name the
// code page lacks makes the list explicit, with that file's short name.
TEST(FolderPdfs, FindsEveryPdfAsTheToolWouldWithNamesItCanOpen)
{
    TempFolder folder(L"velmora join");
    folder.File(L"b.pdf");
    folder.File(L"A.pdf");
    folder.File(L"c.PDF");
    folder.File(L"notes.txt");
    folder.File(L"inner.pdf", true);
    const std::string narrow = folder.Narrow();

    FolderPdfs plain = FindFolderPdfs(folder.Path(), kWestern);
    EXPECT_EQ(plain.refusal, "");
    EXPECT_EQ(plain.folder, narrow);
    EXPECT_EQ(plain.files, (std::vector<std::string>{narrow + "\\A.pdf", narrow + "\\b.pdf", narrow + "\\c.PDF"}));
    EXPECT_FALSE(plain.listed);

    std::vector<wchar_t> japanese = folder.File(Wide({kNihon, L".pdf"}).data());
    FolderPdfs mixed = FindFolderPdfs(folder.Path(), kWestern);
    ASSERT_EQ(mixed.files.size(), 4u) << mixed.refusal;
    EXPECT_EQ(mixed.files[3], NameToHandOn(japanese.data(), kWestern).path);
    EXPECT_TRUE(mixed.listed);
    EXPECT_FALSE(FindFolderPdfs(folder.Path(), kJapanese).listed);

    std::vector<wchar_t> missing = Wide({folder.Path(), L"\\", kNihon});
    FolderPdfs refused = FindFolderPdfs(missing.data(), kWestern);
    EXPECT_EQ(refused.refusal, UnnamableNotice(missing.data(), kWestern));
    EXPECT_TRUE(refused.files.empty());

    TempFolder empty(L"velmora join empty");
    FolderPdfs none = FindFolderPdfs(empty.Path(), kWestern);
    EXPECT_TRUE(none.files.empty());
    EXPECT_EQ(none.refusal, "");
}
