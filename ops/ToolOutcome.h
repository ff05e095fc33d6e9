#pragma once
// What the user is told after a run of the tool, decided from what became of
// the process: it could not start, it failed, or it went well.
#include "ops/ProcessExecution.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

inline constexpr char kSuccessNotice[] = "Successful executed";
inline constexpr char kCancelledNotice[] = "Cancelled: pdftk was stopped before it finished.";

struct ToolOutcome {
    DWORD code = 0;        // the error that decided: start, run, time-out, exit code; 0 for success
    std::string notice;    // the text of the outcome notice
};

// pdftk's own reason for a failure, from its output: the first line that
// begins with "Error:" and the lines after it that belong to it (indented, or
// another "Error:" line), without their blanks and without "Exiting.", at
// most three lines joined by line breaks. A line that holds one of secrets
// (the run's passwords) is left out. Empty when the output has no such line.
std::string ToolReason(const std::string& output, const std::vector<std::string>& secrets = {});

// A tool that could not start: the system's text for its start error. A run
// that failed after the start: a notice naming the system's text for that
// failure. A tool that ended with an exit code other than 0: a failure notice
// followed by its ToolReason, so that the user need not have read the Output
// window; one that ran out of time: a failure notice. Otherwise "Successful
// executed".
ToolOutcome JudgeToolRun(const ProcessResult& result, const std::vector<std::string>& secrets = {});

} // namespace velmora
