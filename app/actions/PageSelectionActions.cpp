#include "app/actions/PageSelectionActions.h"
#include "app/MainWindow.h"
#include "app/actions/ActionSteps.h"
#include "ops/PageSelectionArguments.h"
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
    if (!input)
        return;
    const CatFields fields = ReadCatFields(window);
    RunAskingFirst(PlanOnInput(*input, [&fields](const std::string& name) { return CatCall(name, fields); }));
}

void RemovePages(MainWindow* window, Control*)
{
    auto input = ChooseInputPdf(window);
    if (!input)
        return;
    std::string ranges = kRemoveDefault;
    if (!QueryText(kRemoveTitle, kRemovePrompt, ranges))
        return;
    const std::string refusal = RemoveRefusal(ranges);
    if (!refusal.empty()) {
        ShowNotice(refusal);
        return;
    }
    if (!RemoveCall("", ranges))
        return;
    RunAskingFirst(PlanOnInput(*input, [&ranges](const std::string& name) { return *RemoveCall(name, ranges); }));
}

} // namespace velmora
