// Tab navigation, key events, and the default and cancel buttons.
#include "UiTestSupport.h"

using namespace uitest;

namespace {

class Keyboard : public UiTest {
protected:
    // A form like the main window's lower part: an edit box, a group box with
    // two radio buttons, a panel with buttons, and controls moved in the tab
    // order.
    void BuildForm()
    {
        form = NewForm();
        form->EnableKeyboardNavigation();
        label = CreateLabel(form, "PDF file")->PlaceAt(8, 8);
        edit = CreateEditBox(form, 0)->PlaceAt(60, 8);
        group = CreateGroupBox(form, "Encryption")->PlaceAt(8, 40)->ResizeTo(120, 90);
        group->SetTabStop(false);
        radio1 = CreateRadioButton(group, "40 bit")->PlaceAt(8, 24);
        radio2 = CreateRadioButton(group, "128 bit")->PlaceAt(8, 50);
        panel = CreatePanel(form, SunkenEdge)->PlaceAt(140, 40)->ResizeTo(200, 60);
        panelButton = CreateButton(panel, "Burst")->PlaceAt(7, 7);
        disabledButton = CreateButton(form, "disabled")->PlaceAt(8, 140);
        hiddenButton = CreateButton(form, "hidden")->PlaceAt(80, 140);
        lastEdit = CreateEditBox(form, 0)->PlaceAt(8, 170);
        disabledButton->SetEnabled(false);
        hiddenButton->SetVisible(false);
        ShowForm(form);
        edit->Focus();
        PumpFor(20);
    }

    Control* Focused() { return ControlFromWindow(GetFocus()); }

    Control* form = nullptr;
    Control* label = nullptr;
    Control* edit = nullptr;
    Control* group = nullptr;
    Control* radio1 = nullptr;
    Control* radio2 = nullptr;
    Control* panel = nullptr;
    Control* panelButton = nullptr;
    Control* disabledButton = nullptr;
    Control* hiddenButton = nullptr;
    Control* lastEdit = nullptr;
};

} // namespace

TEST_F(Keyboard, TabWalksOneSequenceAcrossNestingAndWraps)
{
    BuildForm();
    ASSERT_EQ(Focused(), edit);
    int radioClicks = 0;
    radio2->SetClickHandler(MakeEventRef(&radioClicks, +[](int* n, Control*) { ++*n; }));

    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), radio1);
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), radio2);
    // Reaching a radio button with Tab is no click.
    EXPECT_EQ(radioClicks, 0);
    EXPECT_FALSE(radio2->IsChecked());
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), panelButton);
    PressKey(VK_TAB);   // past the disabled and the hidden button
    EXPECT_EQ(Focused(), lastEdit);
    PressKey(VK_TAB);   // wraps around
    EXPECT_EQ(Focused(), edit);
    EXPECT_EQ(form->FocusedChild(), edit);
    EXPECT_EQ(GetWindowTextLengthA(edit->Window()), 0);
    EXPECT_EQ(GetWindowTextLengthA(lastEdit->Window()), 0);
}

TEST_F(Keyboard, ShiftTabGoesBackAndWraps)
{
    BuildForm();
    PressKey(VK_TAB, VK_SHIFT);
    EXPECT_EQ(Focused(), lastEdit);
    PressKey(VK_TAB, VK_SHIFT);
    EXPECT_EQ(Focused(), panelButton);
    PressKey(VK_TAB, VK_SHIFT);
    EXPECT_EQ(Focused(), radio2);
}

TEST_F(Keyboard, TabFollowsTabPositionsNotCreationOrder)
{
    BuildForm();
    disabledButton->SetEnabled(true);
    lastEdit->SetTabIndex(3);   // right after the edit box (position 2)
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), lastEdit);
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), radio1);
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    EXPECT_EQ(Focused(), disabledButton);
}

TEST_F(Keyboard, CtrlOrAltWithTabDoesNotMove)
{
    BuildForm();
    PressKey(VK_TAB, VK_CONTROL);
    EXPECT_EQ(Focused(), edit);
    PressKey(VK_TAB, VK_MENU);
    EXPECT_EQ(Focused(), edit);
}

