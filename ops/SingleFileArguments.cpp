#include "ops/SingleFileArguments.h"
#include "ops/Formatter.h"
#include "ops/OperationPaths.h"
#include <windows.h>

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

// What burst writes beside the pages.
constexpr char kBurstReportName[] = "doc_data.txt";

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
    ToolCall call = InReportFolder(Format("\"%s\" burst", {input}), input);
    call.folderFiles = FolderFiles::BurstPages;
    return call;
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
    ToolCall call = InReportFolder(Format("\"%s\" dump_data output %s", {input, kDumpReportName}), input);
    call.folderFiles = FolderFiles::DumpReport;
    call.tellsLostProtection = false;
    return call;
}

bool IsPageName(const char* name)
{
    if ((name[0] | 0x20) != 'p' || (name[1] | 0x20) != 'g' || name[2] != '_')
        return false;
    const char* digit = name + 3;
    while (*digit >= '0' && *digit <= '9')
        ++digit;
    return digit - name >= 7 && lstrcmpiA(digit, ".pdf") == 0;
}

bool RunWritesName(FolderFiles kind, const char* name)
{
    if (kind == FolderFiles::DumpReport)
        return lstrcmpiA(name, kDumpReportName) == 0;
    return kind == FolderFiles::None || lstrcmpiA(name, kBurstReportName) == 0 || IsPageName(name);
}

std::string FolderReplaceQuestion(const std::string& folder, FolderFiles kind, int pages, bool report)
{
    const bool burst = kind == FolderFiles::BurstPages;
    if (pages == 0 && !report)
        return std::string();
    const bool one = pages + (report ? 1 : 0) == 1;
    std::string question = folder;
    question += " already holds ";
    if (pages > 0) {
        char count[16];
        wsprintfA(count, pages == 1 ? "%d page" : "%d pages", pages);
        question += count;
        if (report)
            question += " and ";
    }
    if (report)
        question += burst ? kBurstReportName : kDumpReportName;
    question += burst ? " from an earlier Burst.\r\n" : " from an earlier Dump.\r\n";
    question += one ? "Do you want to replace it?" : "Do you want to replace them?";
    if (burst) {
        question += one ? " It is" : " They are";
        question += " removed before the new Burst starts";
        question += pages > 0 ? ", so that no page of the earlier Burst is left beside the new ones." : ".";
    }
    return question;
}

std::string EarlierFileNotRemovedNotice(const std::string& path)
{
    return "Cannot remove the earlier file " + path;
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
