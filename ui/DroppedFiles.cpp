// Files dropped on a form from Explorer.
#include "ui/ControlInternals.h"
#include "ui/DialogLibraries.h"

namespace velmora {

namespace {

std::vector<std::string> DroppedPaths(const DroppedFilesFunctions& shell, HDROP drop)
{
    std::vector<std::string> paths;
    const UINT count = shell.queryFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(shell.queryFile(drop, i, nullptr, 0), '\0');
        shell.queryFile(drop, i, &path[0], static_cast<UINT>(path.size() + 1));
        paths.push_back(path);
    }
    return paths;
}

// The drop's memory is the receiver's to free, whether or not it takes the
// files. Shell32 is loaded only when something is dropped: setting
// WS_EX_ACCEPTFILES is all DragAcceptFiles would do, and loading shell32 at
// start-up costs time under Wine.
bool DropFilesFilter(Control* control, MessageRecord& message, LRESULT* result, void*)
{
    if (message.message != WM_DROPFILES)
        return false;
    *result = 0;
    const DroppedFilesFunctions* shell = DroppedFilesLibrary();
    if (!shell)
        return true;
    auto* drop = reinterpret_cast<HDROP>(message.wParam);
    const std::vector<std::string> paths = DroppedPaths(*shell, drop);
    shell->finish(drop);
    // A form disabled under a modal window takes no drop, as it takes no
    // click; the system does not hold drops back from disabled windows.
    if (IsWindowEnabled(message.window) && !paths.empty())
        Rec(control).events->filesDropped(control, &paths);
    return true;
}

} // namespace

Control* Control::SetFilesDroppedHandler(FilesEventRef handler)
{
    EditableEvents(this).filesDropped = handler;
    SetExStyle(r_.exStyle | WS_EX_ACCEPTFILES);
    return AddMessageFilter(&DropFilesFilter);
}

} // namespace velmora
