#pragma once
// Answering the system's open and save dialogs of another process.
#include "tools/driver/Wait.h"
#include <windows.h>
#include <string>
#include <vector>

namespace velmora::driver {

constexpr int FileNameControl = 0x47C;   // the file-name box (cmb13)
constexpr int LookInControl = 0x471;     // the folder list at the top (cmb2)
constexpr int FileTypeControl = 0x470;   // the filter list (cmb1)

// Waits for a visible open or save dialog of the process with exactly this title.
HWND WaitForFileDialog(DWORD processId, const std::string& title, DWORD timeoutMs = DefaultWaitMs);
// The edit box in which a person types the file name.
HWND FileNameEdit(HWND dialog);
// Puts text into the file-name box, as typing it would.
void EnterFileName(HWND dialog, const std::string& text);
// Enters a name or a full path and presses OK ("Open" or "Save"). Does not
// wait for the dialog to go: a question or an error box may come first.
void ChooseFile(HWND dialog, const std::string& nameOrPath);
// The same with a name the ANSI code page may lack letters of, typed as the
// system names files (UTF-16).
void ChooseFile(HWND dialog, const std::wstring& nameOrPath);
// Opens folder in the dialog (types it and presses OK) and waits until the
// dialog shows it.
void OpenFolderInDialog(HWND dialog, const std::string& folder, DWORD timeoutMs = DefaultWaitMs);
// Selects several files of one folder: opens the folder, then enters the
// names in double quotes and presses OK.
void ChooseFiles(HWND dialog, const std::string& folder, const std::vector<std::string>& names);
// "\"a.pdf\" \"b.pdf\"": several names as a person types them.
std::string QuotedNames(const std::vector<std::string>& names);
void CancelFileDialog(HWND dialog);
// Whether the dialog lets the user select several files (its file list
// lacks LVS_SINGLESEL).
bool AllowsMultipleSelection(HWND dialog);
// Answers the question a save dialog asks before it replaces a file (a box
// titled like the dialog) with IDYES or IDNO; gives the question's text.
std::string AnswerOverwritePrompt(HWND dialog, int buttonId, DWORD timeoutMs = DefaultWaitMs);

} // namespace velmora::driver
