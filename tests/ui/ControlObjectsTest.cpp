// Kinds, lazy windows and lifetimes, as Windows sees them.
#include "UiTestSupport.h"
#include <vector>

using namespace uitest;

namespace {

struct KindCase {
    const char* name;
    Control* (*create)(Control* parent);
    const char* className;
    DWORD style;
    DWORD exStyle;
    int width, height;
};

const KindCase kinds[] = {
    {"label", [](Control* p) { return CreateLabel(p, "L"); }, "obj_STATIC",
     0x5600018C, WS_EX_CONTROLPARENT, 64, 22},
    {"sunken panel", [](Control* p) { return CreatePanel(p, SunkenEdge); }, "obj_STATIC",
     0x5600118C, WS_EX_CONTROLPARENT, 100, 100},
    {"group box", [](Control* p) { return CreateGroupBox(p, "G"); }, "obj_BUTTON",
     0x56000007, WS_EX_CONTROLPARENT, 100, 100},
    {"push button", [](Control* p) { return CreateButton(p, "B"); }, "obj_BUTTON",
     0x56015000, WS_EX_CONTROLPARENT, 64, 22},
    {"check box", [](Control* p) { return CreateCheckBox(p, "C"); }, "obj_BUTTON",
     0x56014003, WS_EX_CONTROLPARENT, 72, 22},
    {"radio button", [](Control* p) { return CreateRadioButton(p, "R"); }, "obj_BUTTON",
     0x56034004, WS_EX_CONTROLPARENT, 72, 22},
    // 3-D edit boxes trade WS_BORDER for a client edge.
    {"edit box", [](Control* p) { return CreateEditBox(p, 0); }, "obj_EDIT",
     0x560100C0, WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, 100, 22},
    {"read-only edit box", [](Control* p) { return CreateEditBox(p, EditReadOnly); }, "obj_EDIT",
     0x560108C0, WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, 100, 22},
    {"digits edit box", [](Control* p) { return CreateEditBox(p, EditNumber); }, "obj_EDIT",
     0x560120C0, WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, 100, 22},
    {"memo", [](Control* p) { return CreateEditBox(p, EditMultiLine); }, "obj_EDIT",
     0x563100C4, WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, 200, 200},
    {"drop-down list", [](Control* p) { return CreateComboBox(p, ComboDropDownList | ComboNoIntegralHeight); },
     "obj_COMBOBOX", 0x56210643, WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, 100, 22},
    {"list box", [](Control* p) { return CreateListBox(p, ListNoIntegralHeight | ListDragItems); },
     "obj_LISTBOX", 0x56210141, WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, 120, 96},
};

class ControlObjects : public UiTest {};

} // namespace

namespace {

// What the layer hands to CreateWindowExA, seen in the first message.
struct Creation {
    DWORD style = 0;
    DWORD exStyle = 0;
    int width = 0, height = 0;
};

bool RecordCreation(Control*, MessageRecord& message, LRESULT*, void* data)
{
    if (message.message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(message.lParam);
        auto* seen = static_cast<Creation*>(data);
        seen->style = static_cast<DWORD>(create->style);
        seen->exStyle = create->dwExStyle;
        seen->width = create->cx;
        seen->height = create->cy;
    }
    return false;
}

} // namespace

TEST_F(ControlObjects, KindsHaveTheirClassStyleAndDefaultSize)
{
    Control* form = NewForm();
    for (const KindCase& kind : kinds) {
        SCOPED_TRACE(kind.name);
        Control* control = kind.create(form);
        EXPECT_EQ(control->GetWidth(), kind.width);
        EXPECT_EQ(control->GetHeight(), kind.height);
        Creation seen;
        // A radio button's window is made at once: its group checks it.
        if (control->HasWindow()) {
            seen.style = StyleOf(control->Window());
            seen.exStyle = ExStyleOf(control->Window());
            seen.width = WindowSize(control->Window()).cx;
        }
        control->AddMessageFilter(&RecordCreation, &seen);
        HWND window = control->GetHandle();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ClassNameOf(window), kind.className);
        // Under a form not on the screen the window is made with its style;
        // nothing of it shows before the form does.
        EXPECT_EQ(seen.style, kind.style);
        EXPECT_EQ(seen.exStyle, kind.exStyle);
        EXPECT_EQ(seen.width, kind.width);
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_EQ(GetParent(window), form->Window());
        EXPECT_EQ(ControlFromWindow(window), control);
    }
    // Some classes change their own styles: a sunken static takes a static
    // edge, a combo box gives its scroll bar and client edge to its list.
    EXPECT_EQ(StyleOf(form->Window()) | WS_VISIBLE, 0x16CF0000u);
    EXPECT_EQ(ClassNameOf(form->Window()), "obj_Form");
    EXPECT_EQ(GetDlgCtrlID(form->Window()), 0);
    EXPECT_EQ(GetClassLongPtrA(form->Window(), GCL_STYLE) & CS_DBLCLKS, static_cast<ULONG_PTR>(CS_DBLCLKS));
}

