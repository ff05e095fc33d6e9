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
