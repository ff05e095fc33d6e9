#pragma once
// The main window: every control the user works with, built once at start-up
// and kept until the program ends.
#include "app/MainWindow.h"

namespace velmora {

class Control;

// The program's one main window.
extern MainWindow* TheMainWindow;

inline constexpr char kMainCaption[] = "Velmora version 0.49 by Orvandel Freeware ";

// Builds the window, hidden until the main loop shows it.
void BuildMainWindow(MainWindow*& window, Control* parent);

void CloseMainWindow(MainWindow* window, Control* sender);
void ShowAbout(MainWindow* window, Control* sender);

} // namespace velmora
