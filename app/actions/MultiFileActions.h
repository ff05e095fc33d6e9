#pragma once
// Click handlers of "Join" (every PDF of a folder) and "Merge" (chosen files),
// and the merge of several PDFs dropped on the window.
#include "ops/MultiFileArguments.h"
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

class Control;
class MainWindow;

void JoinFolder(MainWindow* window, Control* sender);
void MergeFiles(MainWindow* window, Control* sender);

// Shows the PDF file dialog for several files, owned by owner. The chosen
// files as the tool is to get them, or nothing when the user cancelled or a
// name cannot be handed on (the user is told why).
std::optional<MergeInputs> ChooseMergeFiles(MainWindow* window, HWND owner);

// A drop of several paths: the PDFs among them go to the merge order window,
// sorted by name, and then to a merge; what cannot be merged is named in a
// notice. A drop whose PDFs come to one is taken as that one PDF dropped
// alone. False, and nothing done, for a drop of one path.
bool MergeSeveralDroppedFiles(MainWindow* window, Control* sender, const std::vector<std::string>& paths);

} // namespace velmora
