#include "ops/MergeOrder.h"
#include "ops/MultiFileArguments.h"
#include "ops/ProcessExecution.h"
#include <gtest/gtest.h>

using namespace velmora;

namespace {

// A multi-selection as the merge reads it: every file named for the tool,
// in the folder of the first, as the code page holds them.
MergeInputs Selected(const wchar_t* selection, UINT codePage = 1252)
{
    std::vector<InputName> names;
    for (const WideText& file : ReadMergeSelection(selection))
        names.push_back(ChooseInputName(file, "", "", codePage));
    if (names.empty())
        return MergeInputs();
    return MergeInputsOf(*ExactAnsi(names.front().folder.data(), codePage), names);
}

} // namespace

TEST(MultiFileArguments, JoinsEveryPdfOfTheChosenFolder)
{
    ToolCall join = JoinCall("C:\\Scans", "C:\\Out\\all.pdf");
    EXPECT_EQ(join.arguments, "*.pdf cat output \"C:\\Out\\all.pdf\"");
    EXPECT_EQ(join.folder, "C:\\Scans");
    EXPECT_EQ(join.outputFile, "C:\\Out\\all.pdf");
    EXPECT_EQ(JoinCall("C:\\", "C:\\Out\\all").arguments, "*.pdf cat output \"C:\\Out\\all\"");
}

TEST(MultiFileArguments, MergesSeveralFilesInTheDialogsOrder)
{
    MergeInputs inputs = Selected(L"C:\\Docs\rc.pdf\rb.pdf\ra.pdf");
    EXPECT_EQ(inputs.folder, "C:\\Docs\\");
    ToolCall merge = MergeCall(inputs, "C:\\Out\\m.pdf");
    EXPECT_EQ(merge.arguments,
              "\"C:\\Docs\\c.pdf\" \"C:\\Docs\\b.pdf\" \"C:\\Docs\\a.pdf\"  cat output \"C:\\Out\\m.pdf\"");
    EXPECT_EQ(merge.folder, "C:\\Docs\\");
    EXPECT_EQ(merge.outputFile, "C:\\Out\\m.pdf");

    EXPECT_EQ(MergeCall(Selected(L"C:\\My Docs\rb.pdf\ra b.pdf"), "C:\\Out\\m.pdf").arguments,
              "\"C:\\My Docs\\b.pdf\" \"C:\\My Docs\\a b.pdf\"  cat output \"C:\\Out\\m.pdf\"");
}

// One chosen file comes back as its full path alone, with no folder piece.
TEST(MultiFileArguments, MergesASingleChosenFile)
{
    MergeInputs inputs = Selected(L"C:\\Docs\\a.pdf");
    ASSERT_EQ(inputs.files.size(), 1u);
    ToolCall merge = MergeCall(inputs, "C:\\Out\\m.pdf");
    EXPECT_EQ(merge.arguments, "\"C:\\Docs\\a.pdf\"  cat output \"C:\\Out\\m.pdf\"");
    EXPECT_EQ(merge.folder, "C:\\Docs\\");

    EXPECT_TRUE(Selected(L"").files.empty());
    EXPECT_TRUE(Selected(L"C:\\Docs\r").files.empty());
}

// The system gives a drive root with its backslash (C:\), other folders without.
TEST(MultiFileArguments, DoesNotDoubleTheBackslashOfADriveRoot)
{
    ToolCall merge = MergeCall(Selected(L"C:\\\ra.pdf\rb.pdf"), "C:\\m.pdf");
    EXPECT_EQ(merge.arguments, "\"C:\\a.pdf\" \"C:\\b.pdf\"  cat output \"C:\\m.pdf\"");
    EXPECT_EQ(merge.folder, "C:\\");
    EXPECT_EQ(Selected(L"C:\\a.pdf").folder, "C:\\");

    // A folder name ending in a double-byte character whose second byte is
    // 0x5C still needs its backslash.
    const std::string hyou = "\x95\x5C";
    MergeInputs inputs = Selected(L"C:\\\u8868\ra.pdf\rb.pdf", 932);
    EXPECT_EQ(inputs.folder, "C:\\" + hyou + "\\");
    ASSERT_EQ(inputs.files.size(), 2u);
    EXPECT_EQ(inputs.files[0], "C:\\" + hyou + "\\a.pdf");
}

