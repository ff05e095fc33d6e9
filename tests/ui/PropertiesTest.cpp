// Geometry, fitting, radio groups, tab positions, list items and fonts.
#include "UiTestSupport.h"

using namespace uitest;

namespace {

class Properties : public UiTest {};

SIZE MeasureIn(Control* control, const std::string& text)
{
    HDC dc = GetDC(control->Window());
    HGDIOBJ old = SelectObject(dc, control->GetFont()->Handle());
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control->Window(), dc);
    return size;
}

// Counts the size and position changes Windows is asked for.
bool CountPositionChanges(Control*, MessageRecord& message, LRESULT*, void* data)
{
    if (message.message == WM_WINDOWPOSCHANGING) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(message.lParam);
        if ((pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE))
            ++*static_cast<int*>(data);
    }
    return false;
}

} // namespace

TEST_F(Properties, FittedSizeIsTextPlusTheKindsAllowance)
{
    Control* form = NewForm();
    Control* button = CreateButton(form, "Re-Compress a PDF only")->PlaceAt(8, 8)->SetAutoSize(true);
    Control* check = CreateCheckBox(form, "ModifyContents")->SetAutoSize(true);
    Control* label = CreateLabel(form, "Owner password")->SetAutoSize(true);
    Control* empty = CreateButton(form, "")->SetAutoSize(true);

    const SIZE buttonText = MeasureIn(button, "Re-Compress a PDF only");
    EXPECT_GT(buttonText.cx, 0);
    EXPECT_EQ(button->GetWidth(), buttonText.cx + 14);
    EXPECT_EQ(button->GetHeight(), buttonText.cy + 6);
    EXPECT_EQ(WindowSize(button->Window()).cx, buttonText.cx + 14);
    const SIZE checkText = MeasureIn(check, "ModifyContents");
    EXPECT_EQ(check->GetWidth(), checkText.cx + 24);
    EXPECT_EQ(check->GetHeight(), checkText.cy + 6);
    const SIZE labelText = MeasureIn(label, "Owner password");
    EXPECT_EQ(label->GetWidth(), labelText.cx + 1);
    EXPECT_EQ(label->GetHeight(), labelText.cy + 1);
    EXPECT_EQ(empty->GetWidth(), 14);
    EXPECT_EQ(empty->GetHeight(), 6);

    // The fit follows the text and the font.
    button->SetText("OK");
    EXPECT_EQ(button->GetWidth(), MeasureIn(button, "OK").cx + 14);
    button->GetFont()->SetFontField(FontHeightField, 20);
    EXPECT_EQ(button->GetHeight(), MeasureIn(button, "OK").cy + 6);
    EXPECT_GE(button->GetHeight(), 20 + 6);
    // The minimum width limit wins over the fit.
    button->SetSizeLimit(MinWidthLimit, 90);
    button->SetText("x");
    EXPECT_EQ(button->GetWidth(), 90);
    // Off: the size stays as it is.
    button->SetAutoSize(false);
    button->SetText("A much longer caption than before");
    EXPECT_EQ(button->GetWidth(), 90);
}

