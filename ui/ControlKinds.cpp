// The kinds of controls: window class, styles, default sizes and the filters
// each kind adds.
#include "ui/ControlKinds.h"
#include "ui/ControlInternals.h"

namespace velmora {

namespace {

// A kind that never reports the event, or has no such message.
constexpr int NoNotification = -1;
constexpr UINT NoMessage = 0;
// Edit boxes report no clicks; no edit notification has this code.
constexpr int EditClickCode = 0;

// clickCode, gotFocusCode, lostFocusCode, changedCode, selectionChangedCode,
// itemCount, getItemData, deleteItem, insertItem, setItemData,
// getCurrentIndex, setCurrentIndex, limitText, itemsAreLines, clear
const KindMessageTable FormMessages = {NoNotification, NoNotification, NoNotification, NoNotification,
                                       NoNotification, NoMessage, NoMessage, NoMessage, NoMessage, NoMessage,
                                       NoMessage, NoMessage, NoMessage, false, NoMessage};
const KindMessageTable ButtonMessages = {BN_CLICKED, BN_SETFOCUS, BN_KILLFOCUS, NoNotification, NoNotification,
                                         NoMessage, NoMessage, NoMessage, NoMessage, NoMessage, NoMessage, NoMessage,
                                         NoMessage, false, NoMessage};
const KindMessageTable StaticMessages = {STN_CLICKED, NoNotification, NoNotification, NoNotification,
                                         NoNotification, NoMessage, NoMessage, NoMessage, NoMessage, NoMessage,
                                         NoMessage, NoMessage, NoMessage, false, NoMessage};
const KindMessageTable EditMessages = {EditClickCode, EN_SETFOCUS, EN_KILLFOCUS, EN_CHANGE, NoNotification,
                                       EM_GETLINECOUNT, NoMessage, NoMessage, NoMessage, NoMessage, EM_LINEINDEX,
                                       NoMessage, EM_LIMITTEXT, true, NoMessage};
const KindMessageTable ComboMessages = {CBN_DBLCLK, CBN_SETFOCUS, CBN_KILLFOCUS, CBN_EDITCHANGE,
                                        DeferredSelectionChange,
                                        CB_GETCOUNT, CB_GETITEMDATA, CB_DELETESTRING, CB_INSERTSTRING,
                                        CB_SETITEMDATA, CB_GETCURSEL, CB_SETCURSEL, NoMessage, false, CB_RESETCONTENT};

// The fixed window styles of the kinds. Every button kind reports focus
// changes (BS_NOTIFY); labels and panels report clicks (SS_NOTIFY) and
// show an ampersand as it is (SS_NOPREFIX).
constexpr DWORD ShownChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD LabelStyle = ShownChild | SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY;
constexpr DWORD GroupBoxStyle = ShownChild | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | BS_GROUPBOX;
constexpr DWORD PushButtonStyle = ShownChild | WS_TABSTOP | BS_NOTIFY | BS_PUSHLIKE | BS_PUSHBUTTON;
constexpr DWORD CheckBoxStyle = ShownChild | WS_TABSTOP | BS_NOTIFY | BS_AUTOCHECKBOX;
constexpr DWORD RadioButtonStyle = ShownChild | WS_GROUP | WS_TABSTOP | BS_NOTIFY | BS_RADIOBUTTON;
constexpr DWORD EditBoxFixedStyle = ShownChild | WS_BORDER | WS_TABSTOP;
constexpr DWORD ComboBoxFixedStyle = ShownChild | WS_VSCROLL | WS_TABSTOP | CBS_HASSTRINGS;

class PlainControl : public Control {
public:
    PlainControl() = default;
};

class RadioButtonControl : public Control {
public:
    RadioButtonControl() = default;

protected:
    // Checks this button and unchecks the rest of its parent's group.
    void KindClick() override
    {
        Control* parent = Parent();
        HWND parentWindow = parent ? parent->GetHandle() : nullptr;
        if (!parentWindow)
            return;
        const auto first = static_cast<int>(reinterpret_cast<UINT_PTR>(GetPropA(parentWindow, "RAD_1ST")));
        const auto last = static_cast<int>(reinterpret_cast<UINT_PTR>(GetPropA(parentWindow, "RAD_LST")));
        CheckRadioButton(parentWindow, first, last, static_cast<int>(Id()));
    }
};

class ComboBoxControl : public Control {
public:
    ComboBoxControl() = default;

protected:
    void AfterWindowCreated() override { SubclassComboChildren(this); }
};

template <class Kind = PlainControl>
Control* NewChild(Control* parent, const char* className, const KindMessageTable& table, bool threeD,
                  DWORD kindStyle, int width, int height)
{
    Control* control = CreateObject<Kind>();
    ConstructControl(control, parent, className, &table, threeD);
    if (parent)
        ConstructChild(control, kindStyle, width, height);
    return control;
}

void SetFitAllowance(Control* control, int width, int height)
{
    Rec(control).fitWidth = static_cast<uint8_t>(width);
    Rec(control).fitHeight = static_cast<uint8_t>(height);
}

// Push buttons, check boxes and radio buttons.
Control* NewButton(Control* parent, const std::string& caption, DWORD kindStyle, int width, int height,
                   int fitWidth, Control* control)
{
    if (parent)
        ConstructChild(control, kindStyle, width, height);
    ControlRecord& r = Rec(control);
    r.isButtonKind = true;
    r.takesEnter = true;
    SetFitAllowance(control, fitWidth, 6);
    control->AddMessageFilter(&DoubleClickFilter);
    control->SetText(caption);
    return control;
}

} // namespace

DWORD EditBoxStyle(uint16_t options)
{
    DWORD style = 0;
    if (!(options & EditNoAutoHScroll)) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    if (!(options & EditNoAutoVScroll)) style |= WS_VSCROLL | ES_AUTOVSCROLL;
    if (options & EditLowerCase) style |= ES_LOWERCASE;
    if (options & EditMultiLine) style |= ES_MULTILINE;
    if (options & EditNoHideSelection) style |= ES_NOHIDESEL;
    if (options & EditOemConvert) style |= ES_OEMCONVERT;
    if (options & EditPassword) style |= ES_PASSWORD;
    if (options & EditReadOnly) style |= ES_READONLY;
    if (options & EditUpperCase) style |= ES_UPPERCASE;
    if (options & EditWantReturn) style |= ES_WANTRETURN;
    if (options & EditNumber) style |= ES_NUMBER;
    // A single line has nothing to scroll with bars.
    if (!(options & EditMultiLine))
        style &= ~(WS_HSCROLL | WS_VSCROLL);
    return style;
}

DWORD ComboBoxStyle(uint16_t options)
{
    DWORD style = 0;
    if (options & ComboDropDownList) style |= CBS_DROPDOWNLIST;
    if (!(options & ComboNoAutoHScroll)) style |= CBS_AUTOHSCROLL;
    if (options & ComboDisableNoScroll) style |= CBS_DISABLENOSCROLL;
    if (options & ComboLowerCase) style |= CBS_LOWERCASE;
    if (options & ComboNoIntegralHeight) style |= CBS_NOINTEGRALHEIGHT;
    if (options & ComboOemConvert) style |= CBS_OEMCONVERT;
    if (options & ComboSort) style |= CBS_SORT;
    if (options & ComboUpperCase) style |= CBS_UPPERCASE;
    if (options & ComboOwnerDrawFixed) style |= CBS_OWNERDRAWFIXED;
    if (options & ComboOwnerDrawVariable) style |= CBS_OWNERDRAWVARIABLE;
    if (options & ComboSimple) style |= CBS_SIMPLE;
    // CBS_DROPDOWNLIST covers the bits of all three types.
    if (!(style & CBS_DROPDOWNLIST))
        style |= CBS_DROPDOWN;
    return style;
}

Control* CreateForm(Control* parent, const std::string& caption)
{
    Control* form = CreateObject<PlainControl>();
    ConstructControl(form, parent, "Form", &FormMessages, false);
    ControlRecord& r = Rec(form);
    r.isForm = true;
    r.classStyle = CS_DBLCLKS;
    form->AddMessageFilter(&FocusRestoreFilter);
    form->AddMessageFilter(&BackgroundFillFilter);
    form->AddMessageFilter(&DpiChangeFilter);
    form->SetText(caption);
    return form;
}

Control* CreateLabel(Control* parent, const std::string& caption)
{
    Control* label = NewChild(parent, "STATIC", StaticMessages, false, LabelStyle, 64, 22);
    ControlRecord& r = Rec(label);
    r.repaintOnMove = true;
    r.noRepaintOnText = true;
    SetFitAllowance(label, 1, 1);
    label->SetText(caption);
    return label;
}

Control* CreatePanel(Control* parent, int edge)
{
    DWORD edgeStyle = 0;
    if (edge == RaisedEdge)
        edgeStyle = WS_DLGFRAME;
    else if (edge == SunkenEdge)
        edgeStyle = SS_SUNKEN;
    Control* panel = NewChild(parent, "STATIC", StaticMessages, false, LabelStyle | edgeStyle, 100, 100);
    SetFitAllowance(panel, 1, 1);
    return panel;
}

Control* CreateGroupBox(Control* parent, const std::string& caption)
{
    Control* group = NewChild(parent, "BUTTON", ButtonMessages, false, GroupBoxStyle, 100, 100);
    ControlRecord& r = Rec(group);
    r.extraTop = 22;   // room for the caption
    r.extraBottom = 2;
    r.extraLeft = 2;
    r.extraRight = 2;
    group->AddMessageFilter(&BackgroundFillFilter);
    group->SetText(caption);
    return group;
}

Control* CreateButton(Control* parent, const std::string& caption)
{
    Control* button = CreateObject<PlainControl>();
    ConstructControl(button, parent, "BUTTON", &ButtonMessages, false);
    return NewButton(parent, caption, PushButtonStyle, 64, 22, 14, button);
}

Control* CreateCheckBox(Control* parent, const std::string& caption)
{
    Control* box = CreateObject<PlainControl>();
    ConstructControl(box, parent, "BUTTON", &ButtonMessages, false);
    return NewButton(parent, caption, CheckBoxStyle, 72, 22, 24, box);
}

Control* CreateRadioButton(Control* parent, const std::string& caption)
{
    Control* radio = CreateObject<RadioButtonControl>();
    ConstructControl(radio, parent, "BUTTON", &ButtonMessages, false);
    NewButton(parent, caption, RadioButtonStyle, 72, 22, 24, radio);
    // The radio buttons of one parent form one group, from the first created
    // to the last; the first starts checked.
    HWND parentWindow = parent ? parent->GetHandle() : nullptr;
    if (parentWindow) {
        HANDLE id = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(radio->Id()));
        SetPropA(parentWindow, "RAD_LST", id);
        if (!GetPropA(parentWindow, "RAD_1ST")) {
            SetPropA(parentWindow, "RAD_1ST", id);
            radio->CheckRadio();
        }
    }
    return radio;
}

