#pragma once
// The one road by which an action runs pdftk and tells the user the outcome:
// the only place that starts the tool.
#include "ops/ToolNames.h"
#include <string>

namespace velmora {

// The program's own folder followed by "pdftk.exe", fixed at start-up.
extern std::string ToolPath;

// What a run may leave behind that the runner clears away when the run does
// not go well; paths are full, any may be empty.
struct RunTraces {
    WideText newFolder;      // made for this run: removed when the run failed and left it empty
    WideText newFile;        // did not exist before: removed when the run was cancelled
    WideText replacedFile;   // existed and is being replaced: named when the run was cancelled
};

// Makes the run's links, runs ToolPath with its arguments + " verbose" in
// its folder while the windows stay alive (a run that takes a while shows
// its output as it arrives and can be cancelled), shows what the tool wrote
// in the Output window (when it wrote anything), gives a written output its
// real name when the run went well, removes the links and what a run that
// did not go well left, and tells the outcome.
void RunTool(const ToolRun& run, const RunTraces& traces = {});

} // namespace velmora
