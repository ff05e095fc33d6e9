#pragma once
// The system's open and save dialogs as an object that keeps its settings
// and its last answer between uses: operations change a title or the
// options, show it, and read the file name it gives back.
#include "ui/FileDialogParts.h"
#include "ui/LayerObject.h"
#include <cstdint>
#include <string>
#include <windows.h>

namespace velmora {

class FileDialog : public LayerObject {
public:
    std::string filter;             // "text|pattern|text|pattern"; empty: none
    int filterIndex = 0;            // 1-based; after OK the pair last chosen
    bool open = true;               // open dialog; false: save dialog
    std::string initialFolder;
    std::string defaultExtension;   // ".pdf" or "pdf"
    std::string fileName;           // proposed before, the answer after; empty after Cancel
    // The answer as the system named it, also where fileName shows '?' for
    // letters the code page lacks; proposed instead of fileName while
    // fileName still holds its ANSI form.
    WideText wideFileName;
    std::string title;              // empty: the system's own title
    uint16_t options = DefaultFileOptions;
    HWND owner = nullptr;           // 0: the application main form's window
    bool readOnly = false;          // after OK: the read-only box was checked
};

// Proposes path (UTF-16, zero-terminated) the next time the dialog opens.
void ProposeFile(FileDialog* dialog, const wchar_t* path);

// The name the dialog proposes: the wide answer while fileName is still its
// ANSI form, otherwise fileName as set by the program.
WideText ProposedName(const FileDialog& dialog);

// An empty option set stands for the default set.
FileDialog* CreateFileDialog(const std::string& title, const std::string& initialFolder, uint16_t options);

// Shows the dialog and waits; true when the user confirmed. A dialog that
// fails with an error (a selection too large for the buffer, say) tells the
// user so instead of passing for a Cancel.
bool RunFileDialog(FileDialog* dialog);

// The notice for a dialog error code (CommDlgExtendedError).
std::string FileDialogErrorText(DWORD error);

} // namespace velmora
