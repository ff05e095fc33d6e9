#include "app/actions/EncryptionActions.h"
#include "app/Unit1.h"
#include "app/actions/ActionSteps.h"
#include "ops/EncryptionArguments.h"
#include "ui/Control.h"
#include "ui/FileDialog.h"
#include "ui/MessageBoxes.h"

namespace velmora {

namespace {

constexpr char kTargetFileTitle[] = "Choose the target PDF file";

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

void CarryOut(const EncryptionPlan& plan)
{
    if (!plan.refusal.empty()) {
        ShowMessageBox(plan.refusal, MB_OK | MB_ICONERROR, kDescriptionTitle);
        return;
    }
    RunToolCallAskingFirst(plan.call);
}

} // namespace

void EncryptPdf(MainWindow* window, Control*)
{
    EncryptionFields fields;
    fields.pdfFile = window->PdfFileEdit->GetText();
    fields.target = window->TargetEdit->GetText();
    fields.userPassword = window->UserPasswordEdit->GetText();
    fields.ownerPassword = window->OwnerPasswordEdit->GetText();
    fields.strength40 = window->Encrypt40Radio->IsChecked();
    fields.permissions = CheckedPermissions(window);
    CarryOut(PlanEncryption(fields));
}

void DecryptPdf(MainWindow* window, Control*)
{
    DecryptionFields fields;
    fields.pdfFile = window->PdfFileEdit->GetText();
    fields.target = window->TargetEdit->GetText();
    fields.ownerPassword = window->OwnerPasswordEdit->GetText();
    CarryOut(PlanDecryption(fields));
}

// The save dialog opens on the field's own text, so it shows the proposed
// target's folder and name; it asks itself before an existing file is named.
// Its title is set each time: merge borrows the same dialog. Wine titles the
// question before replacing with the dialog's title, "Error" when it has none.
void ChooseTargetFile(MainWindow* window, Control*)
{
    FileDialog* dialog = window->TargetFileDialog;
    dialog->title = kTargetFileTitle;
    dialog->fileName = window->TargetEdit->GetText();
    if (RunFileDialog(dialog))
        window->TargetEdit->SetText(dialog->fileName);
}

} // namespace velmora
