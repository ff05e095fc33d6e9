#include "app/actions/ActionSteps.h"
#include "app/ChosenPdf.h"
#include "app/MainWindow.h"
#include "app/ToolRunner.h"
#include "ops/RunFiles.h"
#include "ops/SingleFileArguments.h"
#include "ops/ToolLocation.h"
#include "ops/SystemMessage.h"
#include "ui/FileDialog.h"
#include "ui/MessageBoxes.h"

namespace velmora {

std::optional<WideText> ChooseInputPdf(MainWindow* window)
{
    FileDialog* dialog = window->PdfFileDialog;
    if (!NamedPdf.empty())
        ProposeFile(dialog, NamedPdf.data());
    if (!RunFileDialog(dialog) || dialog->wideFileName.empty())
        return std::nullopt;
    return dialog->wideFileName;
}

bool Exists(const WideText& path)
{
    return GetFileAttributesW(path.data()) != INVALID_FILE_ATTRIBUTES;
}

std::string FreeTemporaryName(const WideText& folder, const char* ending)
{
    static unsigned serial = 0;
    for (;;) {
        const std::string name = TemporaryName(GetCurrentProcessId(), serial++, ending);
        if (!Exists(Joined(folder, WideFromAnsi(name).data())))
            return name;
    }
}

InputName NameForTool(const WideText& path, bool withShortName)
{
    const InputName named = NameInput(path, "", withShortName);
    if (!named.linked)
        return named;
    return NameInput(path, FreeTemporaryName(named.folder, ".pdf"), withShortName);
}

bool EnsureFolder(const WideText& folder)
{
    const DWORD attributes = GetFileAttributesW(folder.data());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    if (CreateDirectoryW(folder.data(), nullptr))
        return true;
    // A file of that name in the way gives "already exists", which would
    // puzzle; say plainly that the folder could not be made, then why.
    const DWORD error = GetLastError();
    ShowNotice(FolderNotCreatedNotice(ShownAnsi(folder)) + "\r\n" + SystemMessageText(error));
    return false;
}

namespace {

// No is the default: Enter on a box that came as a surprise keeps the files.
constexpr UINT kReplaceQuestion = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;

// The folder-file checks work in the code page: a path it cannot hold is
// empty here.
std::string PlainPath(const WideText& path)
{
    auto exact = ExactAnsi(path.data());
    return exact ? *exact : std::string();
}

// Burst and dump write into a folder: asked when it holds files of the
// names they write, and an earlier burst is cleared away after a Yes.
bool MayReplaceFolderFiles(const ToolRun& run)
{
    const WideText& folder = run.folderToCreate;
    const FolderFiles kind = run.call.folderFiles;
    const RunFilesFound earlier = FindRunFiles(folder, kind, false);
    const std::string question = FolderReplaceQuestion(ShownAnsi(folder), kind, earlier.pages, earlier.others > 0);
    if (question.empty())
        return true;
    if (ShowMessageBox(question, kReplaceQuestion) != IDYES)
        return false;
    if (kind != FolderFiles::BurstPages)
        return true;
    const RunFilesFound left = FindRunFiles(folder, kind, true);
    if (left.kept.empty())
        return true;
    ShowNotice(EarlierFileNotRemovedNotice(ShownAnsi(folder) + "\\" + left.kept) + "\r\n" +
               SystemMessageText(left.keptError));
    return false;
}

} // namespace

bool MayReplaceOutput(const ToolRun& run)
{
    if (run.call.folderFiles != FolderFiles::None)
        return MayReplaceFolderFiles(run);
    if (run.output.empty() || !Exists(run.output))
        return true;
    return ShowMessageBox(ReplaceQuestion(ShownAnsi(run.output)), kReplaceQuestion) == IDYES;
}

void RunPlanned(const ToolRun& run)
{
    RunTraces traces;
    if (!run.folderToCreate.empty()) {
        const bool existed = Exists(run.folderToCreate);
        if (!EnsureFolder(run.folderToCreate))
            return;
        const std::string folder = PlainPath(run.folderToCreate);
        // The report of dump is one file, replaced or new as any output.
        if (run.call.folderFiles == FolderFiles::DumpReport && !folder.empty()) {
            const std::string report = folder + "\\" + kDumpReportName;
            (FileExists(report) ? traces.replacedFile : traces.newFile) = report;
        }
        if (!existed)
            traces.newFolder = run.folderToCreate;
        // The folder holds no pages of an earlier burst by now: whatever
        // of the names burst writes it holds after a cancelled run is the
        // run's own.
        else if (run.call.folderFiles == FolderFiles::BurstPages)
            traces.sharedFolder = run.folderToCreate;
        traces.folderFiles = run.call.folderFiles;
    }
    if (!run.output.empty()) {
        // A written output reaches the real one only after a good run; the
        // runner removes it otherwise.
        const std::string output = PlainPath(run.written.empty() ? run.output : run.written);
        if (!output.empty())
            (run.written.empty() && FileExists(output) ? traces.replacedFile : traces.newFile) = output;
    }
    RunTool(run, traces);
}

void RunAskingFirst(const ToolRun& run)
{
    if (MayReplaceOutput(run))
        RunPlanned(run);
}

} // namespace velmora
