#pragma once
// The order a merge takes its files in, as the user arranges it before the
// run: the list's lines, moves, sorting by name as people count, and which
// files of a drop can be merged at all. Paths are full paths as handed on.
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// Compares two names as people count: letters without regard to case, runs
// of digits by their value ("page2" before "page10"). Numbers of equal value
// tell apart only by their leading zeros, the shorter first ("7" before
// "007"), and only when nothing else does. Negative, zero or positive.
int CompareNaturally(const std::string& a, const std::string& b);

// Sorts paths by their file names (CompareNaturally), equal names keeping
// the order they had (the same name in two folders, say).
void SortByName(std::vector<std::string>& paths, bool descending = false, UINT codePage = CP_ACP);

// What "Sort by name" does: ascending, unless the paths already stand that
// way; then descending, so that a second press turns the order round.
void SortByNameOrTurnRound(std::vector<std::string>& paths, UINT codePage = CP_ACP);

// One line a path: its file name, followed by its folder where another path
// has the same name (the user could not tell the two apart otherwise).
std::vector<std::string> MergeListLines(const std::vector<std::string>& paths, UINT codePage = CP_ACP);

// Moves the entry at from so that it stands before the entry that stood at
// before (paths.size(): at the end). The entry's new index; from itself when
// nothing moved or an index is out of range.
int MoveEntryBefore(std::vector<std::string>& paths, int from, int before);

// A drop sorted for a merge: the PDFs (by their ending, ".pdf" in any case)
// and, in the order dropped, what cannot be merged: folders and other files.
struct DroppedForMerge {
    std::vector<std::string> pdfs;
    std::vector<std::string> leftOut;
};
DroppedForMerge SortOutDrop(const std::vector<std::string>& paths, bool (*isFolder)(const std::string& path));

// Names what a drop left out, one a line.
std::string LeftOutNotice(const std::vector<std::string>& leftOut);

// Shown in the order window when OK is pressed with fewer than two files.
inline constexpr char kMergeNeedsTwoFiles[] = "A merge needs at least two files. Add more with \"Add...\", or press Cancel.";

} // namespace velmora
