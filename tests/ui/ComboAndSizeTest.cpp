// Fixed-size forms, size limits and combo boxes.
#include "UiTestSupport.h"

using namespace uitest;

namespace {

class FixedSize : public UiTest {};
class ComboBox : public UiTest {};

struct HeightLog {
    std::vector<int> heights;
};

bool LogRequestedHeights(Control*, MessageRecord& message, LRESULT*, void* data)
{
    if (message.message == WM_WINDOWPOSCHANGING) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(message.lParam);
        if (!(pos->flags & SWP_NOSIZE))
            static_cast<HeightLog*>(data)->heights.push_back(pos->cy);
    }
    return false;
}

} // namespace

TEST_F(FixedSize, BorderHitsAreRefusedAndSizeIsGreyed)
{
    Control* form = NewForm();
    ShowForm(form);
    form->SetResizable(false);
    SendMessageA(form->Window(), WM_INITMENU, 0, 0);
    HMENU menu = GetSystemMenu(form->Window(), FALSE);
    EXPECT_TRUE(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);

    RECT rect;
    GetWindowRect(form->Window(), &rect);
    auto hit = [&](int x, int y) {
        return SendMessageA(form->Window(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
    };
    EXPECT_EQ(hit(rect.right - 1, (rect.top + rect.bottom) / 2), HTNOWHERE);
    EXPECT_EQ(hit(rect.right - 1, rect.bottom - 1), HTNOWHERE);
    EXPECT_EQ(hit(rect.left, (rect.top + rect.bottom) / 2), HTNOWHERE);
    EXPECT_EQ(hit((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2), HTCLIENT);
    const int captionY = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    EXPECT_EQ(hit((rect.left + rect.right) / 2, captionY), HTCAPTION);

    MINMAXINFO info = {};
    SendMessageA(form->Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, rect.right - rect.left);
    EXPECT_EQ(info.ptMaxTrackSize.x, rect.right - rect.left);
    EXPECT_EQ(info.ptMinTrackSize.y, rect.bottom - rect.top);

    // Resizable again: the border works again.
    form->SetResizable(true);
    EXPECT_EQ(hit(rect.right - 1, (rect.top + rect.bottom) / 2), HTRIGHT);
}

TEST_F(FixedSize, SizeLimitsBoundTheTrackingSize)
{
    Control* form = NewForm();
    form->SetSizeLimit(MaxWidthLimit, 500)->SetSizeLimit(MinHeightLimit, 120);
    form->MakeWindow();
    MINMAXINFO info = {};
    SendMessageA(form->Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, 500);
    EXPECT_EQ(info.ptMaxSize.x, 500);
    EXPECT_EQ(info.ptMinTrackSize.y, 120);
    form->SetWidth(800);
    EXPECT_LE(form->GetWidth(), 500);
}

TEST_F(ComboBox, DropDownHeightFollowsTheItemCount)
{
    Control* form = NewForm();
    Control* combo = CreateComboBox(form, ComboDropDownList | ComboNoIntegralHeight)->PlaceAt(20, 20);
    for (int i = 0; i < 6; ++i)
        combo->SetItemText(i, "item " + std::to_string(i));
    combo->SetItemIndex(0);
    int droppedEvents = 0;
    combo->SetListDroppedDownHandler(MakeEventRef(&droppedEvents, +[](int* n, Control*) { ++*n; }));
    ShowForm(form);
    combo->Focus();
    const int closedHeight = combo->GetHeight();
    HeightLog log;
    combo->AddMessageFilter(&LogRequestedHeights, &log);

    SendMessageA(combo->Window(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(30);
    ASSERT_FALSE(log.heights.empty());
    EXPECT_EQ(log.heights.front(), 7 * closedHeight + 2);
    EXPECT_EQ(droppedEvents, 1);
    EXPECT_TRUE(IsWindowVisible(combo->Window()));
    SendMessageA(combo->Window(), CB_SHOWDROPDOWN, FALSE, 0);
    PumpFor(30);

    // More than eight items count as eight, none as one.
    for (int i = 6; i < 12; ++i)
        combo->SetItemText(i, "more " + std::to_string(i));
    log.heights.clear();
    SendMessageA(combo->Window(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(30);
    ASSERT_FALSE(log.heights.empty());
    EXPECT_EQ(log.heights.front(), 9 * closedHeight + 2);
    SendMessageA(combo->Window(), CB_SHOWDROPDOWN, FALSE, 0);
    combo->ClearItems();
    log.heights.clear();
    SendMessageA(combo->Window(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(30);
    ASSERT_FALSE(log.heights.empty());
    EXPECT_EQ(log.heights.front(), 2 * closedHeight + 2);
    SendMessageA(combo->Window(), CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ComboBox, EscapeInTheOpenListRestoresTheSelection)
{
    Control* form = NewForm();
    Control* combo = CreateComboBox(form, ComboDropDownList | ComboNoIntegralHeight)->PlaceAt(20, 20);
    for (int i = 0; i < 6; ++i)
        combo->SetItemText(i, "item " + std::to_string(i));
    combo->SetItemIndex(2);
    ShowForm(form);
    combo->Focus();
    PumpFor(20);
    SendMessageA(combo->Window(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpFor(20);
    EXPECT_EQ(GetFocus(), combo->Window());
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_TRUE(SendMessageA(combo->Window(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(combo->GetItemIndex(), 4);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(SendMessageA(combo->Window(), CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(combo->GetItemIndex(), 2);
}

TEST_F(ComboBox, SelectionEventRunsAfterTheSelectionIsInPlace)
{
    Control* form = NewForm();
    Control* combo = CreateComboBox(form, ComboDropDownList | ComboNoIntegralHeight)->PlaceAt(20, 20);
    for (int i = 0; i < 4; ++i)
        combo->SetItemText(i, "item " + std::to_string(i));
    combo->SetItemIndex(0);
    struct Seen {
        Control* combo;
        std::vector<int> indexes;
    } seen{combo};
    combo->SetChangeHandler(MakeEventRef(&seen, +[](Seen* s, Control*) {
        s->indexes.push_back(s->combo->GetItemIndex());
    }));
    ShowForm(form);
    combo->Focus();
    PumpFor(20);
    PressKey(VK_DOWN);   // a closed list steps to the next item
    const std::vector<int> expected = {1};
    EXPECT_EQ(seen.indexes, expected);
}

TEST_F(ComboBox, EditableComboSubclassesItsFieldUntilDestroyed)
{
    Control* form = NewForm();
    form->EnableKeyboardNavigation();
    Control* combo = CreateComboBox(form, 0)->PlaceAt(20, 20);
    Control* after = CreateButton(form, "after")->PlaceAt(20, 60);
    ShowForm(form);
    HWND field = GetWindow(combo->Window(), GW_CHILD);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(ClassNameOf(field), "Edit");
    EXPECT_NE(GetPropA(field, "PREV_PROC"), nullptr);

    // Focus in the field counts as focus on the combo box; Tab leaves it.
    SetFocus(field);
    PumpFor(20);
    EXPECT_EQ(form->FocusedChild(), combo);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), after->Window());
    EXPECT_EQ(GetWindowTextLengthA(field), 0);

    SendMessageA(combo->Window(), WM_DESTROY, 0, 0);
    EXPECT_EQ(GetPropA(field, "PREV_PROC"), nullptr);
}

namespace {

class ListBox : public UiTest {};

// Presses on one line of the list, moves in steps to another, lets go.
void DragLine(Control* list, int from, int to)
{
    RECT a = {}, b = {};
    SendMessageA(list->Window(), LB_GETITEMRECT, from, reinterpret_cast<LPARAM>(&a));
    SendMessageA(list->Window(), LB_GETITEMRECT, to, reinterpret_cast<LPARAM>(&b));
    POINT start = {a.left + 20, (a.top + a.bottom) / 2};
    ClientToScreen(list->Window(), &start);
    const int rise = b.top - a.top;
    INPUT button = {};
    button.type = INPUT_MOUSE;
    for (int step = 0; step <= 5; ++step) {
        SetCursorPos(start.x, start.y + rise * step / 5);
        button.mi.dwFlags = step == 0 ? MOUSEEVENTF_LEFTDOWN : step == 5 ? MOUSEEVENTF_LEFTUP : 0;
        if (button.mi.dwFlags)
            SendInput(1, &button, sizeof button);
        PumpFor(30);
    }
}

} // namespace

// The arrow keys choose lines (the selection is the change event) and Tab
// leaves the list; the system's drag list tells where a line was dropped
// and leaves the moving to the handler.
TEST_F(ListBox, KeysChooseLinesAndADraggedLineIsReported)
{
    Control* form = NewForm();
    form->EnableKeyboardNavigation();
    Control* list = CreateListBox(form, ListDragItems | ListNoIntegralHeight)->PlaceAt(60, 20)->ResizeTo(150, 120);
    Control* after = CreateButton(form, "after")->PlaceAt(250, 20);
    for (int i = 0; i < 4; ++i)
        list->SetItemText(i, "line " + std::to_string(i));
    list->SetItemIndex(1);
    int changes = 0;
    list->SetChangeHandler(MakeEventRef(&changes, +[](int* n, Control*) { ++*n; }));
    std::vector<std::pair<int, int>> drags;
    list->SetItemDraggedHandler(MakeEventRef(&drags, +[](std::vector<std::pair<int, int>>* d, Control*, int from,
                                                          int before) { d->push_back({from, before}); }));
    ShowForm(form);
    list->Focus();
    PumpFor(20);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(list->GetItemIndex(), 3);
    EXPECT_EQ(changes, 2);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), after->Window());

    DragLine(list, 0, 2);
    DragLine(list, 3, 1);
    DragLine(list, 1, 1);   // let go where it was: no move
    EXPECT_EQ(drags, (std::vector<std::pair<int, int>>{{0, 2}, {3, 1}}));
    EXPECT_EQ(list->GetItemCount(), 4);
    list->ClearItems();
    EXPECT_EQ(list->GetItemCount(), 0);
}
