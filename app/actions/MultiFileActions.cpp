#include "app/actions/MultiFileActions.h"
#include "app/MainWindow.h"
#include "app/ToolRunner.h"
#include "app/ChosenPdf.h"
#include "app/MergeOrderWindow.h"
#include "app/actions/ActionSteps.h"
#include "app/MergeChoice.h"
#include "ops/MergeOrder.h"
#include "ops/FolderPdfs.h"
#include "ops/MultiFileArguments.h"
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

// The files as pdftk gets them when it runs in folder: one that is not
// plain and lies elsewhere (a drop from several folders) goes by a
// temporary link, or a copy, in folder.
std::vector<InputName> NamesForTool(const std::vector<WideText>& files, const WideText& folder)
{
    std::vector<InputName> names;
    for (const WideText& file : files) {
        InputName name = NameForTool(file);
        if (!name.plain && CompareStringOrdinal(name.folder.data(), -1, folder.data(), -1, TRUE) != CSTR_EQUAL) {
            name.folder = folder;
            name.name = FreeTemporaryName(folder, ".pdf");
            name.linked = true;
        }
        names.push_back(name);
    }
    return names;
}

WideText WithBackslash(const WideText& folder)
{
    const size_t length = LengthOf(folder);
    return length > 0 && folder[length - 1] == L'\\' ? folder : Joined(folder, L"\\");
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
    if (pdfs.files.empty()) {
        ShowNotice(NoPdfsNotice(pdfs.folder));
        return;
    }
    FileDialog* target = window->PdfFileDialog;
    // Whatever the dialog last held may be one of the folder's own PDFs.
    ProposeFile(target, ProposedTargetOf(pdfs.folder).data());
    if (!AskForTarget(target, kJoinTargetTitle, NewFileOptions))
        return;
    const WideText runFolder = WithBackslash(pdfs.folder);
    const std::vector<InputName> names = NamesForTool(pdfs.files, runFolder);
    const std::string folder = PlainFolder(pdfs.folder);
    RunCombined(names, runFolder, target->wideFileName,
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

namespace {

// Two or more files go through the merge order window first; the checks
// before the run see the list as the user left it.
void MergeInOrder(MainWindow* window, std::vector<std::string> files)
{
    if (files.size() >= 2) {
        const auto arranged = ArrangeMergeOrder(window, files);
        if (!arranged)
            return;
        files = *arranged;
    }
    FileDialog* target = window->TargetFileDialog;
    if (!AskForTarget(target, kMergeTargetTitle, target->options))
        return;
    std::vector<WideText> paths;
    for (const std::string& file : files)
        paths.push_back(MergePathOf(file));
    const WideText folder = NameForTool(paths.front()).folder;
    const std::vector<InputName> names = NamesForTool(paths, folder);
    const MergeInputs inputs = MergeInputsOf(PlainFolder(folder), names);
    RunCombined(names, folder, target->wideFileName, [&](const std::string& written) { return MergeCall(inputs, written); },
                kMergeTargetIsInput, kMergeFewerFiles);
}

bool IsFolder(const std::string& key)
{
    const DWORD attributes = GetFileAttributesW(MergePathOf(key).data());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

void MergeFiles(MainWindow* window, Control*)
{
    ForgetMergeKeys();
    if (const auto files = ChooseMergeFiles(window, window->FormControl->GetHandle()))
        MergeInOrder(window, *files);
}

bool MergeSeveralDroppedFiles(MainWindow* window, const std::vector<WideText>& paths)
{
    if (paths.size() < 2)
        return false;
    ForgetMergeKeys();
    std::vector<std::string> keys;
    for (const WideText& path : paths)
        keys.push_back(MergeKeyFor(path));
    DroppedForMerge drop = SortOutDrop(keys, &IsFolder);
    if (!drop.leftOut.empty())
        ShowNotice(LeftOutNotice(drop.leftOut));
    if (drop.pdfs.size() == 1)
        TakePdfFile(window, MergePathOf(drop.pdfs.front()));
    if (drop.pdfs.size() < 2)
        return true;
    // The system hands a drop over in no order the user chose.
    SortByName(drop.pdfs);
    MergeInOrder(window, drop.pdfs);
    return true;
}

} // namespace velmora
