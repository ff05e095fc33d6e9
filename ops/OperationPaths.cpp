#include "ops/OperationPaths.h"
#include "ops/PathHelpers.h"

namespace velmora {

std::string InputBase(const std::string& input)
{
    return ReplaceExtension(NamePart(input), "");
}

std::string BesideInput(const std::string& input, const std::string& ending)
{
    return FolderPart(input) + InputBase(input) + ending;
}

std::string InputFolder(const std::string& input)
{
    return FolderPart(input);
}

std::string ReportFolder(const std::string& input)
{
    return InputFolder(input) + InputBase(input);
}

std::string ProposedTarget(const std::string& pdfPath)
{
    return ReplaceExtension(pdfPath, "_sec.pdf");
}

} // namespace velmora
