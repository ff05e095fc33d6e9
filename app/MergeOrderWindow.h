#pragma once
// The "Merge order" window: the files a merge is to take, one a line, which
// the user puts in order (with its buttons, Ctrl+Up and Ctrl+Down, or by
// dragging a line), adds to or thins out before the run. Modal over the main
// window, which owns it; built for each merge and gone afterwards.
#include <optional>
#include <string>
#include <vector>

namespace velmora {

class MainWindow;

// Shows the window with files (the keys of MergeChoice, in the order given)
// and waits. The files in the order the user confirmed with OK, two or more;
// nothing after Cancel, Escape or the close box.
std::optional<std::vector<std::string>> ArrangeMergeOrder(MainWindow* main, const std::vector<std::string>& files);

} // namespace velmora
