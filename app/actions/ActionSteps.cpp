#include "app/actions/ActionSteps.h"
#include "app/FindTool.h"
#include "app/ToolRunner.h"
#include "app/Unit1.h"
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

bool MayReplaceOutput(const ToolCall& call)
{
    const std::string output = OutputPath(call);
    if (output.empty() || !FileExists(output))
        return true;
    // No is the default: Enter on a box that came as a surprise keeps the file.
    const UINT question = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;
    return ShowMessageBox(ReplaceQuestion(output), question) == IDYES;
}

void RunToolCall(const ToolCall& call)
{
    RunTraces traces;
    if (!call.folderToCreate.empty()) {
        if (GetFileAttributesA(call.folderToCreate.c_str()) == INVALID_FILE_ATTRIBUTES)
            traces.newFolder = call.folderToCreate;
        if (!EnsureFolder(call.folderToCreate))
            return;
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
