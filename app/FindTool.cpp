#include "app/FindTool.h"
#include "app/ChosenPdf.h"
#include "app/ToolRunner.h"
#include "app/actions/MultiFileActions.h"
#include "ops/ToolLocation.h"
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

} // namespace

void TakeDroppedFiles(MainWindow* window, Control*, const std::vector<WideText>* paths)
{
    if (MergeSeveralDroppedFiles(window, *paths))
        return;
    if (IsSingleFileDrop(*paths, &IsFolder))
        TakePdfFile(window, paths->front());
    else
        ShowNotice(kDropOneFileNotice);
}

bool FindTool(MainWindow* window, Control*)
{
    ToolPath = LocateTool(ModulePath());
    if (ToolPath.empty())
        return false;
    ChosenPdf.clear();
    NamedPdf.clear();
    if (CountArguments() != 0)
        TakePdfFile(window, GetWideArgument(1));
    return true;
}

} // namespace velmora