TEST_F(Keyboard, TabCharacterNeverReachesASingleLineEdit)
{
    BuildForm();
    SendMessageA(edit->Window(), WM_CHAR, VK_TAB, 1);
    EXPECT_EQ(GetWindowTextLengthA(edit->Window()), 0);
    SendMessageA(edit->Window(), WM_CHAR, 'a', 1);
    EXPECT_EQ(edit->GetText(), "a");
}

TEST_F(Keyboard, EditBoxThatKeepsTabGetsIt)
{
    Control* form = NewForm();
    form->EnableKeyboardNavigation();
    Control* memo = CreateEditBox(form, EditMultiLine | EditKeepsTab | EditWantReturn);
    CreateButton(form, "next")->PlaceAt(250, 8);
    ShowForm(form);
    memo->Focus();
    PumpFor(20);
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), memo->Window());
}

TEST_F(Keyboard, KeyDownHandlerSeesKeysAndMayConsumeThem)
{
    Control* form = NewForm();
    Control* edit = CreateEditBox(form, 0);
    struct Seen {
        std::vector<uint32_t> keys;
        uint32_t shift = 0;
    } seen;
    edit->SetKeyDownHandler(MakeEventRef(&seen, +[](Seen* s, Control*, uint32_t* key, uint32_t shift) {
        s->keys.push_back(*key);
        s->shift = shift;
        if (*key == VK_DELETE)
            *key = 0;
    }));
    ShowForm(form);
    edit->Focus();
    PumpFor(20);
    PressKey('A', VK_SHIFT);
    EXPECT_TRUE(seen.shift & ShiftShift);
    PressKey(VK_HOME);
    PressKey(VK_DELETE);   // consumed: the edit box never sees it
    const std::vector<uint32_t> expected = {VK_SHIFT, 'A', VK_HOME, VK_DELETE};
    EXPECT_EQ(seen.keys, expected);
    EXPECT_FALSE(seen.shift & ShiftShift);
    EXPECT_EQ(edit->GetText(), "A");
}

namespace {

class DialogKeys : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        form = NewForm("Main");
        AppMainForm = form;
        AppRunning = true;
        edit = CreateEditBox(form, 0)->PlaceAt(8, 8);
        other = CreateButton(form, "Other")->PlaceAt(8, 40);
        memo = CreateEditBox(form, EditMultiLine)->PlaceAt(8, 70)->ResizeTo(200, 60);
        ok = CreateButton(form, "OK")->PlaceAt(220, 8);
        cancel = CreateButton(form, "Cancel")->PlaceAt(220, 40);
        ok->SetClickHandler(MakeEventRef(&okClicks, +[](int* n, Control*) { ++*n; }));
        cancel->SetClickHandler(MakeEventRef(&cancelClicks, +[](int* n, Control*) { ++*n; }));
        ok->SetDialogKeyButton(VK_RETURN, true);
        cancel->SetDialogKeyButton(VK_ESCAPE, true);
        ShowForm(form);
    }

    void FocusOn(Control* control)
    {
        control->Focus();
        PumpFor(20);
    }

    Control* form = nullptr;
    Control* edit = nullptr;
    Control* other = nullptr;
    Control* memo = nullptr;
    Control* ok = nullptr;
    Control* cancel = nullptr;
    int okClicks = 0;
    int cancelClicks = 0;
};

} // namespace

TEST_F(DialogKeys, RegisteredButtonsAreMarkedOnTheForm)
{
    EXPECT_EQ(GetPropA(form->Window(), "DFLT_BT"), static_cast<HANDLE>(ok));
    EXPECT_EQ(GetPropA(form->Window(), "CNCL_BT"), static_cast<HANDLE>(cancel));
    EXPECT_TRUE(StyleOf(ok->Window()) & BS_DEFPUSHBUTTON);
    ok->SetDialogKeyButton(VK_RETURN, false);
    EXPECT_EQ(GetPropA(form->Window(), "DFLT_BT"), nullptr);
    EXPECT_FALSE(StyleOf(ok->Window()) & BS_DEFPUSHBUTTON);
}

