#include "app/actions/SingleFileActions.h"
#include "app/ChosenPdf.h"
#include "app/MainWindow.h"
#include "app/actions/ActionSteps.h"
#include "ops/SingleFileArguments.h"
#include "ui/Control.h"
#include "ui/FileDialog.h"
#include "ui/MessageBoxes.h"

namespace velmora {

namespace {

using CallFor = ToolCall (*)(const std::string& input);

void RunOnChosenPdf(MainWindow* window, CallFor call)
{
    if (auto input = ChooseInputPdf(window))
        RunAskingFirst(PlanOnInput(*input, call));
}

} // namespace

void ChoosePdfFile(MainWindow* window, Control*)
{
    if (RunFileDialog(window->PdfFileDialog) && !window->PdfFileDialog->wideFileName.empty())
        ShowPdfFile(window, window->PdfFileDialog->wideFileName);
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
    if (!input)
        return;
    const int rotation = window->RotationCombo->GetItemIndex();
    RunAskingFirst(PlanOnInput(*input, [rotation](const std::string& name) { return RotateCall(name, rotation); }));
}

} // namespace velmora
