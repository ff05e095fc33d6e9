#pragma once
// One run of pdftk as an operation wants it: everything the click handler
// needs to act, decided without touching the window or the disk.
#include <string>
#include <vector>

namespace velmora {

// The tool runner ends the arguments of every captured run with this word,
// so that pdftk tells in its output what it did.
inline constexpr char kVerboseSuffix[] = " verbose";

// The files a run writes into its folder under names the tool chooses,
// which no output file of the call names.
enum class FolderFiles {
    None,
    BurstPages,   // pg_0001.pdf, pg_0002.pdf, ... and doc_data.txt
    DumpReport,   // input_report.txt
};

struct ToolCall {
    // The tool's arguments, without the " verbose" that the tool runner appends.
    std::string arguments;
    // The folder the tool runs in; empty: the program's current folder.
    std::string folder;
    // A folder the handler makes sure exists before the run (and does not run
    // the tool when it cannot); empty when the operation needs none.
    std::string folderToCreate;
    // The one file the run writes (relative paths are seen from folder);
    // empty when the run writes into folderToCreate instead.
    std::string outputFile;
    // What the run writes into folderToCreate; None when it writes there
    // nothing, or nothing but outputFile.
    FolderFiles folderFiles = FolderFiles::None;
    // Told after the outcome of a run that went well (where the output went
    // when it is not where the user would look); empty: nothing more.
    std::string note;
    // The passwords the arguments hold: the outcome notice never shows them.
    std::vector<std::string> secrets;
    // The files a combining run reads (join, merge), as the arguments name
    // them, in order; empty for a run on one input, which the first argument
    // names.
    std::vector<std::string> combined;
    // The arguments give the input's password (decrypt's owner field): its
    // refusal is the outcome, not a question for another.
    bool openPasswordGiven = false;
    // Told when the output lost the protection of an input: not for a
    // report, nor where protecting or unprotecting is what the user asked.
    bool tellsLostProtection = true;
};

// The full path of the call's output file as the tool will see it (a
// relative name taken in call.folder, "." and ".." resolved); empty when the
// call names no output file.
std::string OutputPath(const ToolCall& call);

// Asked before a run replaces path, an existing file: Yes replaces it.
std::string ReplaceQuestion(const std::string& path);

} // namespace velmora
