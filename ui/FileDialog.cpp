#include "ui/FileDialog.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/DialogLibraries.h"
#include "ui/MessageBoxes.h"
#include <commdlg.h>

namespace velmora {

namespace {

const char* TextOrNull(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
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

bool RunFileDialog(FileDialog* dialog)
{
    const FileDialogFunctions* system = FileDialogLibrary();
    if (!system) {
        dialog->fileName.clear();
        ShowNotice("The system's file dialog cannot be loaded.");
        return false;
    }
    const bool multi = (dialog->options & FileAllowMultiSelect) != 0;
    std::vector<char> buffer = FileBuffer(dialog->fileName, multi);
    const std::string filter = FilterForSystem(dialog->filter);
    const std::string extension = DefaultExtensionForSystem(dialog->defaultExtension);

    OPENFILENAMEA record = {};
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    record.hwndOwner = DialogOwner(dialog->owner);
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    record.nFilterIndex = dialog->filterIndex;
    record.lpstrFile = buffer.data();
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    record.lpstrInitialDir = TextOrNull(dialog->initialFolder);
    record.lpstrTitle = TextOrNull(dialog->title);
    record.Flags = FileDialogFlags(dialog->options);
    record.lpstrDefExt = extension.c_str();
    record.lCustData = reinterpret_cast<LPARAM>(dialog);

    const BOOL confirmed = dialog->open ? system->getOpenFileName(&record) : system->getSaveFileName(&record);
    if (!confirmed) {
        dialog->fileName.clear();
        const DWORD error = system->extendedError();
        if (error != 0)
            ShowNotice(FileDialogErrorText(error));
        return false;
    }
    dialog->filterIndex = static_cast<int>(record.nFilterIndex);
    dialog->readOnly = (record.Flags & OFN_READONLY) != 0;
    dialog->fileName = SelectionFromBuffer(buffer.data(), buffer.size(), multi, record.nFileOffset);
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
