#include "ops/PageSelectionOperations.h"
#include "app/Unit1.h"
#include "ops/OperationSteps.h"
#include "ops/PageSelectionArguments.h"
#include "ops/ProcessExecution.h"
#include "ops/ToolLocation.h"
#include "ops/ToolRunner.h"
#include "ui/Control.h"
#include "ui/InputQuery.h"
#include "ui/MessageBoxes.h"

namespace velmora {

namespace {

CatFields ReadCatFields(MainWindow* w)
{
    CatFields fields;
    fields.from = w->CatFromEdit->GetText();
    fields.to = w->CatToEdit->GetText();
    fields.allPages = w->AllPagesRadio->IsChecked();
    fields.evenPages = w->EvenPagesRadio->IsChecked();
    fields.oddPages = w->OddPagesRadio->IsChecked();
    return fields;
}

} // namespace

void CatPages(MainWindow* window, Control*)
{
    const std::string refusal = CatRefusal(ReadCatFields(window));
    if (!refusal.empty()) {
        ShowNotice(refusal);
        return;
    }
    auto input = ChooseInputPdf(window);
    if (input)
        RunToolCall(CatCall(*input, ReadCatFields(window)));
}

// The tool gets a console of its own and nothing is captured, so the user
// watches pdftk work; the outcome is told as after any other run.
void RemovePages(MainWindow* window, Control*)
{
    auto input = ChooseInputPdf(window);
    if (!input)
        return;
    std::string ranges = kRemoveDefault;
    if (!QueryText(kRemoveTitle, kRemovePrompt, ranges))
        return;
    auto call = RemoveCall(*input, ranges);
    if (!call)
        return;
    TellOutcome(RunAndWait(ToolPath, call->arguments, call->folder, SW_SHOW, INFINITE));
}

} // namespace velmora
