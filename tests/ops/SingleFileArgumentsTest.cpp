#include "ops/OperationPaths.h"
#include "ops/SingleFileArguments.h"
#include "ops/ToolCall.h"
#include <gtest/gtest.h>

using namespace velmora;

TEST(OperationPaths, DerivesBaseFolderAndProposals)
{
    EXPECT_EQ(InputBase("C:\\Docs\\q3.final.pdf"), "q3.final");
    EXPECT_EQ(InputBase("C:\\Docs\\scan"), "scan");
    EXPECT_EQ(InputBase("C:\\My.Docs\\scan"), "scan");
    EXPECT_EQ(BesideInput("C:\\My.Docs\\scan", "_fixed.pdf"), "C:\\My.Docs\\scan_fixed.pdf");
    EXPECT_EQ(InputFolder(""), "");
    EXPECT_EQ(ProposedTarget("C:\\Docs\\report.pdf"), "C:\\Docs\\report_sec.pdf");
    EXPECT_EQ(ProposedTarget("C:\\Docs\\scan"), "C:\\Docs\\scan_sec.pdf");
    EXPECT_EQ(ProposedTarget("C:\\a b\\x.pdf"), "C:\\a b\\x_sec.pdf");
    EXPECT_EQ(ProposedTarget("C:\\My.Docs\\scan"), "C:\\My.Docs\\scan_sec.pdf");
}

// Every output is a full path beside the input, and every run happens in
// the input's folder.
TEST(SingleFileArguments, BuildsEachOperationsCommandLine)
{
    const std::string in = "C:\\Docs\\a.pdf";
    ToolCall repair = RepairCall(in);
    EXPECT_EQ(repair.arguments, "\"C:\\Docs\\a.pdf\" output \"C:\\Docs\\a_fixed.pdf\"");
    EXPECT_EQ(repair.folder, "C:\\Docs\\");
    EXPECT_EQ(repair.folderToCreate, "");
    EXPECT_EQ(repair.outputFile, "C:\\Docs\\a_fixed.pdf");

    ToolCall compress = CompressCall(in);
    EXPECT_EQ(compress.arguments, "\"C:\\Docs\\a.pdf\" output \"C:\\Docs\\a_compress.pdf\" compress");
    EXPECT_EQ(compress.folder, "C:\\Docs\\");
    EXPECT_EQ(compress.outputFile, "C:\\Docs\\a_compress.pdf");
    EXPECT_EQ(UncompressCall(in).outputFile, "C:\\Docs\\a_uncompress.pdf");
    EXPECT_EQ(UncompressCall(in).arguments,
              "\"C:\\Docs\\a.pdf\" output \"C:\\Docs\\a_uncompress.pdf\" uncompress");

    ToolCall rotate = RotateCall(in, 3);
    EXPECT_EQ(rotate.arguments, "\"C:\\Docs\\a.pdf\" cat 1-endleft output \"C:\\Docs\\a_rotate.pdf\"");
    EXPECT_EQ(rotate.folder, "C:\\Docs\\");
    EXPECT_EQ(rotate.outputFile, "C:\\Docs\\a_rotate.pdf");
    EXPECT_EQ(RotateCall(in, -1).arguments, "\"C:\\Docs\\a.pdf\" cat 1-end output \"C:\\Docs\\a_rotate.pdf\"");

    ToolCall dotted = CompressCall("D:\\Other\\q3.final.pdf");
    EXPECT_EQ(dotted.arguments, "\"D:\\Other\\q3.final.pdf\" output \"D:\\Other\\q3.final_compress.pdf\" compress");
    EXPECT_EQ(dotted.folder, "D:\\Other\\");
    EXPECT_EQ(RepairCall("C:\\Docs\\scan").arguments, "\"C:\\Docs\\scan\" output \"C:\\Docs\\scan_fixed.pdf\"");
}