// The proposal lies beside the folder, so a second join of the same folder
// does not take in the first one's result.
TEST(MultiFileArguments, ProposesAJoinTargetOutsideTheFolder)
{
    const std::string documents = "C:\\Users\\me\\Documents";
    EXPECT_EQ(ProposedJoinTarget("C:\\Docs\\Scans", documents), "C:\\Docs\\Scans.pdf");
    EXPECT_EQ(ProposedJoinTarget("C:\\Docs\\Scans\\", documents), "C:\\Docs\\Scans.pdf");
    EXPECT_EQ(ProposedJoinTarget("\\\\server\\share\\Scans", documents), "\\\\server\\share\\Scans.pdf");

    EXPECT_EQ(ProposedJoinTarget("C:\\", documents), "C:\\Users\\me\\Documents\\Drive C.pdf");
    EXPECT_EQ(ProposedJoinTarget("\\\\server\\share\\", documents), "C:\\Users\\me\\Documents\\share.pdf");
    EXPECT_EQ(ProposedJoinTarget("C:\\", ""), "Drive C.pdf");

    const std::string hyou = "\x95\x5C";    // its trail byte is no trailing backslash
    EXPECT_EQ(ProposedJoinTarget("C:\\" + hyou, documents, 932), "C:\\" + hyou + ".pdf");
}

// The tool's own *.pdf would find a file by a long name it cannot open:
// unless every file is plain, the folder's files are listed one by one.
TEST(MultiFileArguments, ListsTheFolderOnlyWhenAFileIsNotPlain)
{
    std::vector<InputName> files(2);
    files[0].name = "C:\\Scans\\a.pdf";
    files[1].name = "C:\\Scans\\b.pdf";
    ToolCall wildcard = JoinCall("C:\\Scans", files, "C:\\all.pdf");
    EXPECT_EQ(wildcard.arguments, "*.pdf cat output \"C:\\all.pdf\"");
    EXPECT_EQ(wildcard.folder, "C:\\Scans");

    files[1].name = "ABCD~1.PDF";
    files[1].plain = false;
    ToolCall listed = JoinCall("C:\\Scans", files, "C:\\all.pdf");
    EXPECT_EQ(listed.arguments, "\"C:\\Scans\\a.pdf\" \"ABCD~1.PDF\"  cat output \"C:\\all.pdf\"");
    EXPECT_EQ(listed.folder, "C:\\Scans\\");
    EXPECT_EQ(listed.outputFile, "C:\\all.pdf");
}

// Windows takes 32,767 UTF-16 characters with the terminating null; the
// runner's line is the quoted tool, the arguments and " verbose".
TEST(MultiFileArguments, RefusesACommandLineLongerThanWindowsTakes)
{
    EXPECT_TRUE(CommandLineFits(std::string(32766, 'a')));
    EXPECT_FALSE(CommandLineFits(std::string(32767, 'a')));
    std::string japanese;
    for (int i = 0; i < 20000; ++i)
        japanese += "\x93\xFA";   // one UTF-16 character each in code page 932
    EXPECT_TRUE(CommandLineFits(japanese, 932));

    const std::string tool = "C:\\Program Files\\Velmora\\pdftk.exe";
    MergeInputs inputs;
    inputs.folder = "C:\\Docs\\";
    const std::string longName(120, 'n');
    for (int i = 0; i < 275; ++i)
        inputs.files.push_back(inputs.folder + longName + std::to_string(i) + ".pdf");
    EXPECT_FALSE(FitsOneRun(tool, MergeCall(inputs, "C:\\Out\\m.pdf")));

    // At the edge: the exact line the runner builds decides.
    ToolCall call;
    const size_t room = kCommandLineLimit - 1 - CapturedCommandLine(tool, "").size() - std::string(" verbose").size();
    call.arguments = std::string(room, 'x');
    EXPECT_TRUE(FitsOneRun(tool, call));
    call.arguments += 'x';
    EXPECT_FALSE(FitsOneRun(tool, call));
}

