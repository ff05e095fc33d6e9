// The system's open and save dialogs as the program uses them, answered
// through the driver. The expected buffers record what the system gives back.
#include "tests/driver/DialogHost.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace velmora::driver;

namespace {

const char* PdfFilter = "filter=PDF *.pdf|*.pdf|All files|*.*";

// A folder with a few files in it.
struct Files {
    explicit Files(FolderName kind = FolderName::Plain) : folder(kind)
    {
        for (const char* name : {"a.pdf", "b.pdf", "notes.txt"})
            WriteFileBytes(folder.File(name), "%PDF-1.4\n");
    }
    TempFolder folder;
};

std::string Shown(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += c == '\0' ? std::string("<0>") : c == '\r' ? std::string("<CR>") : std::string(1, c);
    return out;
}

} // namespace

TEST(OpenDialog, TakesATypedPath)
{
    Files files;
    DialogHost host({"kind=open", "title=Choose the PDF file", PdfFilter});
    HWND dialog = WaitForFileDialog(host.Id(), "Choose the PDF file");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, FileTypeControl)), "PDF *.pdf");
    EXPECT_EQ(ClassOf(GetDlgItem(dialog, FileNameControl)), "ComboBoxEx32");
    EXPECT_EQ(ClassOf(FileNameEdit(dialog)), "Edit");
    EXPECT_EQ(FocusedControl(dialog), FileNameEdit(dialog));
    HWND open = FindControl(dialog, ControlMatch::Text("&Open").AndClass("Button"));
    EXPECT_EQ(open, GetDlgItem(dialog, IDOK));

    // The file-name box is three windows deep, each placed in its parent's client area.
    ControlInfo edit = DescribeControl(FileNameEdit(dialog));
    ControlInfo combo = DescribeControl(edit.parent);
    EXPECT_EQ(combo.className, "ComboBox");
    EXPECT_EQ(combo.id, FileNameControl);
    EXPECT_EQ(combo.parent, GetDlgItem(dialog, FileNameControl));
    EXPECT_EQ(combo.rect.left, 0);
    EXPECT_EQ(combo.rect.top, 0);
    EXPECT_GT(edit.rect.left, 0);
    EXPECT_TRUE(edit.visible && edit.enabled);
    std::vector<ControlInfo> all = ListControls(dialog);
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const ControlInfo& c) { return c.window == edit.window; }));

    std::string path = files.folder.File("notes.txt");
    ChooseFile(dialog, path);
    WaitUntilGone(dialog);
    auto result = host.Result();
    EXPECT_EQ(result["return"], "1");
    EXPECT_EQ(result["buffer"], path + "<0><0>");
    EXPECT_EQ(result["selection"], path);
    EXPECT_EQ(result["filterIndex"], "1");
    EXPECT_EQ(result["error"], "0x0");
}

TEST(OpenDialog, CancelLeavesTheBufferAsItWas)
{
    Files files;
    DialogHost host({"kind=open", "file=" + files.folder.File("a.pdf")});
    HWND dialog = WaitForFileDialog(host.Id(), "Open");   // the system's title when none is given
    // The proposed path opens its folder and shows only the name.
    EXPECT_EQ(TextOf(FileNameEdit(dialog)), "a.pdf");
    CancelFileDialog(dialog);
    auto result = host.Result();
    EXPECT_EQ(result["return"], "0");
    EXPECT_EQ(result["error"], "0x0");
    EXPECT_EQ(result["buffer"], files.folder.File("a.pdf") + "<0><0>");
    EXPECT_EQ(result["selection"], "");
}

TEST(OpenDialog, MultipleSelectionGivesFolderThenNames)
{
    Files files;
    std::string folder = files.folder.Path();
    DialogHost host({"kind=open", "title=Merge", "options=0x064C", PdfFilter});
    HWND dialog = WaitForFileDialog(host.Id(), "Merge");
    ChooseFiles(dialog, folder, {"a.pdf", "b.pdf"});
    auto result = host.Result();
    EXPECT_EQ(result["return"], "1");
    EXPECT_EQ(result["buffer"], folder + "<0>a.pdf<0>b.pdf<0><0>");
    EXPECT_EQ(result["fileOffset"], std::to_string(folder.size() + 1));
    EXPECT_EQ(result["selection"], Shown(folder + "\ra.pdf\rb.pdf"));
}

TEST(OpenDialog, MultipleSelectionOfOneFileGivesItsFullPath)
{
    Files files;
    // A proposed name longer than the answer: its tail stays in the buffer.
    std::string proposed = files.folder.File("a-much-longer-proposed-name.pdf");
    DialogHost host({"kind=open", "title=Merge", "options=0x064C", "file=" + proposed});
    HWND dialog = WaitForFileDialog(host.Id(), "Merge");
    ChooseFile(dialog, "\"b.pdf\"");
    auto result = host.Result();
    std::string path = files.folder.File("b.pdf");
    EXPECT_EQ(result["return"], "1");
    EXPECT_EQ(result["buffer"], path + "<0><0>" + proposed.substr(path.size() + 2) + "<0><0>");
    EXPECT_EQ(result["fileOffset"], std::to_string(files.folder.Path().size() + 1));
    EXPECT_EQ(result["selection"], path);
}

