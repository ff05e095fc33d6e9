#pragma once
// Steps the click handlers of the actions share: asking for the input PDF,
// naming files for pdftk, making the folder a run needs, running the tool.
#include "ops/ToolNames.h"
#include <optional>

namespace velmora {

class MainWindow;

// Shows the PDF file dialog, proposing the PDF named on the command line or
// dropped when there is one; the chosen file as the system names it, or
// nothing when the user cancelled.
std::optional<WideText> ChooseInputPdf(MainWindow* window);

// How path reaches pdftk (NameInput), with a link name that is free in its
// folder; withShortName false passes the short name over.
InputName NameForTool(const WideText& path, bool withShortName = true);

// A name for a temporary file that is free in folder (with its trailing
// backslash).
std::string FreeTemporaryName(const WideText& folder, const char* ending);

// True when path names an existing file or folder.
bool Exists(const WideText& path);

// The run on the file at path of the call that build makes from the name
// pdftk gets, its output named after the input. A short name whose derived
// output is taken already (by a file of an older run, say) gives way to a
// temporary link, so that nothing of the user's is written over.
template <typename Build>
ToolRun PlanOnInput(const WideText& path, Build build)
{
    InputName input = NameForTool(path);
    ToolRun run = RunOn(input, build(input.name), OutputNaming::AfterInput);
    if (!run.written.empty() && Exists(run.written)) {
        input = NameForTool(path, false);
        run = RunOn(input, build(input.name), OutputNaming::AfterInput);
    }
    return run;
}

// Makes sure folder exists as a folder; when it cannot be made, tells the
// user why and gives false.
bool EnsureFolder(const WideText& folder);

// True when the run's output file does not exist yet, or the user answered
// Yes to replacing it. For the actions whose output name is derived or typed;
// join and merge have their save dialog ask instead. For burst and dump, the
// files of the names they write in their folder: after a Yes the pages and
// report of an earlier burst are removed (false, after a notice, when one
// cannot be).
bool MayReplaceOutput(const ToolRun& run);

// Creates the run's folder if it needs one, then runs the tool through the
// tool runner.
void RunPlanned(const ToolRun& run);

// MayReplaceOutput, then RunPlanned.
void RunAskingFirst(const ToolRun& run);

} // namespace velmora
