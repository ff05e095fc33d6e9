// How a file reaches pdftk: by its own name where the code page holds it,
// else by a plain stand-in in its folder, and what its output is called
// afterwards. The tests name the code page, so that they mean the same on a
// Western and on a Japanese system.
#include "ops/FolderPdfs.h"
#include "ops/MultiFileArguments.h"
#include "ops/SingleFileArguments.h"
#include "ops/ToolNames.h"
#include "text/CharacterSteps.h"
#include <gtest/gtest.h>
#include <initializer_list>

using namespace velmora;

namespace {

const UINT kWestern = 1252;
const UINT kJapanese = 932;

WideText Text(std::initializer_list<const wchar_t*> pieces)
{
    WideText text;
    for (const wchar_t* piece : pieces)
        text.insert(text.end(), piece, piece + wcslen(piece));
    text.push_back(L'\0');
    return text;
}

std::string Narrow(const WideText& text)
{
    return ShownAnsi(text, CP_UTF8);
}

const WideText kSmeta = Text({L"C:\\Docs\\\u0421\u043C\u0435\u0442\u0430.pdf"});

} // namespace

// Exact or nothing: a look-alike letter (a for a-macron) would lead the
// tool to another file; for showing, '?' stands in.
TEST(TextConversion, ConvertsExactlyOrShowsQuestionMarks)
{
    EXPECT_EQ(ExactAnsi(L"C:\\D\u00E9j\u00E0.pdf", kWestern), std::optional<std::string>("C:\\D\xE9j\xE0.pdf"));
    EXPECT_EQ(ExactAnsi(L"\u65E5\u672C", kJapanese), std::optional<std::string>("\x93\xFA\x96\x7B"));
    EXPECT_EQ(ExactAnsi(L"\u65E5\u672C", CP_UTF8), std::optional<std::string>("\xE6\x97\xA5\xE6\x9C\xAC"));
    EXPECT_FALSE(ExactAnsi(L"\u0101.pdf", kWestern));
    EXPECT_FALSE(ExactAnsi(L"", kWestern));
    EXPECT_EQ(ShownAnsi(L"\u0101\u65E5.pdf", kWestern), "??.pdf");
    EXPECT_EQ(WideFromAnsi("\xE9", kWestern), Text({L"\u00E9"}));
    // The second byte of a Japanese character may be a backslash's 0x5C.
    const std::string hyou = "\x95\x5C";
    EXPECT_EQ(CharacterSize(hyou, 0, kJapanese), 2u);
    EXPECT_EQ(CharacterSize(hyou, 0, kWestern), 1u);
    EXPECT_EQ(CharacterSize("\x95", 0, kJapanese), 1u);
}

TEST(ToolNames, ChoosesTheFullPathTheOwnNameTheShortNameOrALink)
{
    const InputName plain = ChooseInputName(Text({L"C:\\D\u00E9j\u00E0\\a.b.pdf"}), "", "tmp.pdf", kWestern);
    EXPECT_TRUE(plain.plain);
    EXPECT_EQ(plain.name, "C:\\D\xE9j\xE0\\a.b.pdf");
    EXPECT_EQ(plain.base, Text({L"a.b"}));
    EXPECT_EQ(plain.folder, Text({L"C:\\D\u00E9j\u00E0\\"}));
    EXPECT_TRUE(ChooseInputName(kSmeta, "", "tmp.pdf", CP_UTF8).plain);

    const InputName own = ChooseInputName(Text({L"C:\\\u65E5\u672C\\a.pdf"}), "B~1.PDF", "tmp.pdf", kWestern);
    EXPECT_FALSE(own.plain);
    EXPECT_EQ(own.name, "a.pdf");

    const InputName shortName = ChooseInputName(kSmeta, "CB53~1.PDF", "tmp.pdf", kWestern);
    EXPECT_FALSE(shortName.plain);
    EXPECT_FALSE(shortName.linked);
    EXPECT_EQ(shortName.name, "CB53~1.PDF");
    EXPECT_EQ(Narrow(shortName.base), "\xD0\xA1\xD0\xBC\xD0\xB5\xD1\x82\xD0\xB0");

    // No short name, or one that is no plain ASCII: a link.
    for (const char* shortForm : {"", "\xE9~1.PDF"}) {
        const InputName linked = ChooseInputName(kSmeta, shortForm, "velmora-7-0.pdf", kWestern);
        EXPECT_TRUE(linked.linked);
        EXPECT_EQ(linked.name, "velmora-7-0.pdf");
        EXPECT_EQ(linked.path, kSmeta);
    }
    EXPECT_EQ(TemporaryName(7, 12, ".pdf"), "velmora-7-12.pdf");
}

