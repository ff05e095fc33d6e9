#pragma once
// What the user is told after a run of the tool, decided from what became of
// the process: it could not start, it failed, or it went well.
#include "ops/ProcessExecution.h"
#include <string>
#include <windows.h>

namespace velmora {

inline constexpr char kSuccessNotice[] = "Successful executed";
inline constexpr char kCancelledNotice[] = "Cancelled: pdftk was stopped before it finished.";

struct ToolOutcome {
    DWORD code = 0;        // the error that decided: start, run, time-out, exit code; 0 for success
    std::string notice;    // the text of the outcome notice
};

// A tool that could not start: the system's text for its start error. A run
// that failed after the start: a notice naming the system's text for that
// failure. A tool that ended with an exit code other than 0, or ran out of
// time: a failure notice (its own error text is already in the Output
// window). Otherwise "Successful executed".
ToolOutcome JudgeToolRun(const ProcessResult& result);

} // namespace velmora
