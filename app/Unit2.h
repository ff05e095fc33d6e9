#pragma once
// The Output window: what pdftk wrote during a run, shown modally over the
// main window until the user dismisses it. Built once at start-up, hidden
// between runs, never rebuilt.
#include "ui/LayerObject.h"
#include <string>

namespace velmora {

class Control;

class OutputWindow : public LayerObject {
public:
    Control* FormControl = nullptr;   // its modal result tells how it was dismissed
    Control* OutputMemo = nullptr;
    Control* OkButton = nullptr;
};

// The program's one Output window, from start-up to the end.
extern OutputWindow* TheOutputWindow;

// Builds the hidden window, owned by parent (the main window's form).
void BuildOutputWindow(OutputWindow*& window, Control* parent);

// Fills the text box with text, byte for byte, and waits until the user has
// pressed OK or the close box; the window is hidden again afterwards.
void ShowOutputText(OutputWindow* window, const std::string& text);

void EndOutputWithOk(OutputWindow* window, Control* sender);
void EndOutputOnClose(OutputWindow* window, Control* sender, bool* allow);

} // namespace velmora
