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
