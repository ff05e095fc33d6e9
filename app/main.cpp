// Program entry: builds the main window, runs the message loop until it is
// closed, and ends. The Output window is built when a run first needs it.
#include "app/FindTool.h"
#include "app/Unit1.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageBoxes.h"
#include "ui/MessageLoop.h"
#include <commctrl.h>
#include <windows.h>

namespace {

constexpr int kExitToolMissing = 1;

// The notice is owned by the main form, which is built but not yet shown;
// the window objects go before the program ends.
int EndWithoutTool(velmora::MainWindow*& window)
{
    using namespace velmora;
    ShowNotice(kToolNotFoundNotice);
    Control* form = window->FormControl;
    AppMainForm = nullptr;
    window = nullptr;
    ReleaseObject(form);
    return kExitToolMissing;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    using namespace velmora;
    // Loads the common controls the manifest asks for, so the standard
    // controls are drawn in the system's visual style.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    BuildMainWindow(TheMainWindow, nullptr);
    if (!FindTool(TheMainWindow, TheMainWindow->FormControl))
        return EndWithoutTool(TheMainWindow);
    RunMainLoop(TheMainWindow->FormControl);
    return 0;
}
