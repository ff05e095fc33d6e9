#pragma once
// The start-up lookup of pdftk, and the PDF named on the command line or
// dropped on the window.
#include "text/WideText.h"
#include <vector>

namespace velmora {

class Control;
class MainWindow;

inline constexpr char kToolNotFoundNotice[] =
    "ERROR: PDFTK not found. More infos on my site. https://orvandel.example.org/velmora";

inline constexpr char kDropOneFileNotice[] =
    "Drop a single PDF file on the window: several files or a folder cannot be taken.";

// Whether a drop can be taken: exactly one path, and not a folder.
bool IsSingleFileDrop(const std::vector<WideText>& paths, bool (*isFolder)(const WideText& path));

// Takes one dropped file as a file named on the command line is taken;
// several go to a merge (MergeSeveralDroppedFiles); a folder dropped alone
// gets kDropOneFileNotice, a file that is not there MissingFileNotice (the
// fields keep what they held).
void TakeDroppedFiles(MainWindow* window, Control* sender, const std::vector<WideText>* paths);

// Fixes ToolPath and takes a PDF named on the command line into the window;
// one that is not there gets MissingFileNotice and leaves the fields empty.
// False when pdftk.exe is missing: the caller tells the user and ends the
// program.
bool FindTool(MainWindow* window, Control* sender);

} // namespace velmora
