// The program, the bridge and the documents in folders whose names have a
// blank and letters beyond ASCII: the names pdftk receives must still lead
// to the files, and its output must land where the user looks for it.
#include "tests/realtool/PdfFacts.h"
#include "tests/realtool/RealToolSession.h"
#include "tests/support/MergeOrderWindow.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace velmora::driver;
using namespace velmora::realtool;
using namespace velmora::testsupport;

namespace {

class ActionsInNamedFolders : public RealToolTest {
protected:
    FolderName Folders() const override { return FolderName::NonAscii; }

    std::string Prepare(const std::string& name, int pages)
    {
        const std::string path = Document(name);
        if (!FileExists(path))
            MakeNumberedPdf(path, pages, "Named");
        Session().PickPdf(path);
        return path;
    }
};

TEST_F(ActionsInNamedFolders, BurstAndCompressWriteBesideTheInput)
{
    const std::string in = Prepare("d\xE9j\xE0 vu.pdf", 2);
    Session().Click("Burst a PDF");
    MessageBoxInfo description = WaitForMessageBox(Session().ProcessId(), kMainTitle);
    AnswerMessageBox(description, IDOK);
    Session().AnswerPdfDialog(in);
    ExpectSuccess(Session().FinishRun());
    const std::string folder = Document("d\xE9j\xE0 vu");
    EXPECT_EQ(ReadPdf(JoinPath(folder, "pg_0002.pdf")).dimensions, DimensionsOfPages({2}));
    EXPECT_EQ(ParseDumpData(FileBytes(JoinPath(folder, "doc_data.txt"))).pages, 2);

    Session().Click("Re-Compress a PDF only");
    Session().AnswerPdfDialog(in);
    ExpectSuccess(Session().FinishRun());
    PdfFacts packed = ReadPdf(Document("d\xE9j\xE0 vu_compress.pdf"));
    EXPECT_TRUE(packed.opened) << packed.messages;
    EXPECT_EQ(packed.dimensions, DimensionsOfPages({1, 2}));
}

TEST_F(ActionsInNamedFolders, RemoveRunsTheToolFoundBesideTheProgram)
{
    const std::string in = Prepare("\xC4rger 15.pdf", 15);
    Session().Click("Remove");
    Session().AnswerPdfDialog(in);
    HWND query = WaitForTopWindow(Session().ProcessId(), WindowMatch::Title("Remove page").AndClass("obj_Form"));
    ClickButton(WaitForControl(query, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
    ExpectSuccess(Session().FinishRun());
    PdfFacts facts = ReadPdf(Document("\xC4rger 15_remove.pdf"));
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.pages, 14);
}

TEST_F(ActionsInNamedFolders, MergeFindsTheChosenFiles)
{
    const std::string first = Document("\xFC" "ber eins.pdf");
    const std::string second = Document("zw\xF6lf.pdf");
    MakeNumberedPdf(first, 1, "One", 1);
    MakeNumberedPdf(second, 2, "Two", 2);
    const std::string target = Document("zusammen gef\xFCgt.pdf");
    Session().Click("Merge");
    HWND open = WaitForFileDialog(Session().ProcessId(), kPdfDialogTitle);
    ChooseFiles(open, Session().Documents().Path(), {"zw\xF6lf.pdf", "\xFC" "ber eins.pdf"});
    WaitUntilGone(open);
    AcceptMergeOrder(Session().ProcessId());
    HWND save = WaitForFileDialog(Session().ProcessId(), "Save the target PDF file for merge");
    ChooseFile(save, target);
    WaitUntilGone(save);
    ExpectSuccess(Session().FinishRun());
    PdfFacts facts = ReadPdf(target);
    EXPECT_TRUE(facts.opened) << facts.messages;
    EXPECT_EQ(facts.dimensions, DimensionsOfPages({2, 3, 1}));
}

} // namespace

// Files named in scripts the code page (1252) lacks: pdftk reads them by a
// plain stand-in, and every output carries the real name; the inputs stay as
// they were and no stand-in is left, whether the run went well or not.
namespace {

std::wstring WideOf(const std::string& ansi)
{
    std::wstring wide(ansi.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1);
    return wide;
}

std::string Utf8(const std::wstring& wide)
{
    std::string text(wide.size() * 4 + 1, '\0');
    text.resize(WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), static_cast<int>(text.size()),
                                    nullptr, nullptr) - 1);
    return text;
}

