#include "ops/SingleFileArguments.h"
#include "ops/Formatter.h"
#include "ops/OperationPaths.h"

namespace velmora {

namespace {

ToolCall InInputFolder(const std::string& arguments, const std::string& input)
{
    ToolCall call;
    call.arguments = arguments;
    call.folder = InputFolder(input);
    return call;
}

// The tool writes its many files into its current folder, so that folder
// must be the one named after the input, and it must exist before the run.
ToolCall InReportFolder(const std::string& arguments, const std::string& input)
{
    ToolCall call;
    call.arguments = arguments;
    call.folder = ReportFolder(input);
    call.folderToCreate = call.folder;
    return call;
}

// "{IN}" output "{DIR}{BASE}{ENDING}" and what follows the output.
ToolCall WriteBeside(const std::string& input, const char* ending, const std::string& after)
{
    const std::string output = BesideInput(input, ending);
    ToolCall call = InInputFolder(Format("\"%s\" output \"%s\"%s", {input, output, after}), input);
    call.outputFile = output;
    return call;
}

} // namespace

ToolCall RepairCall(const std::string& input)
{
    return WriteBeside(input, "_fixed.pdf", "");
}

std::string FolderNotCreatedNotice(const std::string& folder)
{
    return "Cannot create the folder " + folder;
}

ToolCall BurstCall(const std::string& input)
{
    return InReportFolder(Format("\"%s\" burst", {input}), input);
}

ToolCall CompressCall(const std::string& input)
{
    return WriteBeside(input, "_compress.pdf", " compress");
}

ToolCall UncompressCall(const std::string& input)
{
    return WriteBeside(input, "_uncompress.pdf", " uncompress");
}

ToolCall DumpCall(const std::string& input)
{
    return InReportFolder(Format("\"%s\" dump_data output input_report.txt", {input}), input);
}

std::string RotationKeyword(int rotationIndex)
{
    static const char* const keywords[] = {"east", "south", "west", "left", "right", "down"};
    if (rotationIndex < 0 || rotationIndex >= 6)
        return std::string();
    return keywords[rotationIndex];
}

ToolCall RotateCall(const std::string& input, int rotationIndex)
{
    const std::string output = BesideInput(input, "_rotate.pdf");
    ToolCall call = InInputFolder(
        Format("\"%s\" cat 1-end%s output \"%s\"", {input, RotationKeyword(rotationIndex), output}), input);
    call.outputFile = output;
    return call;
}

} // namespace velmora
