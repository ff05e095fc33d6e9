#include "ops/MultiFileArguments.h"
#include "ops/CodePageNames.h"
#include "ops/Formatter.h"
#include "ops/PathHelpers.h"
#include "ops/ProcessExecution.h"

namespace velmora {

namespace {

// A trail byte 0x5C of a double-byte character at the end is no backslash;
// FolderPart knows the difference.
bool EndsInBackslash(const std::string& path, UINT codePage)
{
    return !path.empty() && path.back() == '\\' && FolderPart(path, codePage).size() == path.size();
}

// "\\server\share" holds three separators; a trail byte 0x5C of a
// double-byte character is none.
size_t SeparatorsIn(const std::string& path, UINT codePage)
{
    size_t count = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (IsDBCSLeadByteEx(codePage, static_cast<unsigned char>(path[i])) && i + 1 < path.size())
            ++i;
        else if (path[i] == '\\')
            ++count;
    }
    return count;
}

bool IsDriveRoot(const std::string& folder)
{
    const bool drive = folder.size() >= 2 && folder[1] == ':';
    return drive && (folder.size() == 2 || (folder.size() == 3 && folder[2] == '\\'));
}

bool IsShareRoot(const std::string& folder, UINT codePage)
{
    return folder.rfind("\\\\", 0) == 0 && SeparatorsIn(folder, codePage) == 3;
}

std::string FileIn(const std::string& folder, const std::string& name, UINT codePage)
{
    if (folder.empty())
        return name;
    return EndsInBackslash(folder, codePage) ? folder + name : folder + "\\" + name;
}

std::vector<std::string> SplitAtReturns(const std::string& text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t end = text.find('\r', start);
        pieces.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return pieces;
        start = end + 1;
    }
}

using WideText = std::vector<wchar_t>;

std::vector<WideText> WidePiecesAtReturns(const wchar_t* text)
{
    std::vector<WideText> pieces(1);
    for (const wchar_t* c = text; *c; ++c) {
        if (*c == L'\r') {
            pieces.back().push_back(L'\0');
            pieces.emplace_back();
        } else {
            pieces.back().push_back(*c);
        }
    }
    pieces.back().push_back(L'\0');
    return pieces;
}

WideText WideFileIn(const WideText& folder, const WideText& name)
{
    WideText path(folder.begin(), folder.end() - 1);
    if (!path.empty() && path.back() != L'\\')
        path.push_back(L'\\');
    path.insert(path.end(), name.begin(), name.end());
    return path;
}

} // namespace

ToolCall JoinCall(const std::string& folder, const std::string& target)
{
    ToolCall call;
    call.arguments = Format("*.pdf cat output \"%s\"", {target});
    call.folder = folder;
    call.outputFile = target;
    return call;
}

ToolCall JoinCall(const FolderPdfs& pdfs, const std::string& target)
{
    if (!pdfs.listed)
        return JoinCall(pdfs.folder, target);
    MergeInputs inputs;
    inputs.folder = pdfs.folder;
    inputs.files = pdfs.files;
    return MergeCall(inputs, target);
}

std::string ProposedJoinTarget(const std::string& folder, const std::string& elsewhere, UINT codePage)
{
    std::string trimmed = folder;
    if (EndsInBackslash(trimmed, codePage) && !IsDriveRoot(trimmed))
        trimmed.pop_back();
    if (trimmed.empty())
        return std::string();
    if (IsDriveRoot(trimmed))
        return FileIn(elsewhere, std::string("Drive ") + trimmed[0] + ".pdf", codePage);
    if (IsShareRoot(trimmed, codePage))
        return FileIn(elsewhere, NamePart(trimmed, codePage) + ".pdf", codePage);
    return trimmed + ".pdf";
}

MergeInputs ParseMergeSelection(const std::string& selection, UINT codePage)
{
    MergeInputs inputs;
    if (selection.find('\r') == std::string::npos) {
        if (!selection.empty()) {
            inputs.folder = FolderPart(selection, codePage);
            inputs.files.push_back(selection);
        }
        return inputs;
    }

    const std::vector<std::string> pieces = SplitAtReturns(selection);
    inputs.folder = pieces.front();
    if (!EndsInBackslash(inputs.folder, codePage))
        inputs.folder += '\\';
    for (size_t i = 1; i < pieces.size(); ++i) {
        if (!pieces[i].empty())
            inputs.files.push_back(inputs.folder + pieces[i]);
    }
    return inputs;
}

HandedMergeInputs HandOnMergeSelection(const wchar_t* selection, UINT codePage)
{
    HandedMergeInputs handed;
    if (!selection)
        return handed;
    const std::vector<WideText> pieces = WidePiecesAtReturns(selection);
    std::vector<WideText> paths;
    if (pieces.size() == 1) {
        if (pieces.front().size() > 1)
            paths.push_back(pieces.front());
    } else {
        const HandedName folder = NameToHandOn(pieces.front().data(), codePage);
        if (folder.path.empty()) {
            handed.refusal = UnnamableNotice(pieces.front().data(), codePage);
            return handed;
        }
        handed.inputs.folder = EndsInBackslash(folder.path, codePage) ? folder.path : folder.path + '\\';
        for (size_t i = 1; i < pieces.size(); ++i)
            if (pieces[i].size() > 1)
                paths.push_back(WideFileIn(pieces.front(), pieces[i]));
    }
    if (!paths.empty())
        handed.firstFile = paths.front();
    for (const WideText& path : paths) {
        const HandedName file = NameToHandOn(path.data(), codePage);
        if (file.path.empty()) {
            handed.refusal = UnnamableNotice(path.data(), codePage);
            return handed;
        }
        handed.inputs.files.push_back(file.path);
    }
    if (pieces.size() == 1 && !handed.inputs.files.empty())
        handed.inputs.folder = FolderPart(handed.inputs.files.front(), codePage);
    return handed;
}

ToolCall MergeCall(const MergeInputs& inputs, const std::string& target)
{
    std::string list;
    for (const std::string& file : inputs.files)
        list += "\"" + file + "\" ";
    ToolCall call;
    call.arguments = Format("%s cat output \"%s\"", {list, target});
    call.folder = inputs.folder;
    call.outputFile = target;
    return call;
}

bool FitsOneRun(const std::string& toolPath, const ToolCall& call, UINT codePage)
{
    return CommandLineFits(CapturedCommandLine(toolPath, call.arguments + kVerboseSuffix), codePage);
}

std::string TooManyFilesNotice(const std::string& advice)
{
    return "Too many files for one pdftk run: its command line would be longer than the 32,767 characters "
           "that Windows allows. " + advice;
}

} // namespace velmora
