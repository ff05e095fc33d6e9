#include "app/FindTool.h"
#include "app/ChosenPdf.h"
#include "app/ToolRunner.h"
#include "app/actions/MultiFileActions.h"
#include "ops/ToolLocation.h"
#include "ops/ToolNames.h"
#include "ui/CommandLine.h"
#include "ui/MessageBoxes.h"

namespace velmora {

bool IsSingleFileDrop(const std::vector<WideText>& paths, bool (*isFolder)(const WideText& path))
{
    return paths.size() == 1 && !isFolder(paths.front());
}

namespace {

bool IsFolder(const WideText& path)
{
    const DWORD attributes = GetFileAttributesW(path.data());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Taken without a word, a missing file would only make the next action
// fail, far from its cause; the user is told now, naming it.
bool IsThereOrTold(const WideText& path)
{
    if (GetFileAttributesW(path.data()) != INVALID_FILE_ATTRIBUTES)
        return true;
    ShowNotice(MissingFileNotice(path));
    return false;
}

} // namespace

void TakeDroppedFiles(MainWindow* window, Control*, const std::vector<WideText>* paths)
{
    if (MergeSeveralDroppedFiles(window, *paths))
        return;
    if (!IsSingleFileDrop(*paths, &IsFolder))
        ShowNotice(kDropOneFileNotice);
    else if (IsThereOrTold(paths->front()))
        TakePdfFile(window, paths->front());
}

bool FindTool(MainWindow* window, Control*)
{
    ToolPath = LocateTool(ModulePath());
    if (ToolPath.empty())
        return false;
    ChosenPdf.clear();
    NamedPdf.clear();
    if (CountArguments() == 0)
        return true;
    const WideText argument = GetWideArgument(1);
    if (!argument.empty() && IsThereOrTold(argument))
        TakePdfFile(window, argument);
    return true;
}

} // namespace velmora
