// The actions on one PDF, run by the real pdftk: the files they leave are
// read back and judged, not the command lines.
#include "tests/realtool/PdfFacts.h"
#include "tests/realtool/RealToolSession.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <fstream>

using namespace velmora::driver;
using namespace velmora::realtool;

namespace {

const char kTitle[] = "Quarterly report";
const char kRepairDescription[] = "Repair a corrupted PDF, if possible (this can take a long time on a large file)";
const char kBurstDescription[] =
    "Burst a PDF document into single pages, optionally applying encryption. This also creates a document "
    "report, doc_data.txt, that lists metadata and bookmark information.";

class SingleFileActions : public RealToolTest {
protected:
    // A three-page PDF named name in the documents folder, picked into the
    // PDF file field, so the tool runs beside it.
    std::string Prepare(const std::string& name)
    {
        const std::string path = Document(name);
        if (!FileExists(path))
            MakeNumberedPdf(path, 3, kTitle);
        Session().PickPdf(path);
        return path;
    }

    RunOutcome Run(const std::string& button, const std::string& input)
    {
        Session().Click(button);
        Session().AnswerPdfDialog(input);
        return Session().FinishRun();
    }

    void ExpectSameDocument(const PdfFacts& facts, const std::string& what)
    {
        EXPECT_TRUE(facts.opened) << what << ": " << facts.messages;
        EXPECT_EQ(facts.pages, 3) << what;
        EXPECT_EQ(facts.title, kTitle) << what;
        EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3})) << what;
    }
};

TEST_F(SingleFileActions, RepairWritesAFixedCopyBesideTheInput)
{
    const std::string in = Prepare("report.pdf");
    Session().Click("Repair a PDF");
    Session().ExpectNotice(kRepairDescription);
    Session().AnswerPdfDialog(in);
    RunOutcome outcome = Session().FinishRun();
    ExpectSuccess(outcome);
    EXPECT_TRUE(outcome.outputShown);
    ExpectSameDocument(ReadPdf(Document("report_fixed.pdf")), "report_fixed.pdf");
}

// A file that is no PDF: the notice says so in pdftk's words.
TEST_F(SingleFileActions, RepairOfATextFileOrAnEmptyFileSaysWhy)
{
    for (const std::string name : {"notes.pdf", "empty.pdf"}) {
        const std::string in = Document(name);
        std::ofstream(in, std::ios::binary) << (name == "notes.pdf" ? "only text\n" : "");
        Session().Click("Repair a PDF");
        Session().ExpectNotice(kRepairDescription);
        Session().AnswerPdfDialog(in);
        RunOutcome outcome = Session().FinishRun();
        EXPECT_EQ(outcome.notice.rfind("pdftk reported an error (exit code 1)\r\n"
                                       "Error: Invalid PDF: PDF header signature not found.\r\n"
                                       "Error: Failed to open input PDF file:\r\n", 0), 0u) << outcome.notice;
        EXPECT_EQ(std::count(outcome.notice.begin(), outcome.notice.end(), '\n'), 3) << outcome.notice;
    }
}

TEST_F(SingleFileActions, BurstPutsEveryPageAndTheReportIntoAFolderNamedAfterTheInput)
{
    const std::string in = Prepare("report.pdf");
    Session().Click("Burst a PDF");
    Session().ExpectNotice(kBurstDescription);
    Session().AnswerPdfDialog(in);
    ExpectSuccess(Session().FinishRun());

    const std::string folder = Document("report");
    for (int page = 1; page <= 3; ++page) {
        const std::string name = "pg_000" + std::to_string(page) + ".pdf";
        PdfFacts facts = ReadPdf(JoinPath(folder, name));
        EXPECT_TRUE(facts.opened) << name << ": " << facts.messages;
        EXPECT_EQ(facts.pages, 1) << name;
        EXPECT_EQ(facts.dimensions, DimensionsOfPages({page})) << name;
    }
    EXPECT_FALSE(FileExists(JoinPath(folder, "pg_0004.pdf")));
    PdfFacts report = ParseDumpData(FileBytes(JoinPath(folder, "doc_data.txt")));
    EXPECT_EQ(report.pages, 3);
    EXPECT_EQ(report.title, kTitle);
}

