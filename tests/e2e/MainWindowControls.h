#pragma once
// The main window's 47 controls as the user is to see them: kind, caption,
// parent, position and size in the parent's client area. Layout tests check
// the table; other tests find a control by its field name.
#include <windows.h>
#include <string>
#include <vector>

namespace velmora::e2e {

enum class Kind { Label, Panel, GroupBox, PushButton, CheckBox, RadioButton, EditBox, ComboBox };

// A width or height that the control takes from its caption: the caption's
// extent in the window's font plus the allowance of its kind.
inline constexpr int Fitted = -1;

struct ControlRow {
    const char* field;
    Kind kind;
    const char* caption;   // an edit box's start text; nullptr: the rotation list
    const char* parent;    // "form" or the field of a container
    int x, y;
    int width, height;     // pixels, or Fitted
};

// In creation order.
const std::vector<ControlRow>& MainWindowControls();
const ControlRow& RowOf(const std::string& field);

// "obj_" and the Win32 class of the kind.
std::string ClassOfKind(Kind kind);
// What a fitted control adds to its caption's extent.
SIZE FitAllowance(Kind kind);

// The window's font.
inline constexpr char kFontFace[] = "MS Sans Serif";
inline constexpr int kFontHeight = 10;

// The control of a field. Children take identifiers in creation order from
// 0x8000, so the n-th row's control has the identifier 0x8000 + n.
HWND FieldWindow(HWND main, const std::string& field);

// The nine permission check boxes, in table order.
std::vector<std::string> PermissionFields();

} // namespace velmora::e2e
