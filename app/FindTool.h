#pragma once
// The tool every action runs, fixed once at start-up, and the PDF named on
// the command line.
#include "ui/WideText.h"
#include <string>

namespace velmora {

class Control;
class MainWindow;

// The program's own folder followed by "pdftk.exe".
extern std::string ToolPath;
// The first command-line argument as the tool is to get it (its short name
// where the code page cannot hold the long one), or empty.
extern std::string CmdLineFile;
// The same argument as the system named it.
extern WideText CmdLineFileWide;

inline constexpr char kToolNotFoundNotice[] =
    "ERROR: PDFTK not found. More infos on my site. https://orvandel.example.org/velmora";

// Fixes ToolPath and takes a PDF named on the command line into the window.
// False when pdftk.exe is missing: the caller tells the user and ends the
// program.
bool FindTool(MainWindow* window, Control* sender);

} // namespace velmora
