#pragma once
// The one road by which an action runs pdftk and tells the user the outcome:
// the only place that starts the tool.
#include "ops/ToolCall.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// The code that decided the outcome of the last run: the start error, the
// tool's exit code, or 0 after a run that went well.
extern DWORD LastToolError;

// What a run may leave behind that the runner clears away when the run does
// not go well; paths are full, any may be empty. After a cancelled run they
// are cleared only once nothing has been written to them for a while: the
// tool may stop writing a moment after it was ended.
struct RunTraces {
    std::string newFolder;      // made for this run: emptied and removed when the run was cancelled,
                                // removed when the run failed and left it empty
    // A folder that was there before the run and held none of the files of
    // the names the run writes there (folderFiles) when it started: those
    // are removed from it when the run was cancelled.
    std::string sharedFolder;
    FolderFiles folderFiles = FolderFiles::None;
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
