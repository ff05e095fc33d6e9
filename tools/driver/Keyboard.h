#pragma once
// Real keyboard input for another process's windows: the keys go through the
// system's input queue to the foreground window, as a person's would, so
// dialog navigation, default buttons and key filters all see them.
#include "tools/driver/Wait.h"
#include <windows.h>
#include <string>

namespace velmora::driver {

// Makes the window's top-level window the foreground window and waits until
// it is.
void BringToFront(HWND window, DWORD timeoutMs = DefaultWaitMs);

// The control that holds the keyboard focus in the thread of window, or nullptr.
HWND FocusedControl(HWND window);
void WaitForFocus(HWND control, DWORD timeoutMs = DefaultWaitMs);
// Gives control the focus directly, as a click into it would.
void FocusControl(HWND control);

// The keys below are queued, not yet handled, when these return: wait for
// their effect (WaitForText, WaitForFocus, WaitUntilGone).

// Brings window to the front, then presses the key (with Shift held when asked).
void PressKey(HWND window, WORD virtualKey, bool shift = false);
// Brings window to the front and presses the key while modifier (VK_MENU,
// VK_CONTROL, VK_SHIFT) is held: Alt+F4, Alt+Space.
void PressKeyWith(HWND window, WORD modifier, WORD virtualKey);
void PressTab(HWND window);
void PressShiftTab(HWND window);
void PressEnter(HWND window);
void PressEscape(HWND window);

// Brings window to the front and types the ANSI text, one key per character.
void TypeText(HWND window, const std::string& text);

// These wait for their keys to arrive. A key that the system delivers to
// another window because the foreground or the focus moved on the way (Wine
// settles activation late) is pressed again; nothing is left in flight that
// a later focus change could misdeliver.

// Brings the control's window to the front and gives the control the focus;
// returns when both hold. A window that has just been reactivated (a message
// box closed over it) may still put its focus back where it was: then the
// focus is given again.
void ReadyForKeys(HWND control);
// Focuses the edit box, selects all of its text and deletes it.
void ClearEdit(HWND edit);
// Types text into the focused edit box one key at a time, each key checked:
// the box's text becomes start followed by what has been typed so far
// (start: the text that stays before the caret, "" when all of it was
// selected).
void TypeIntoEdit(HWND edit, const std::string& text, const std::string& start = "");

} // namespace velmora::driver