TEST_F(Properties, ResizeWithZeroKeepsThatDimension)
{
    Control* form = NewForm();
    Control* edit = CreateEditBox(form, 0)->PlaceAt(58, 368)->ResizeTo(0, 40);
    EXPECT_EQ(edit->GetWidth(), 100);
    EXPECT_EQ(edit->GetHeight(), 40);
    edit->ResizeTo(65, 0);
    EXPECT_EQ(edit->GetWidth(), 65);
    EXPECT_EQ(edit->GetHeight(), 40);
    EXPECT_EQ(edit->GetLeft(), 58);
    EXPECT_EQ(edit->GetTop(), 368);

    const int width = form->GetWidth(), height = form->GetHeight();
    form->ResizeClientArea(0, 0);
    EXPECT_EQ(form->GetWidth(), width);
    EXPECT_EQ(form->GetHeight(), height);
    // Asked before the form's window exists, the size holds once it is made.
    ASSERT_FALSE(form->HasWindow());
    form->ResizeClientArea(533, 416);
    RECT client;
    GetClientRect(form->GetHandle(), &client);
    EXPECT_EQ(client.right, 533);
    EXPECT_EQ(client.bottom, 416);
    form->ResizeClientArea(300, 0);
    GetClientRect(form->Window(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 416);
}

TEST_F(Properties, EqualBoundsDoNotReachWindowsAgain)
{
    Control* form = NewForm();
    Control* button = CreateButton(form, "b");
    button->GetHandle();
    int changes = 0;
    button->AddMessageFilter(&CountPositionChanges, &changes);
    button->PlaceAt(30, 40)->ResizeTo(70, 25);
    const int afterFirst = changes;
    EXPECT_GE(afterFirst, 1);
    button->PlaceAt(30, 40)->ResizeTo(70, 25);
    EXPECT_EQ(changes, afterFirst);
    RECT same = button->GetBounds();
    button->SetBounds(same);
    EXPECT_EQ(changes, afterFirst);
    // One set-bounds step is one call.
    RECT moved = {1, 2, 51, 32};
    button->SetBounds(moved);
    EXPECT_EQ(changes, afterFirst + 1);
}

TEST_F(Properties, RadioButtonsOfOneParentFormOneGroup)
{
    Control* form = NewForm();
    Control* group = CreateGroupBox(form, "Encryption");
    Control* bits40 = CreateRadioButton(group, "40 bit");
    Control* bits128 = CreateRadioButton(group, "128 bit");
    Control* all = CreateRadioButton(form, "all");
    Control* even = CreateRadioButton(form, "even");
    Control* odd = CreateRadioButton(form, "odd");

    // The first radio button of each parent starts checked.
    EXPECT_TRUE(bits40->IsChecked());
    EXPECT_FALSE(bits128->IsChecked());
    EXPECT_TRUE(all->IsChecked());
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(GetPropA(form->Window(), "RAD_1ST")), all->Id());
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(GetPropA(form->Window(), "RAD_LST")), odd->Id());
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(GetPropA(group->Window(), "RAD_1ST")), bits40->Id());

    bits128->MakeWindow();
    bits128->CheckRadio();
    EXPECT_TRUE(bits128->IsChecked());
    EXPECT_FALSE(bits40->IsChecked());
    EXPECT_TRUE(all->IsChecked());   // the other group is untouched

    even->CheckRadio();
    EXPECT_TRUE(even->IsChecked());
    EXPECT_FALSE(all->IsChecked());
    EXPECT_FALSE(odd->IsChecked());
    EXPECT_TRUE(bits128->IsChecked());
}

TEST_F(Properties, CheckRadioRaisesClickWithoutMovingTheFocus)
{
    Control* form = NewForm();
    Control* edit = CreateEditBox(form, 0);
    Control* first = CreateRadioButton(form, "first");
    Control* second = CreateRadioButton(form, "second");
    int clicks = 0;
    second->SetClickHandler(MakeEventRef(&clicks, +[](int* n, Control*) { ++*n; }));
    ShowForm(form);
    edit->Focus();
    ASSERT_EQ(GetFocus(), edit->Window());
    second->CheckRadio();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetFocus(), edit->Window());
    EXPECT_EQ(form->FocusedChild(), edit);
    EXPECT_TRUE(second->GetStyle() & WS_TABSTOP);
    EXPECT_FALSE(first->IsChecked());
}

TEST_F(Properties, SetTabIndexShiftsTheFocusableControlsBehind)
{
    Control* form = NewForm();
    Control* label = CreateLabel(form, "label");       // 1
    Control* a = CreateEditBox(form, 0);               // 2
    Control* b = CreateButton(form, "b");              // 3
    Control* hidden = CreateButton(form, "hidden");    // 4
    Control* c = CreateEditBox(form, 0);               // 5
    Control* d = CreateButton(form, "d");              // 6
    hidden->SetVisible(false);
    EXPECT_EQ(label->GetTabIndex(), 1);
    EXPECT_EQ(d->GetTabIndex(), 6);

    d->SetTabIndex(2);
    EXPECT_EQ(d->GetTabIndex(), 2);
    EXPECT_EQ(a->GetTabIndex(), 3);
    EXPECT_EQ(b->GetTabIndex(), 4);
    EXPECT_EQ(hidden->GetTabIndex(), 4);   // not focusable: not moved
    EXPECT_EQ(c->GetTabIndex(), 6);
    EXPECT_EQ(label->GetTabIndex(), 1);
    // The first tab-stop control created is the form's focused child.
    EXPECT_EQ(form->FocusedChild(), a);
}

