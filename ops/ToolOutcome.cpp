#include "ops/ToolOutcome.h"
#include "ops/SystemMessage.h"

namespace velmora {

ToolOutcome JudgeToolRun(const ProcessResult& result)
{
    if (!result.started)
        return {result.startError, SystemMessageText(result.startError)};
    if (result.cancelled)
        return {ERROR_CANCELLED, kCancelledNotice};
    if (result.runError != 0)
        return {result.runError, (result.ended ? "pdftk's run could not be checked: " : "pdftk was stopped: ") +
                                     SystemMessageText(result.runError)};
    // Without a failure, a run that did not end is one whose time ran out.
    if (!result.ended)
        return {WAIT_TIMEOUT, "pdftk did not finish"};
    if (result.exitCode != 0)
        return {result.exitCode, "pdftk reported an error (exit code " + std::to_string(result.exitCode) + ")"};
    return {0, kSuccessNotice};
}

} // namespace velmora
