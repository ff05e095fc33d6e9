#include "app/MergeOrderWindow.h"
#include "app/MainWindow.h"
#include "app/MergeChoice.h"
#include "ops/MergeOrder.h"
#include "ui/Control.h"
#include "ui/ControlKinds.h"
#include "ui/ModalForms.h"
#include <algorithm>

namespace velmora {

namespace {

constexpr int OkResult = 1;
constexpr int CancelResult = -1;   // as the close box gives it
constexpr char kIntroText[] = "Files are merged from the top down. Drag a line to move it.";

struct OrderWindow {
    MainWindow* main = nullptr;
    Control* form = nullptr;
    Control* list = nullptr;
    Control* hint = nullptr;
    Control* okButton = nullptr;
    Control* cancelButton = nullptr;
    std::vector<std::string> files;
};

void ShowFiles(OrderWindow* w, int selected)
{
    w->list->ClearItems();
    const std::vector<std::string> lines = MergeListLines(w->files);
    for (size_t i = 0; i < lines.size(); ++i)
        w->list->SetItemText(static_cast<int>(i), lines[i]);
    const int last = static_cast<int>(w->files.size()) - 1;
    w->list->SetItemIndex(std::min(selected, last));
}

// The list's selected line; -1 when there is none.
int Selected(OrderWindow* w)
{
    return w->list->GetItemIndex();
}

void MoveSelected(OrderWindow* w, int step)
{
    const int from = Selected(w);
    if (from < 0)
        return;
    // Moving down by one means standing before the entry two places on.
    ShowFiles(w, MoveEntryBefore(w->files, from, step < 0 ? from - 1 : from + 2));
}

void MoveUp(OrderWindow* w, Control*)
{
    MoveSelected(w, -1);
}

void MoveDown(OrderWindow* w, Control*)
{
    MoveSelected(w, +1);
}

void RemoveSelected(OrderWindow* w, Control*)
{
    const int selected = Selected(w);
    if (selected < 0)
        return;
    w->files.erase(w->files.begin() + selected);
    ShowFiles(w, selected);
}

void AddFiles(OrderWindow* w, Control*)
{
    const std::optional<std::vector<std::string>> chosen = ChooseMergeFiles(w->main, w->form->GetHandle());
    if (!chosen)
        return;
    const int first = static_cast<int>(w->files.size());
    w->files.insert(w->files.end(), chosen->begin(), chosen->end());
    ShowFiles(w, first);
    w->hint->SetText("");
}

void SortFiles(OrderWindow* w, Control*)
{
    SortByNameOrTurnRound(w->files);
    ShowFiles(w, 0);
}

void ReverseFiles(OrderWindow* w, Control*)
{
    const int selected = Selected(w);
    std::reverse(w->files.begin(), w->files.end());
    ShowFiles(w, selected < 0 ? 0 : static_cast<int>(w->files.size()) - 1 - selected);
}

void MoveDragged(OrderWindow* w, Control*, int from, int before)
{
    ShowFiles(w, MoveEntryBefore(w->files, from, before));
}

// The list keeps the user's view of the order; OK with fewer than two files
// says there why instead of closing.
void ConfirmOrder(OrderWindow* w, Control*)
{
    if (w->files.size() < 2) {
        w->hint->SetText(kMergeNeedsTwoFiles);
        return;
    }
    w->form->SetModalResult(OkResult);
}

void CancelOrder(OrderWindow* w, Control*)
{
    w->form->SetModalResult(CancelResult);
}

// Enter presses the focused button, or OK from the list; Escape is Cancel
// wherever the focus is.
void OrderKeys(OrderWindow* w, Control* sender, uint32_t* key, uint32_t shift)
{
    const bool ctrl = (shift & ShiftCtrl) != 0;
    if (ctrl && (*key == VK_UP || *key == VK_DOWN))
        MoveSelected(w, *key == VK_UP ? -1 : +1);
    else if (*key == VK_DELETE && sender == w->list)
        RemoveSelected(w, sender);
    else if (*key == VK_ESCAPE)
        CancelOrder(w, sender);
    else if (*key == VK_RETURN && sender == w->list)
        ConfirmOrder(w, sender);
    else if (*key == VK_RETURN)
        sender->Events().click(sender);
    else
        return;
    *key = 0;
}

Control* AddButton(OrderWindow* w, const char* caption, int left, int top, void (*handler)(OrderWindow*, Control*))
{
    Control* button = CreateButton(w->form, caption)->PlaceAt(left, top)->ResizeTo(96, 25);
    button->SetClickHandler(handler, w);
    button->SetKeyDownHandler(&OrderKeys, w);
    return button;
}

// In creation order, which is the tab order: the list, the buttons beside
// it from the top, then OK and Cancel.
void BuildOrderWindow(OrderWindow* w)
{
    Control* form = w->form = CreateForm(w->main->FormControl, "Merge order");
    form->SetVisible(false);
    form->SetStyle(form->GetStyle() & ~static_cast<DWORD>(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    form->ResizeClientArea(448, 318)->EnableKeyboardNavigation();

    CreateLabel(form, kIntroText)->PlaceAt(8, 8)->SetAutoSize(true);
    // The system's drag list draws its insertion arrow left of the list.
    w->list = CreateListBox(form, ListDragItems | ListNoIntegralHeight)
                  ->PlaceAt(40, 32)->ResizeTo(288, 232);
    w->list->SetItemDraggedHandler(&MoveDragged, w);
    w->list->SetKeyDownHandler(&OrderKeys, w);

    AddButton(w, "Up", 340, 32, &MoveUp);
    AddButton(w, "Down", 340, 62, &MoveDown);
    AddButton(w, "Remove", 340, 92, &RemoveSelected);
    AddButton(w, "Add...", 340, 132, &AddFiles);
    AddButton(w, "Sort by name", 340, 172, &SortFiles);
    AddButton(w, "Reverse", 340, 202, &ReverseFiles);
    w->okButton = AddButton(w, "OK", 236, 284, &ConfirmOrder);
    w->cancelButton = AddButton(w, "Cancel", 340, 284, &CancelOrder);
    w->okButton->SetDialogKeyButton(VK_RETURN, true);

    w->hint = CreateLabel(form, "")->PlaceAt(8, 266)->ResizeTo(432, 16);
    form->SetResizable(false);
    form->CenterWindow();
}

} // namespace

std::optional<std::vector<std::string>> ArrangeMergeOrder(MainWindow* main, const std::vector<std::string>& files)
{
    OrderWindow w;
    w.main = main;
    w.files = files;
    BuildOrderWindow(&w);
    ShowFiles(&w, 0);
    const int result = ShowAsModal(w.form);
    ReleaseObject(w.form);
    if (result != OkResult)
        return std::nullopt;
    return w.files;
}

} // namespace velmora
