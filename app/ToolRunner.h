#pragma once
// The one road by which an action runs pdftk and tells the user the outcome:
// the only place that starts the tool.
#include <string>
#include <windows.h>

namespace velmora {

// The code that decided the outcome of the last run: the start error, the
// tool's exit code, or 0 after a run that went well.
extern DWORD LastToolError;

// Runs toolPath with arguments + " verbose" in folder, waits for it, shows
// what it wrote in the Output window (when it wrote anything) and then the
// outcome notice.
void RunTool(const std::string& toolPath, const std::string& arguments, const std::string& folder);

} // namespace velmora
