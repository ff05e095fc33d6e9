#pragma once
// Click handlers of "Join" (every PDF of a folder) and "Merge" (chosen files).
namespace velmora {

class Control;
class MainWindow;

void JoinFolder(MainWindow* window, Control* sender);
void MergeFiles(MainWindow* window, Control* sender);

} // namespace velmora