TEST_F(SingleFileActions, CompressPacksTheContentStreamsAndUncompressOpensThemAgain)
{
    const std::string in = Prepare("plain.pdf");
    ASSERT_TRUE(Contains(FileBytes(in), "(Page 2) Tj")) << "the test document's text should be readable";

    ExpectSuccess(Run("Re-Compress a PDF only", in));
    const std::string packed = Document("plain_compress.pdf");
    const std::string packedBytes = FileBytes(packed);
    EXPECT_TRUE(Contains(packedBytes, "/FlateDecode"));
    EXPECT_FALSE(Contains(packedBytes, "(Page 2) Tj"));
    ExpectSameDocument(ReadPdf(packed), "plain_compress.pdf");

    ExpectSuccess(Run("Uncompress a PDF only", packed));
    const std::string opened = Document("plain_compress_uncompress.pdf");
    const std::string openedBytes = FileBytes(opened);
    EXPECT_FALSE(Contains(openedBytes, "/FlateDecode"));
    for (const char* text : {"(Page 1) Tj", "(Page 2) Tj", "(Page 3) Tj"})
        EXPECT_TRUE(Contains(openedBytes, text)) << text;
    ExpectSameDocument(ReadPdf(opened), "plain_compress_uncompress.pdf");
}

TEST_F(SingleFileActions, DumpWritesTheReportIntoAFolderNamedAfterTheInput)
{
    const std::string in = Prepare("dumped.pdf");
    ExpectSuccess(Run("Dump a PDF", in));
    PdfFacts report = ParseDumpData(FileBytes(JoinPath(Document("dumped"), "input_report.txt")));
    EXPECT_EQ(report.pages, 3);
    EXPECT_EQ(report.title, kTitle);
    EXPECT_EQ(report.dimensions, DimensionsOfPages({1, 2, 3}));
}

TEST_F(SingleFileActions, EveryRotationChoiceTurnsEveryPageAsItSays)
{
    const std::string in = Prepare("turned.pdf");
    struct Choice {
        const char* item;
        int degrees;
    };
    const Choice choices[] = {{"90 degress", 90},   {"180 degress", 180}, {"270 degress", 270},
                              {"-90 degress", 270}, {"+90 degress", 90},  {"+180 degress", 180}};
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(choices[index].item);
        DeleteFileA(Document("turned_rotate.pdf").c_str());
        Session().ChooseRotation(index);
        ExpectSuccess(Run("Rotate all", in));
        PdfFacts facts = ReadPdf(Document("turned_rotate.pdf"));
        EXPECT_TRUE(facts.opened) << facts.messages;
        EXPECT_EQ(facts.dimensions, DimensionsOfPages({1, 2, 3}));
        EXPECT_EQ(facts.rotations, std::vector<int>(3, choices[index].degrees));
    }
}

// A PDF that needs its open password: each action asks for it once, naming
// the file, hands it to pdftk and does what it does on an open PDF; the
// outcome says that the output lost the protection, where there is one.
TEST_F(SingleFileActions, ProtectedInputOpensWithItsPasswordInEveryAction)
{
    const std::string source = Document("source.pdf");
    MakeNumberedPdf(source, 3, kTitle);
    const std::string in = Document("statement.pdf");
    ASSERT_TRUE(ProtectPdf(source, in, "open sesame", "bank"));
    Session().PickPdf(in);
    Session().ChooseRotation(1);

    struct Step {
        const char* button;
        const char* description;
        const char* written;   // in the documents folder
    };
    const Step steps[] = {{"Repair a PDF", kRepairDescription, "statement_fixed.pdf"},
                          {"Burst a PDF", kBurstDescription, "statement\\pg_0003.pdf"},
                          {"Re-Compress a PDF only", nullptr, "statement_compress.pdf"},
                          {"Uncompress a PDF only", nullptr, "statement_uncompress.pdf"},
                          {"Dump a PDF", nullptr, "statement\\input_report.txt"},
                          {"Rotate all", nullptr, "statement_rotate.pdf"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.button);
        Session().Click(step.button);
        if (step.description)
            Session().ExpectNotice(step.description);
        Session().AnswerPdfDialog(in);
        EXPECT_EQ(Session().AnswerPasswordQuestion("open sesame"),
                  "statement.pdf is protected by a password.\r\nType the password that opens it:");
        RunOutcome outcome = Session().FinishRun();
        const bool report = std::string(step.button) == "Dump a PDF";
        EXPECT_EQ(outcome.notice, report ? std::string(kSuccess)
                                         : std::string(kSuccess) + "\r\nThe output is not protected by the "
                                                                   "original's passwords any more: it opens without a password.")
            << outcome.output;
        EXPECT_FALSE(Contains(outcome.output, "open sesame"));
        EXPECT_TRUE(FileExists(Document(step.written)));
    }
    ExpectSameDocument(ReadPdf(Document("statement_fixed.pdf")), "statement_fixed.pdf");
    ExpectSameDocument(ReadPdf(Document("statement_uncompress.pdf")), "statement_uncompress.pdf");
    EXPECT_EQ(ReadPdf(Document("statement\\pg_0003.pdf")).dimensions, DimensionsOfPages({3}));
    EXPECT_EQ(ParseDumpData(FileBytes(Document("statement\\input_report.txt"))).pages, 3);
    EXPECT_EQ(ReadPdf(Document("statement_rotate.pdf")).rotations, std::vector<int>(3, 180));
}

} // namespace

