#include "app/actions/ActionSteps.h"
#include "app/ChosenPdf.h"
#include "app/MainWindow.h"
#include "app/ToolRunner.h"
#include "ops/SingleFileArguments.h"
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

bool MayReplaceOutput(const ToolRun& run)
{
    if (run.output.empty() || !Exists(run.output))
        return true;
    // No is the default: Enter on a box that came as a surprise keeps the file.
    const UINT question = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;
    return ShowMessageBox(ReplaceQuestion(ShownAnsi(run.output)), question) == IDYES;
}

void RunPlanned(const ToolRun& run)
{
    RunTraces traces;
    if (!run.folderToCreate.empty()) {
        if (!Exists(run.folderToCreate))
            traces.newFolder = run.folderToCreate;
        if (!EnsureFolder(run.folderToCreate))
            return;
    }
    if (!run.output.empty()) {
        // A written output reaches the real one only after a good run.
        if (!run.written.empty())
            traces.newFile = run.written;
        else
            (Exists(run.output) ? traces.replacedFile : traces.newFile) = run.output;
    }
    RunTool(run, traces);
}

void RunAskingFirst(const ToolRun& run)
{
    if (MayReplaceOutput(run))
        RunPlanned(run);
}

} // namespace velmora
