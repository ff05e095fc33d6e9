// Files dropped on a form from Explorer.
#include "ui/ControlInternals.h"
#include "ui/DialogLibraries.h"

namespace velmora {

namespace {

// The index that asks DragQueryFile for the number of files.
constexpr UINT kCountOfFiles = 0xFFFFFFFF;

// The wide names, so that a name the code page cannot hold arrives whole,
// as it does from the file dialog and the command line.
std::vector<WideText> DroppedPaths(const DroppedFilesFunctions& shell, HDROP drop)
{
    std::vector<WideText> paths;
    const UINT count = shell.queryFile(drop, kCountOfFiles, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        WideText path(shell.queryFile(drop, i, nullptr, 0) + 1, L'\0');
        shell.queryFile(drop, i, path.data(), static_cast<UINT>(path.size()));
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
    const std::vector<WideText> paths = DroppedPaths(*shell, drop);
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
