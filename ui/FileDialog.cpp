#include "ui/FileDialog.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/DialogLibraries.h"
#include "ui/MessageBoxes.h"
#include <commdlg.h>
#include <cwchar>

namespace velmora {

namespace {

const wchar_t* TextOrNull(const WideText& text)
{
    return text.empty() ? nullptr : text.data();
}

// The filter's pieces are separated by zero bytes, which the conversion
// keeps, as it keeps the two at the end.
WideText WideFilter(const std::string& filter)
{
    WideText wide = WideFromAnsi(filter);
    if (!wide.empty())
        wide.pop_back();
    return wide;
}

} // namespace

FileDialog* CreateFileDialog(const std::string& title, const std::string& initialFolder, uint16_t options)
{
    FileDialog* dialog = CreateObject<FileDialog>();
    dialog->title = title;
    dialog->initialFolder = initialFolder;
    dialog->options = EffectiveFileOptions(options);
    return dialog;
}

void ProposeFile(FileDialog* dialog, const wchar_t* path)
{
    dialog->wideFileName.assign(path, path + wcslen(path) + 1);
    dialog->fileName = ShownAnsi(dialog->wideFileName);
}

WideText ProposedName(const FileDialog& dialog)
{
    if (!dialog.wideFileName.empty() && ShownAnsi(dialog.wideFileName) == dialog.fileName)
        return dialog.wideFileName;
    return WideFromAnsi(dialog.fileName);
}

bool RunFileDialog(FileDialog* dialog)
{
    const FileDialogFunctions* system = FileDialogLibrary();
    if (!system) {
        dialog->fileName.clear();
        dialog->wideFileName.clear();
        ShowNotice("The system's file dialog cannot be loaded.");
        return false;
    }
    const bool multi = (dialog->options & FileAllowMultiSelect) != 0;
    std::vector<wchar_t> buffer = FileBuffer(ProposedName(*dialog), multi);
    const WideText filter = WideFilter(FilterForSystem(dialog->filter));
    const WideText extension = WideFromAnsi(DefaultExtensionForSystem(dialog->defaultExtension));
    const WideText initialFolder = WideFromAnsi(dialog->initialFolder);
    const WideText title = WideFromAnsi(dialog->title);

    // The wide dialog, so that a name the code page cannot hold comes back
    // as it is rather than as question marks; the program then decides what
    // to do with it.
    OPENFILENAMEW record = {};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    record.hwndOwner = DialogOwner(dialog->owner);
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpstrFilter = TextOrNull(filter);
    record.nFilterIndex = dialog->filterIndex;
    record.lpstrFile = buffer.data();
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    record.lpstrInitialDir = TextOrNull(initialFolder);
    record.lpstrTitle = TextOrNull(title);
    record.Flags = FileDialogFlags(dialog->options);
    record.lpstrDefExt = extension.empty() ? L"" : extension.data();
    record.lCustData = reinterpret_cast<LPARAM>(dialog);

    const BOOL confirmed = dialog->open ? system->getOpenFileName(&record) : system->getSaveFileName(&record);
    if (!confirmed) {
        dialog->fileName.clear();
        dialog->wideFileName.clear();
        const DWORD error = system->extendedError();
        if (error != 0)
            ShowNotice(FileDialogErrorText(error));
        return false;
    }
    dialog->filterIndex = static_cast<int>(record.nFilterIndex);
    dialog->readOnly = (record.Flags & OFN_READONLY) != 0;
    dialog->wideFileName = SelectionFromBuffer(buffer.data(), buffer.size(), multi, record.nFileOffset);
    dialog->fileName = ShownAnsi(dialog->wideFileName);
    return true;
}

std::string FileDialogErrorText(DWORD error)
{
    switch (error) {
    case FNERR_BUFFERTOOSMALL:
        return "Too many files were chosen at once. Choose fewer files.";
    case FNERR_INVALIDFILENAME:
        return "The file name is not valid.";
    case FNERR_SUBCLASSFAILURE:
    case CDERR_MEMALLOCFAILURE:
    case CDERR_MEMLOCKFAILURE:
        return "There is not enough memory to show the file dialog.";
    default:
        char text[64];
        wsprintfA(text, "The file dialog failed (error 0x%04lX).", static_cast<unsigned long>(error));
        return text;
    }
}

} // namespace velmora
