#include "app/MergeChoice.h"
#include "app/MainWindow.h"
#include "ops/MultiFileArguments.h"
#include "ui/FileDialog.h"
#include <utility>

namespace velmora {

namespace {

std::vector<std::pair<std::string, WideText>> keys;

bool SamePath(const WideText& a, const WideText& b)
{
    return CompareStringOrdinal(a.data(), -1, b.data(), -1, TRUE) == CSTR_EQUAL;
}

} // namespace

void ForgetMergeKeys()
{
    keys.clear();
}

std::string MergeKeyFor(const WideText& path)
{
    const std::string shown = ShownAnsi(path);
    std::string key = shown;
    for (unsigned copy = 2;; ++copy) {
        bool taken = false;
        for (const auto& [known, file] : keys) {
            if (known != key)
                continue;
            if (SamePath(file, path))
                return key;
            taken = true;
        }
        if (!taken)
            break;
        key = shown + " [" + std::to_string(copy) + "]";
    }
    keys.emplace_back(key, path);
    return key;
}

WideText MergePathOf(const std::string& key)
{
    for (const auto& [known, file] : keys) {
        if (known == key)
            return file;
    }
    return WideFromAnsi(key);
}

std::optional<std::vector<std::string>> ChooseMergeFiles(MainWindow* window, HWND owner)
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
    const std::vector<WideText> files = ReadMergeSelection(sources->wideFileName.data());
    // The answer of a multiple selection (a folder and names joined by
    // carriage returns) names no file: the next single-file dialog would
    // propose it as one garbled name that cannot be opened. The dialog
    // proposes the first chosen file instead, as after a single choice.
    if (files.empty()) {
        sources->fileName.clear();
        return std::nullopt;
    }
    ProposeFile(sources, files.front().data());
    std::vector<std::string> chosenKeys;
    for (const WideText& file : files)
        chosenKeys.push_back(MergeKeyFor(file));
    return chosenKeys;
}

} // namespace velmora
