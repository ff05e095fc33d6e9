// The Control object: construction, its window's creation and destruction.
#include "ui/Control.h"
#include "ui/Application.h"
#include "ui/ControlInternals.h"
#include "ui/Dpi.h"
#include "ui/Fonts.h"
#include <algorithm>
#include <cctype>

namespace velmora {

namespace {

// Children take identifiers from one program-wide 16-bit counter, from 0x8000
// up: clear of IDOK, IDCANCEL and the other small ids the system gives meaning.
uint16_t nextControlId = 0x8000;

// A layer class registered so far, by its upper-case name, with the Win32
// procedure it was derived from (none for a form). There are a handful.
struct DerivedClass {
    std::string name;
    WNDPROC base;
};

std::vector<DerivedClass>& DerivedClasses()
{
    static std::vector<DerivedClass> classes;
    return classes;
}

std::string UpperCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

HINSTANCE ProgramModule()
{
    return GetModuleHandleA(nullptr);
}

template <class T>
void EraseValue(std::vector<T>& list, const T& value)
{
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

void AttachToParent(Control* control, Control* parent)
{
    ControlRecord& r = Rec(control);
    if (r.parent) {
        EraseValue(Rec(r.parent).children, control);
        RemoveFromFreeList(r.parent, control);
    }
    r.parent = parent;
    if (!parent)
        return;
    Rec(parent).children.push_back(control);
    AddToFreeList(parent, control);
    if (r.window) {
        if (HWND parentWindow = parent->GetHandle())
            SetParent(r.window, parentWindow);
    }
    InvalidateControl(control);
}

// A form gets its own icon, a copy of the main form's, or the program's.
void SendFormIcon(Control* form)
{
    ControlRecord& r = Rec(form);
    if (r.icon == reinterpret_cast<HICON>(-1))
        return;
    if (!r.icon) {
        if (AppMainForm && AppMainForm != form && Rec(AppMainForm).icon &&
            Rec(AppMainForm).icon != reinterpret_cast<HICON>(-1)) {
            r.icon = static_cast<HICON>(CopyImage(Rec(AppMainForm).icon, IMAGE_ICON, 0, 0, 0));
            r.iconShared = false;
        } else {
            r.icon = LoadFormIcon(form, ProgramModule(), "MAINICON");
            r.iconShared = false;
        }
    }
    if (r.icon)
        SendMessageA(r.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(r.icon));
}

} // namespace

ControlRecord::ControlRecord() = default;
ControlRecord::~ControlRecord() = default;

Control::Control()
{
    r_.events = &DefaultEventBlock();
}

Control::~Control() = default;

namespace {

const DerivedClass* DerivedClassOf(HWND window)
{
    char name[256] = "";
    if (!window || !GetClassNameA(window, name, sizeof name))
        return nullptr;
    const std::string upper = UpperCase(name);
    for (const DerivedClass& derived : DerivedClasses())
        if (derived.name == upper)
            return &derived;
    return nullptr;
}

} // namespace

bool IsLayerWindow(HWND window)
{
    return DerivedClassOf(window) != nullptr;
}

Control* ControlFromWindow(HWND window)
{
    if (!IsLayerWindow(window))
        return nullptr;
    return reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

WNDPROC BaseProcedureOfClass(HWND window)
{
    const DerivedClass* derived = DerivedClassOf(window);
    return derived ? derived->base : nullptr;
}

void BindControlToWindow(Control* control, HWND window)
{
    Rec(control).window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
}

void ConstructControl(Control* control, Control* parent, const char* className,
                      const KindMessageTable* table, bool threeD)
{
    ControlRecord& r = Rec(control);
    r.dpi = parent ? Rec(parent).dpi : SystemDpi();
    if (parent)
        r.backColor = Rec(parent).backColor;
    AttachToParent(control, parent);
    r.className = className;
    r.kindMessages = table;
    if (!parent)
        return;
    ControlRecord& p = Rec(parent);
    r.navigate = p.navigate;
    r.textColor = p.textColor;
    r.backColor = p.backColor;
    InheritFont(control, parent);
    r.margin = p.margin;
    r.threeD = p.threeD;
    if (p.threeD & 2)
        r.threeD = static_cast<uint8_t>((r.threeD & ~1) | (threeD ? 1 : 0));
}

// The steps a child control adds to the common construction.
void ConstructChild(Control* control, DWORD kindStyle, int width, int height)
{
    ControlRecord& r = Rec(control);
    ControlRecord& p = Rec(r.parent);
    r.style = kindStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    r.isChild = true;
    r.navigationKeyMask = NavigateByAnyKey;
    if (r.threeD & 1) {
        r.style &= ~WS_BORDER;
        r.exStyle |= WS_EX_CLIENTEDGE;
    }
    r.bounds.left = ScaleToDpi(p.margin + p.extraLeft, r.dpi);
    r.bounds.top = ScaleToDpi(p.margin + p.extraTop, r.dpi);
    r.bounds.right = r.bounds.left + ScaleToDpi(width, r.dpi);
    r.bounds.bottom = r.bounds.top + ScaleToDpi(height, r.dpi);
    if (Control* form = r.parent->Form()) {
        ControlRecord& f = Rec(form);
        r.tabPosition = ++f.tabCounter;
        if ((r.style & WS_TABSTOP) && !f.focusedChild)
            f.focusedChild = control;
    }
    r.id = nextControlId++;
    control->AddMessageFilter(&GenericChildFilter);
}

Control* Control::Form()
{
    Control* control = this;
    while (control && !Rec(control).isForm)
        control = Rec(control).parent;
    return control;
}

bool IsShownOrPending(Control* control)
{
    ControlRecord& r = Rec(control);
    if (r.showPending)
        return true;
    if (r.window)
        return (GetWindowLongPtrA(r.window, GWL_STYLE) & WS_VISIBLE) != 0;
    return (r.style & WS_VISIBLE) != 0;
}

namespace {

// The parent's window is made for the question if it has none yet.
bool ParentIsHidden(Control* control)
{
    Control* parent = Rec(control).parent;
    HWND parentWindow = parent ? parent->GetHandle() : nullptr;
    return parentWindow && !IsWindowVisible(parentWindow);
}

} // namespace

HWND Control::GetHandle()
{
    if (r_.window)
        return r_.window;
    const bool wantsShowing = (r_.style & WS_VISIBLE) != 0;
    // Made with its style as it stands when its visibility was chosen, or
    // under a parent that is not on the screen: nothing of such a child can
    // be seen before it is ready, and showing it afterwards would cost every
    // such child a move of its own.
    if (r_.visibilitySet || (wantsShowing && !r_.isForm && ParentIsHidden(this))) {
        MakeWindow();
        return r_.window;
    }
    r_.style &= ~WS_VISIBLE;
    if (MakeWindow() && wantsShowing)
        r_.showPending = true;
    return r_.window;
}

bool Control::MakeWindow()
{
    if (r_.parent && !r_.parent->GetHandle())
        return false;
    if (r_.window) {
        // Children's windows may be missing or still waiting to be shown.
        std::vector<Control*> children = r_.children;
        for (Control* child : children)
            child->MakeWindow();
        if (r_.showPending) {
            r_.showPending = false;
            r_.style |= WS_VISIBLE;
            ShowWindow(r_.window, SW_SHOW);
        }
        return true;
    }

    const HINSTANCE module = ProgramModule();
    WNDCLASSA windowClass = {};
    auto defaultClass = [&] {
        windowClass = {};
        windowClass.style = r_.classStyle;
        windowClass.lpfnWndProc = r_.previousProc;
        windowClass.hInstance = module;
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    };
    defaultClass();
    const std::string registeredName = "obj_" + r_.className;
    if (!r_.className.empty()) {
        if (!GetClassInfoA(module, r_.className.c_str(), &windowClass))
            defaultClass();
        windowClass.hInstance = module;
        // A superclass keeps the base class's style but not its DC sharing
        // (BUTTON and EDIT have CS_PARENTDC, which would let a control paint
        // over its siblings despite WS_CLIPSIBLINGS), and is the program's own.
        windowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS | CS_OWNDC | CS_CLASSDC | CS_PARENTDC);
        if (!r_.previousProc)
            r_.previousProc = windowClass.lpfnWndProc;
    }
    HWND parentWindow = r_.parent ? r_.parent->r_.window : nullptr;
    if (!parentWindow && (r_.style & WS_CHILD))
        return false;

    WNDCLASSA existing = {};
    if (!GetClassInfoA(module, registeredName.c_str(), &existing)) {
        WNDPROC base = windowClass.lpfnWndProc;
        windowClass.lpszClassName = registeredName.c_str();
        windowClass.lpfnWndProc = &LayerWindowProcedure;
        if (!RegisterClassA(&windowClass))
            return false;
        DerivedClasses().push_back({UpperCase(registeredName), base});
    }

    int x = r_.bounds.left, y = r_.bounds.top;
    int width = r_.bounds.right - r_.bounds.left, height = r_.bounds.bottom - r_.bounds.top;
    if (r_.isForm) {
        if (!r_.positionSet)
            x = y = CW_USEDEFAULT;
        // CW_USEDEFAULT means something only in the width, and then for both.
        if (width == 0 || height == 0)
            width = height = CW_USEDEFAULT;
    }
    ControlBeingCreated = this;
    HWND window = CreateWindowExA(r_.exStyle, registeredName.c_str(), r_.text.c_str(), r_.style,
                                  x, y, width, height, parentWindow,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(r_.id)), module, nullptr);
    ControlBeingCreated = nullptr;
    if (!window || !IsWindow(window)) {
        r_.window = nullptr;
        return false;
    }
    if (GetWindowLongPtrA(window, GWLP_USERDATA) == 0)
        BindControlToWindow(this, window);
    // Focus rectangles are hidden until the keyboard is used, unless asked.
    SendMessageA(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (r_.isForm) {
        // A form placed on a monitor of another scale than the primary one
        // is laid out again for it before it shows.
        const int dpi = WindowDpi(window);
        if (dpi != r_.dpi)
            ChangeDpi(this, dpi);
        ApplyAskedClientSize(this);
        SendFormIcon(this);
    }

    AfterWindowCreated();
    if (r_.font) {
        // A window just made has painted nothing that would need redrawing.
        ApplyFontToWindow(this, false);
        RunTextFit(this);
    }
    std::vector<Control*> children = r_.children;
    for (Control* child : children)
        child->MakeWindow();
    return r_.window != nullptr;
}

LRESULT Control::SendToControl(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageA(GetHandle(), message, wParam, lParam);
}

void Control::CloseWindow()
{
    PostMessageA(GetHandle(), WM_CLOSE, 0, 0);
}

void Control::Destroy()
{
    if (Control* form = Form()) {
        if (Rec(form).focusedChild == this)
            Rec(form).focusedChild = nullptr;
    }
    ForgetDialogKeyButton(this);
    if (r_.window)
        ShowWindow(r_.window, SW_HIDE);

    RunOnDestroyEvent();
    // Children's copies may keep the font record a little longer than the
    // control; it must not report to it then.
    if (r_.font)
        r_.font->SetOnChange(nullptr, nullptr);
    ReleaseFreeList();   // children, font records, the application's objects
    r_.font = nullptr;
    // A child that someone still holds survives its parent: cut it loose.
    for (Control* child : r_.children)
        Rec(child).parent = nullptr;
    r_.children.clear();

    if (!r_.destroyed) {
        r_.destroyed = true;
        r_.paintContext.reset();
        if (r_.window) {
            if (r_.icon && r_.icon != reinterpret_cast<HICON>(-1) && !r_.iconShared)
                DestroyIcon(r_.icon);
            r_.icon = nullptr;
            if (IsWindow(r_.window)) {
                SetWindowLongPtrA(r_.window, GWLP_USERDATA, 0);
                DestroyWindow(r_.window);
            }
            r_.window = nullptr;
        }
        if (r_.brush)
            DeleteObject(r_.brush);
        r_.brush = nullptr;
        if (r_.parent) {
            if (Rec(r_.parent).focusedChild == this)
                Rec(r_.parent).focusedChild = nullptr;
            EraseValue(Rec(r_.parent).children, this);
            RemoveFromFreeList(r_.parent, this);
            r_.parent = nullptr;
        }
        // Nothing program-wide may keep pointing at the control.
        if (AppMainForm == this)
            AppMainForm = nullptr;
        if (AppMainForm) {
            if (Rec(AppMainForm).focusedChild == this)
                Rec(AppMainForm).focusedChild = nullptr;
            if (Rec(AppMainForm).modalForm == this)
                Rec(AppMainForm).modalForm = nullptr;
        }
        if (ControlBeingCreated == this)
            ControlBeingCreated = nullptr;
    }
    delete this;
}

} // namespace velmora
