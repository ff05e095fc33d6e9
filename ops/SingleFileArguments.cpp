#include "ops/SingleFileArguments.h"
#include "ops/Formatter.h"
#include "ops/OperationPaths.h"

namespace velmora {

namespace {

ToolCall InFieldFolder(const std::string& arguments, const std::string& pdfField)
{
    ToolCall call;
    call.arguments = arguments;
    call.folder = FieldFolder(pdfField);
    return call;
}

// The tool writes its many files into its current folder, so that folder
// must be the one named after the input, and it must exist before the run.
ToolCall InReportFolder(const std::string& arguments, const std::string& input,
                        const std::string& pdfField)
{
    ToolCall call;
    call.arguments = arguments;
    call.folder = ReportFolder(input, pdfField);
    call.folderToCreate = call.folder;
    return call;
}

} // namespace

ToolCall RepairCall(const std::string& input, const std::string& pdfField)
{
    return InFieldFolder(Format("\"%s\" output \"%s\"", {input, BesideInput(input, "_fixed.pdf")}),
                         pdfField);
}

std::string FolderNotCreatedNotice(const std::string& folder)
{
    return "Cannot create the folder " + folder;
}

ToolCall BurstCall(const std::string& input, const std::string& pdfField)
{
    return InReportFolder(Format("\"%s\" burst", {input}), input, pdfField);
}

ToolCall CompressCall(const std::string& input, const std::string& pdfField)
{
    return InFieldFolder(Format("\"%s\" output \"%s\" compress", {input, InputBase(input) + "_compress.pdf"}),
                         pdfField);
}

ToolCall UncompressCall(const std::string& input, const std::string& pdfField)
{
    return InFieldFolder(Format("\"%s\" output \"%s\" uncompress", {input, InputBase(input) + "_uncompress.pdf"}),
                         pdfField);
}

ToolCall DumpCall(const std::string& input, const std::string& pdfField)
{
    return InReportFolder(Format("\"%s\" dump_data output input_report.txt", {input}), input, pdfField);
}

std::string RotationKeyword(int rotationIndex)
{
    static const char* const keywords[] = {"east", "south", "west", "left", "right", "down"};
    if (rotationIndex < 0 || rotationIndex >= 6)
        return std::string();
    return keywords[rotationIndex];
}

ToolCall RotateCall(const std::string& input, const std::string& pdfField, int rotationIndex)
{
    return InFieldFolder(Format("\"%s\" cat 1-end%s output \"%s\"",
                                {input, RotationKeyword(rotationIndex), InputBase(input) + "_rotate.pdf"}),
                         pdfField);
}

} // namespace velmora
