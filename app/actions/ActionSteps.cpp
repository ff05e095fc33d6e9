#include "app/actions/ActionSteps.h"
#include "app/FindTool.h"
#include "app/ToolRunner.h"
#include "app/Unit1.h"
#include "ops/RunFiles.h"
#include "ops/SingleFileArguments.h"
#include "ops/ToolLocation.h"
#include "ops/SystemMessage.h"
#include "ui/FileDialog.h"
#include "ui/MessageBoxes.h"
#include <windows.h>

namespace velmora {

std::optional<HandedName> HandOnChosenFile(const WideText& path)
{
    if (path.empty())
        return std::nullopt;
    HandedName name = NameToHandOn(path.data());
    if (name.path.empty()) {
        ShowNotice(UnnamableNotice(path.data()));
        return std::nullopt;
    }
    return name;
}

std::optional<HandedName> ChooseInputPdf(MainWindow* window)
{
    FileDialog* dialog = window->PdfFileDialog;
    // The name as the command line gave it, not as handed on: a short name
    // confirmed in the dialog would no longer tell that it is one.
    if (!CmdLineFile.empty())
        ProposeFile(dialog, CmdLineFileWide.data());
    if (!RunFileDialog(dialog))
        return std::nullopt;
    return HandOnChosenFile(dialog->wideFileName);
}

ToolCall NotingShortName(ToolCall call, const HandedName& input)
{
    if (!input.isShortName)
        return call;
    // The file when the call names it, else the folder the run writes into.
    if (!call.outputFile.empty())
        call.note = ShortNameNote(OutputPath(call));
    else
        call.note = ShortNameNote(call.folderToCreate.empty() ? call.folder : call.folderToCreate);
    return call;
}

bool EnsureFolder(const std::string& folder)
{
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    if (CreateDirectoryA(folder.c_str(), nullptr))
        return true;
    // A file of that name in the way gives "already exists", which would
    // puzzle; say plainly that the folder could not be made, then why.
    const DWORD error = GetLastError();
    ShowNotice(FolderNotCreatedNotice(folder) + "\r\n" + SystemMessageText(error));
    return false;
}

namespace {

// No is the default: Enter on a box that came as a surprise keeps the files.
constexpr UINT kReplaceQuestion = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

// Burst and dump write into a folder: asked when it holds files of the
// names they write, and an earlier burst is cleared away after a Yes.
bool MayReplaceFolderFiles(const ToolCall& call)
{
    const std::string& folder = call.folderToCreate;
    const RunFilesFound earlier = FindRunFiles(folder, call.folderFiles, false);
    const std::string question = FolderReplaceQuestion(folder, call.folderFiles, earlier.pages, earlier.others > 0);
    if (question.empty())
        return true;
    if (ShowMessageBox(question, kReplaceQuestion) != IDYES)
        return false;
    if (call.folderFiles != FolderFiles::BurstPages)
        return true;
    const RunFilesFound left = FindRunFiles(folder, call.folderFiles, true);
    if (left.kept.empty())
        return true;
    ShowNotice(EarlierFileNotRemovedNotice(folder + "\\" + left.kept) + "\r\n" + SystemMessageText(left.keptError));
    return false;
}

} // namespace

bool MayReplaceOutput(const ToolCall& call)
{
    if (call.folderFiles != FolderFiles::None)
        return MayReplaceFolderFiles(call);
    const std::string output = OutputPath(call);
    if (output.empty() || !FileExists(output))
        return true;
    return ShowMessageBox(ReplaceQuestion(output), kReplaceQuestion) == IDYES;
}

void RunToolCall(const ToolCall& call)
{
    RunTraces traces;
    if (!call.folderToCreate.empty()) {
        const std::string& folder = call.folderToCreate;
        const bool existed = GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (!EnsureFolder(folder))
            return;
        // The report of dump is one file, replaced or new as any output.
        if (call.folderFiles == FolderFiles::DumpReport) {
            const std::string report = folder + "\\" + kDumpReportName;
            (FileExists(report) ? traces.replacedFile : traces.newFile) = report;
        }
        if (!existed)
            traces.newFolder = folder;
        // The folder holds no pages of an earlier burst by now: whatever
        // of the names burst writes it holds after a cancelled run is the
        // run's own.
        else if (call.folderFiles == FolderFiles::BurstPages)
            traces.sharedFolder = folder;
        traces.folderFiles = call.folderFiles;
    }
    if (!call.outputFile.empty()) {
        const std::string output = OutputPath(call);
        (FileExists(output) ? traces.replacedFile : traces.newFile) = output;
    }
    RunTool(ToolPath, call.arguments, call.folder, traces, call.note, call.secrets);
}

void RunToolCallAskingFirst(const ToolCall& call)
{
    if (MayReplaceOutput(call))
        RunToolCall(call);
}

} // namespace velmora
