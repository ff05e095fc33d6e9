#include "ops/PageSelectionArguments.h"
#include "ops/Formatter.h"
#include "ops/OperationPaths.h"

namespace velmora {

std::string CatRefusal(const CatFields& fields)
{
    if (fields.from.empty() || fields.to.empty())
        return "CAT FROM: and CAT TO: must be insert";
    return std::string();
}

std::string CatParity(bool allPages, bool evenPages, bool oddPages)
{
    if (allPages) return std::string();
    if (evenPages) return "even";
    if (oddPages) return "odd";
    return std::string();
}

ToolCall CatCall(const std::string& input, const CatFields& fields)
{
    ToolCall call;
    call.outputFile = BesideInput(input, "_cat.pdf");
    call.arguments = Format("\"A=%s\" cat A%s-%s%s output \"%s\"", {
        input, fields.from, fields.to,
        CatParity(fields.allPages, fields.evenPages, fields.oddPages),
        call.outputFile});
    call.folder = InputFolder(input);
    return call;
}

std::optional<ToolCall> RemoveCall(const std::string& input, const std::string& ranges)
{
    if (ranges.empty())
        return std::nullopt;
    ToolCall call;
    call.outputFile = BesideInput(input, "_remove.pdf");
    call.arguments = Format("\"A=%s\" cat %s output \"%s\"", {input, ranges, call.outputFile});
    call.folder = InputFolder(input);
    return call;
}

} // namespace velmora