// The order a merge takes its files in, as the merge order window arranges it.
TEST(MergeOrder, ComparesNamesAsPeopleCount)
{
    EXPECT_LT(CompareNaturally("page2.pdf", "page10.pdf"), 0);
    EXPECT_GT(CompareNaturally("page10.pdf", "page9.pdf"), 0);
    // Leading zeros do not change a number; they decide only a tie.
    EXPECT_LT(CompareNaturally("page007.pdf", "page10.pdf"), 0);
    EXPECT_LT(CompareNaturally("page7.pdf", "page007.pdf"), 0);
    EXPECT_LT(CompareNaturally("a07b1", "a7b2"), 0);
    // Numbers longer than any integer type.
    EXPECT_LT(CompareNaturally("scan99999999999999999999", "scan100000000000000000000"), 0);
    // Case is no difference; a name that starts another comes first.
    EXPECT_EQ(CompareNaturally("Report.PDF", "report.pdf"), 0);
    EXPECT_LT(CompareNaturally("apple.pdf", "Banana.pdf"), 0);
    EXPECT_LT(CompareNaturally("part", "part 2"), 0);
}

// Equal names in different folders keep their order either way, and their
// lines name their folders.
TEST(MergeOrder, SortsByFileNameKeepingTiesTurnsRoundOnASecondPressAndListsFolders)
{
    std::vector<std::string> files = {"C:\\b\\10.pdf", "C:\\z\\2.pdf", "C:\\a\\Same.pdf", "C:\\c\\1.pdf",
                                      "C:\\b\\same.pdf"};
    SortByNameOrTurnRound(files);
    EXPECT_EQ(files, (std::vector<std::string>{"C:\\c\\1.pdf", "C:\\z\\2.pdf", "C:\\b\\10.pdf", "C:\\a\\Same.pdf",
                                               "C:\\b\\same.pdf"}));
    SortByNameOrTurnRound(files);
    EXPECT_EQ(files, (std::vector<std::string>{"C:\\a\\Same.pdf", "C:\\b\\same.pdf", "C:\\b\\10.pdf", "C:\\z\\2.pdf",
                                               "C:\\c\\1.pdf"}));
    EXPECT_EQ(MergeListLines({files[0], files[2], files[1]}),
              (std::vector<std::string>{"Same.pdf   (C:\\a\\)", "10.pdf", "same.pdf   (C:\\b\\)"}));
}

TEST(MergeOrder, MovesAnEntryBeforeAnother)
{
    std::vector<std::string> files = {"a", "b", "c", "d"};
    EXPECT_EQ(MoveEntryBefore(files, 0, 2), 1);   // down by one
    EXPECT_EQ(MoveEntryBefore(files, 3, 0), 0);
    EXPECT_EQ(files, (std::vector<std::string>{"d", "b", "a", "c"}));
    EXPECT_EQ(MoveEntryBefore(files, 0, 4), 3);   // to the end
    EXPECT_EQ(MoveEntryBefore(files, 0, -1), 0);  // out of range: stays
    EXPECT_EQ(MoveEntryBefore(files, -1, 0), -1);
    EXPECT_EQ(files, (std::vector<std::string>{"b", "a", "c", "d"}));
}

TEST(MergeOrder, ADropKeepsItsPdfsAndNamesWhatItLeavesOut)
{
    const auto isFolder = [](const std::string& path) { return path.back() == '\\' || path == "C:\\in.pdf"; };
    const DroppedForMerge drop =
        SortOutDrop({"C:\\b.PDF", "C:\\notes.txt", "C:\\docs\\", "C:\\a.pdf", "C:\\in.pdf", "C:\\pdf"}, isFolder);
    EXPECT_EQ(drop.pdfs, (std::vector<std::string>{"C:\\b.PDF", "C:\\a.pdf"}));
    EXPECT_EQ(drop.leftOut, (std::vector<std::string>{"C:\\notes.txt", "C:\\docs\\", "C:\\in.pdf", "C:\\pdf"}));
    EXPECT_EQ(LeftOutNotice({"C:\\notes.txt", "C:\\docs"}),
              "Only PDF files can be merged. Left out:\r\nC:\\notes.txt\r\nC:\\docs");
}
