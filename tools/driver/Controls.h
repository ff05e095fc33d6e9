#pragma once
// Finding another process's windows and controls, reading and setting their
// text, and pressing their buttons without blocking the test.
#include "tools/driver/Wait.h"
#include <windows.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::driver {

// Which top-level window: an exact title and/or a window class.
struct WindowMatch {
    std::optional<std::string> title;
    std::optional<std::string> className;

    static WindowMatch Title(const std::string& title);
    static WindowMatch Class(const std::string& className);
    WindowMatch AndClass(const std::string& name) const;
    bool Matches(HWND window) const;
    std::string Describe() const;
};

// Which control: any mix of id, exact text and class.
struct ControlMatch {
    std::optional<int> id;
    std::optional<std::string> text;
    std::optional<std::string> className;

    static ControlMatch Id(int id);
    static ControlMatch Text(const std::string& text);
    static ControlMatch Class(const std::string& className);
    ControlMatch AndClass(const std::string& name) const;
    bool Matches(HWND control) const;
    std::string Describe() const;
};

// One child control as a test sees it.
struct ControlInfo {
    HWND window = nullptr;
    HWND parent = nullptr;
    std::string className;
    std::string text;
    int id = 0;
    RECT rect = {};          // in the parent's client area
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    bool enabled = false;
    bool visible = false;    // the control and all its parents
};

// The process's top-level windows, visible or not.
std::vector<HWND> TopWindowsOf(DWORD processId);
// The first matching top-level window of the process, or nullptr.
HWND FindTopWindow(DWORD processId, const WindowMatch& match);
// Waits until a matching window exists and is visible.
HWND WaitForTopWindow(DWORD processId, const WindowMatch& match, DWORD timeoutMs = DefaultWaitMs);
// Waits until the window is destroyed or hidden.
void WaitUntilGone(HWND window, DWORD timeoutMs = DefaultWaitMs);

// All descendants of a window, parents before their children.
std::vector<ControlInfo> ListControls(HWND window);
ControlInfo DescribeControl(HWND control);
// The window and its controls, one line each, for a failure message.
std::string ControlTree(HWND window);
// The first matching descendant, or nullptr.
HWND FindControl(HWND window, const ControlMatch& match);
HWND WaitForControl(HWND window, const ControlMatch& match, DWORD timeoutMs = DefaultWaitMs);

std::string ClassOf(HWND window);
// WM_GETTEXT / WM_SETTEXT across processes; a window that does not answer
// within a few seconds throws.
std::string TextOf(HWND window);
void SetTextOf(HWND window, const std::string& text);
void WaitForText(HWND window, const std::string& text, DWORD timeoutMs = DefaultWaitMs);

// BM_GETCHECK: a check box or radio button shows its mark.
bool IsChecked(HWND button);
// A combo box's items in order, and the index of the selected one (-1: none).
std::vector<std::string> ComboItems(HWND combo);
int ComboSelection(HWND combo);
// The same of a list box.
std::vector<std::string> ListItems(HWND list);
int ListSelection(HWND list);

// The first descendant of window of this class whose top-left corner stands
// at (x, y) in its parent's client area, or nullptr: for controls that have
// no caption to find them by, such as edit boxes.
HWND FindControlAt(HWND window, const std::string& className, int x, int y);
HWND WaitForControlAt(HWND window, const std::string& className, int x, int y, DWORD timeoutMs = DefaultWaitMs);

// State of standard controls, read across processes.
std::pair<int, int> SelectedRange(HWND edit); // EM_GETSEL: first, one past the last

// Returns once the thread that owns window takes its messages again: a sent
// WM_NULL has come back. A thread busy in a handler (waiting for a child
// process, say) answers only when the handler returns or pumps messages.
void WaitForMessageLoop(HWND window, DWORD timeoutMs = DefaultWaitMs);

// Presses a button the way a click does, without waiting for what the click
// starts (a modal dialog would block the test): throws when it is disabled.
void ClickButton(HWND button);
// Clicks the button (class "Button") with this id among the window's controls.
void ClickButton(HWND window, int id);
// The close box of the caption.
void PressCloseBox(HWND window);

} // namespace velmora::driver
