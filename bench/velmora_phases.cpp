// Velmora's start-up cut into its steps, each timed from inside: the same
// window built by the program's own code, with a clock reading after every
// step. The start-up benchmark starts it like velmora.exe, takes the moment
// of process creation from outside, and reads the other moments from the
// file named on the command line (milliseconds on the clock every process
// of the machine shares).
//
// Steps: entering WinMain (process start), loading the common controls, the
// window's font made and measured once, building the window and its
// controls, showing it, and painting it. The Output window and the lookup of
// pdftk are left out: the program does neither before its first paint.
#include "app/Unit1.h"
#include "bench/BenchSupport.h"
#include "ui/Control.h"
#include "ui/MessageLoop.h"
#include <commctrl.h>
#include <cstdio>
#include <windows.h>

using velmora::bench::Milliseconds;

namespace {

// What the window's first fitted caption costs the font machinery: the font
// made from the same LOGFONT and realised by one measurement. It stays
// alive, as the window's own font does.
void MakeFont()
{
    LOGFONTA logFont = {};
    logFont.lfHeight = 10;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(logFont.lfFaceName, "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&logFont);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size;
    GetTextExtentPoint32A(dc, "PDF file", 8, &size);
    SelectObject(dc, previous);
    DeleteDC(dc);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    using namespace velmora;
    const double entered = Milliseconds();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const double controlsLoaded = Milliseconds();
    MakeFont();
    const double fontMade = Milliseconds();
    BuildMainWindow(TheMainWindow, nullptr);
    const double built = Milliseconds();
    // What the main loop does first, with the paint it would wait for done
    // at once.
    Control* form = TheMainWindow->FormControl;
    form->MakeWindow();
    const double shown = Milliseconds();
    UpdateWindow(form->Window());
    const double painted = Milliseconds();

    if (FILE* out = std::fopen(commandLine, "w")) {
        std::fprintf(out, "%.3f %.3f %.3f %.3f %.3f %.3f\n", entered, controlsLoaded, fontMade, built, shown,
                     painted);
        std::fclose(out);
    }
    RunMainLoop(TheMainWindow->FormControl);
    return 0;
}