namespace {

// The Linux processes (found through Wine's Z: drive) whose command line
// names word: pdftk's java, or the wrapper script before it.
std::vector<std::string> UnixProcessesNaming(const std::string& word)
{
    std::vector<std::string> found;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        const std::string name = entry.cFileName;
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        // A process may end while it is looked at: its line then reads empty.
        std::ifstream in("Z:\\proc\\" + name + "\\cmdline", std::ios::binary);
        std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::replace(line.begin(), line.end(), '\0', ' ');
        if (line.find(word) != std::string::npos)
            found.push_back(name + ": " + line);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

size_t FilesIn(const std::string& folder)
{
    size_t count = 0;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &entry);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry))
        count += (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return count;
}

} // namespace

// A long Burst stopped half way: nothing of pdftk goes on running on either
// side of the bridge, and nothing of the run is left, not even once the Linux
// pdftk, which stops a moment after the Windows side, would have written
// more. On the way, pdftk's lines reach the Output window as it prints them:
// its last one before the pages within a second of the first page.
TEST_F(SingleFileActions, CancelledBurstLeavesNoToolRunningAndNothingBehind)
{
    const std::string in = Document("cancelled_burst_long.pdf");
    MakeNumberedPdf(in, 4000, kTitle);
    Session().PickPdf(in);
    Session().Click("Burst a PDF");
    Session().ExpectNotice(kBurstDescription);
    Session().AnswerPdfDialog(in);

    const std::string folder = Document("cancelled_burst_long");
    HWND output = WaitForTopWindow(Session().ProcessId(), WindowMatch::Title("Output").AndClass("obj_Form"), 60000);
    HWND cancel = WaitForControl(output, ControlMatch::Text("Cancel").AndClass("obj_BUTTON"));
    HWND memo = WaitForControl(output, ControlMatch::Class("obj_EDIT"));
    WaitUntil([&] { return FileExists(JoinPath(folder, "pg_0001.pdf")); }, "the first page of the burst", 60000);
    const ULONGLONG firstPage = GetTickCount64();
    WaitUntil([&] { return Contains(TextOf(memo), "Creating Output ..."); }, "pdftk's line before the pages", 60000);
    EXPECT_LT(GetTickCount64() - firstPage, 1000u) << "the Output window showed pdftk's lines late";
    // Half way, with pages coming fast: the late ones are the most.
    WaitUntil([&] { return FileExists(JoinPath(folder, "pg_2000.pdf")); }, "half of the pages", 60000);
    ASSERT_TRUE(IsWindow(cancel) && TextOf(cancel) == "Cancel") << "the burst ended before it could be cancelled";
    ClickButton(cancel);
    WaitUntilGone(output);
    Session().ExpectNotice("Cancelled: pdftk was stopped before it finished.");

    EXPECT_FALSE(FolderExists(folder)) << "the cancelled burst left its folder, " << FilesIn(folder) << " files in it";
    EXPECT_TRUE(ChildProcesses(Session().ProcessId(), "pdftk.exe").empty());
    WaitUntil([&] { return UnixProcessesNaming("cancelled_burst_long.pdf").empty(); },
              "the Linux pdftk to end", 5000);
    Sleep(5000);
    EXPECT_FALSE(FolderExists(folder)) << "5 s later, the folder holds " << FilesIn(folder) << " files";
    EXPECT_TRUE(Session().IsIdle());
}
