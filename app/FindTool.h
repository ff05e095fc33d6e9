#pragma once
// The tool every action runs, fixed once at start-up, and the PDF named on
// the command line or dropped on the window.
#include "ui/WideText.h"
#include <string>
#include <vector>

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

inline constexpr char kDropOneFileNotice[] =
    "Drop a single PDF file on the window: several files or a folder cannot be taken.";

// Takes file as the PDF to work on: the PDF file field, the proposed target,
// and the name the dialogs propose.
void TakePdfFile(MainWindow* window, const std::string& file);

// Whether a drop can be taken: exactly one path, and not a folder.
bool IsSingleFileDrop(const std::vector<std::string>& paths, bool (*isFolder)(const std::string& path));

// Takes one dropped file as a file named on the command line is taken;
// several go to a merge (MergeSeveralDroppedFiles); a folder dropped alone
// gets kDropOneFileNotice, a file that is not there MissingFileNotice (the
// fields keep what they held).
void TakeDroppedFiles(MainWindow* window, Control* sender, const std::vector<std::string>* paths);

// Fixes ToolPath and takes a PDF named on the command line into the window;
// one that is not there gets MissingFileNotice and leaves the fields empty.
// False when pdftk.exe is missing: the caller tells the user and ends the
// program.
bool FindTool(MainWindow* window, Control* sender);

} // namespace velmora