// Every name in folder, sorted, as UTF-8.
std::vector<std::string> NamesIn(const std::wstring& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (lstrcmpW(found.cFileName, L".") && lstrcmpW(found.cFileName, L".."))
            names.push_back(Utf8(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class ActionsOnNamesInOtherScripts : public RealToolTest {
protected:
    void SetUp() override
    {
        RealToolTest::SetUp();
        folder_ = WideOf(Session().Documents().Path()) + L"\\scripts";
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    void TearDown() override
    {
        RemoveAll(folder_);
        RealToolTest::TearDown();
    }

    static void RemoveAll(const std::wstring& folder)
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring path = folder + L"\\" + found.cFileName;
                if (!lstrcmpW(found.cFileName, L".") || !lstrcmpW(found.cFileName, L".."))
                    continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveAll(path);
                else
                    DeleteFileW(path.c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder.c_str());
    }

    std::wstring In(const std::wstring& name) const { return folder_ + L"\\" + name; }

    // A numbered PDF of pages pages, made under a plain name and renamed.
    std::wstring MakePdf(const std::wstring& name, int pages)
    {
        const std::string plain = Document("making.pdf");
        MakeNumberedPdf(plain, pages, "Scripts");
        EXPECT_TRUE(MoveFileW(WideOf(plain).c_str(), In(name).c_str()));
        return In(name);
    }

    // The facts of a file read through a plain copy.
    PdfFacts Read(const std::wstring& path)
    {
        const std::string copy = Document("reading.pdf");
        EXPECT_TRUE(CopyFileW(path.c_str(), WideOf(copy).c_str(), FALSE)) << Utf8(path);
        PdfFacts facts = ReadPdf(copy);
        DeleteFileA(copy.c_str());
        return facts;
    }

    void ChooseInDialog(const std::wstring& path)
    {
        HWND dialog = WaitForFileDialog(Session().ProcessId(), kPdfDialogTitle);
        ChooseFile(dialog, path);
        WaitUntilGone(dialog);
    }

    void Run(const char* button, const std::wstring& input, bool notice)
    {
        Session().Click(button);
        if (notice)
            AnswerMessageBox(WaitForMessageBox(Session().ProcessId(), kMainTitle), IDOK);
        ChooseInDialog(input);
    }

    std::wstring folder_;
};

const wchar_t kCyrillic[] = L"\u0421\u043C\u0435\u0442\u0430";          // Smeta
const wchar_t kJapanese[] = L"\u65E5\u672C\u8A9E \u6587\u66F8";          // nihongo bunsho
const wchar_t kEmoji[] = L"plan \U0001F600";

} // namespace

TEST_F(ActionsOnNamesInOtherScripts, RepairBurstAndRotateNameTheirOutputsAfterTheInput)
{
    for (const std::wstring base : {kCyrillic, kJapanese, kEmoji}) {
        const std::wstring input = MakePdf(base + L".pdf", 2);
        std::string bytes;
        {
            const std::string copy = Document("before.pdf");
            CopyFileW(input.c_str(), WideOf(copy).c_str(), FALSE);
            bytes = FileBytes(copy);
        }
        Run("Repair a PDF", input, true);
        ExpectSuccess(Session().FinishRun());
        EXPECT_EQ(Read(In(base + L"_fixed.pdf")).dimensions, DimensionsOfPages({1, 2})) << Utf8(base);

        Run("Burst a PDF", input, true);
        ExpectSuccess(Session().FinishRun());
        EXPECT_EQ(NamesIn(In(base)), (std::vector<std::string>{"doc_data.txt", "pg_0001.pdf", "pg_0002.pdf"}))
            << Utf8(base);

        Run("Rotate all", input, false);
        ExpectSuccess(Session().FinishRun());
        EXPECT_EQ(Read(In(base + L"_rotate.pdf")).pages, 2) << Utf8(base);

        const std::string copy = Document("after.pdf");
        CopyFileW(input.c_str(), WideOf(copy).c_str(), FALSE);
        EXPECT_EQ(FileBytes(copy), bytes) << "the input changed: " << Utf8(base);
        const std::string b = Utf8(base);
        EXPECT_EQ(NamesIn(folder_), (std::vector<std::string>{b, b + ".pdf", b + "_fixed.pdf", b + "_rotate.pdf"}));
        RemoveAll(folder_);
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
}

// A file of the short name's output already there (an older run's, say) is
// left alone: the input then goes by a temporary hard link. A run that fails
// leaves neither the link nor anything written.
TEST_F(ActionsOnNamesInOtherScripts, StandInsNeverOutliveTheRun)
{
    const std::wstring input = MakePdf(std::wstring(kCyrillic) + L".pdf", 1);
    wchar_t shortPath[MAX_PATH] = L"";
    ASSERT_GT(GetShortPathNameW(input.c_str(), shortPath, MAX_PATH), 0u);
    std::wstring shortName = shortPath;
    shortName = shortName.substr(shortName.rfind(L'\\') + 1);
    const std::wstring older = In(shortName.substr(0, shortName.size() - 4) + L"_fixed.pdf");
    HANDLE file = CreateFileW(older.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "older", 5, &written, nullptr);
    CloseHandle(file);

    Run("Repair a PDF", input, true);
    ExpectSuccess(Session().FinishRun());
    EXPECT_EQ(Read(In(std::wstring(kCyrillic) + L"_fixed.pdf")).pages, 1);
    const std::string copy = Document("older.pdf");
    CopyFileW(older.c_str(), WideOf(copy).c_str(), FALSE);
    EXPECT_EQ(FileBytes(copy), "older");
    const std::string b = Utf8(kCyrillic);
    EXPECT_EQ(NamesIn(folder_), (std::vector<std::string>{Utf8(older.substr(folder_.size() + 1)), b + ".pdf",
                                                          b + "_fixed.pdf"}));

    const std::wstring broken = In(std::wstring(kJapanese) + L".pdf");
    file = CreateFileW(broken.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    WriteFile(file, "not a PDF", 9, &written, nullptr);
    CloseHandle(file);
    Run("Re-Compress a PDF only", broken, false);
    RunOutcome failed = Session().FinishRun();
    EXPECT_NE(failed.notice, kSuccess);
    EXPECT_EQ(NamesIn(folder_).size(), 4u) << "left: " << testing::PrintToString(NamesIn(folder_));
}

// Several inputs in other scripts, and a target chosen in the save dialog
// whose name the code page lacks.
TEST_F(ActionsOnNamesInOtherScripts, MergeWritesTheTargetByItsOwnName)
{
    MakePdf(std::wstring(kCyrillic) + L".pdf", 1);
    MakePdf(std::wstring(kJapanese) + L".pdf", 2);
    const std::wstring target = In(std::wstring(kEmoji) + L" \u0421\u0432\u043E\u0434\u043A\u0430.pdf");
    Session().Click("Merge");
    HWND open = WaitForFileDialog(Session().ProcessId(), kPdfDialogTitle);
    OpenFolderInDialog(open, Session().Documents().File("scripts"));
    ChooseFile(open, L"\"" + std::wstring(kJapanese) + L".pdf\" \"" + kCyrillic + L".pdf\"");
    WaitUntilGone(open);
    AcceptMergeOrder(Session().ProcessId());
    HWND save = WaitForFileDialog(Session().ProcessId(), "Save the target PDF file for merge");
    ChooseFile(save, target);
    WaitUntilGone(save);
    ExpectSuccess(Session().FinishRun());
    PdfFacts facts = Read(target);
    EXPECT_EQ(facts.pages, 3);
    EXPECT_EQ(NamesIn(folder_).size(), 3u) << testing::PrintToString(NamesIn(folder_));
}
