#pragma once
// The one road by which an action runs pdftk and tells the user the outcome:
// the only place that starts the tool.
#include "ops/ToolNames.h"
#include <string>
#include <windows.h>

namespace velmora {

// The program's own folder followed by "pdftk.exe", fixed at start-up.
extern std::string ToolPath;

// What a run may leave behind that the runner clears away when the run does
// not go well; paths are full, any may be empty. After a cancelled run they
// are cleared only once nothing has been written to them for a while: the
// tool may stop writing a moment after it was ended. Folders are named as
// the system names them; the files, which only plain names reach, in the
// code page.
struct RunTraces {
    // Made for this run: emptied and removed when the run was cancelled,
    // removed when the run failed and left it empty.
    WideText newFolder;
    // A folder that was there before the run and held none of the files of
    // the names the run writes there (folderFiles) when it started: those
    // are removed from it when the run was cancelled.
    WideText sharedFolder;
    FolderFiles folderFiles = FolderFiles::None;
    std::string newFile;        // did not exist before: removed when the run was cancelled
    std::string replacedFile;   // existed and is being replaced: named when the run was cancelled
};

// Makes the run's links, runs ToolPath with its arguments + " verbose" in
// its folder while the windows stay alive (a run that takes a while shows
// its output as it arrives and can be cancelled), shows what the tool wrote
// in the Output window (when it wrote anything), gives a written output its
// real name when the run went well, removes the links and what a run that
// did not go well left, and tells the outcome. A run refused for want of an
// input's open password asks for it and goes again, the password reaching
// pdftk on its standard input.
void RunTool(const ToolRun& run, const RunTraces& traces = {});

} // namespace velmora
