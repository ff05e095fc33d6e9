#pragma once
// Where pdftk.exe lies, fixed once at start-up, and the PDF named on the
// command line.
#include <string>

namespace velmora {

class MainWindow;
class Control;

// The program's own folder followed by "pdftk.exe".
extern std::string ToolPath;
// The first command-line argument, or empty.
extern std::string CmdLineFile;

inline constexpr char kToolNotFoundNotice[] =
    "ERROR: PDFTK not found. More infos on my site. https://orvandel.example.org/velmora";

// The tool's path for the program at modulePath; empty when the program's
// own path is unusable.
std::string ToolPathFor(const std::string& modulePath);

// True when a file (not a folder) exists at path.
bool FileExists(const std::string& path);

// Fixes ToolPath, or shows the not-found notice and ends the program with
// exit code 1; then takes a PDF named on the command line into the window.
void FindTool(MainWindow* window, Control* sender);

} // namespace velmora
