#include "app/FindTool.h"
#include "app/Unit1.h"
#include "ops/OperationPaths.h"
#include "ops/ToolLocation.h"
#include "ui/CommandLine.h"
#include "ui/Control.h"

namespace velmora {

std::string ToolPath;
std::string CmdLineFile;

bool FindTool(MainWindow* window, Control*)
{
    ToolPath = LocateTool(ModulePath());
    if (ToolPath.empty())
        return false;
    CmdLineFile.clear();
    if (CountArguments() != 0) {
        CmdLineFile = GetArgument(1);
        window->PdfFileEdit->SetText(CmdLineFile);
        window->TargetEdit->SetText(ProposedTarget(CmdLineFile));
    }
    return true;
}

} // namespace velmora
