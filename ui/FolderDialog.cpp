#include "ui/FolderDialog.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/DialogLibraries.h"
#include "ui/MessageBoxes.h"
#include <algorithm>
#include <cstring>
#include <cwchar>

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
    // The wide browser, so that a folder the code page cannot name comes
    // back as it is rather than as question marks.
    const WideText title = WideFromAnsi(dialog->title);
    wchar_t displayName[MAX_PATH + 1] = {};
    BROWSEINFOW browse = {};
    browse.hwndOwner = DialogOwner(dialog->owner);
    browse.pszDisplayName = displayName;
    browse.lpszTitle = title.empty() ? nullptr : title.data();
    browse.ulFlags = FolderDialogFlags(dialog->options);
    browse.lpfn = dialog->callback;
    browse.lParam = reinterpret_cast<LPARAM>(dialog);

    PIDLIST_ABSOLUTE item = system->browseForFolder(&browse);
    if (!item)
        return false;
    // A virtual folder (Control Panel, a printer) has no path: tool runs
    // there are impossible, so it counts as no choice at all.
    wchar_t chosen[MAX_PATH + 1] = {};
    const bool hasPath = system->pathFromItem(item, chosen) && chosen[0] != L'\0';
    system->freeItem(item);
    if (!hasPath)
        return false;
    std::memcpy(dialog->widePath, chosen, sizeof dialog->widePath);
    const std::string ansi = ShownAnsi(WideText(chosen, chosen + wcslen(chosen) + 1));
    std::memset(dialog->path, 0, sizeof dialog->path);
    std::memcpy(dialog->path, ansi.data(), std::min(ansi.size(), sizeof dialog->path - 1));
    return true;
}

std::string GetFolderPath(const FolderDialog* dialog)
{
    return std::string(dialog->path, strnlen(dialog->path, sizeof dialog->path));
}

const wchar_t* GetWideFolderPath(const FolderDialog* dialog)
{
    return dialog->widePath;
}

} // namespace velmora
