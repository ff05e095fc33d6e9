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

std::optional<std::string> ChooseInputPdf(MainWindow* window)
{
    FileDialog* dialog = window->PdfFileDialog;
    if (!CmdLineFile.empty())
        dialog->fileName = CmdLineFile;
    if (!RunFileDialog(dialog))
        return std::nullopt;
    return dialog->fileName;
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
    RunTool(ToolPath, call.arguments, call.folder, traces);
}

void RunToolCallAskingFirst(const ToolCall& call)
{
    if (MayReplaceOutput(call))
        RunToolCall(call);
}

} // namespace velmora
