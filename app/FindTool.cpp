#include "app/FindTool.h"
#include "app/Unit1.h"
#include "app/actions/ActionSteps.h"
#include "app/actions/MultiFileActions.h"
#include "ops/CodePageNames.h"
#include "ops/OperationPaths.h"
#include "ops/ToolLocation.h"
#include "ui/CommandLine.h"
#include "ui/Control.h"
#include "ui/MessageBoxes.h"
#include <windows.h>

namespace velmora {

std::string ToolPath;
std::string CmdLineFile;
WideText CmdLineFileWide;

void TakePdfFile(MainWindow* window, const std::string& file)
{
    CmdLineFile = file;
    CmdLineFileWide = WideFromAnsi(file);
    window->PdfFileEdit->SetText(CmdLineFile);
    window->TargetEdit->SetText(ProposedTarget(CmdLineFile));
}

bool IsSingleFileDrop(const std::vector<std::string>& paths, bool (*isFolder)(const std::string& path))
{
    return paths.size() == 1 && !isFolder(paths.front());
}

namespace {

bool IsFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Taken without a word, a missing file would only make the next action
// fail, far from its cause; the user is told now, naming it.
bool IsThereOrTold(const WideText& path)
{
    if (GetFileAttributesW(path.data()) != INVALID_FILE_ATTRIBUTES)
        return true;
    ShowNotice(MissingFileNotice(path.data()));
    return false;
}

} // namespace

void TakeDroppedFiles(MainWindow* window, Control* sender, const std::vector<std::string>* paths)
{
    if (MergeSeveralDroppedFiles(window, sender, *paths))
        return;
    if (!IsSingleFileDrop(*paths, &IsFolder))
        ShowNotice(kDropOneFileNotice);
    else if (IsThereOrTold(WideFromAnsi(paths->front())))
        TakePdfFile(window, paths->front());
}

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
        if (argument.empty() || !IsThereOrTold(argument))
            return true;
        const auto name = HandOnChosenFile(argument);
        if (!name)
            return true;
        TakePdfFile(window, name->path);
        CmdLineFileWide = argument;
    }
    return true;
}

} // namespace velmora