// Plain names keep their command line; a stand-in's output takes the real
// base once the run went well; burst and dump get their folder's real name
// and read the input one folder up.
TEST(ToolNames, PlansRunsWithRealOutputNames)
{
    const InputName plain = ChooseInputName(Text({L"C:\\Docs\\a.pdf"}), "", "", kWestern);
    const ToolRun same = RunOn(plain, RepairCall(plain.name), OutputNaming::AfterInput);
    EXPECT_EQ(same.call.arguments, RepairCall("C:\\Docs\\a.pdf").arguments);
    EXPECT_EQ(same.folder, Text({L"C:\\Docs\\"}));
    EXPECT_EQ(same.output, Text({L"C:\\Docs\\a_fixed.pdf"}));
    EXPECT_TRUE(same.written.empty());
    EXPECT_TRUE(same.links.empty());

    const InputName shortName = ChooseInputName(kSmeta, "CB53~1.PDF", "", kWestern);
    const ToolRun repair = RunOn(shortName, RepairCall(shortName.name), OutputNaming::AfterInput);
    EXPECT_EQ(repair.call.arguments, "\"CB53~1.PDF\" output \"CB53~1_fixed.pdf\"");
    EXPECT_EQ(repair.folder, Text({L"C:\\Docs\\"}));
    EXPECT_EQ(repair.written, Text({L"C:\\Docs\\CB53~1_fixed.pdf"}));
    EXPECT_EQ(repair.output, Text({L"C:\\Docs\\\u0421\u043C\u0435\u0442\u0430_fixed.pdf"}));

    const InputName linked = ChooseInputName(kSmeta, "", "velmora-7-0.pdf", kWestern);
    const ToolRun rotate = RunOn(linked, RotateCall(linked.name, 0), OutputNaming::AfterInput);
    ASSERT_EQ(rotate.links.size(), 1u);
    EXPECT_EQ(rotate.links[0].first, Text({L"C:\\Docs\\velmora-7-0.pdf"}));
    EXPECT_EQ(rotate.links[0].second, kSmeta);
    EXPECT_EQ(rotate.written, Text({L"C:\\Docs\\velmora-7-0_rotate.pdf"}));
    EXPECT_EQ(rotate.output, Text({L"C:\\Docs\\\u0421\u043C\u0435\u0442\u0430_rotate.pdf"}));

    const ToolRun burst = RunOn(linked, BurstCall(linked.name), OutputNaming::AfterInput);
    EXPECT_EQ(burst.call.arguments, "\"..\\velmora-7-0.pdf\" burst");
    EXPECT_EQ(burst.folderToCreate, Text({L"C:\\Docs\\\u0421\u043C\u0435\u0442\u0430"}));
    EXPECT_EQ(burst.folder, burst.folderToCreate);
    EXPECT_TRUE(burst.output.empty());
    const ToolRun dump = RunOn(shortName, DumpCall(shortName.name), OutputNaming::AfterInput);
    EXPECT_EQ(dump.call.arguments, "\"..\\CB53~1.PDF\" dump_data output input_report.txt");

    // A target typed into the field is written where it says.
    ToolCall encrypt;
    encrypt.arguments = "\"CB53~1.PDF\" output \"C:\\Out\\x.pdf\"";
    encrypt.outputFile = "C:\\Out\\x.pdf";
    const ToolRun given = RunOn(shortName, encrypt, OutputNaming::AsGiven);
    EXPECT_EQ(given.output, Text({L"C:\\Out\\x.pdf"}));
    EXPECT_TRUE(given.written.empty());
}

