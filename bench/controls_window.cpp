// Velmora's main window made by hand in plain Win32: the same visual-style
// manifest, the same kinds and number of controls, the same font, each
// caption measured as the program measures it. Next to the minimal window it
// shows what the window's content costs under the same Wine; next to Velmora,
// what Velmora's own layers add. Started with "empty" it shows the window
// without controls: what the manifest alone costs.
#include "bench/SimpleWindow.h"
#include <commctrl.h>

namespace {

struct Kind {
    const char* className;
    DWORD style;
    int count;
};

// Velmora's main window: its labels, buttons, check boxes, radio buttons,
// group boxes, edit fields, panel and rotation list.
const Kind kKinds[] = {
    {"STATIC", SS_LEFT, 7},
    {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 16},
    {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 8},
    {"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 5},
    {"BUTTON", BS_GROUPBOX, 2},
    {"EDIT", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6},
    {"STATIC", SS_SUNKEN, 1},
    {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 1},
};

void CreateContent(HWND window, HINSTANCE instance)
{
    LOGFONTA logFont = {};
    logFont.lfHeight = -MulDiv(10, 96, 72);
    lstrcpyA(logFont.lfFaceName, "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&logFont);
    int id = 100, y = 8;
    for (const Kind& kind : kKinds) {
        for (int i = 0; i < kind.count; ++i, ++id, y = y < 380 ? y + 8 : 8) {
            HWND control = CreateWindowExA(0, kind.className, "Caption", WS_CHILD | WS_VISIBLE | kind.style,
                                           8 + (id % 4) * 130, y, 120, 22, window,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
            HDC dc = GetDC(control);
            HGDIOBJ old = SelectObject(dc, font);
            SIZE size;
            GetTextExtentPoint32A(dc, "Caption", 7, &size);
            SelectObject(dc, old);
            ReleaseDC(control, dc);
        }
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const bool empty = lstrcmpA(commandLine, "empty") == 0;
    return velmora::bench::RunSimpleWindow(instance, "ControlsWindow", "Controls window", show,
                                           empty ? nullptr : CreateContent);
}
