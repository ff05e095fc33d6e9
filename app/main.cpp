// Program entry: builds the two windows, runs the message loop until the
// main window is closed, and ends.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "ui/Control.h"
#include "ui/MessageLoop.h"
#include <commctrl.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    using namespace velmora;
    // Loads the common controls the manifest asks for, so the standard
    // controls are drawn in the system's visual style.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    BuildMainWindow(TheMainWindow, nullptr);
    BuildOutputWindow(TheOutputWindow, TheMainWindow->FormControl);
    RunMainLoop(TheMainWindow->FormControl);
    return 0;
}