// A merge keeps its command line while everything fits; a target the code
// page cannot hold is written under a temporary name in the run's folder.
TEST(ToolNames, WritesACombinedTargetByATemporaryName)
{
    const WideText folder = Text({L"C:\\Docs\\"});
    const std::vector<InputName> inputs = {ChooseInputName(Text({L"C:\\Docs\\a.pdf"}), "", "", kWestern),
                                           ChooseInputName(kSmeta, "CB53~1.PDF", "", kWestern)};
    const WideText plainTarget = Text({L"C:\\Out\\m.pdf"});
    EXPECT_EQ(TargetName(plainTarget, "velmora-1-0.pdf", kWestern), "C:\\Out\\m.pdf");
    const ToolCall plainMerge = MergeCall(MergeInputsOf("C:\\Docs\\", {inputs[0]}), "C:\\Out\\m.pdf");
    const ToolRun plain = RunOver({inputs[0]}, plainMerge, folder, plainTarget, kWestern);
    EXPECT_EQ(plain.call.arguments, "\"C:\\Docs\\a.pdf\"  cat output \"C:\\Out\\m.pdf\"");
    EXPECT_TRUE(plain.written.empty());

    const WideText target = Text({L"C:\\Out\\\u0421\u0432\u043E\u0434\u043A\u0430.pdf"});
    const std::string written = TargetName(target, "velmora-1-0.pdf", kWestern);
    EXPECT_EQ(written, "velmora-1-0.pdf");
    const ToolRun merge = RunOver(inputs, MergeCall(MergeInputsOf("C:\\Docs\\", inputs), written), folder, target,
                                  kWestern);
    EXPECT_EQ(merge.call.arguments, "\"C:\\Docs\\a.pdf\" \"CB53~1.PDF\"  cat output \"velmora-1-0.pdf\"");
    EXPECT_EQ(merge.folder, folder);
    EXPECT_EQ(merge.written, Text({L"C:\\Docs\\velmora-1-0.pdf"}));
    EXPECT_EQ(merge.output, target);
}

// Every *.pdf in the order a folder lists them, folders left out, by the
// names the system gives; merge's selection in the dialog's order.
TEST(FolderPdfs, FindsEveryPdfAsTheToolWould)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const WideText folder = Text({temp, L"velmora join"});
    const WideText inner = Text({folder.data(), L"\\inner.pdf"});
    const wchar_t* names[] = {L"b.pdf", L"A.pdf", L"c.PDF", L"notes.txt", L"\u65E5\u672C.pdf"};
    CreateDirectoryW(folder.data(), nullptr);
    CreateDirectoryW(inner.data(), nullptr);
    for (const wchar_t* name : names)
        CloseHandle(CreateFileW(Text({folder.data(), L"\\", name}).data(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                0, nullptr));

    const FolderPdfs pdfs = FindFolderPdfs(folder.data());
    std::vector<WideText> expected;
    for (const wchar_t* name : {L"A.pdf", L"b.pdf", L"c.PDF", L"\u65E5\u672C.pdf"})
        expected.push_back(Text({folder.data(), L"\\", name}));
    EXPECT_EQ(pdfs.files, expected);
    EXPECT_TRUE(FindFolderPdfs(Text({folder.data(), L"\\missing"}).data()).files.empty());
    // A folder that holds only a folder named like a PDF has nothing to join.
    EXPECT_TRUE(FindFolderPdfs(inner.data()).files.empty());
    EXPECT_EQ(NoPdfsNotice(Text({L"C:\\\u65E5"})), "The folder C:\\? holds no PDF files.");
    EXPECT_EQ(MissingFileNotice(Text({L"C:\\a.pdf"})), "The file C:\\a.pdf was not found.");

    const WideText selection = Text({folder.data(), L"\r\u65E5\u672C.pdf\rb.pdf\r"});
    EXPECT_EQ(ReadMergeSelection(selection.data()), (std::vector<WideText>{expected[3], expected[1]}));
    EXPECT_EQ(ReadMergeSelection(expected[3].data()), std::vector<WideText>{expected[3]});
    EXPECT_TRUE(ReadMergeSelection(L"").empty());

    for (const wchar_t* name : names)
        DeleteFileW(Text({folder.data(), L"\\", name}).data());
    RemoveDirectoryW(inner.data());
    RemoveDirectoryW(folder.data());
}
