#include "app/actions/EncryptionActions.h"
#include "app/ChosenPdf.h"
#include "app/MainWindow.h"
#include "app/actions/ActionSteps.h"
#include "ops/EncryptionArguments.h"
#include "ui/Control.h"
#include "ui/FileDialog.h"
#include "ui/MessageBoxes.h"

namespace velmora {

namespace {

constexpr char kTargetFileTitle[] = "Choose the target PDF file";

std::string TargetTooWideNotice(const WideText& chosen)
{
    return "The Target field cannot hold this name: it has characters that the system's code page lacks.\r\n" +
           ShownAnsi(chosen) + "\r\nChoose another name for the target.";
}

// The PDF file field's file as pdftk gets it: the field's text, as it
// always was, where that names the file; the file itself by a stand-in name
// where the field shows '?' for letters the code page lacks.
InputName FieldInput(MainWindow* window)
{
    if (ChosenPdf.empty() || FitsCodePage(ChosenPdf.data())) {
        InputName input;
        input.name = window->PdfFileEdit->GetText();
        return input;
    }
    return NameForTool(ChosenPdf);
}

Permissions CheckedPermissions(MainWindow* w)
{
    Permissions p;
    p.printing = w->PrintingCheck->IsChecked();
    p.degradedPrinting = w->DegradedPrintingCheck->IsChecked();
    p.modifyContents = w->ModifyContentsCheck->IsChecked();
    p.assembly = w->AssemblyCheck->IsChecked();
    p.copyContents = w->CopyContentsCheck->IsChecked();
    p.screenReaders = w->ScreenReadersCheck->IsChecked();
    p.modifyAnnotations = w->ModifyAnnotationsCheck->IsChecked();
    p.fillIn = w->FillInCheck->IsChecked();
    p.allFeatures = w->AllFeaturesCheck->IsChecked();
    return p;
}

void CarryOut(const InputName& input, const EncryptionPlan& plan)
{
    if (!plan.refusal.empty()) {
        ShowMessageBox(plan.refusal, MB_OK | MB_ICONERROR, kDescriptionTitle);
        return;
    }
    RunAskingFirst(RunOn(input, plan.call, OutputNaming::AsGiven));
}

} // namespace

void EncryptPdf(MainWindow* window, Control*)
{
    const InputName input = FieldInput(window);
    EncryptionFields fields;
    fields.pdfFile = input.name;
    fields.pdfPath = input.path;
    fields.target = window->TargetEdit->GetText();
    fields.userPassword = window->UserPasswordEdit->GetText();
    fields.ownerPassword = window->OwnerPasswordEdit->GetText();
    fields.strength40 = window->Encrypt40Radio->IsChecked();
    fields.permissions = CheckedPermissions(window);
    CarryOut(input, PlanEncryption(fields));
}

void DecryptPdf(MainWindow* window, Control*)
{
    const InputName input = FieldInput(window);
    DecryptionFields fields;
    fields.pdfFile = input.name;
    fields.pdfPath = input.path;
    fields.target = window->TargetEdit->GetText();
    fields.ownerPassword = window->OwnerPasswordEdit->GetText();
    CarryOut(input, PlanDecryption(fields));
}

// The save dialog opens on the field's own text, so it shows the proposed
// target's folder and name; it asks itself before an existing file is named.
// Its title is set each time: merge borrows the same dialog. Wine titles the
// question before replacing with the dialog's title, "Error" when it has none.
// The field is 8-bit text: a name it cannot hold is refused at once rather
// than shown with '?' and refused at the run.
void ChooseTargetFile(MainWindow* window, Control*)
{
    FileDialog* dialog = window->TargetFileDialog;
    dialog->title = kTargetFileTitle;
    dialog->fileName = window->TargetEdit->GetText();
    if (!RunFileDialog(dialog))
        return;
    if (FitsCodePage(dialog->wideFileName.data()))
        window->TargetEdit->SetText(dialog->fileName);
    else
        ShowNotice(TargetTooWideNotice(dialog->wideFileName));
}

} // namespace velmora
