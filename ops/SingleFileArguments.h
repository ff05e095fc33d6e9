#pragma once
// The six operations on one PDF chosen in the PDF file dialog. Each writes
// beside its input and runs in the input's folder, whatever the PDF file
// field holds: the field is the input of encryption and decryption only.
#include "ops/ToolCall.h"
#include <string>

namespace velmora {

// Shown before the file dialog of repair and burst.
inline constexpr char kRepairNotice[] =
    "Repair a corrupted PDF, if possible (this can take a long time on a large file)";
inline constexpr char kBurstNotice[] =
    "Burst a PDF document into single pages, optionally applying encryption. "
    "This also creates a document report, doc_data.txt, that lists metadata and bookmark information.";

// "{IN}" output "{DIR}{BASE}_fixed.pdf", in the input's folder.
ToolCall RepairCall(const std::string& input);

// Shown instead of running burst or dump when their folder cannot be made
// (a file of that name in the way, a read-only folder).
std::string FolderNotCreatedNotice(const std::string& folder);

// "{IN}" burst, run in (and creating first) ReportFolder: the pages and
// doc_data.txt land in the folder {DIR}{BASE} beside the input.
ToolCall BurstCall(const std::string& input);

// "{IN}" output "{DIR}{BASE}_compress.pdf" compress, and the same with
// uncompress, in the input's folder.
ToolCall CompressCall(const std::string& input);
ToolCall UncompressCall(const std::string& input);

// "{IN}" dump_data output input_report.txt, run in (and creating first)
// ReportFolder, as burst does.
ToolCall DumpCall(const std::string& input);

// The report dump writes into its folder.
inline constexpr char kDumpReportName[] = "input_report.txt";

// True when a run writes a file named name (without a folder) into its
// folder: for burst "pg_" followed by four digits or more and ".pdf" (pdftk
// numbers the pages so), and "doc_data.txt"; for dump kDumpReportName; for
// None every name. Letter case does not count, as on Windows.
bool RunWritesName(FolderFiles kind, const char* name);
// Of those, the pages of a burst.
bool IsPageName(const char* name);

// Asked, Yes to replace them, before a burst or dump writes into folder
// when it holds pages of an earlier burst or the report (doc_data.txt of
// burst, the report of dump); empty when it holds neither. After a Yes to
// burst's question they are all removed before the run: a burst of fewer
// pages would leave the earlier pages beyond its last one beside its own.
// Dump's one report is simply replaced.
std::string FolderReplaceQuestion(const std::string& folder, FolderFiles kind, int pages, bool report);

// Shown, followed by the system's reason, when an earlier file cannot be
// removed before a burst; the burst does not run.
std::string EarlierFileNotRemovedNotice(const std::string& path);

// pdftk's rotation keyword for an index of the rotation list: 0 east,
// 1 south, 2 west, 3 left, 4 right, 5 down; empty for no selection (-1) or
// any other index. pdftk has taken only these words since version 1.43: the
// one-letter forms of older versions (E, S, W, L, R, D) make it refuse the
// whole page range and write nothing.
std::string RotationKeyword(int rotationIndex);

// "{IN}" cat 1-end{R} output "{DIR}{BASE}_rotate.pdf", in the input's
// folder; without a keyword the pages are copied unrotated.
ToolCall RotateCall(const std::string& input, int rotationIndex);

} // namespace velmora
