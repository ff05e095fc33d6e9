// Clicks, change events, close queries and the main loop.
#include "UiTestSupport.h"

using namespace uitest;

namespace {

class Events : public UiTest {};

struct Counter {
    int clicks = 0;
    int changes = 0;
    int movedAway = 0;
    Control* lastSender = nullptr;
};

void CountClick(Counter* counter, Control* sender)
{
    ++counter->clicks;
    counter->lastSender = sender;
}

void CountChange(Counter* counter, Control*)
{
    ++counter->changes;
}

void CountMovedAway(Counter* counter, Control*)
{
    ++counter->movedAway;
}

} // namespace

TEST_F(Events, ButtonClickRunsItsHandlerOnceAndDoubleClickTwice)
{
    Control* form = NewForm();
    Control* button = CreateButton(form, "Repair a PDF")->PlaceAt(20, 20)->ResizeTo(120, 30);
    Counter counter;
    button->SetClickHandler(&CountClick, &counter);
    ShowForm(form);

    ClickAt(button->Window());
    EXPECT_EQ(counter.clicks, 1);
    EXPECT_EQ(counter.lastSender, button);
    EXPECT_EQ(GetFocus(), button->Window());

    counter.clicks = 0;
    Sleep(GetDoubleClickTime() + 50);
    ClickAt(button->Window(), true);
    EXPECT_EQ(counter.clicks, 2);
}

TEST_F(Events, DoubleClickMessageIsASecondPress)
{
    Control* form = NewForm();
    Control* button = CreateButton(form, "Burst a PDF")->PlaceAt(20, 20);
    Counter counter;
    button->SetClickHandler(&CountClick, &counter);
    ShowForm(form);
    HWND window = button->Window();
    const LPARAM point = MAKELPARAM(5, 5);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(window, WM_LBUTTONUP, 0, point);
    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageA(window, WM_LBUTTONUP, 0, point);
    EXPECT_EQ(counter.clicks, 2);
}

TEST_F(Events, RadioClickChecksItUnchecksItsGroupThenRunsItsEvent)
{
    Control* form = NewForm();
    Control* all = CreateRadioButton(form, "all")->PlaceAt(8, 100);
    Control* even = CreateRadioButton(form, "even")->PlaceAt(8, 130);
    Control* odd = CreateRadioButton(form, "odd")->PlaceAt(8, 160);
    Control* group = CreateGroupBox(form, "Encryption")->PlaceAt(200, 8);
    Control* bits40 = CreateRadioButton(group, "40 bit")->PlaceAt(8, 24);
    Control* bits128 = CreateRadioButton(group, "128 bit")->PlaceAt(8, 47);
    struct Seen {
        Control* odd;
        int clicks = 0;
        bool checkedWhenRun = false;
    } seen{odd};
    odd->SetClickHandler(MakeEventRef(&seen, +[](Seen* s, Control*) {
        ++s->clicks;
        s->checkedWhenRun = s->odd->IsChecked();
    }));
    ShowForm(form);
    bits128->CheckRadio();

    ClickAt(odd->Window());
    EXPECT_EQ(seen.clicks, 1);
    EXPECT_TRUE(seen.checkedWhenRun);
    EXPECT_TRUE(odd->IsChecked());
    EXPECT_FALSE(all->IsChecked());
    EXPECT_FALSE(even->IsChecked());
    EXPECT_TRUE(bits128->IsChecked());
    EXPECT_FALSE(bits40->IsChecked());

    ClickAt(bits40->Window());
    EXPECT_TRUE(bits40->IsChecked());
    EXPECT_FALSE(bits128->IsChecked());
    EXPECT_TRUE(odd->IsChecked());
}

TEST_F(Events, EditChangeAndFocusMovedAwayEvents)
{
    Control* form = NewForm();
    Control* first = CreateEditBox(form, 0)->PlaceAt(8, 8);
    Control* second = CreateEditBox(form, 0)->PlaceAt(8, 40);
    Counter counter;
    first->SetChangeHandler(MakeEventRef(&counter, &CountChange));
    first->SetFocusMovedAwayHandler(MakeEventRef(&counter, &CountMovedAway));
    ShowForm(form);
    first->Focus();
    SetWindowTextA(first->Window(), "typed");
    EXPECT_EQ(counter.changes, 1);
    ClickAt(second->Window());
    EXPECT_EQ(GetFocus(), second->Window());
    EXPECT_EQ(form->FocusedChild(), second);
    EXPECT_EQ(counter.movedAway, 1);
}