TEST_F(ControlObjects, ChildrenTakeRisingIdentifiersFrom0x8000)
{
    Control* form = NewForm();
    Control* a = CreateButton(form, "a");
    Control* b = CreateLabel(form, "b");
    Control* c = CreateEditBox(form, 0);
    EXPECT_GE(a->Id(), 0x8000u);
    EXPECT_EQ(b->Id(), a->Id() + 1);
    EXPECT_EQ(c->Id(), a->Id() + 2);
    EXPECT_EQ(static_cast<UINT>(GetDlgCtrlID(c->GetHandle())), c->Id());
    EXPECT_EQ(GetDlgItem(form->Window(), static_cast<int>(a->Id())), a->GetHandle());
}

TEST_F(ControlObjects, WindowsAreMadeOnlyWhenNeeded)
{
    Control* form = CreateForm(nullptr, "Lazy");
    owned_.push_back(form);
    Control* button = CreateButton(form, "Press");
    button->PlaceAt(10, 20)->ResizeTo(80, 30);
    EXPECT_FALSE(form->HasWindow());
    EXPECT_FALSE(button->HasWindow());
    EXPECT_EQ(button->GetLeft(), 10);
    EXPECT_EQ(button->GetWidth(), 80);

    // Asking for the button's handle makes the form's window too, hidden;
    // the button is made visible within it, so it shows with the form.
    HWND window = button->GetHandle();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(form->HasWindow());
    EXPECT_FALSE(IsWindowVisible(form->Window()));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(StyleOf(window) & WS_VISIBLE);

    form->MakeWindow();
    EXPECT_TRUE(IsWindowVisible(form->Window()));
    EXPECT_TRUE(IsWindowVisible(window));
    RECT rect;
    GetWindowRect(window, &rect);
    POINT origin = {0, 0};
    ClientToScreen(form->Window(), &origin);
    EXPECT_EQ(rect.left - origin.x, 10);
    EXPECT_EQ(rect.top - origin.y, 20);
    EXPECT_EQ(rect.right - rect.left, 80);

    // On a form on the screen a new child waits hidden, however it is set
    // up, until the next MakeWindow shows it.
    Control* late = CreateButton(form, "Late");
    HWND lateWindow = late->GetHandle();
    EXPECT_FALSE(StyleOf(lateWindow) & WS_VISIBLE);
    EXPECT_TRUE(late->IsVisible());
    form->MakeWindow();
    EXPECT_TRUE(IsWindowVisible(lateWindow));
}

TEST_F(ControlObjects, HiddenByChoiceStaysHidden)
{
    Control* form = CreateForm(nullptr, "Hidden");
    owned_.push_back(form);
    form->SetVisible(false);
    Control* label = CreateLabel(form, "x");
    form->MakeWindow();
    EXPECT_FALSE(IsWindowVisible(form->Window()));
    EXPECT_TRUE(StyleOf(label->Window()) & WS_VISIBLE);
    form->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(label->Window()));
}

TEST_F(ControlObjects, FormPlacedByWindowsUntilPositionIsSet)
{
    Control* placed = CreateForm(nullptr, "Placed");
    owned_.push_back(placed);
    placed->PlaceAt(123, 87)->ResizeTo(300, 200);
    placed->MakeWindow();
    RECT rect;
    GetWindowRect(placed->Window(), &rect);
    EXPECT_EQ(rect.left, 123);
    EXPECT_EQ(rect.top, 87);
    EXPECT_EQ(rect.right - rect.left, 300);

    Control* free = CreateForm(nullptr, "Free");
    owned_.push_back(free);
    free->MakeWindow();
    EXPECT_GT(free->GetWidth(), 0);
    EXPECT_GT(free->GetHeight(), 0);
}

