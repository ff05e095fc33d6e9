#include "app/Unit1.h"
#include "app/FindTool.h"
#include "app/actions/EncryptionActions.h"
#include "app/actions/MultiFileActions.h"
#include "app/actions/PageSelectionActions.h"
#include "app/actions/SingleFileActions.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/Control.h"
#include "ui/ControlKinds.h"
#include "ui/FileDialog.h"
#include "ui/FolderDialog.h"
#include "ui/Fonts.h"
#include "ui/MessageBoxes.h"
#include <windows.h>

namespace velmora {

MainWindow* TheMainWindow = nullptr;

namespace {

constexpr char kAboutText[] =
    "Velmora 0.49, a window in front of pdftk 0.93 or higher, by Orvandel Freeware\r\n"
    "https://orvandel.example.org/velmora";

constexpr uint16_t PlainField = 0;
constexpr uint16_t ReadOnlyField = EditReadOnly;
constexpr uint16_t DigitsField = EditNumber;
constexpr uint16_t RotationListOptions = ComboDropDownList | ComboNoIntegralHeight;
constexpr uint16_t TargetDialogOptions = FileHideReadOnly | FileOverwritePrompt | FilePathMustExist;

const char* const kRotations[] = {
    "90 degress", "180 degress", "270 degress", "-90 degress", "+90 degress", "+180 degress",
};

Control* BuildForm(MainWindow* w, Control* parent)
{
    Control* form = CreateForm(parent, kMainCaption)->PlaceAt(326, 295)->EnableKeyboardNavigation();
    // Its layout is fixed: maximized, it would only move to the corner.
    form->SetStyle(form->GetStyle() & ~WS_MAXIMIZEBOX);
    w->FormControl = form;
    AppMainForm = form;
    AddToFreeList(form, w);
    form->SetFilesDroppedHandler(&TakeDroppedFiles, w);

    // Centred before anything makes its window, so that it is made where it
    // stands.
    form->ResizeClientArea(533, 416)->CenterWindow();
    form->SetIconFromResource(GetModuleHandleA(nullptr), "MAIN");
    form->GetFont()->SetFontField(FontHeightField, 10);
    form->GetFont()->SetFontName("MS Sans Serif");
    return form;
}

void CreateDialogs(MainWindow* w, Control* form)
{
    w->PdfFileDialog = CreateFileDialog("Choose the PDF file", "", 0);
    w->PdfFileDialog->filter = "PDF *.pdf|*.pdf|All files|*.*";
    AddToFreeList(form, w->PdfFileDialog);

    w->TargetFileDialog = CreateFileDialog("", "", TargetDialogOptions);
    w->TargetFileDialog->defaultExtension = ".pdf";
    // It names files to be written: a save dialog, whose OK reads "Save".
    w->TargetFileDialog->open = false;
    AddToFreeList(form, w->TargetFileDialog);

    w->FolderDialog = CreateFolderDialog("", 0);
    AddToFreeList(form, w->FolderDialog);
}

// One creation call a control, in the order that fixes their tab positions.
void CreateControls(MainWindow* w, Control* form)
{
    w->PdfFileLabel = CreateLabel(form, "PDF file")->PlaceAt(16, 24)->SetAutoSize(true);
    w->TargetLabel = CreateLabel(form, "Target")->PlaceAt(16, 56)->SetAutoSize(true);
    w->UserPasswordLabel = CreateLabel(form, "User password")->PlaceAt(400, 80)->SetAutoSize(true);
    w->OwnerPasswordLabel = CreateLabel(form, "Owner password")->PlaceAt(403, 124)->SetAutoSize(true);
    w->ActionLabel = CreateLabel(form, "Action")->PlaceAt(8, 280)->SetAutoSize(true);
    w->CatFromLabel = CreateLabel(form, "CAT from:")->PlaceAt(8, 371)->SetAutoSize(true);
    w->CatToLabel = CreateLabel(form, "Cat to:")->PlaceAt(128, 372)->SetAutoSize(true);
    w->PdfFileEdit = CreateEditBox(form, ReadOnlyField)->PlaceAt(60, 21)->ResizeTo(305, 22);
    w->ChoosePdfButton = CreateButton(form, "...")->PlaceAt(368, 24)->SetAutoSize(true);
    w->TargetEdit = CreateEditBox(form, PlainField)->PlaceAt(62, 53)->ResizeTo(297, 22);
    w->ChooseTargetButton = CreateButton(form, "...")->PlaceAt(368, 56)->SetAutoSize(true);
    w->CloseButton = CreateButton(form, "Close")->PlaceAt(448, 8)->ResizeTo(64, 22);

    w->EncryptionGroup = CreateGroupBox(form, "Encryption")->SetTabStop(false)->PlaceAt(8, 88)->ResizeTo(81, 81);
    Control* strength = w->EncryptionGroup;
    w->Encrypt40Radio = CreateRadioButton(strength, "40 bit")->PlaceAt(8, 24)->ResizeTo(57, 22);
    w->Encrypt128Radio = CreateRadioButton(strength, "128 bit")->PlaceAt(8, 47)->ResizeTo(57, 22);

    w->PermissionsGroup = CreateGroupBox(form, "permissions")->SetTabStop(false)->PlaceAt(96, 88)->ResizeTo(297, 186);
    Control* allow = w->PermissionsGroup;
    w->PrintingCheck = CreateCheckBox(allow, "Printing - Top Quality Printing ")->PlaceAt(8, 16)->SetAutoSize(true);
    w->DegradedPrintingCheck =
        CreateCheckBox(allow, "DegradedPrinting - Lower Quality Printing ")->PlaceAt(8, 34)->SetAutoSize(true);
    w->ModifyContentsCheck = CreateCheckBox(allow, "ModifyContents")->PlaceAt(8, 52)->SetAutoSize(true);
    w->AssemblyCheck = CreateCheckBox(allow, "Assembly")->PlaceAt(8, 72)->SetAutoSize(true);
    w->CopyContentsCheck = CreateCheckBox(allow, "CopyContents")->PlaceAt(8, 90)->SetAutoSize(true);
    w->ScreenReadersCheck = CreateCheckBox(allow, "ScreenReaders")->PlaceAt(8, 107)->SetAutoSize(true);
    w->ModifyAnnotationsCheck = CreateCheckBox(allow, "ModifyAnnotations")->PlaceAt(8, 124)->SetAutoSize(true);
    w->FillInCheck = CreateCheckBox(allow, "FillIn")->PlaceAt(8, 142)->SetAutoSize(true);
    w->AllFeaturesCheck = CreateCheckBox(allow, "AllFeatures - Allows the user to perform all of the above")
                              ->PlaceAt(8, 161)->SetAutoSize(true);

    w->UserPasswordEdit = CreateEditBox(form, PlainField)->PlaceAt(400, 96)->ResizeTo(100, 22);

    w->ActionPanel = CreatePanel(form, SunkenEdge)->PlaceAt(16, 298)->ResizeTo(529, 65);
    Control* actions = w->ActionPanel;
    w->BurstButton = CreateButton(actions, "Burst a PDF")->PlaceAt(111, 7)->SetAutoSize(true);
    w->CompressButton = CreateButton(actions, "Re-Compress a PDF only")->PlaceAt(199, 7)->SetAutoSize(true);
    w->UncompressButton = CreateButton(actions, "Uncompress a PDF only")->PlaceAt(343, 6)->SetAutoSize(true);
    w->DumpButton = CreateButton(actions, "Dump a PDF")->PlaceAt(7, 34)->SetAutoSize(true);
    w->CatButton = CreateButton(actions, "CAT")->PlaceAt(107, 34)->ResizeTo(35, 17);
    w->RemoveButton = CreateButton(actions, "Remove")->PlaceAt(159, 34)->SetAutoSize(true);
    w->RepairButton = CreateButton(actions, "Repair a PDF")->PlaceAt(7, 7)->SetAutoSize(true);
    w->JoinButton = CreateButton(actions, "Join")->PlaceAt(230, 34)->SetAutoSize(true);
    w->MergeButton = CreateButton(actions, "Merge")->PlaceAt(277, 34)->SetAutoSize(true);
    w->RotateButton = CreateButton(actions, "Rotate all")->PlaceAt(335, 31)->ResizeTo(64, 22);

    w->OwnerPasswordEdit = CreateEditBox(form, PlainField)->PlaceAt(402, 140)->ResizeTo(100, 22);
    w->EncryptButton = CreateButton(form, "Enrypt the PDF file")->PlaceAt(408, 176)->SetAutoSize(true);
    w->AboutButton = CreateButton(form, "About")->PlaceAt(464, 376)->ResizeTo(64, 25);
    w->DecryptButton = CreateButton(form, "Decrypt the PDF file")->PlaceAt(408, 208)->SetAutoSize(true);
    w->CatFromEdit = CreateEditBox(form, DigitsField)->SetText("1")->PlaceAt(58, 368)->ResizeTo(65, 22);
    w->CatToEdit = CreateEditBox(form, PlainField)->PlaceAt(160, 368)->ResizeTo(65, 22);
    w->AllPagesRadio = CreateRadioButton(form, "all")->PlaceAt(8, 392)->ResizeTo(41, 22);
    w->EvenPagesRadio = CreateRadioButton(form, "even")->PlaceAt(61, 394)->SetAutoSize(true);
    w->OddPagesRadio = CreateRadioButton(form, "odd")->PlaceAt(113, 393)->ResizeTo(72, 22);

    w->RotationCombo = CreateComboBox(form, RotationListOptions)->PlaceAt(352, 376)->ResizeTo(100, 22);
    w->RotationCombo->SetColor(WindowColor);
    for (int i = 0; i < 6; ++i)
        w->RotationCombo->SetItemText(i, kRotations[i]);
    w->RotationCombo->SetItemIndex(0);
}

// Handlers, colours and tab places, in the order that yields the window's
// tab sequence: each SetTabIndex shifts what stands at or after its place.
void WireControls(MainWindow* w, Control* form)
{
    w->BurstButton->SetClickHandler(&BurstPdf, w);
    w->PdfFileEdit->SetColor(WindowColor);
    w->ChoosePdfButton->SetClickHandler(&ChoosePdfFile, w);
    w->ChooseTargetButton->SetClickHandler(&ChooseTargetFile, w);
    w->CompressButton->SetClickHandler(&CompressPdf, w);

    w->Encrypt128Radio->MakeWindow();
    w->Encrypt128Radio->CheckRadio();

    w->UncompressButton->SetClickHandler(&UncompressPdf, w);
    w->TargetEdit->SetColor(WindowColor);
    w->DumpButton->SetClickHandler(&DumpPdfData, w);
    w->CatButton->SetClickHandler(&CatPages, w);
    w->CloseButton->SetClickHandler(&CloseMainWindow, w);

    HWND owner = form->GetHandle();
    w->PdfFileDialog->owner = owner;
    w->TargetFileDialog->owner = owner;
    w->FolderDialog->owner = owner;

    w->RemoveButton->SetClickHandler(&RemovePages, w);
    w->RepairButton->SetClickHandler(&RepairPdf, w);
    w->JoinButton->SetClickHandler(&JoinFolder, w);
    w->UserPasswordEdit->SetColor(WindowColor);
    w->UserPasswordEdit->SetTabIndex(7);
    w->MergeButton->SetClickHandler(&MergeFiles, w);
    w->OwnerPasswordEdit->SetColor(WindowColor);
    w->OwnerPasswordEdit->SetTabIndex(9);
    w->RotateButton->SetClickHandler(&RotateAll, w);
    w->EncryptButton->SetClickHandler(&EncryptPdf, w);
    w->EncryptButton->SetTabIndex(10);
    w->AboutButton->SetClickHandler(&ShowAbout, w);
    w->AboutButton->SetTabIndex(11);
    w->DecryptButton->SetClickHandler(&DecryptPdf, w);
    w->DecryptButton->SetTabIndex(12);
    w->CatFromEdit->SetColor(WindowColor);
    w->CatFromEdit->SetTabIndex(13);
    w->CatToEdit->SetColor(WindowColor);
    w->CatToEdit->SetTabIndex(14);
    w->AllPagesRadio->SetTabIndex(15);

    w->AllPagesRadio->MakeWindow();
    w->AllPagesRadio->CheckRadio();

    w->EvenPagesRadio->SetTabIndex(16);
    w->OddPagesRadio->SetTabIndex(17);
    w->RotationCombo->SetTabIndex(18);
}

} // namespace

void BuildMainWindow(MainWindow*& window, Control* parent)
{
    window = CreateObject<MainWindow>();
    Control* form = BuildForm(window, parent);
    CreateDialogs(window, form);
    CreateControls(window, form);
    WireControls(window, form);

    form->SetResizable(false);
    // The fixed-size filter greys Size in the system menu when the menu is
    // initialised; doing it now shows it greyed from the start.
    form->SendToControl(WM_INITMENU, 0, 0);
}

void CloseMainWindow(MainWindow* window, Control*)
{
    PostMessageA(window->FormControl->GetHandle(), WM_CLOSE, 0, 0);
}

void ShowAbout(MainWindow*, Control*)
{
    ShowMessageBox(kAboutText, MB_OK | MB_ICONINFORMATION, "Description");
}

} // namespace velmora