TEST_F(Properties, SetItemTextFillsAnEmptyComboInOrder)
{
    Control* form = NewForm();
    Control* combo = CreateComboBox(form, ComboDropDownList | ComboNoIntegralHeight);
    combo->SetColor(WindowColor);
    const char* items[] = {"90 degress", "180 degress", "270 degress", "-90 degress", "+90 degress", "+180 degress"};
    for (int i = 0; i < 6; ++i)
        combo->SetItemText(i, items[i]);
    combo->SetItemIndex(0);
    ASSERT_EQ(combo->GetItemCount(), 6);
    for (int i = 0; i < 6; ++i) {
        char text[64] = "";
        SendMessageA(combo->Window(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, items[i]);
    }
    EXPECT_EQ(combo->GetItemIndex(), 0);

    // Replacing keeps the position, the selection and the item's data.
    SendMessageA(combo->Window(), CB_SETITEMDATA, 2, 777);
    combo->SetItemIndex(4);
    combo->SetItemText(2, "two-seventy");
    EXPECT_EQ(combo->GetItemCount(), 6);
    EXPECT_EQ(combo->GetItemIndex(), 4);
    EXPECT_EQ(SendMessageA(combo->Window(), CB_GETITEMDATA, 2, 0), 777);
    char text[64] = "";
    SendMessageA(combo->Window(), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "two-seventy");
    combo->ClearItems();
    EXPECT_EQ(combo->GetItemCount(), 0);
}

TEST_F(Properties, ChildrenShareTheFormsFontAndEqualNamesMakeNoNewFont)
{
    Control* form = NewForm();
    Control* button = CreateButton(form, "b");
    Control* label = CreateLabel(form, "l");
    form->MakeWindow();
    const HFONT shared = reinterpret_cast<HFONT>(SendMessageA(button->Window(), WM_GETFONT, 0, 0));
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label->Window(), WM_GETFONT, 0, 0)), shared);
    EXPECT_EQ(button->GetFont()->FaceName(), "MS Sans Serif");
    EXPECT_EQ(button->GetFont()->LogFont().lfHeight, 10);
    EXPECT_FALSE(button->GetFont()->OwnsGdiFont());

    button->GetFont()->SetFontName("MS Sans Serif");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button->Window(), WM_GETFONT, 0, 0)), shared);
    EXPECT_FALSE(button->GetFont()->OwnsGdiFont());

    // A changed child makes its own font; the others keep the shared one.
    button->GetFont()->SetFontName("Arial");
    const HFONT own = reinterpret_cast<HFONT>(SendMessageA(button->Window(), WM_GETFONT, 0, 0));
    EXPECT_NE(own, shared);
    EXPECT_TRUE(button->GetFont()->OwnsGdiFont());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(label->Window(), WM_GETFONT, 0, 0)), shared);
    LOGFONTA logFont = {};
    ASSERT_NE(GetObjectA(own, sizeof logFont, &logFont), 0);
    EXPECT_STREQ(logFont.lfFaceName, "Arial");

    // A face name longer than LOGFONT holds is cut, never overrun.
    label->GetFont()->SetFontName(std::string(40, 'x'));
    EXPECT_EQ(label->GetFont()->FaceName(), std::string(31, 'x'));
}

TEST_F(Properties, ColoursResolveSystemIndexesAndShareBrushes)
{
    EXPECT_EQ(ResolveColor(WindowColor), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ResolveColor(RGB(1, 2, 3)), RGB(1, 2, 3));

    Control* form = NewForm();
    Control* panel = CreatePanel(form, SunkenEdge);
    Control* button = CreateButton(panel, "b");
    Control* edit = CreateEditBox(form, 0);
    edit->SetColor(WindowColor);
    // Same colour as the parents: the outermost one's brush.
    EXPECT_EQ(button->GetBackgroundBrush(), form->GetBackgroundBrush());
    EXPECT_NE(edit->GetBackgroundBrush(), form->GetBackgroundBrush());

    // A reflected colour request answers with the control's colours.
    HDC dc = GetDC(edit->Window());
    const LRESULT brush = SendMessageA(form->Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(edit->Window()));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), edit->GetBackgroundBrush());
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    ReleaseDC(edit->Window(), dc);

    edit->SetColor(RGB(255, 255, 255));
    LOGBRUSH logBrush = {};
    GetObjectA(edit->GetBackgroundBrush(), sizeof logBrush, &logBrush);
    EXPECT_EQ(logBrush.lbColor, RGB(255, 255, 255));
}

TEST_F(Properties, MessageBoxIsOwnedByTheMainFormAndTitledWithItsCaption)
{
    Control* form = NewForm("Velmora caption ");
    ShowForm(form);
    AppMainForm = form;
    struct Seen {
        HWND owner = nullptr;
        std::string title;
        DWORD exStyle = 0;
    } seen;
    // The box is closed while it runs its own loop.
    RunLater(200, [&seen] {
        HWND box = FindWindowA("#32770", nullptr);
        seen.owner = GetWindow(box, GW_OWNER);
        char title[128] = "";
        GetWindowTextA(box, title, sizeof title);
        seen.title = title;
        seen.exStyle = ExStyleOf(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ShowNotice("Successful executed");
    EXPECT_EQ(seen.owner, form->Window());
    EXPECT_EQ(seen.title, "Velmora caption ");
}
