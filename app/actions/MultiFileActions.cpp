#include "app/actions/MultiFileActions.h"
#include "app/MainWindow.h"
#include "app/ToolRunner.h"
#include "app/actions/ActionSteps.h"
#include "ops/FolderPdfs.h"
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

std::vector<InputName> NamesForTool(const std::vector<WideText>& files)
{
    std::vector<InputName> names;
    for (const WideText& file : files)
        names.push_back(NameForTool(file));
    return names;
}

// The folder as the code page holds it; empty when it cannot.
std::string PlainFolder(const WideText& folder)
{
    auto exact = ExactAnsi(folder.data());
    return exact ? *exact : std::string();
}

// A folder the code page cannot name is no drive's root: its proposal is
// its own name with ".pdf", beside it, as for any other folder.
WideText ProposedTargetOf(const WideText& folder)
{
    if (auto exact = ExactAnsi(folder.data()))
        return WideFromAnsi(ProposedJoinTarget(*exact, DocumentsFolder()));
    WideText trimmed = folder;
    if (LengthOf(trimmed) > 0 && trimmed[LengthOf(trimmed) - 1] == L'\\')
        trimmed.erase(trimmed.end() - 2);
    return Joined(trimmed, L".pdf");
}

// The target was chosen in a save dialog, which has asked before an
// existing file is replaced; what is left to refuse is a run that would
// read the target as one of its inputs, or that is too long to start.
// build makes the call from the name the target is written by.
template <typename Build>
void RunCombined(const std::vector<InputName>& names, const WideText& folder, const WideText& target, Build build,
                 const char* targetIsInput, const char* fewerFiles)
{
    std::vector<WideText> inputs;
    for (const InputName& name : names)
        inputs.push_back(name.path);
    if (TargetIsAmong(inputs, target)) {
        ShowNotice(targetIsInput);
        return;
    }
    const ToolCall call = build(TargetName(target, FreeTemporaryName(folder, ".pdf")));
    if (!FitsOneRun(ToolPath, call)) {
        ShowNotice(TooManyFilesNotice(fewerFiles));
        return;
    }
    RunPlanned(RunOver(names, call, folder, target));
}

void JoinPdfsOf(MainWindow* window, const FolderPdfs& pdfs)
{
    FileDialog* target = window->PdfFileDialog;
    // Whatever the dialog last held may be one of the folder's own PDFs.
    ProposeFile(target, ProposedTargetOf(pdfs.folder).data());
    if (!AskForTarget(target, kJoinTargetTitle, NewFileOptions))
        return;
    const std::vector<InputName> names = NamesForTool(pdfs.files);
    const std::string folder = PlainFolder(pdfs.folder);
    RunCombined(names, pdfs.folder, target->wideFileName,
                [&](const std::string& written) { return JoinCall(folder, names, written); },
                kJoinTargetIsInput, kJoinFewerFiles);
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
    const std::vector<WideText> files = ReadMergeSelection(sources->wideFileName.data());
    // The answer of a multiple selection (a folder and names joined by
    // carriage returns) names no file: the next single-file dialog would
    // propose it as one garbled name that cannot be opened. The dialog
    // proposes the first chosen file instead, as after a single choice.
    if (files.empty()) {
        sources->fileName.clear();
        return;
    }
    ProposeFile(sources, files.front().data());
    FileDialog* target = window->TargetFileDialog;
    if (!AskForTarget(target, kMergeTargetTitle, target->options))
        return;
    const std::vector<InputName> names = NamesForTool(files);
    const WideText& folder = names.front().folder;
    const MergeInputs inputs = MergeInputsOf(PlainFolder(folder), names);
    RunCombined(names, folder, target->wideFileName, [&](const std::string& written) { return MergeCall(inputs, written); },
                kMergeTargetIsInput, kMergeFewerFiles);
}

} // namespace velmora
