#include "app/ToolRunner.h"
#include "app/LiveRun.h"
#include "app/ProtectedInputs.h"
#include "app/Unit2.h"
#include "ops/ProcessExecution.h"
#include "ops/RunFiles.h"
#include "ops/SystemMessage.h"
#include "ops/ToolOutcome.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageBoxes.h"

namespace velmora {

std::string ToolPath;

namespace {

bool WentWell(const ProcessResult& result)
{
    return result.ended && result.exitCode == 0 && result.runError == 0;
}

// pdftk's output is captured and shown in the Output window; a console of
// its own would only flash up empty.
constexpr int kNoConsole = 0;

// Stillness this long after a Cancel means the tool has stopped writing:
// the Linux pdftk behind the bridge outlives the Windows side by a few
// tenths of a second. Beyond the limit what is there is removed anyway.
constexpr DWORD kStillForMs = 1000;
constexpr DWORD kStillLimitMs = 10000;
constexpr int kRemovalRounds = 3;

bool Gone(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool Gone(const WideText& path)
{
    return GetFileAttributesW(path.data()) == INVALID_FILE_ATTRIBUTES;
}

void PauseLive(DWORD ms, void* live)
{
    static_cast<LiveRun*>(live)->Pause(ms);
}

// Where a cancelled run's late writes would show.
WideText WatchedPattern(const RunTraces& traces)
{
    if (!traces.newFolder.empty())
        return Joined(traces.newFolder, L"\\*");
    if (!traces.sharedFolder.empty())
        return Joined(traces.sharedFolder, L"\\*");
    return WideFromAnsi(traces.newFile.empty() ? traces.replacedFile : traces.newFile);
}

// Waits until the tool has stopped writing, then removes what the run made.
// A folder that stays is looked at again after another still while, until
// a round finds nothing more of the run's there. While the session ends
// there is no time to wait.
void ClearCancelledRun(const RunTraces& traces, LiveRun& live)
{
    const WideText watched = WatchedPattern(traces);
    const DWORD stillFor = AppTerminated ? 0 : kStillForMs;
    for (int round = 0; round < kRemovalRounds && !watched.empty(); ++round) {
        WaitUntilStill(watched, stillFor, kStillLimitMs, &PauseLive, &live);
        if (!traces.newFile.empty())
            DeleteFileA(traces.newFile.c_str());
        // A folder the run made is the run's own work, and the last file
        // of a stopped run may be cut short, so none of it is kept.
        if (!traces.newFolder.empty()) {
            FindRunFiles(traces.newFolder, FolderFiles::None, true);
            RemoveDirectoryW(traces.newFolder.data());
        }
        RunFilesFound removed;
        if (!traces.sharedFolder.empty())
            removed = FindRunFiles(traces.sharedFolder, traces.folderFiles, true);
        const bool gone = (traces.newFile.empty() || Gone(traces.newFile)) &&
                          (traces.newFolder.empty() || Gone(traces.newFolder));
        if (gone && removed.pages + removed.others == 0)
            return;
    }
}

// A file that did not exist before a failed run is none of the user's: pdftk
// can fail after it opened its output (an empty file, or one cut short).
// Removing a folder fails while anything is in it, which is the point.
void ClearFailedRun(const ProcessResult& result, const RunTraces& traces)
{
    if (WentWell(result))
        return;
    if (!traces.newFile.empty())
        DeleteFileA(traces.newFile.c_str());
    if (!traces.newFolder.empty())
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
std::string NameOutput(const ToolRun& run)
{
    if (run.written.empty())
        return std::string();
    if (MoveFileExW(run.written.data(), run.output.data(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return std::string();
    const DWORD error = GetLastError();
    return "\r\nThe output could not be given its name " + ShownAnsi(run.output) + ": " +
           SystemMessageText(error) + "\r\nIt is kept as " + ShownAnsi(run.written);
}

std::string NoticeFor(const ProcessResult& result, const ToolOutcome& outcome, const RunTraces& traces)
{
    if (result.cancelled && !traces.replacedFile.empty())
        return outcome.notice + "\r\n" + traces.replacedFile + " may be incomplete.";
    return outcome.notice;
}

// What became of a run before the user is told.
struct FinishedRun {
    bool shownLive = false;    // the Output window came up while it ran
    ProcessResult result;
};

// Runs the tool while the windows stay alive, pdftk's questions for
// passwords answered from inputs; a cancelled run's traces are cleared once
// the tool is still. A run that only leads to a question for a password is
// not held up for the user to read its output.
FinishedRun RunOnce(const ToolRun& run, const RunTraces& traces, ProtectedInputs& inputs)
{
    FinishedRun finished;
    {
        LiveRun live(GetOutputWindow(), &inputs.Given());
        finished.result = RunCaptured(ToolPath, run.call.arguments + kVerboseSuffix, run.folder, kNoConsole,
                                      INFINITE, &live, inputs.Answers());
        inputs.HideIn(finished.result.output);
        finished.shownLive = live.IsShown();
        // Still within the run, so the windows stay alive but take no
        // second action while the tool's last writes are awaited.
        if (finished.result.cancelled)
            ClearCancelledRun(traces, live);
        const bool outcome = !finished.result.cancelled && !AppTerminated && !inputs.WillAsk(finished.result);
        if (finished.shownLive && outcome)
            live.ShowWhole(finished.result.output);
    }
    // Hidden only once the main form is enabled again, so that Windows hands
    // the activation back to it rather than to another program.
    if (finished.shownLive)
        GetOutputWindow()->FormControl->SetVisible(false);
    return finished;
}

void TellOutcome(const ToolRun& run, const RunTraces& traces, const FinishedRun& finished, const std::string& note)
{
    const ProcessResult& result = finished.result;
    const bool wentWell = WentWell(result);
    // Named before anything is shown: the session may end meanwhile.
    const std::string naming = wentWell ? NameOutput(run) : std::string();
    // The session is ending or the program was asked to quit: nobody is
    // there to read anything.
    if (AppTerminated)
        return;
    if (!finished.shownLive && !result.output.empty())
        ShowOutputText(GetOutputWindow(), result.output);
    const ToolOutcome outcome = JudgeToolRun(result, run.call.secrets);
    const std::string added = wentWell && !note.empty() ? "\r\n" + note : std::string();
    ShowNotice(NoticeFor(result, outcome, traces) + added + naming);
}

} // namespace

// A run that fails only for want of an input's open password is no outcome
// yet: pdftk gave up before it wrote anything, and the run goes again once
// the user has given the password.
void RunTool(const ToolRun& run, const RunTraces& traces)
{
    ProtectedInputs inputs(run);
    for (;;) {
        const ToolRun planned = inputs.Applied();
        if (!MakeLinks(planned)) {
            RemoveLinks(planned);
            return;
        }
        const FinishedRun finished = RunOnce(planned, traces, inputs);
        RemoveLinks(planned);
        const ProtectedInputs::Next next = inputs.AfterRun(finished.result);
        if (next == ProtectedInputs::Next::RunAgain)
            continue;
        ClearFailedRun(finished.result, traces);
        if (!WentWell(finished.result) && !planned.written.empty())
            DeleteFileW(planned.written.data());
        if (next == ProtectedInputs::Next::Tell)
            TellOutcome(planned, traces, finished, inputs.OutcomeNote(finished.result));
        return;
    }
}

} // namespace velmora
