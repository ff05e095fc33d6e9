// Names the code page cannot hold: handed on by their short form or refused
// at once, never passed on as question marks. The tests name the code page,
// so that they mean the same on a Western and on a Japanese system.
#include "ops/CodePageNames.h"
#include "ops/FolderPdfs.h"
#include "ops/MultiFileArguments.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

using namespace velmora;

namespace {

const UINT kWestern = 1252;
const UINT kJapanese = 932;
const wchar_t kNihonPdf[] = L"\u65E5\u672C.pdf";

std::vector<wchar_t> Joined(std::initializer_list<const wchar_t*> pieces)
{
    std::vector<wchar_t> text;
    for (const wchar_t* piece : pieces)
        text.insert(text.end(), piece, piece + wcslen(piece));
    text.push_back(L'\0');
    return text;
}

} // namespace

TEST(CodePageNames, HandsOnANameThatFitsAsItIs)
{
    const HandedName western = NameToHandOn(L"C:\\D\u00E9j\u00E0\\a.pdf", kWestern);
    EXPECT_EQ(western.path, "C:\\D\xE9j\xE0\\a.pdf");
    EXPECT_FALSE(western.isShortName);
    const std::vector<wchar_t> japanese = Joined({L"C:\\", kNihonPdf});
    EXPECT_EQ(NameToHandOn(japanese.data(), kJapanese).path, "C:\\\x93\xFA\x96\x7B.pdf");
    EXPECT_EQ(NameToHandOn(japanese.data(), CP_UTF8).path, "C:\\\xE6\x97\xA5\xE6\x9C\xAC.pdf");
}

// A look-alike letter (a for a-macron) would lead the tool to another file;
// a file that does not exist has no short name.
TEST(CodePageNames, RefusesWhatFitsNeitherLongNorShort)
{
    EXPECT_TRUE(NameToHandOn(L"C:\\no such folder\\\u0101.pdf", kWestern).path.empty());
    const std::vector<wchar_t> missing = Joined({L"C:\\no such folder\\", kNihonPdf});
    EXPECT_TRUE(NameToHandOn(missing.data(), kWestern).path.empty());
    EXPECT_NE(UnnamableNotice(missing.data(), kWestern).find("\r\nC:\\no such folder\\??.pdf\r\n"), std::string::npos);
}

// Every *.pdf in the order a folder lists them, folders left out; a name the
// code page lacks is handed on by its short form and makes the list explicit.
TEST(FolderPdfs, FindsEveryPdfAsTheToolWouldWithNamesItCanOpen)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::vector<wchar_t> folder = Joined({temp, L"velmora join"});
    const std::vector<wchar_t> inner = Joined({folder.data(), L"\\inner.pdf"});
    const wchar_t* names[] = {L"b.pdf", L"A.pdf", L"c.PDF", L"notes.txt", kNihonPdf};
    CreateDirectoryW(folder.data(), nullptr);
    CreateDirectoryW(inner.data(), nullptr);
    for (const wchar_t* name : names)
        CloseHandle(CreateFileW(Joined({folder.data(), L"\\", name}).data(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, 0, nullptr));
    const std::string narrow = NameToHandOn(folder.data(), kWestern).path;
    const std::vector<wchar_t> nihon = Joined({folder.data(), L"\\", kNihonPdf});
    const HandedName nihonName = NameToHandOn(nihon.data(), kWestern);

    const FolderPdfs western = FindFolderPdfs(folder.data(), kWestern);
    if (nihonName.path.empty()) {   // a volume that keeps no short names
        EXPECT_EQ(western.refusal, UnnamableNotice(nihon.data(), kWestern));
    } else {
        EXPECT_TRUE(nihonName.isShortName);
        EXPECT_NE(GetFileAttributesA(nihonName.path.c_str()), INVALID_FILE_ATTRIBUTES) << nihonName.path;
        EXPECT_EQ(western.folder, narrow);
        EXPECT_EQ(western.files, (std::vector<std::string>{narrow + "\\A.pdf", narrow + "\\b.pdf",
                                                           narrow + "\\c.PDF", nihonName.path}));
        EXPECT_TRUE(western.listed);
    }
    const FolderPdfs japanese = FindFolderPdfs(folder.data(), kJapanese);
    EXPECT_EQ(japanese.files.size(), 4u);
    EXPECT_FALSE(japanese.listed);

    const std::vector<wchar_t> missing = Joined({folder.data(), L"\\", kNihonPdf, L"s"});
    EXPECT_EQ(FindFolderPdfs(missing.data(), kWestern).refusal, UnnamableNotice(missing.data(), kWestern));
    // A folder that holds only a folder named like a PDF has nothing to join.
    const FolderPdfs none = FindFolderPdfs(inner.data(), kWestern);
    EXPECT_TRUE(none.files.empty());
    EXPECT_EQ(none.refusal, "The folder " + none.folder + " holds no PDF files.");

    // Merge's selection of the same files, in the dialog's order.
    const std::vector<wchar_t> selection = Joined({folder.data(), L"\r", kNihonPdf, L"\rb.pdf"});
    const HandedMergeInputs merge = HandOnMergeSelection(selection.data(), kWestern);
    if (nihonName.path.empty()) {
        EXPECT_EQ(merge.refusal, UnnamableNotice(nihon.data(), kWestern));
    } else {
        EXPECT_EQ(merge.refusal, "");
        EXPECT_EQ(merge.inputs.folder, narrow + "\\");
        EXPECT_EQ(merge.inputs.files, (std::vector<std::string>{nihonName.path, narrow + "\\b.pdf"}));
        EXPECT_EQ(merge.firstFile, nihon);
        EXPECT_EQ(HandOnMergeSelection(nihon.data(), kWestern).inputs.files, std::vector<std::string>{nihonName.path});
    }
    const std::vector<wchar_t> missingFile = Joined({folder.data(), L"\r", kNihonPdf, L"s"});
    const std::vector<wchar_t> missingPath = Joined({folder.data(), L"\\", kNihonPdf, L"s"});
    EXPECT_EQ(HandOnMergeSelection(missingFile.data(), kWestern).refusal, UnnamableNotice(missingPath.data(), kWestern));

    for (const wchar_t* name : names)
        DeleteFileW(Joined({folder.data(), L"\\", name}).data());
    RemoveDirectoryW(inner.data());
    RemoveDirectoryW(folder.data());
}
