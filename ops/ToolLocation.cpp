#include "ops/ToolLocation.h"
#include "app/Unit1.h"
#include "ops/OperationPaths.h"
#include "ops/PathHelpers.h"
#include "ui/CommandLine.h"
#include "ui/Control.h"
#include "ui/MessageBoxes.h"
#include <windows.h>

namespace velmora {

std::string ToolPath;
std::string CmdLineFile;

std::string ToolPathFor(const std::string& modulePath)
{
    const std::string folder = FolderPart(modulePath);
    return folder.empty() ? std::string() : folder + "pdftk.exe";
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void FindTool(MainWindow* window, Control*)
{
    ToolPath = ToolPathFor(ModulePath());
    if (ToolPath.empty() || !FileExists(ToolPath)) {
        ShowNotice(kToolNotFoundNotice);
        ExitProcess(1);
    }
    CmdLineFile.clear();
    if (CountArguments() != 0) {
        CmdLineFile = GetArgument(1);
        window->PdfFileEdit->SetText(CmdLineFile);
        window->TargetEdit->SetText(ProposedTarget(CmdLineFile));
    }
}

} // namespace velmora
