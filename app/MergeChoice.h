#pragma once
// The files of a merge while the merge order window arranges them. The
// window's list is 8-bit text: each file is kept there by a key, its full
// path where the code page holds it (as always), else the name as the code
// page shows it; the key leads back to the file as the system names it.
#include "text/WideText.h"
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

class MainWindow;

// A fresh merge: the keys of an earlier one are forgotten.
void ForgetMergeKeys();

// The key of path, unique among the keys of this merge: a shown name that
// another file has already gets a number in brackets.
std::string MergeKeyFor(const WideText& path);

// The file a key stands for.
WideText MergePathOf(const std::string& key);

// Shows the PDF file dialog for several files, owned by owner. The keys of
// the chosen files in the dialog's order, or nothing when the user
// cancelled.
std::optional<std::vector<std::string>> ChooseMergeFiles(MainWindow* window, HWND owner);

} // namespace velmora
