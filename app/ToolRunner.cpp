#include "app/ToolRunner.h"
#include "app/LiveRun.h"
#include "app/Unit2.h"
#include "ops/ProcessExecution.h"
#include "ops/ToolOutcome.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageBoxes.h"

namespace velmora {

DWORD LastToolError = 0;

namespace {

// pdftk's output is captured and shown in the Output window; a console of
// its own would only flash up empty.
constexpr int kNoConsole = 0;

// Everything in a folder the run made is the run's own work; the last file
// of a stopped run may be cut short, so none of it is kept.
void RemoveFilesIn(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void ClearTraces(const ProcessResult& result, const RunTraces& traces)
{
    const bool failed = !result.ended || result.exitCode != 0 || result.runError != 0;
    if (result.cancelled && !traces.newFile.empty())
        DeleteFileA(traces.newFile.c_str());
    if (result.cancelled && !traces.newFolder.empty())
        RemoveFilesIn(traces.newFolder);
    // Removing a folder fails while anything is in it, which is the point.
    if (failed && !traces.newFolder.empty())
        RemoveDirectoryA(traces.newFolder.c_str());
}

std::string NoticeFor(const ProcessResult& result, const ToolOutcome& outcome, const RunTraces& traces,
                      const std::string& successNote)
{
    if (result.cancelled && !traces.replacedFile.empty())
        return outcome.notice + "\r\n" + traces.replacedFile + " may be incomplete.";
    if (outcome.code == 0 && !successNote.empty())
        return outcome.notice + "\r\n" + successNote;
    return outcome.notice;
}

} // namespace

void RunTool(const std::string& toolPath, const std::string& arguments, const std::string& folder,
             const RunTraces& traces, const std::string& successNote, const std::vector<std::string>& secrets)
{
    ProcessResult result;
    bool shownLive = false;
    {
        LiveRun live(GetOutputWindow());
        result = RunCaptured(toolPath, arguments + " verbose", folder, kNoConsole, INFINITE, &live);
        shownLive = live.IsShown();
        if (shownLive && !result.cancelled && !AppTerminated)
            live.ShowWhole(result.output);
    }
    // Hidden only once the main form is enabled again, so that Windows hands
    // the activation back to it rather than to another program.
    if (shownLive)
        GetOutputWindow()->FormControl->SetVisible(false);
    // The session is ending or the program was asked to quit: nobody is
    // there to read anything.
    const bool anyoneThere = !AppTerminated;
    if (!shownLive && anyoneThere && !result.output.empty())
        ShowOutputText(GetOutputWindow(), result.output);
    ClearTraces(result, traces);
    ToolOutcome outcome = JudgeToolRun(result, secrets);
    LastToolError = outcome.code;
    if (anyoneThere)
        ShowNotice(NoticeFor(result, outcome, traces, successNote));
}

} // namespace velmora
