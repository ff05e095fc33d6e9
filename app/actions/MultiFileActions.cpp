#include "app/actions/MultiFileActions.h"
#include "app/Unit1.h"
#include "app/FindTool.h"
#include "app/actions/ActionSteps.h"
#include "ops/MultiFileArguments.h"
#include "ops/SameFileCheck.h"
#include "ui/DialogLibraries.h"
#include "ui/FileDialog.h"
#include "ui/FolderDialog.h"
#include "ui/MessageBoxes.h"
#include <vector>

namespace velmora {

namespace {

constexpr uint16_t NewFileOptions = FileHideReadOnly | FileOverwritePrompt | FilePathMustExist;

// Runs dialog as a save dialog titled title, so that naming an existing file
// (perhaps one of the inputs) asks before it is replaced; the dialog gets its
// kind, title and options back whatever the answer.
bool AskForTarget(FileDialog* dialog, const std::string& title, uint16_t options)
{
    const std::string usualTitle = dialog->title;
    const uint16_t usualOptions = dialog->options;
    const bool usualOpen = dialog->open;
    dialog->title = title;
    dialog->options = options;
    dialog->open = false;
    const bool chosen = RunFileDialog(dialog);
    dialog->title = usualTitle;
    dialog->options = usualOptions;
    dialog->open = usualOpen;
    return chosen;
}

// The target was chosen in a save dialog, which has asked before an
// existing file is replaced; what is left to refuse is a run that would
// read the target as one of its inputs, or that is too long to start.
void RunCombined(const ToolCall& call, const std::vector<std::string>& inputs, const char* targetIsInput,
                 const char* fewerFiles)
{
    if (TargetIsAmong(inputs, call.outputFile)) {
        ShowNotice(targetIsInput);
        return;
    }
    if (!FitsOneRun(ToolPath, call)) {
        ShowNotice(TooManyFilesNotice(fewerFiles));
        return;
    }
    RunToolCall(call);
}

void JoinPdfsOf(MainWindow* window, const FolderPdfs& pdfs)
{
    if (!pdfs.refusal.empty()) {
        ShowNotice(pdfs.refusal);
        return;
    }
    FileDialog* target = window->PdfFileDialog;
    // Whatever the dialog last held may be one of the folder's own PDFs.
    target->fileName = ProposedJoinTarget(pdfs.folder, DocumentsFolder());
    if (!AskForTarget(target, kJoinTargetTitle, NewFileOptions))
        return;
    RunCombined(JoinCall(pdfs, target->fileName), pdfs.files, kJoinTargetIsInput, kJoinFewerFiles);
}

} // namespace

void JoinFolder(MainWindow* window, Control*)
{
    window->FolderDialog->title = kJoinFolderTitle;
    if (!RunFolderDialog(window->FolderDialog))
        return;
    JoinPdfsOf(window, FindFolderPdfs(GetWideFolderPath(window->FolderDialog)));
}

void MergeFiles(MainWindow* window, Control*)
{
    FileDialog* sources = window->PdfFileDialog;
    sources->options = DefaultFileOptions | FileAllowMultiSelect;
    const bool chosen = RunFileDialog(sources);
    sources->options = DefaultFileOptions;
    if (!chosen)
        return;
    const HandedMergeInputs handed = HandOnMergeSelection(sources->wideFileName.data());
    const MergeInputs& inputs = handed.inputs;
    // The answer of a multiple selection (a folder and names joined by
    // carriage returns) names no file: the next single-file dialog would
    // propose it as one garbled name that cannot be opened. The dialog
    // proposes the first chosen file instead, as after a single choice.
    if (handed.firstFile.empty())
        sources->fileName.clear();
    else
        ProposeFile(sources, handed.firstFile.data());
    if (!handed.refusal.empty()) {
        ShowNotice(handed.refusal);
        return;
    }
    if (inputs.files.empty())
        return;
    FileDialog* target = window->TargetFileDialog;
    if (!AskForTarget(target, kMergeTargetTitle, target->options))
        return;
    RunCombined(MergeCall(inputs, target->fileName), inputs.files, kMergeTargetIsInput, kMergeFewerFiles);
}

} // namespace velmora
