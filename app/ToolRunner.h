#pragma once
// The one road by which an action runs pdftk and tells the user the outcome:
// the only place that starts the tool.
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// The code that decided the outcome of the last run: the start error, the
// tool's exit code, or 0 after a run that went well.
extern DWORD LastToolError;

// What a run may leave behind that the runner clears away when the run does
// not go well; paths are full, any may be empty.
struct RunTraces {
    std::string newFolder;      // made for this run: removed when the run failed and left it empty
    std::string newFile;        // did not exist before: removed when the run was cancelled
    std::string replacedFile;   // existed and is being replaced: named when the run was cancelled
};

// Runs toolPath with arguments + " verbose" in folder while the windows stay
// alive; a run that takes a while shows its output as it arrives and can be
// cancelled. Shows what it wrote in the Output window (when it wrote
// anything), clears away traces of a run that did not go well, and tells the
// outcome, followed by successNote when the run went well. The outcome never
// shows any of secrets.
void RunTool(const std::string& toolPath, const std::string& arguments, const std::string& folder,
             const RunTraces& traces = {}, const std::string& successNote = {},
             const std::vector<std::string>& secrets = {});

} // namespace velmora
