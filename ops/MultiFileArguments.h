#pragma once
// Combining several PDFs into one: every PDF of a chosen folder (join) or
// the files chosen in a multi-selection dialog, in the dialog's order (merge).
#include "ops/ToolCall.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// Dialog titles of the two operations; the PDF file dialog takes its usual
// title back afterwards.
inline constexpr char kJoinFolderTitle[] = "Choose the folder where are the PDF's";
inline constexpr char kJoinTargetTitle[] = "Save the target PDF file for combine";
inline constexpr char kMergeTargetTitle[] = "Save the target PDF file for merge";
inline constexpr char kPdfFileTitle[] = "Choose the PDF file";

// *.pdf cat output "{TARGET}", run in the chosen folder: the tool itself
// expands the wildcard there.
ToolCall JoinCall(const std::string& folder, const std::string& target);

// The files of a multi-selection, as full paths in the dialog's order, and
// the folder the merge runs in (with its trailing backslash).
struct MergeInputs {
    std::string folder;
    std::vector<std::string> files;
};

// Reads what the multi-selection dialog gives back: the folder, then each
// chosen name, separated by carriage returns; or, for a single file, its full
// path alone. A folder that already ends in a backslash (a drive root such
// as C:\) gets none added. Empty names are skipped; no files at all means
// there is nothing to merge.
MergeInputs ParseMergeSelection(const std::string& selection, UINT codePage = CP_ACP);

// Each file quoted and followed by a blank, then " cat output \"{TARGET}\""
// (so two blanks stand before cat), run in the selection's folder.
ToolCall MergeCall(const MergeInputs& inputs, const std::string& target);

} // namespace velmora
