#include "app/ToolRunner.h"
#include "app/Unit2.h"
#include "ops/ProcessExecution.h"
#include "ops/ToolOutcome.h"
#include "ui/MessageBoxes.h"

namespace velmora {

DWORD LastToolError = 0;

namespace {
// Any non-zero value: pdftk's console window is not suppressed.
constexpr int ToolShowValue = SW_SHOW;
}

void RunTool(const std::string& toolPath, const std::string& arguments, const std::string& folder)
{
    ProcessResult result = RunCaptured(toolPath, arguments + " verbose", folder, ToolShowValue, INFINITE);
    if (!result.output.empty())
        ShowOutputText(TheOutputWindow, result.output);
    ToolOutcome outcome = JudgeToolRun(result);
    LastToolError = outcome.code;
    ShowNotice(outcome.notice);
}

} // namespace velmora
