#include "app/FindTool.h"
#include "app/Unit1.h"
#include "app/actions/ActionSteps.h"
#include "ops/OperationPaths.h"
#include "ops/ToolLocation.h"
#include "ui/CommandLine.h"
#include "ui/Control.h"

namespace velmora {

std::string ToolPath;
std::string CmdLineFile;
WideText CmdLineFileWide;

bool FindTool(MainWindow* window, Control*)
{
    ToolPath = LocateTool(ModulePath());
    if (ToolPath.empty())
        return false;
    CmdLineFile.clear();
    CmdLineFileWide.clear();
    if (CountArguments() != 0) {
        // A name the code page cannot hold is refused now, before anything
        // proposes it; the program goes on without it.
        const WideText argument = GetWideArgument(1);
        const auto name = HandOnChosenFile(argument);
        if (!name)
            return true;
        CmdLineFile = name->path;
        CmdLineFileWide = argument;
        window->PdfFileEdit->SetText(CmdLineFile);
        window->TargetEdit->SetText(ProposedTarget(CmdLineFile));
    }
    return true;
}

} // namespace velmora
