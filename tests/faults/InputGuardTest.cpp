// Inputs that would make the tool destroy what it reads, or that leave it no
// place to write: refused before anything runs, the files untouched.
#include "tests/faults/FaultReport.h"
#include "tests/faults/FaultSteps.h"
#include "tests/support/MergeOrderWindow.h"
#include <gtest/gtest.h>

using namespace velmora::driver;
using namespace velmora::e2e;
using namespace velmora::testsupport;
using namespace velmora::faults;

namespace {

const char kInput[] = "%PDF-1.4 the only copy\n";

// No run of the tool within a while.
bool ToolStaysUnrun(VelmoraSession& session)
{
    Sleep(1000);
    return session.ToolRuns().empty();
}

std::string Upper(std::string text)
{
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

TEST(InputGuard, TargetThatNamesTheInputIsRefusedByEncryptAndDecrypt)
{
    FaultRecord row("target names the input",
                    "target field set to the input (once in upper case, once through Z:, the same file under "
                    "another drive letter), passwords filled; Encrypt, Decrypt, Encrypt");
    TempFolder documents;
    const std::string document = documents.File("only.pdf");
    WriteFileBytes(document, kInput);
    VelmoraSession session(WithDocument(document));

    struct Attempt { const char* button; std::string target; };
    std::vector<Attempt> attempts = {{"Enrypt the PDF file", Upper(document)}, {"Decrypt the PDF file", document}};
    // Z: under Wine, as subst or a mapped drive on Windows.
    const std::string second = velmora::SecondName(document);
    EXPECT_FALSE(second.empty());
    if (!second.empty())
        attempts.push_back({"Enrypt the PDF file", second});
    for (const Attempt& attempt : attempts) {
        SetTextOf(TargetEdit(session), attempt.target);
        SetTextOf(UserPasswordEdit(session), "user");
        SetTextOf(OwnerPasswordEdit(session), "owner");
        session.Click(attempt.button);
        MessageBoxInfo box = WaitForMessageBox(session.ProcessId(), "Description");
        row.Saw(std::string(attempt.button) + ": \"Description\" box \"" + box.text + "\"");
        EXPECT_EQ(box.text, "Target file must be different from the pdf file") << attempt.target;
        EXPECT_EQ(box.icon, MessageIcon::Error);
        AnswerMessageBox(box, IDOK);
    }
    EXPECT_TRUE(ToolStaysUnrun(session));
    const bool inputKept = ReadFileBytes(document) == kInput;
    row.Checked(Tally::InputOverwritten, !inputKept);
    EXPECT_TRUE(inputKept);
    row.Saw("the tool never ran, the input unchanged byte for byte");
}

TEST(InputGuard, BurstFolderBlockedByAFileIsToldAndNothingRuns)
{
    FaultRecord row("burst folder name taken by a file",
                    "a file \"book\" beside book.pdf; Burst a PDF on book.pdf");
    TempFolder documents;
    const std::string document = documents.File("book.pdf");
    const std::string blocker = documents.File("book");
    WriteFileBytes(document, kInput);
    WriteFileBytes(blocker, "not a folder\n");
    VelmoraSession session(WithDocument(document));

    session.Click("Burst a PDF");
    TakeNotice(session.ProcessId());
    HWND dialog = WaitForFileDialog(session.ProcessId(), "Choose the PDF file");
    ChooseFile(dialog, document);
    const std::string notice = TakeNotice(session.ProcessId());
    const std::string expectedStart = "Cannot create the folder " + blocker;
    EXPECT_EQ(notice.rfind(expectedStart, 0), 0u) << notice;
    std::string shown = notice;
    if (shown.rfind(expectedStart, 0) == 0) shown.replace(0, expectedStart.size(), "Cannot create the folder <...>\\book");
    row.Saw("notice: " + shown);

    EXPECT_TRUE(ToolStaysUnrun(session));
    EXPECT_EQ(ReadFileBytes(blocker), "not a folder\n");
    EXPECT_EQ(ReadFileBytes(document), kInput);
    EXPECT_TRUE(Responds(session.MainWindow()));
    row.Saw("the tool never ran, the file untouched");
}

namespace {

// Runs the action of button on document up to the question before its
// output is replaced: the description first (repair), the PDF file dialog
// (all but encryption), the page query (remove).
MessageBoxInfo AskedBeforeReplacing(VelmoraSession& session, const std::string& button, const std::string& document)
{
    const DWORD id = session.ProcessId();
    session.Click(button);
    if (button == "Repair a PDF")
        TakeNotice(id);
    if (button.find("PDF file") == std::string::npos) {
        HWND dialog = WaitForFileDialog(id, "Choose the PDF file");
        ChooseFile(dialog, document);
        WaitUntilGone(dialog);
    }
    if (button == "Remove") {
        HWND query = WaitForTopWindow(id, WindowMatch::Title("Remove page").AndClass("obj_Form"));
        ClickButton(WaitForControl(query, ControlMatch::Text("OK").AndClass("obj_BUTTON")));
    }
    return WaitForMessageBox(id, kMainTitle);
}

// The tool's start within a while, or a notice after the Output window.
bool ToolRanOrToldSomething(VelmoraSession& session, size_t runsBefore)
{
    Sleep(500);
    return session.ToolRuns().size() != runsBefore ||
           FindTopWindow(session.ProcessId(), WindowMatch::Title(kMainTitle).AndClass("#32770")) != nullptr;
}

} // namespace

TEST(InputGuard, EveryActionAsksBeforeReplacingAnExistingOutputAndNoKeepsIt)
{
    FaultRecord row("existing output, answered No",
                    "the output of Repair, Re-Compress, Uncompress, Rotate, CAT, Remove, Encrypt and Decrypt "
                    "made beforehand; each action run and its question answered No");
    TempFolder documents;
    const std::string document = documents.File("kept.pdf");
    WriteFileBytes(document, kInput);
    VelmoraSession session(WithDocument(document));
    SetTextOf(CatToEdit(session), "end");
    SetTextOf(UserPasswordEdit(session), "user");
    SetTextOf(OwnerPasswordEdit(session), "owner");

    struct Action { const char* button; const char* output; };
    const Action actions[] = {
        {"Repair a PDF", "kept_fixed.pdf"}, {"Re-Compress a PDF only", "kept_compress.pdf"},
        {"Uncompress a PDF only", "kept_uncompress.pdf"}, {"Rotate all", "kept_rotate.pdf"},
        {"CAT", "kept_cat.pdf"}, {"Remove", "kept_remove.pdf"},
        {"Enrypt the PDF file", "kept_sec.pdf"}, {"Decrypt the PDF file", "kept_sec.pdf"},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.button);
        const std::string output = documents.File(action.output);
        const std::string earlier = std::string("an earlier ") + action.output + "\n";
        WriteFileBytes(output, earlier);
        MessageBoxInfo question = AskedBeforeReplacing(session, action.button, document);
        EXPECT_EQ(question.text, output + " already exists.\r\nDo you want to replace it?");
        EXPECT_EQ(question.icon, MessageIcon::Warning);
        EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(question.defaultButton, IDNO);
        AnswerMessageBox(question, IDNO);
        const bool replaced = ToolRanOrToldSomething(session, 0) || ReadFileBytes(output) != earlier;
        row.Checked(Tally::ReplacedWithoutQuestion, replaced);
        EXPECT_FALSE(replaced);
    }
    row.Saw("each: a question titled with the main window's caption, \"{output} already exists. / Do you want to "
            "replace it?\", warning icon, Yes and No, No the default; after No nothing else");
    const bool inputKept = ReadFileBytes(document) == kInput;
    row.Checked(Tally::InputOverwritten, !inputKept);
    EXPECT_TRUE(inputKept);
    EXPECT_TRUE(session.ToolRuns().empty());
    row.Saw("the tool never ran; every output and the input unchanged byte for byte");
}

// The save dialogs of join and merge ask before replacing; a Yes must still
// not let the tool write over a file it reads.
TEST(InputGuard, JoinAndMergeRefuseATargetThatIsOneOfTheirInputs)
{
    FaultRecord row("join or merge target among the inputs",
                    "Join of a folder with a.pdf and b.pdf into its b.pdf; Merge of a.pdf and b.pdf into a hard "
                    "link to a.pdf in another folder; the save dialog's question answered Yes");
    VelmoraSession session;
    const DWORD id = session.ProcessId();
    const std::string sources = session.Documents().MakeFolder("sources");
    const std::string a = JoinPath(sources, "a.pdf");
    const std::string b = JoinPath(sources, "b.pdf");
    WriteFileBytes(a, kInput);
    WriteFileBytes(b, kInput);

    session.Click("Join");
    HWND browser = WaitForFolderBrowser(id);
    SelectFolder(browser, sources);
    ClickButton(browser, IDOK);
    WaitUntilGone(browser);
    HWND save = WaitForFileDialog(id, "Save the target PDF file for combine");
    const std::string proposed = TextOf(FileNameEdit(save));
    row.Saw("Join proposes \"" + proposed + "\" beside the folder");
    EXPECT_EQ(proposed, "sources.pdf");
    ChooseFile(save, b);
    AnswerOverwritePrompt(save, IDYES);
    WaitUntilGone(save);
    const std::string joinNotice = TakeNotice(id);
    row.Saw("Join: notice \"" + joinNotice + "\"");
    EXPECT_EQ(joinNotice, "The target file is one of the PDF files of the folder to join, and pdftk would write "
                          "over it while reading it. Choose a target outside that folder.");

    // Another name of a.pdf in another folder: a hard link.
    const std::string alias = session.Documents().File("alias.pdf");
    ASSERT_TRUE(CreateHardLinkA(alias.c_str(), a.c_str(), nullptr));
    session.Click("Merge");
    HWND open = WaitForFileDialog(id, "Choose the PDF file");
    ChooseFiles(open, sources, {"a.pdf", "b.pdf"});
    WaitUntilGone(open);
    AcceptMergeOrder(id);
    save = WaitForFileDialog(id, "Save the target PDF file for merge");
    ChooseFile(save, alias);
    AnswerOverwritePrompt(save, IDYES);
    WaitUntilGone(save);
    const std::string mergeNotice = TakeNotice(id);
    row.Saw("Merge: notice \"" + mergeNotice + "\"");
    EXPECT_EQ(mergeNotice, "The target file is one of the files to merge, and pdftk would write over it while "
                           "reading it. Choose another target file.");

    EXPECT_TRUE(ToolStaysUnrun(session));
    for (const std::string& input : {a, b}) {
        const bool kept = ReadFileBytes(input) == kInput;
        row.Checked(Tally::InputOverwritten, !kept);
        EXPECT_TRUE(kept) << input;
    }
    row.Saw("the tool never ran, both inputs unchanged byte for byte");
}

TEST(InputGuard, MergeTooLongForOneCommandLineIsRefusedBeforeItRuns)
{
    FaultRecord row("merge too long for one command line",
                    "Merge of 250 files with names of 120 letters (a command line of about 33,000 characters)");
    VelmoraSession session;
    const DWORD id = session.ProcessId();
    const std::string sources = session.Documents().MakeFolder("many");
    std::vector<std::string> names;
    for (int i = 0; i < 250; ++i) {
        names.push_back(std::string(116, 'n') + std::to_string(1000 + i) + ".pdf");
        WriteFileBytes(JoinPath(sources, names.back()), kInput);
    }
    session.Click("Merge");
    HWND open = WaitForFileDialog(id, "Choose the PDF file");
    ChooseFiles(open, sources, names);
    WaitUntilGone(open);
    AcceptMergeOrder(id);
    HWND save = WaitForFileDialog(id, "Save the target PDF file for merge");
    ChooseFile(save, session.Documents().File("merged.pdf"));
    WaitUntilGone(save);
    const std::string notice = TakeNotice(id);
    row.Saw("notice: " + notice);
    EXPECT_EQ(notice.rfind("Too many files for one pdftk run: ", 0), 0u) << notice;
    EXPECT_NE(notice.find("Merge fewer files at a time."), std::string::npos) << notice;
    EXPECT_TRUE(ToolStaysUnrun(session));
    row.Checked(Tally::FailureCalledSuccess, notice == "Successful executed");
    row.Saw("the tool never ran");
}

TEST(InputGuard, MissingFileOnTheCommandLineOrDroppedIsNamedAndTheFieldsStay)
{
    FaultRecord row("missing file named or dropped",
                    "velmora.exe started with a PDF that does not exist; then an existing PDF dropped on the "
                    "window, then one that does not exist");
    TempFolder documents;
    const std::string gone = documents.File("gone.pdf");
    VelmoraSession session(WithDocument(gone));
    const std::string atStart = TakeNotice(session.ProcessId());
    EXPECT_EQ(atStart, "The file " + gone + " was not found.");
    EXPECT_EQ(TextOf(PdfFileEdit(session)), "");
    EXPECT_EQ(TextOf(TargetEdit(session)), "");
    // The row does not change with the test's folder.
    auto inRow = [&](std::string text) {
        const size_t at = text.find(documents.Path());
        return at == std::string::npos ? text : text.replace(at, documents.Path().size(), "<folder>");
    };
    row.Saw("at start, notice: " + inRow(atStart) + "; both fields empty");

    const std::string present = documents.File("present.pdf");
    WriteFileBytes(present, kInput);
    auto first = DropFiles(session.MainWindow(), {present});
    WaitUntil([&] { return TextOf(PdfFileEdit(session)) == present; }, "the dropped file in the PDF field");
    auto second = DropFiles(session.MainWindow(), {gone});
    const std::string dropped = TakeNotice(session.ProcessId());
    EXPECT_EQ(dropped, "The file " + gone + " was not found.");
    EXPECT_EQ(TextOf(PdfFileEdit(session)), present);
    EXPECT_EQ(TextOf(TargetEdit(session)), documents.File("present_sec.pdf"));
    row.Saw("dropped, notice: " + inRow(dropped) + "; the fields still hold the PDF dropped before");
    EXPECT_TRUE(ToolStaysUnrun(session));
    row.Saw("the tool never ran");
}
