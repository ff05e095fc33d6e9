#pragma once
// The creation routines, one per kind of control. Each returns the new
// control; the parent is nil only for a form without owner.
#include "ui/Control.h"
#include <cstdint>
#include <string>

namespace velmora {

// Edit box option bits.
enum EditOption : uint16_t {
    EditNoAutoHScroll = 1 << 0,    // clear: WS_HSCROLL | ES_AUTOHSCROLL
    EditNoAutoVScroll = 1 << 1,    // clear: WS_VSCROLL | ES_AUTOVSCROLL
    EditLowerCase = 1 << 2,
    EditMultiLine = 1 << 3,
    EditNoHideSelection = 1 << 4,
    EditOemConvert = 1 << 5,
    EditPassword = 1 << 6,
    EditReadOnly = 1 << 7,
    EditUpperCase = 1 << 8,
    EditWantReturn = 1 << 9,
    EditKeepsTab = 1 << 10,        // Tab stays in the control
    EditNumber = 1 << 11,
};

// Combo box option bits.
enum ComboOption : uint16_t {
    ComboDropDownList = 1 << 0,
    ComboNoAutoHScroll = 1 << 1,   // clear: CBS_AUTOHSCROLL
    ComboDisableNoScroll = 1 << 2,
    ComboLowerCase = 1 << 3,
    ComboNoIntegralHeight = 1 << 4,
    ComboOemConvert = 1 << 5,
    ComboSort = 1 << 6,
    ComboUpperCase = 1 << 7,
    ComboOwnerDrawFixed = 1 << 8,
    ComboOwnerDrawVariable = 1 << 9,
    ComboSimple = 1 << 10,
};

// List box option bits.
enum ListBoxOption : uint16_t {
    ListSort = 1 << 0,
    ListNoIntegralHeight = 1 << 1,
    ListDisableNoScroll = 1 << 2,
    ListHorizontalScroll = 1 << 3,
    // The user reorders the items by dragging one with the mouse (the
    // system's drag list); the list raises its item-dragged event and leaves
    // the moving to the handler, which owns what the items stand for.
    ListDragItems = 1 << 4,
};

Control* CreateForm(Control* parent, const std::string& caption);
Control* CreateLabel(Control* parent, const std::string& caption);
Control* CreatePanel(Control* parent, int edge);
Control* CreateGroupBox(Control* parent, const std::string& caption);
Control* CreateButton(Control* parent, const std::string& caption);
Control* CreateCheckBox(Control* parent, const std::string& caption);
Control* CreateRadioButton(Control* parent, const std::string& caption);
Control* CreateEditBox(Control* parent, uint16_t options);
Control* CreateComboBox(Control* parent, uint16_t options);
Control* CreateListBox(Control* parent, uint16_t options);

// The window styles the option sets give (without the kind's fixed bits).
DWORD EditBoxStyle(uint16_t options);
DWORD ComboBoxStyle(uint16_t options);
DWORD ListBoxStyle(uint16_t options);

} // namespace velmora
