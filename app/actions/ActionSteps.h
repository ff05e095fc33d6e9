#pragma once
// Steps the click handlers of the actions share: asking for the input PDF,
// making the folder a run needs, running the tool.
#include "ops/CodePageNames.h"
#include "ops/ToolCall.h"
#include "ui/WideText.h"
#include <optional>
#include <string>

namespace velmora {

class MainWindow;

// The name to hand the tool for a file the user chose or named (as the
// system names it); when there is none, tells the user why and gives nothing.
std::optional<HandedName> HandOnChosenFile(const WideText& path);

// Shows the PDF file dialog, proposing the PDF named on the command line when
// there is one; the chosen file as the tool is to get it, or nothing when the
// user cancelled or the file cannot be handed on (the user is told why).
std::optional<HandedName> ChooseInputPdf(MainWindow* window);

// call, which reads input: when input goes by its short name, the output is
// named after that, and the outcome of a good run says where it went.
ToolCall NotingShortName(ToolCall call, const HandedName& input);

// Makes sure folder exists as a folder; when it cannot be made, tells the
// user why and gives false.
bool EnsureFolder(const std::string& folder);

// True when the call's output file does not exist yet, or the user answered
// Yes to replacing it. For the actions whose output name is derived or typed;
// join and merge have their save dialog ask instead. For burst and dump, the
// files of the names they write in their folder: after a Yes the pages and
// report of an earlier burst are removed (false, after a notice, when one
// cannot be).
bool MayReplaceOutput(const ToolCall& call);

// Creates the call's folder if it needs one, then runs the tool through the
// tool runner.
void RunToolCall(const ToolCall& call);

// MayReplaceOutput, then RunToolCall.
void RunToolCallAskingFirst(const ToolCall& call);

} // namespace velmora
