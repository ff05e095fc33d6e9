#include "app/actions/SingleFileActions.h"
#include "app/Unit1.h"
#include "app/actions/ActionSteps.h"
#include "ops/OperationPaths.h"
#include "ops/SingleFileArguments.h"
#include "ui/Control.h"
#include "ui/FileDialog.h"
#include "ui/MessageBoxes.h"

namespace velmora {

namespace {

using CallFor = ToolCall (*)(const std::string& input);

void RunOnChosenPdf(MainWindow* window, CallFor call)
{
    auto input = ChooseInputPdf(window);
    if (input)
        RunToolCallAskingFirst(NotingShortName(call(input->path), *input));
}

} // namespace

void ChoosePdfFile(MainWindow* window, Control*)
{
    if (!RunFileDialog(window->PdfFileDialog))
        return;
    auto input = HandOnChosenFile(window->PdfFileDialog->wideFileName);
    if (!input)
        return;
    window->PdfFileEdit->SetText(input->path);
    window->TargetEdit->SetText(ProposedTarget(window->PdfFileEdit->GetText()));
}

void RepairPdf(MainWindow* window, Control*)
{
    ShowNotice(kRepairNotice);
    RunOnChosenPdf(window, &RepairCall);
}

void BurstPdf(MainWindow* window, Control*)
{
    ShowNotice(kBurstNotice);
    RunOnChosenPdf(window, &BurstCall);
}

void CompressPdf(MainWindow* window, Control*)
{
    RunOnChosenPdf(window, &CompressCall);
}

void UncompressPdf(MainWindow* window, Control*)
{
    RunOnChosenPdf(window, &UncompressCall);
}

void DumpPdfData(MainWindow* window, Control*)
{
    RunOnChosenPdf(window, &DumpCall);
}

void RotateAll(MainWindow* window, Control*)
{
    auto input = ChooseInputPdf(window);
    if (input)
        RunToolCallAskingFirst(NotingShortName(RotateCall(input->path, window->RotationCombo->GetItemIndex()), *input));
}

} // namespace velmora