TEST_F(Events, FormFocusGoesToItsFocusedChild)
{
    Control* form = NewForm();
    CreateLabel(form, "no tab stop");
    Control* edit = CreateEditBox(form, 0)->PlaceAt(8, 40);
    CreateButton(form, "later")->PlaceAt(8, 80);
    EXPECT_EQ(form->FocusedChild(), edit);
    ShowForm(form);
    SetFocus(form->Window());
    PumpFor(20);
    EXPECT_EQ(GetFocus(), edit->Window());
}

namespace {

struct CloseScript {
    int queries = 0;
    bool aliveAtSecond = false;
    HWND window = nullptr;
};

void RefuseFirstClose(CloseScript* script, Control*, bool* allow)
{
    ++script->queries;
    if (script->queries == 1) {
        *allow = false;
        PostMessageA(script->window, WM_CLOSE, 0, 0);
    } else {
        script->aliveAtSecond = IsWindow(script->window) != FALSE;
    }
}

} // namespace

TEST_F(Events, RefusedCloseKeepsTheFormWhileTheLoopRuns)
{
    Control* form = NewForm("Main");
    CloseScript script;
    form->SetCloseHandler(&RefuseFirstClose, &script);
    form->MakeWindow();
    script.window = form->Window();
    RunLater(50, [&script] { PostMessageA(script.window, WM_CLOSE, 0, 0); });
    RunLater(5000, [] { AppTerminated = true; });   // a safety net only

    Control* running = form;
    RunMainLoop(running);
    EXPECT_EQ(script.queries, 2);
    EXPECT_TRUE(script.aliveAtSecond);
    EXPECT_FALSE(IsWindow(script.window));
    EXPECT_EQ(running, nullptr);
    EXPECT_EQ(AppMainForm, nullptr);
    EXPECT_FALSE(AppRunning);
    EXPECT_TRUE(AppTerminated);
}

TEST_F(Events, ClosingTheMainFormEndsTheLoopAndShowsItFirst)
{
    Control* form = NewForm("Main");
    Control* button = CreateButton(form, "Close")->PlaceAt(448, 8);
    button->GetHandle();   // built hidden, as while the main window is built
    EXPECT_FALSE(IsWindowVisible(form->Window()));
    struct Seen {
        Control* form;
        bool visible = false;
        bool buttonVisible = false;
    } seen{form};
    RunLater(50, [&seen] {
        seen.visible = IsWindowVisible(seen.form->Window()) != FALSE;
        seen.buttonVisible = IsWindowVisible(seen.form->Children()[0]->Window()) != FALSE;
        seen.form->CloseWindow();
    });
    RunLater(5000, [] { AppTerminated = true; });
    HWND window = form->Window();
    Control* running = form;
    RunMainLoop(running);
    EXPECT_TRUE(seen.visible);
    EXPECT_TRUE(seen.buttonVisible);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(form->HasWindow());
}

TEST_F(Events, QuitMessageEndsTheLoop)
{
    Control* form = NewForm("Main");
    RunLater(30, [] { PostQuitMessage(0); });
    RunLater(5000, [] { AppTerminated = true; });
    Control* running = form;
    RunMainLoop(running);
    EXPECT_TRUE(AppTerminated);
    EXPECT_TRUE(IsWindow(form->Window()));
}

TEST_F(Events, CloseQueryCannotRefuseWhileNoLoopRuns)
{
    Control* main = NewForm("Main");
    AppMainForm = main;
    Control* other = CreateForm(main, "Other");
    other->MakeWindow();
    CloseScript script;
    other->SetCloseHandler(MakeEventRef(&script, +[](CloseScript* s, Control*, bool* allow) {
        ++s->queries;
        *allow = false;
    }));
    SendMessageA(other->Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(script.queries, 1);
    EXPECT_FALSE(other->HasWindow());
    EXPECT_FALSE(AppTerminated);   // not the main form: the program goes on
    EXPECT_TRUE(IsWindow(main->Window()));
}