Control* CreateEditBox(Control* parent, uint16_t options)
{
    const bool multiLine = (options & EditMultiLine) != 0;
    Control* edit = NewChild(parent, "EDIT", EditMessages, true, EditBoxStyle(options) | EditBoxFixedStyle,
                             multiLine ? 200 : 100, multiLine ? 200 : 22);
    ControlRecord& r = Rec(edit);
    // Left and Right move the caret, and in several lines so do Up, Down and
    // the page keys.
    r.navigationKeyMask = multiLine ? NavigateByTab : (NavigateByTab | NavigateByUpDown | NavigateByPage);
    if (options & EditKeepsTab)
        r.navigationKeyMask &= ~NavigateByTab;
    r.takesEnter = multiLine;
    SetFitAllowance(edit, 0, 6);
    return edit;
}

Control* CreateComboBox(Control* parent, uint16_t options)
{
    Control* combo = NewChild<ComboBoxControl>(parent, "COMBOBOX", ComboMessages, true,
                                               ComboBoxStyle(options) | ComboBoxFixedStyle, 100, 22);
    // The arrow and page keys choose items; a list without edit field leaves
    // Left and Right free.
    Rec(combo).navigationKeyMask = (options & ComboDropDownList) ? (NavigateByTab | NavigateByLeftRight) : NavigateByTab;
    SetFitAllowance(combo, 0, 6);
    combo->AddMessageFilter(&ComboFilter);
    return combo;
}

} // namespace velmora