TEST_F(ControlObjects, FormWithOwnerIsOwnedTopLevelWindow)
{
    Control* main = NewForm("Main");
    Control* output = CreateForm(main, "Output");
    output->SetVisible(false);
    EXPECT_FALSE(output->IsChild());
    HWND window = output->GetHandle();
    EXPECT_EQ(GetWindow(window, GW_OWNER), main->Window());
    EXPECT_FALSE(StyleOf(window) & WS_CHILD);
    EXPECT_EQ(GetDlgCtrlID(window), 0);
}

namespace {

std::vector<std::string> destroyLog;

void LogDestroy(void* context, LayerObject*)
{
    destroyLog.push_back(static_cast<const char*>(context));
}

void LogWindowState(void* context, LayerObject* object)
{
    auto* form = static_cast<Control*>(context);
    (void)object;
    destroyLog.push_back(IsWindow(form->Window()) ? "form window alive" : "form window gone");
}

struct AppRecord : LayerObject {
    static int released;
    ~AppRecord() override { ++released; }
};
int AppRecord::released = 0;

} // namespace

TEST_F(ControlObjects, ReleasingAFormReleasesChildrenFirstExactlyOnce)
{
    destroyLog.clear();
    AppRecord::released = 0;
    Control* form = CreateForm(nullptr, "Owner");
    Control* group = CreateGroupBox(form, "group");
    Control* inGroup = CreateCheckBox(group, "inner");
    Control* button = CreateButton(form, "button");
    auto* record = CreateObject<AppRecord>();
    AddToFreeList(form, record);
    form->MakeWindow();
    HWND formWindow = form->Window();
    HWND buttonWindow = button->Window();
    HWND innerWindow = inGroup->Window();

    form->SetOnDestroy(&LogDestroy, const_cast<char*>("form"));
    group->SetOnDestroy(&LogDestroy, const_cast<char*>("group"));
    inGroup->SetOnDestroy(&LogDestroy, const_cast<char*>("inner"));
    button->SetOnDestroy(&LogWindowState, form);

    ReleaseObject(form);
    const std::vector<std::string> expected = {"form", "group", "inner", "form window alive"};
    EXPECT_EQ(destroyLog, expected);
    EXPECT_EQ(AppRecord::released, 1);
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_FALSE(IsWindow(buttonWindow));
    EXPECT_FALSE(IsWindow(innerWindow));
}

TEST_F(ControlObjects, ReleasedChildLeavesItsParentAndIsNotReleasedAgain)
{
    AppRecord::released = 0;
    Control* form = NewForm();
    Control* button = CreateButton(form, "gone");
    Control* kept = CreateButton(form, "kept");
    auto* record = CreateObject<AppRecord>();
    AddToFreeList(form, record);
    HWND window = button->GetHandle();
    ReleaseObject(button);
    EXPECT_FALSE(IsWindow(window));
    ASSERT_EQ(form->Children().size(), 1u);
    EXPECT_EQ(form->Children()[0], kept);
    // Released early, the application's record is not released with the form.
    ReleaseObject(record);
    EXPECT_EQ(AppRecord::released, 1);
    ReleaseObject(form);
    owned_.clear();
    EXPECT_EQ(AppRecord::released, 1);
}

TEST_F(ControlObjects, WindowDestroyedBySystemLeavesNoStaleHandle)
{
    Control* form = NewForm();
    Control* edit = CreateEditBox(form, 0);
    form->MakeWindow();
    HWND formWindow = form->Window();
    DestroyWindow(formWindow);
    EXPECT_FALSE(form->HasWindow());
    EXPECT_FALSE(edit->HasWindow());
    // The object lives on and makes a new window when asked.
    edit->SetText("again");
    HWND again = edit->GetHandle();
    ASSERT_NE(again, nullptr);
    EXPECT_NE(form->Window(), formWindow);
    char text[16] = "";
    GetWindowTextA(again, text, sizeof text);
    EXPECT_STREQ(text, "again");
}

TEST_F(ControlObjects, ControlReleasedInsideItsOwnHandlerLivesUntilTheHandlerEnds)
{
    Control* form = NewForm();
    Control* button = CreateButton(form, "self");
    struct Context {
        Control* button;
        bool ran = false;
    } context{button};
    button->SetClickHandler(MakeEventRef(&context, +[](Context* c, Control* sender) {
        c->ran = true;
        ReleaseObject(sender);
        // Still usable here: the window procedure holds a reference.
        sender->SetText("still here");
    }));
    ShowForm(form);
    HWND window = button->Window();
    SendMessageA(window, BM_CLICK, 0, 0);
    EXPECT_TRUE(context.ran);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(form->Children().size(), 0u);
}
