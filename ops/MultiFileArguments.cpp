#include "ops/MultiFileArguments.h"
#include "ops/Formatter.h"
#include "ops/PathHelpers.h"
#include "ops/ProcessExecution.h"
#include "text/CharacterSteps.h"

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
    for (size_t i = 0; i < path.size(); i += CharacterSize(path, i, codePage)) {
        if (CharacterSize(path, i, codePage) == 1 && path[i] == '\\')
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
    const size_t length = LengthOf(folder);
    const bool separated = length > 0 && folder[length - 1] == L'\\';
    return Joined(separated ? folder : Joined(folder, L"\\"), name.data());
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

ToolCall JoinCall(const std::string& folder, const std::vector<InputName>& files, const std::string& target)
{
    bool plain = !folder.empty();
    for (const InputName& file : files)
        plain = plain && file.plain;
    if (!plain)
        return MergeCall(MergeInputsOf(folder, files), target);
    ToolCall call = JoinCall(folder, target);
    for (const InputName& file : files)
        call.combined.push_back(file.name);
    return call;
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

std::vector<WideText> ReadMergeSelection(const wchar_t* selection)
{
    std::vector<WideText> files;
    if (!selection || !*selection)
        return files;
    const std::vector<WideText> pieces = WidePiecesAtReturns(selection);
    if (pieces.size() == 1)
        return pieces;
    for (size_t i = 1; i < pieces.size(); ++i)
        if (LengthOf(pieces[i]) > 0)
            files.push_back(WideFileIn(pieces.front(), pieces[i]));
    return files;
}

MergeInputs MergeInputsOf(const std::string& folder, const std::vector<InputName>& files)
{
    MergeInputs inputs;
    inputs.folder = folder.empty() || EndsInBackslash(folder, CP_ACP) ? folder : folder + '\\';
    for (const InputName& file : files)
        inputs.files.push_back(file.name);
    return inputs;
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
    call.combined = inputs.files;
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
