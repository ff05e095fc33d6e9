#pragma once
// Click handlers of "Join" (every PDF of a folder) and "Merge" (chosen files),
// and the merge of several PDFs dropped on the window.
#include "text/WideText.h"
#include <vector>

namespace velmora {

class Control;
class MainWindow;

void JoinFolder(MainWindow* window, Control* sender);
void MergeFiles(MainWindow* window, Control* sender);

// A drop of several paths: the PDFs among them go to the merge order window,
// sorted by name, and then to a merge; what cannot be merged is named in a
// notice. A drop whose PDFs come to one is taken as that one PDF dropped
// alone. False, and nothing done, for a drop of one path.
bool MergeSeveralDroppedFiles(MainWindow* window, const std::vector<WideText>& paths);

} // namespace velmora
