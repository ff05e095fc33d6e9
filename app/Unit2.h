#pragma once
// The Output window: what pdftk wrote during a run, shown modally over the
// main window until the user dismisses it. A run that takes a while shows it
// while pdftk works, its output growing and its button reading "Cancel".
// Built on its first use, hidden between runs, never rebuilt.
#include "ui/LayerObject.h"
#include <cstdint>
#include <string>

namespace velmora {

class Control;

class OutputWindow : public LayerObject {
public:
    Control* FormControl = nullptr;   // its modal result tells how it was dismissed
    Control* OutputMemo = nullptr;
    Control* OkButton = nullptr;
    // While set, the button, Escape and the close box ask to stop the run.
    bool RunInProgress = false;
};

// The program's one Output window, built hidden the first time it is asked
// for and kept to the end, owned by the main window. Nothing needs it before
// a tool has run; built at start-up it would only delay the main window's
// first paint.
OutputWindow* GetOutputWindow();

// Fills the text box with text, byte for byte, and waits until the user has
// pressed OK or the close box; the window is hidden again afterwards.
void ShowOutputText(OutputWindow* window, const std::string& text);

// The window as a run that is still going shows it: empty, the button
// reading "Cancel". The caller shows the form.
void BeginLiveOutput(OutputWindow* window);
// Adds output that arrived to the text box, scrolled to the end.
void AppendOutputText(OutputWindow* window, const std::string& text);
// The run has ended: the button reads "OK" again.
void EndLiveOutput(OutputWindow* window);

void EndOutputWithOk(OutputWindow* window, Control* sender);
void EndOutputOnClose(OutputWindow* window, Control* sender, bool* allow);
// Escape during a run stops it, like the Cancel button.
void CancelOutputOnEscape(OutputWindow* window, Control* sender, uint32_t* key, uint32_t shift);

} // namespace velmora
