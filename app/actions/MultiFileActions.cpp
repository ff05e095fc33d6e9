#include "app/actions/MultiFileActions.h"
#include "app/Unit1.h"
#include "app/FindTool.h"
#include "app/MergeOrderWindow.h"
#include "app/actions/ActionSteps.h"
#include "ops/MergeOrder.h"
#include "ops/MultiFileArguments.h"
#include "ops/PathHelpers.h"
#include "ops/SameFileCheck.h"
#include "ui/Control.h"
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

std::optional<MergeInputs> ChooseMergeFiles(MainWindow* window, HWND owner)
{
    FileDialog* sources = window->PdfFileDialog;
    const HWND usualOwner = sources->owner;
    sources->options = DefaultFileOptions | FileAllowMultiSelect;
    sources->owner = owner;
    const bool chosen = RunFileDialog(sources);
    sources->options = DefaultFileOptions;
    sources->owner = usualOwner;
    if (!chosen)
        return std::nullopt;
    const HandedMergeInputs handed = HandOnMergeSelection(sources->wideFileName.data());
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
        return std::nullopt;
    }
    if (handed.inputs.files.empty())
        return std::nullopt;
    return handed.inputs;
}

namespace {

// Two or more files go through the merge order window first; the checks
// before the run see the list as the user left it.
void MergeInOrder(MainWindow* window, MergeInputs inputs)
{
    if (inputs.files.size() >= 2) {
        const auto arranged = ArrangeMergeOrder(window, inputs.files);
        if (!arranged)
            return;
        inputs.files = *arranged;
    }
    FileDialog* target = window->TargetFileDialog;
    if (!AskForTarget(target, kMergeTargetTitle, target->options))
        return;
    RunCombined(MergeCall(inputs, target->fileName), inputs.files, kMergeTargetIsInput, kMergeFewerFiles);
}

bool IsFolder(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

void MergeFiles(MainWindow* window, Control*)
{
    if (const auto inputs = ChooseMergeFiles(window, window->FormControl->GetHandle()))
        MergeInOrder(window, *inputs);
}

bool MergeSeveralDroppedFiles(MainWindow* window, Control* sender, const std::vector<std::string>& paths)
{
    if (paths.size() < 2)
        return false;
    DroppedForMerge drop = SortOutDrop(paths, &IsFolder);
    if (!drop.leftOut.empty())
        ShowNotice(LeftOutNotice(drop.leftOut));
    if (drop.pdfs.size() == 1)
        TakeDroppedFiles(window, sender, &drop.pdfs);
    if (drop.pdfs.size() < 2)
        return true;
    // The system hands a drop over in no order the user chose.
    SortByName(drop.pdfs);
    MergeInOrder(window, MergeInputs{FolderPart(drop.pdfs.front()), drop.pdfs});
    return true;
}

} // namespace velmora
