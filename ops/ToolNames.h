#pragma once
// pdftk gets its file names on an 8-bit command line in the system's code
// page, but the system names files in UTF-16. A name the code page holds
// goes on as it is, its full path, as it always did. Any other name goes as
// a bare ASCII name inside the folder pdftk runs in (its current folder is
// given in UTF-16): the file's short 8.3 name where the disk keeps one, else
// a temporary hard link with a plain name. An output that pdftk names after
// such a stand-in is written under that derived name and given the real
// name once the run went well. These decide; the tool runner carries it out.
#include "ops/ToolCall.h"
#include "text/WideText.h"
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// How one input file reaches pdftk.
struct InputName {
    WideText path;          // the full path, as the system names it
    WideText folder;        // its folder, with the trailing backslash
    WideText base;          // its name without the folder and the last extension
    std::string name;       // as pdftk gets it
    bool plain = true;      // name is the full path in the code page
    bool linked = false;    // name is a hard link that must be made in folder before the run
};

// The decision for the file at fullPath: the full path when it fits the
// code page exactly; else, inside its folder, its own name when that fits,
// else shortName (the file's short 8.3 name, no folder) when it is plain
// printable ASCII, else linkName, a plain name free in that folder.
InputName ChooseInputName(const WideText& fullPath, const std::string& shortName, const std::string& linkName,
                          UINT codePage = CP_ACP);

// ChooseInputName with the full path (GetFullPathNameW) and the short name
// (GetShortPathNameW) the system gives for path; withShortName false leaves
// the short name out.
InputName NameInput(const WideText& path, const std::string& linkName, bool withShortName = true,
                    UINT codePage = CP_ACP);

// The refusal of a file named on the command line or dropped that is not
// there: "The file {PATH} was not found.", the path as the code page can
// show it ('?' for what it lacks).
std::string MissingFileNotice(const WideText& path);

// A name for a temporary file of this program: plain ASCII, told apart by
// the process and a serial number.
std::string TemporaryName(unsigned long processId, unsigned serial, const char* ending);

// One run of pdftk, with everything the runner does around it.
struct ToolRun {
    ToolCall call;              // the arguments pdftk gets; call.folder is replaced by folder
    WideText folder;            // where pdftk runs; empty: the program's current folder
    WideText folderToCreate;    // made before the run (burst, dump); removed when the run failed and left it empty
    WideText output;            // the file the user gets, full; empty when the run writes into folderToCreate
    WideText written;           // not empty: pdftk writes this, moved to output after a run that went well
    // Hard links to make before the run and to remove after it, whatever
    // happens: {link, the file it stands for}.
    std::vector<std::pair<WideText, WideText>> links;
    // The inputs as the system names them, in the order of the arguments:
    // what a question about one of them names.
    std::vector<WideText> inputFiles;
};

// How the output of a run on one input is named.
enum class OutputNaming {
    AfterInput,   // the input's base and an ending (repair, rotate, ...): the real base goes back in
    AsGiven,      // the call's own output name (encrypt, decrypt's target field)
};

// The run of call, whose arguments name input by input.name. A plain input
// keeps call as it is. Otherwise pdftk runs in the input's folder; a run
// that writes into a folder of its own (burst, dump) gets that folder named
// after the real base and reads the input as "..\{name}"; an output named
// after the stand-in is written under that name and renamed afterwards.
ToolRun RunOn(const InputName& input, const ToolCall& call, OutputNaming naming);

// The name a combining run (join, merge) writes its target by: the target
// in the code page when it fits exactly, else temporaryName, written in the
// run's folder and moved to the target afterwards.
std::string TargetName(const WideText& target, const std::string& temporaryName, UINT codePage = CP_ACP);

// The run of call over inputs, all in folder, writing target (full, as the
// save dialog named it) by the name TargetName gave. When every input and
// the target are plain, call stays as it is.
ToolRun RunOver(const std::vector<InputName>& inputs, const ToolCall& call, const WideText& folder,
                const WideText& target, UINT codePage = CP_ACP);

} // namespace velmora