TEST(SingleFileArguments, MapsRotationIndexesToKeywords)
{
    const char* keywords[] = {"east", "south", "west", "left", "right", "down"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(RotationKeyword(i), keywords[i]);
    EXPECT_EQ(RotationKeyword(-1), "");
    EXPECT_EQ(RotationKeyword(6), "");
    EXPECT_EQ(RotationKeyword(-2), "");
}

// Burst and dump write into a folder named after the input, beside it; it is
// made where they run, so the run never lands in a folder that was not created.
TEST(SingleFileArguments, BurstAndDumpRunInTheFolderTheyCreate)
{
    const std::string in = "C:\\Docs\\q3.final.pdf";
    ToolCall burst = BurstCall(in);
    EXPECT_EQ(burst.arguments, "\"C:\\Docs\\q3.final.pdf\" burst");
    EXPECT_EQ(burst.folder, "C:\\Docs\\q3.final");
    EXPECT_EQ(burst.folderToCreate, "C:\\Docs\\q3.final");

    ToolCall dump = DumpCall("D:\\Other\\b.pdf");
    EXPECT_EQ(dump.arguments, "\"D:\\Other\\b.pdf\" dump_data output input_report.txt");
    EXPECT_EQ(dump.folder, "D:\\Other\\b");
    EXPECT_EQ(dump.folderToCreate, dump.folder);
    // Their files are the folder's; no single output to ask about.
    EXPECT_EQ(burst.outputFile, "");
    EXPECT_EQ(dump.outputFile, "");
    EXPECT_EQ(burst.folderFiles, FolderFiles::BurstPages);
    EXPECT_EQ(dump.folderFiles, FolderFiles::DumpReport);
    EXPECT_EQ(RepairCall(in).folderFiles, FolderFiles::None);

    EXPECT_EQ(ReportFolder("C:\\My.Docs\\scan"), "C:\\My.Docs\\scan");
}

// What burst and dump write into their folder, whatever the letter case;
// nothing else there is theirs.
TEST(FolderReplacement, KnowsTheNamesEachRunWrites)
{
    for (const char* name : {"pg_0001.pdf", "PG_0026.PDF", "pg_12345.pdf", "doc_data.txt", "Doc_Data.TXT"})
        EXPECT_TRUE(RunWritesName(FolderFiles::BurstPages, name)) << name;
    for (const char* name : {"pg_001.pdf", "pg_0001.pdf.txt", "pg_00a1.pdf", "xpg_0001.pdf", "pg_.pdf",
                             "pg_0001", "pg", "input_report.txt", "notes.txt"})
        EXPECT_FALSE(RunWritesName(FolderFiles::BurstPages, name)) << name;
    EXPECT_TRUE(IsPageName("Pg_0007.Pdf"));
    EXPECT_FALSE(IsPageName("doc_data.txt"));
    EXPECT_TRUE(RunWritesName(FolderFiles::DumpReport, "Input_Report.txt"));
    EXPECT_FALSE(RunWritesName(FolderFiles::DumpReport, "doc_data.txt"));
    EXPECT_TRUE(RunWritesName(FolderFiles::None, "notes.txt")) << "a folder made for the run is all the run's";
}

// The question names the folder and what of an earlier run it holds, and
// says that an earlier burst goes first, so that none of its pages outlives
// a shorter burst.
TEST(FolderReplacement, AsksAboutTheEarlierFiles)
{
    const std::string folder = "C:\\Docs\\camlidl";
    EXPECT_EQ(FolderReplaceQuestion(folder, FolderFiles::BurstPages, 26, true),
              "C:\\Docs\\camlidl already holds 26 pages and doc_data.txt from an earlier Burst.\r\nDo you want to "
              "replace them? They are removed before the new Burst starts, so that no page of the earlier Burst is "
              "left beside the new ones.");
    EXPECT_EQ(FolderReplaceQuestion(folder, FolderFiles::BurstPages, 1, false),
              "C:\\Docs\\camlidl already holds 1 page from an earlier Burst.\r\nDo you want to replace it? It is "
              "removed before the new Burst starts, so that no page of the earlier Burst is left beside the new ones.");
    EXPECT_EQ(FolderReplaceQuestion(folder, FolderFiles::BurstPages, 0, true),
              "C:\\Docs\\camlidl already holds doc_data.txt from an earlier Burst.\r\nDo you want to replace it? It "
              "is removed before the new Burst starts.");
    EXPECT_EQ(FolderReplaceQuestion(folder, FolderFiles::DumpReport, 0, true),
              "C:\\Docs\\camlidl already holds input_report.txt from an earlier Dump.\r\nDo you want to replace it?");
    EXPECT_EQ(FolderReplaceQuestion(folder, FolderFiles::BurstPages, 0, false), "");
    EXPECT_EQ(FolderReplaceQuestion(folder, FolderFiles::DumpReport, 0, false), "");
}

// The question before replacing names the output as the tool will see it: a
// relative target is taken in the folder the run happens in.
TEST(ToolCallOutput, TakesARelativeOutputInTheFolderOfTheRun)
{
    ToolCall call;
    call.folder = "C:\\Docs\\";
    EXPECT_EQ(OutputPath(call), "");
    call.outputFile = "out.pdf";
    EXPECT_EQ(OutputPath(call), "C:\\Docs\\out.pdf");
    call.outputFile = "..\\Other\\.\\b.pdf";
    EXPECT_EQ(OutputPath(call), "C:\\Other\\b.pdf");
    call.outputFile = "D:\\x.pdf";
    EXPECT_EQ(OutputPath(call), "D:\\x.pdf");
}
