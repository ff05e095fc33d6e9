#pragma once
// Steps the click handlers of the actions share: asking for the input PDF,
// making the folder a run needs, running the tool.
#include "ops/ToolCall.h"
#include <optional>
#include <string>

namespace velmora {

class MainWindow;

// Shows the PDF file dialog, proposing the PDF named on the command line when
// there is one; the chosen path, or nothing when the user cancelled.
std::optional<std::string> ChooseInputPdf(MainWindow* window);

// Makes sure folder exists as a folder; when it cannot be made, tells the
// user why and gives false.
bool EnsureFolder(const std::string& folder);

// True when the call's output file does not exist yet, or the user answered
// Yes to replacing it. For the actions whose output name is derived or typed;
// join and merge have their save dialog ask instead.
bool MayReplaceOutput(const ToolCall& call);

// Creates the call's folder if it needs one, then runs the tool through the
// tool runner.
void RunToolCall(const ToolCall& call);

// MayReplaceOutput, then RunToolCall.
void RunToolCallAskingFirst(const ToolCall& call);

} // namespace velmora
