#pragma once
// The tool every action runs, fixed once at start-up, and the PDF named on
// the command line.
#include <string>

namespace velmora {

class Control;
class MainWindow;

// The program's own folder followed by "pdftk.exe".
extern std::string ToolPath;
// The first command-line argument, or empty.
extern std::string CmdLineFile;

inline constexpr char kToolNotFoundNotice[] =
    "ERROR: PDFTK not found. More infos on my site. https://orvandel.example.org/velmora";

// Fixes ToolPath and takes a PDF named on the command line into the window.
// False when pdftk.exe is missing: the caller tells the user and ends the
// program.
bool FindTool(MainWindow* window, Control* sender);

} // namespace velmora
