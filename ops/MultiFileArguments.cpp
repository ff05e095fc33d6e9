#include "ops/MultiFileArguments.h"
#include "ops/Formatter.h"
#include "ops/PathHelpers.h"

namespace velmora {

namespace {

// A trail byte 0x5C of a double-byte character at the end is no backslash;
// FolderPart knows the difference.
bool EndsInBackslash(const std::string& path, UINT codePage)
{
    return !path.empty() && path.back() == '\\' && FolderPart(path, codePage).size() == path.size();
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

} // namespace

ToolCall JoinCall(const std::string& folder, const std::string& target)
{
    ToolCall call;
    call.arguments = Format("*.pdf cat output \"%s\"", {target});
    call.folder = folder;
    return call;
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

ToolCall MergeCall(const MergeInputs& inputs, const std::string& target)
{
    std::string list;
    for (const std::string& file : inputs.files)
        list += "\"" + file + "\" ";
    ToolCall call;
    call.arguments = Format("%s cat output \"%s\"", {list, target});
    call.folder = inputs.folder;
    return call;
}

} // namespace velmora
