#pragma once
// Combining several PDFs into one: every PDF of a chosen folder (join) or
// the files chosen in a multi-selection dialog, in the dialog's order (merge).
#include "ops/ToolCall.h"
#include "ops/ToolNames.h"
#include "text/WideText.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// Dialog titles of the two operations; the PDF file dialog takes its usual
// title back afterwards.
inline constexpr char kJoinFolderTitle[] = "Choose the folder where are the PDF's";
inline constexpr char kJoinTargetTitle[] = "Save the target PDF file for combine";
inline constexpr char kMergeTargetTitle[] = "Save the target PDF file for merge";

// *.pdf cat output "{TARGET}", run in the chosen folder: the tool itself
// expands the wildcard there.
ToolCall JoinCall(const std::string& folder, const std::string& target);

// The join of a folder's PDFs as ChooseInputName named them: JoinCall in
// folder when every file is plain, so that the tool's own "*.pdf" finds
// them (the call still lists them, for a run that must name them one by
// one); otherwise the files one by one in the same order, each quoted and
// followed by a blank, then " cat output \"{TARGET}\"", as merge writes them.
ToolCall JoinCall(const std::string& folder, const std::vector<InputName>& files, const std::string& target);

// The target the join's save dialog proposes: never one of the folder's own
// PDFs, and not inside it, so that joining the same folder again does not
// take in the last result. For C:\Docs\Scans it is the folder's own name
// with ".pdf", beside it: C:\Docs\Scans.pdf. A drive's root (C:\) or a
// share's (\\server\share) has nothing beside it; its proposal is
// "Drive C.pdf" (or "share.pdf") in elsewhere, a folder outside the root
// such as the user's Documents folder (a bare name when elsewhere is empty).
// A folder given with a trailing backslash is read without it.
std::string ProposedJoinTarget(const std::string& folder, const std::string& elsewhere,
                               UINT codePage = CP_ACP);

// The files of a multi-selection as the tool gets them, in the dialog's order,
// and the folder the merge runs in (with its trailing backslash).
struct MergeInputs {
    std::string folder;
    std::vector<std::string> files;
};

// Reads what the multi-selection dialog gives back (UTF-16, zero-terminated):
// the folder, then each chosen name, separated by carriage returns; or, for
// a single file, its full path alone. Gives each chosen file's full path, in
// the dialog's order; a folder that already ends in a backslash (a drive
// root such as C:\) gets none added, empty names are skipped.
std::vector<WideText> ReadMergeSelection(const wchar_t* selection);

// The merge of the files as ChooseInputName named them, in folder (the
// selection's, as the code page holds it; empty when it cannot).
MergeInputs MergeInputsOf(const std::string& folder, const std::vector<InputName>& files);

// Each file quoted and followed by a blank, then " cat output \"{TARGET}\""
// (so two blanks stand before cat), run in the selection's folder.
ToolCall MergeCall(const MergeInputs& inputs, const std::string& target);

// Shown instead of a run whose target is one of its inputs (TargetIsAmong):
// the tool would write over a file while it reads it.
inline constexpr char kJoinTargetIsInput[] =
    "The target file is one of the PDF files of the folder to join, and pdftk would write over it "
    "while reading it. Choose a target outside that folder.";
inline constexpr char kMergeTargetIsInput[] =
    "The target file is one of the files to merge, and pdftk would write over it while reading it. "
    "Choose another target file.";

// What to do instead of a run too long for one command line.
inline constexpr char kMergeFewerFiles[] = "Merge fewer files at a time.";
inline constexpr char kJoinFewerFiles[] = "Join fewer files at a time: move some of them into another folder.";

// True when the tool runner can start call: the command line it builds,
// "\"{TOOL}\" {ARGUMENTS} verbose" (CapturedCommandLine with kVerboseSuffix),
// fits Windows' limit (CommandLineFits). Checked before a run, so that a
// merge of some hundred files with long names is refused with
// TooManyFilesNotice instead of failing with the system's bare words.
bool FitsOneRun(const std::string& toolPath, const ToolCall& call, UINT codePage = CP_ACP);

// Shown instead of a run that does not fit one command line, followed by
// advice (kMergeFewerFiles, kJoinFewerFiles).
std::string TooManyFilesNotice(const std::string& advice);

} // namespace velmora
