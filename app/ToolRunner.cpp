#include "app/ToolRunner.h"
#include "app/LiveRun.h"
#include "app/Unit2.h"
#include "ops/ProcessExecution.h"
#include "ops/SystemMessage.h"
#include "ops/ToolOutcome.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageBoxes.h"

namespace velmora {

std::string ToolPath;

namespace {

// pdftk's output is captured and shown in the Output window; a console of
// its own would only flash up empty.
constexpr int kNoConsole = 0;

// Everything in a folder the run made is the run's own work; the last file
// of a stopped run may be cut short, so none of it is kept.
void RemoveFilesIn(const WideText& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Joined(folder, L"\\*").data(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW(Joined(Joined(folder, L"\\"), found.cFileName).data());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

void ClearTraces(const ProcessResult& result, const RunTraces& traces)
{
    const bool failed = !result.ended || result.exitCode != 0 || result.runError != 0;
    if (result.cancelled && !traces.newFile.empty())
        DeleteFileW(traces.newFile.data());
    if (result.cancelled && !traces.newFolder.empty())
        RemoveFilesIn(traces.newFolder);
    // Removing a folder fails while anything is in it, which is the point.
    if (failed && !traces.newFolder.empty())
        RemoveDirectoryW(traces.newFolder.data());
}

// A hard link costs nothing and needs no room; a copy stands in where the
// disk takes no links (FAT, exFAT, many shares).
bool MakeLinks(const ToolRun& run)
{
    for (const auto& [link, file] : run.links) {
        if (CreateHardLinkW(link.data(), file.data(), nullptr) || CopyFileW(file.data(), link.data(), TRUE))
            continue;
        const DWORD error = GetLastError();
        ShowNotice("pdftk cannot be given this file under a name it can take, because no temporary name "
                   "could be made beside it:\r\n" + ShownAnsi(file) + "\r\n" + SystemMessageText(error));
        return false;
    }
    return true;
}

void RemoveLinks(const ToolRun& run)
{
    for (const auto& [link, file] : run.links)
        DeleteFileW(link.data());
}

// The notice's addition when the written output cannot take its name.
std::string NameOutput(const ToolRun& run, bool wentWell)
{
    if (run.written.empty())
        return std::string();
    if (!wentWell) {
        DeleteFileW(run.written.data());
        return std::string();
    }
    if (MoveFileExW(run.written.data(), run.output.data(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return std::string();
    const DWORD error = GetLastError();
    return "\r\nThe output could not be given its name " + ShownAnsi(run.output) + ": " +
           SystemMessageText(error) + "\r\nIt is kept as " + ShownAnsi(run.written);
}

std::string NoticeFor(const ProcessResult& result, const ToolOutcome& outcome, const RunTraces& traces)
{
    if (result.cancelled && !traces.replacedFile.empty())
        return outcome.notice + "\r\n" + ShownAnsi(traces.replacedFile) + " may be incomplete.";
    return outcome.notice;
}

} // namespace

void RunTool(const ToolRun& run, const RunTraces& traces)
{
    if (!MakeLinks(run)) {
        RemoveLinks(run);
        return;
    }
    ProcessResult result;
    bool shownLive = false;
    {
        LiveRun live(GetOutputWindow());
        result = RunCaptured(ToolPath, run.call.arguments + kVerboseSuffix, run.folder, kNoConsole, INFINITE, &live);
        shownLive = live.IsShown();
        if (shownLive && !result.cancelled && !AppTerminated)
            live.ShowWhole(result.output);
    }
    // Hidden only once the main form is enabled again, so that Windows hands
    // the activation back to it rather than to another program.
    if (shownLive)
        GetOutputWindow()->FormControl->SetVisible(false);
    RemoveLinks(run);
    // The session is ending or the program was asked to quit: nobody is
    // there to read anything.
    const bool anyoneThere = !AppTerminated;
    if (!shownLive && anyoneThere && !result.output.empty())
        ShowOutputText(GetOutputWindow(), result.output);
    ClearTraces(result, traces);
    const ToolOutcome outcome = JudgeToolRun(result);
    const std::string naming = NameOutput(run, outcome.code == 0);
    if (anyoneThere)
        ShowNotice(NoticeFor(result, outcome, traces) + naming);
}

} // namespace velmora
