#include "app/actions/PageSelectionActions.h"
#include "app/Unit1.h"
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
    if (input)
        RunToolCallAskingFirst(NotingShortName(CatCall(input->path, ReadCatFields(window)), *input));
}

void RemovePages(MainWindow* window, Control*)
{
    auto input = ChooseInputPdf(window);
    if (!input)
        return;
    std::string pages = kRemoveDefault;
    if (!QueryText(kRemoveTitle, kRemovePrompt, pages))
        return;
    const std::string refusal = RemoveRefusal(pages);
    if (!refusal.empty()) {
        ShowNotice(refusal);
        return;
    }
    auto call = RemoveCall(input->path, pages);
    if (call)
        RunToolCallAskingFirst(NotingShortName(*call, *input));
}

} // namespace velmora
