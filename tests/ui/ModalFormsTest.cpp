// Showing a form modally over the main form.
#include "UiTestSupport.h"
#include "ui/InputQuery.h"

using namespace uitest;

namespace {

class ModalForms : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        main = NewForm("Main");
        mainEdit = CreateEditBox(main, 0)->PlaceAt(8, 8);
        mainButton = CreateButton(main, "Run")->PlaceAt(8, 40);
        AppMainForm = main;
        AppRunning = true;
        output = CreateForm(main, "Output");
        output->PlaceAt(300, 200)->ResizeClientArea(300, 200);
        output->SetVisible(false);
        memo = CreateEditBox(output, EditMultiLine)->PlaceAt(8, 0)->ResizeTo(280, 150);
        okButton = CreateButton(output, "OK")->PlaceAt(100, 160);
        okButton->SetClickHandler(MakeEventRef(output, +[](Control* form, Control*) { form->SetModalResult(1); }));
        ShowForm(main);
        mainButton->Focus();
        PumpFor(20);
    }

    Control* main = nullptr;
    Control* mainEdit = nullptr;
    Control* mainButton = nullptr;
    Control* output = nullptr;
    Control* memo = nullptr;
    Control* okButton = nullptr;
};

} // namespace

TEST_F(ModalForms, CloseBoxEndsTheWaitWithMinusOne)
{
    struct Seen {
        bool mainDisabled = false;
        bool outputVisible = false;
        int disableCount = 0;
        int modalLevel = 0;
        Control* modalForm = nullptr;
        bool alive = false;
    } seen;
    RunLater(100, [&] {
        seen.mainDisabled = !IsWindowEnabled(main->Window());
        seen.outputVisible = IsWindowVisible(output->Window()) != FALSE;
        seen.disableCount = main->DisableCount();
        seen.modalLevel = output->ModalLevel();
        seen.modalForm = main->ModalForm();
        SendMessageA(output->Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    RunLater(6000, [] { AppTerminated = true; });
    const int result = ShowAsModal(output);
    EXPECT_EQ(result, -1);
    EXPECT_TRUE(seen.mainDisabled);
    EXPECT_TRUE(seen.outputVisible);
    EXPECT_EQ(seen.disableCount, 1);
    EXPECT_EQ(seen.modalLevel, 1);
    EXPECT_EQ(seen.modalForm, output);
    // The close box did not destroy the window, nor end the program.
    EXPECT_TRUE(IsWindow(output->Window()));
    EXPECT_FALSE(AppTerminated);
    EXPECT_TRUE(IsWindowEnabled(main->Window()));
    EXPECT_EQ(main->DisableCount(), 0);
    EXPECT_EQ(main->ModalForm(), nullptr);
    EXPECT_FALSE(main->HasMessageFilter(&DisabledClickFilter));
    EXPECT_FALSE(output->HasMessageFilter(&ModalCloseFilter));
    // The control that had the focus has it again.
    PumpFor(30);
    EXPECT_EQ(GetFocus(), mainButton->Window());
    EXPECT_EQ(main->FocusedChild(), mainButton);
}

TEST_F(ModalForms, OkButtonEndsTheWaitWithOneAndTheFormCanBeShownAgain)
{
    RunLater(100, [&] { ClickAt(okButton->Window()); });
    RunLater(6000, [] { AppTerminated = true; });
    EXPECT_EQ(ShowAsModal(output), 1);
    output->SetVisible(false);

    memo->SetText("second run");
    RunLater(100, [&] { PostMessageA(output->Window(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(ShowAsModal(output), -1);
    EXPECT_EQ(memo->GetText(), "second run");
    EXPECT_TRUE(IsWindowEnabled(main->Window()));
}

TEST_F(ModalForms, ClickOnTheDisabledMainFormBringsTheModalFormForward)
{
    struct Seen {
        LRESULT cursorResult = 0;
        HWND foreground = nullptr;
        HWND foregroundAfterClick = nullptr;
    } seen;
    RunLater(100, [&] {
        SetForegroundWindow(main->Window());
        // Windows asks a disabled window for its cursor with HTERROR.
        seen.cursorResult = SendMessageA(main->Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(main->Window()),
                                         MAKELPARAM(static_cast<WORD>(HTERROR), WM_LBUTTONDOWN));
        seen.foreground = GetForegroundWindow();
        SetForegroundWindow(main->Window());
        ClickAt(mainEdit->Window());
        seen.foregroundAfterClick = GetForegroundWindow();
        PostMessageA(output->Window(), WM_CLOSE, 0, 0);
    });
    RunLater(6000, [] { AppTerminated = true; });
    ShowAsModal(output);
    EXPECT_EQ(seen.cursorResult, 1);
    EXPECT_EQ(seen.foreground, output->Window());
    EXPECT_EQ(seen.foregroundAfterClick, output->Window());
    EXPECT_NE(mainEdit->GetText(), "x");
}

TEST_F(ModalForms, NestedWaitsKeepTheEnableStateRight)
{
    Control* second = CreateForm(main, "Second");
    second->SetVisible(false);
    second->PlaceAt(350, 250)->ResizeTo(200, 120);
    struct Seen {
        bool disabledInInner = false;
        bool disabledAfterInner = false;
        int disableCountInInner = 0;
        Control* modalInInner = nullptr;
        Control* modalAfterInner = nullptr;
        int innerResult = 0;
    } seen;
    RunLater(100, [&] {
        RunLater(100, [&] {
            seen.disabledInInner = !IsWindowEnabled(main->Window());
            seen.disableCountInInner = main->DisableCount();
            seen.modalInInner = main->ModalForm();
            second->SetModalResult(5);
        });
        seen.innerResult = ShowAsModal(second);
        seen.disabledAfterInner = !IsWindowEnabled(main->Window());
        seen.modalAfterInner = main->ModalForm();
        output->SetModalResult(7);
    });
    RunLater(8000, [] { AppTerminated = true; });
    EXPECT_EQ(ShowAsModal(output), 7);
    EXPECT_EQ(seen.innerResult, 5);
    EXPECT_TRUE(seen.disabledInInner);
    EXPECT_EQ(seen.disableCountInInner, 1);
    EXPECT_EQ(seen.modalInInner, second);
    EXPECT_TRUE(seen.disabledAfterInner);
    EXPECT_EQ(seen.modalAfterInner, output);
    EXPECT_TRUE(IsWindowEnabled(main->Window()));
    EXPECT_EQ(main->DisableCount(), 0);
}

TEST_F(ModalForms, ProgramEndDuringTheWaitEndsItWithZero)
{
    RunLater(100, [] { AppTerminated = true; });
    RunLater(6000, [] { AppTerminated = true; });
    EXPECT_EQ(ShowAsModal(output), 0);
    EXPECT_TRUE(IsWindowEnabled(main->Window()));
}


// The input query is modal like the Output window, however it ends.
TEST_F(ModalForms, InputQueryDisablesTheMainFormUntilItEnds)
{
    const std::pair<std::string, void (*)(HWND)> endings[] = {
        {"OK", [](HWND query) { ClickAt(FindWindowExA(query, nullptr, "obj_BUTTON", "OK")); }},
        {"Cancel", [](HWND query) { ClickAt(FindWindowExA(query, nullptr, "obj_BUTTON", "Cancel")); }},
        {"Escape", [](HWND) { PressKey(VK_ESCAPE); }},
        {"close box", [](HWND query) { SendMessageA(query, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"program end", [](HWND) { PostQuitMessage(0); }},
    };
    int mainClicks = 0;
    mainButton->SetClickHandler(MakeEventRef(&mainClicks, +[](int* clicks, Control*) { ++*clicks; }));
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.first);
        bool mainDisabled = false;
        HWND query = nullptr, modal = nullptr;
        RunLater(100, [&] {
            query = FindWindowA("obj_Form", "Pages");
            mainDisabled = !IsWindowEnabled(main->Window());
            modal = main->ModalForm() ? main->ModalForm()->Window() : nullptr;
            ClickAt(mainButton->Window());
            ending.second(query);
        });
        RunLater(6000, [] { AppTerminated = true; });
        std::string value = "A1-12";
        EXPECT_EQ(QueryText("Pages", "Which pages?", value), ending.first == "OK");
        EXPECT_EQ(AppTerminated, ending.first == "program end");
        AppTerminated = false;
        EXPECT_TRUE(mainDisabled);
        EXPECT_EQ(mainClicks, 0);
        EXPECT_EQ(modal, query);
        EXPECT_TRUE(IsWindowEnabled(main->Window()));
        EXPECT_EQ(main->DisableCount(), 0);
        EXPECT_FALSE(main->Events().preview.IsSet()) << "the query left its key logic on the main form";
        PumpFor(30);
        EXPECT_EQ(GetFocus(), mainButton->Window());
    }
}

// A password typed into the query shows as bullets and still comes back whole.
TEST_F(ModalForms, HiddenQueryShowsBulletsAndGivesTheTypedText)
{
    LONG style = 0;
    RunLater(100, [&] {
        HWND query = FindWindowA("obj_Form", "Password");
        HWND edit = FindWindowExA(query, nullptr, "obj_EDIT", nullptr);
        style = GetWindowLongA(edit, GWL_STYLE);
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("s3cret"));
        ClickAt(FindWindowExA(query, nullptr, "obj_BUTTON", "OK"));
    });
    RunLater(6000, [] { AppTerminated = true; });
    std::string value;
    EXPECT_TRUE(QueryText("Password", "Open password of a.pdf:", value, true));
    EXPECT_TRUE(style & ES_PASSWORD);
    EXPECT_EQ(value, "s3cret");
}