TEST_F(DialogKeys, EnterPressesTheDefaultButtonFromAnEditBox)
{
    FocusOn(edit);
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 0);
    EXPECT_EQ(GetFocus(), ok->Window());
}

TEST_F(DialogKeys, EnterOnAnotherButtonOrInAMemoIsTheirs)
{
    FocusOn(other);
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 0);
    EXPECT_EQ(GetFocus(), other->Window());
    FocusOn(memo);
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 0);
    FocusOn(cancel);
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 0);
    FocusOn(ok);
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 1);
}

TEST_F(DialogKeys, EscapePressesTheCancelButtonUnlessDisabled)
{
    FocusOn(edit);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    cancel->SetEnabled(false);
    FocusOn(edit);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
}

TEST_F(DialogKeys, NothingHappensOnceTheProgramEnds)
{
    FocusOn(edit);
    AppTerminated = true;
    PressKey(VK_RETURN);
    EXPECT_EQ(okClicks, 0);
    AppTerminated = false;
}

// The main window's build, as far as the tab order goes: controls made in
// one order, some windows made early and hidden, eleven moved tab positions.
TEST_F(Keyboard, BuildOrderAndMovedPositionsGiveTheTabSequence)
{
    Control* f = NewForm("Velmora");
    f->EnableKeyboardNavigation();
    AppMainForm = f;
    AppRunning = true;
    f->ResizeClientArea(533, 416);
    auto label = [&](const char* text, int x, int y) { CreateLabel(f, text)->PlaceAt(x, y)->SetAutoSize(true); };
    auto button = [&](Control* parent, const char* text, int x, int y) {
        return CreateButton(parent, text)->PlaceAt(x, y)->SetAutoSize(true);
    };
    label("PDF file", 16, 24);
    label("Target", 16, 56);
    label("User password", 400, 80);
    label("Owner password", 403, 124);
    label("Action", 8, 280);
    label("CAT from:", 8, 371);
    label("Cat to:", 128, 372);
    Control* pdfFile = CreateEditBox(f, EditReadOnly)->PlaceAt(60, 21)->ResizeTo(305, 22);
    Control* choosePdf = button(f, "...", 368, 24);
    Control* target = CreateEditBox(f, 0)->PlaceAt(62, 53)->ResizeTo(297, 22);
    Control* chooseTarget = button(f, "...", 368, 56);
    Control* close = CreateButton(f, "Close")->PlaceAt(448, 8)->ResizeTo(64, 22);
    Control* encryption = CreateGroupBox(f, "Encryption")->PlaceAt(8, 88)->ResizeTo(81, 81);
    encryption->SetTabStop(false);
    Control* bits40 = CreateRadioButton(encryption, "40 bit")->PlaceAt(8, 24)->ResizeTo(57, 22);
    Control* bits128 = CreateRadioButton(encryption, "128 bit")->PlaceAt(8, 47)->ResizeTo(57, 22);
    Control* permissions = CreateGroupBox(f, "permissions")->PlaceAt(96, 88)->ResizeTo(297, 186);
    permissions->SetTabStop(false);
    std::vector<Control*> checks;
    const char* checkTexts[] = {"Printing", "DegradedPrinting", "ModifyContents", "Assembly", "CopyContents",
                                "ScreenReaders", "ModifyAnnotations", "FillIn", "AllFeatures"};
    int y = 16;
    for (const char* text : checkTexts) {
        checks.push_back(CreateCheckBox(permissions, text)->PlaceAt(8, y)->SetAutoSize(true));
        y += 18;
    }
    Control* userPassword = CreateEditBox(f, 0)->PlaceAt(400, 96)->ResizeTo(100, 22);
    Control* panel = CreatePanel(f, SunkenEdge)->PlaceAt(16, 298)->ResizeTo(529, 65);
    Control* burst = button(panel, "Burst a PDF", 111, 7);
    Control* compress = button(panel, "Re-Compress a PDF only", 199, 7);
    Control* uncompress = button(panel, "Uncompress a PDF only", 343, 6);
    Control* dump = button(panel, "Dump a PDF", 7, 34);
    Control* cat = CreateButton(panel, "CAT")->PlaceAt(107, 34)->ResizeTo(35, 17);
    Control* remove = button(panel, "Remove", 159, 34);
    Control* repair = button(panel, "Repair a PDF", 7, 7);
    Control* join = button(panel, "Join", 230, 34);
    Control* merge = button(panel, "Merge", 277, 34);
    Control* rotate = CreateButton(panel, "Rotate all")->PlaceAt(335, 31)->ResizeTo(64, 22);
    Control* ownerPassword = CreateEditBox(f, 0)->PlaceAt(402, 140)->ResizeTo(100, 22);
    Control* encrypt = button(f, "Enrypt the PDF file", 408, 176);
    Control* about = CreateButton(f, "About")->PlaceAt(464, 376)->ResizeTo(64, 25);
    Control* decrypt = button(f, "Decrypt the PDF file", 408, 208);
    Control* catFrom = CreateEditBox(f, EditNumber)->PlaceAt(58, 368)->ResizeTo(65, 22);
    catFrom->SetText("1");
    Control* catTo = CreateEditBox(f, 0)->PlaceAt(160, 368)->ResizeTo(65, 22);
    Control* all = CreateRadioButton(f, "all")->PlaceAt(8, 392)->ResizeTo(41, 22);
    Control* even = CreateRadioButton(f, "even")->PlaceAt(61, 394)->SetAutoSize(true);
    Control* odd = CreateRadioButton(f, "odd")->PlaceAt(113, 393)->ResizeTo(72, 22);
    Control* rotation = CreateComboBox(f, ComboDropDownList | ComboNoIntegralHeight)->PlaceAt(352, 376);
    rotation->SetColor(WindowColor);
    for (int i = 0; i < 6; ++i)
        rotation->SetItemText(i, std::to_string(90 * (i + 1)));
    rotation->SetItemIndex(0);

    pdfFile->SetColor(WindowColor);
    bits128->MakeWindow();
    bits128->CheckRadio();
    target->SetColor(WindowColor);
    f->GetHandle();
    userPassword->SetColor(WindowColor);
    userPassword->SetTabIndex(7);
    ownerPassword->SetColor(WindowColor);
    ownerPassword->SetTabIndex(9);
    encrypt->SetTabIndex(10);
    about->SetTabIndex(11);
    decrypt->SetTabIndex(12);
    catFrom->SetColor(WindowColor);
    catFrom->SetTabIndex(13);
    catTo->SetColor(WindowColor);
    catTo->SetTabIndex(14);
    all->SetTabIndex(15);
    all->MakeWindow();
    all->CheckRadio();
    even->SetTabIndex(16);
    odd->SetTabIndex(17);
    rotation->SetTabIndex(18);
    f->CenterWindow();
    f->SetResizable(false);
    f->SendToControl(WM_INITMENU, 0, 0);
    EXPECT_FALSE(IsWindowVisible(f->Window()));

    ShowForm(f);
    PumpFor(50);
    EXPECT_EQ(Focused(), pdfFile);
    for (Control* c : {pdfFile, userPassword, rotation, burst, checks[8], bits40})
        EXPECT_TRUE(IsWindowVisible(c->Window()));

    std::vector<Control*> expected = {choosePdf, target, chooseTarget, close, bits40, bits128};
    expected.insert(expected.end(), checks.begin(), checks.end());
    for (Control* c : {burst, compress, uncompress, dump, cat, remove, repair, join, merge, rotate,
                       userPassword, ownerPassword, encrypt, about, decrypt, catFrom, catTo, all, even, odd,
                       rotation, pdfFile})
        expected.push_back(c);
    std::vector<Control*> visited;
    for (size_t i = 0; i < expected.size(); ++i) {
        PressKey(VK_TAB);
        visited.push_back(Focused());
    }
    EXPECT_EQ(visited, expected);
    // Reaching radio buttons with Tab checked none of them.
    EXPECT_TRUE(bits128->IsChecked());
    EXPECT_FALSE(bits40->IsChecked());
    EXPECT_TRUE(all->IsChecked());
    EXPECT_FALSE(even->IsChecked());
    EXPECT_EQ(catFrom->GetText(), "1");
}
