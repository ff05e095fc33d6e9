#include "ui/FolderDialog.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/DialogLibraries.h"
#include "ui/MessageBoxes.h"
#include <cstring>

namespace velmora {

FolderDialog* CreateFolderDialog(const std::string& title, uint16_t options)
{
    FolderDialog* dialog = CreateObject<FolderDialog>();
    dialog->title = title;
    dialog->options = EffectiveFolderOptions(options);
    return dialog;
}

bool RunFolderDialog(FolderDialog* dialog)
{
    const FolderBrowserFunctions* system = FolderBrowserLibrary();
    if (!system) {
        ShowNotice("The system's folder browser cannot be loaded.");
        return false;
    }
    char displayName[MAX_PATH + 1] = {};
    BROWSEINFOA browse = {};
    browse.hwndOwner = DialogOwner(dialog->owner);
    browse.pszDisplayName = displayName;
    browse.lpszTitle = dialog->title.empty() ? nullptr : dialog->title.c_str();
    browse.ulFlags = FolderDialogFlags(dialog->options);
    browse.lpfn = dialog->callback;
    browse.lParam = reinterpret_cast<LPARAM>(dialog);

    PIDLIST_ABSOLUTE item = system->browseForFolder(&browse);
    if (!item)
        return false;
    // A virtual folder (Control Panel, a printer) has no path: tool runs
    // there are impossible, so it counts as no choice at all.
    char chosen[MAX_PATH + 1] = {};
    const bool hasPath = system->pathFromItem(item, chosen) && chosen[0] != '\0';
    system->freeItem(item);
    if (!hasPath)
        return false;
    std::memcpy(dialog->path, chosen, sizeof dialog->path);
    return true;
}

std::string GetFolderPath(const FolderDialog* dialog)
{
    return std::string(dialog->path, strnlen(dialog->path, sizeof dialog->path));
}

} // namespace velmora