TEST(OpenDialog, RefusesMissingFilesAndFolders)
{
    Files files;
    DialogHost host({"kind=open", "title=Choose the PDF file", "dir=" + files.folder.Path()});
    HWND dialog = WaitForFileDialog(host.Id(), "Choose the PDF file");

    ChooseFile(dialog, "missing.pdf");
    MessageBoxInfo box = WaitForMessageBox(host.Id(), "");
    EXPECT_EQ(box.text, "File does not exist");
    EXPECT_EQ(box.owner, dialog);
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    // The dialog under the box takes no clicks.
    EXPECT_THROW(ClickButton(dialog, IDOK), DriverError);
    AnswerMessageBox(box, IDOK);

    ChooseFile(dialog, files.folder.File("missing\\a.pdf"));
    box = WaitForMessageBox(host.Id(), "");
    EXPECT_EQ(box.text, "Path does not exist");
    AnswerMessageBox(box, IDOK);

    EXPECT_TRUE(IsWindowVisible(dialog));
    CancelFileDialog(dialog);
    EXPECT_EQ(host.Result()["return"], "0");
}

TEST(OpenDialog, TakesRealKeysAndNonAsciiNames)
{
    Files files(FolderName::NonAscii);
    std::string name = "\xC4rger \xFC.pdf";   // "Ärger ü.pdf" in code page 1252
    WriteFileBytes(files.folder.File(name), "%PDF-1.4\n");
    DialogHost host({"kind=open", "title=Type", "dir=" + files.folder.Path()});
    HWND dialog = WaitForFileDialog(host.Id(), "Type");
    HWND edit = FileNameEdit(dialog);
    TypeText(edit, name);
    WaitForText(edit, name);
    PressEnter(dialog);
    auto result = host.Result();
    EXPECT_EQ(result["return"], "1");
    EXPECT_EQ(result["selection"], files.folder.File(name));
}

// The program shows its target dialogs as open dialogs with the overwrite
// prompt option; only a save dialog asks.
TEST(OpenDialog, NeverAsksBeforeOverwriting)
{
    Files files;
    DialogHost host({"kind=open", "title=Save the target PDF file for combine", "options=0x0608",
                     "dir=" + files.folder.Path()});
    HWND dialog = WaitForFileDialog(host.Id(), "Save the target PDF file for combine");
    ChooseFile(dialog, "a.pdf");
    auto result = host.Result();
    EXPECT_EQ(result["return"], "1");
    EXPECT_EQ(result["selection"], files.folder.File("a.pdf"));
}

TEST(SaveDialog, AsksBeforeOverwritingAndAddsTheExtensionOnce)
{
    Files files;
    const std::string title = "Save the target PDF file for merge";
    DialogHost host({"kind=save", "title=" + title, "options=0x0608", "defext=.pdf", "dir=" + files.folder.Path()});
    HWND dialog = WaitForFileDialog(host.Id(), title);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDOK)), "&Save");

    ChooseFile(dialog, "a");
    MessageBoxInfo box = WaitForMessageBox(host.Id(), title);
    EXPECT_EQ(box.text, "File already exists.\nDo you want to replace it?");
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    EXPECT_EQ(box.owner, dialog);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDYES, IDNO}));
    AnswerMessageBox(box, IDNO);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(TextOf(FileNameEdit(dialog)), "a");

    ChooseFile(dialog, "b.pdf");
    EXPECT_EQ(AnswerOverwritePrompt(dialog, IDYES), box.text);
    auto result = host.Result();
    EXPECT_EQ(result["return"], "1");
    EXPECT_EQ(result["selection"], files.folder.File("b.pdf"));
}

TEST(SaveDialog, NewNameGetsTheDefaultExtension)
{
    Files files;
    DialogHost host({"kind=save", "options=0x0608", "defext=.pdf", "dir=" + files.folder.Path()});
    HWND dialog = WaitForFileDialog(host.Id(), "Save As");
    ChooseFile(dialog, "merged");
    EXPECT_EQ(host.Result()["selection"], files.folder.File("merged.pdf"));

    DialogHost plain({"kind=save", "options=0x0608", "dir=" + files.folder.Path()});
    dialog = WaitForFileDialog(plain.Id(), "Save As");
    ChooseFile(dialog, "merged");
    EXPECT_EQ(plain.Result()["selection"], files.folder.File("merged"));
}
