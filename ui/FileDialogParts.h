#pragma once
// The decisions behind the open, save and folder dialogs, kept apart from the
// dialog calls: which flags an option set asks for, the filter in the form
// the system reads, the size of the name buffer and how the system's
// selection is read back.
#include <cstddef>
#include <cstdint>
#include "text/WideText.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

// A file dialog's options, one bit each.
enum FileDialogOption : uint16_t {
    FileCreatePrompt       = 1 << 0,
    FileExtensionDifferent = 1 << 1,
    FileMustExist          = 1 << 2,
    FileHideReadOnly       = 1 << 3,
    FileNoChangeDir        = 1 << 4,
    FileNoDereferenceLinks = 1 << 5,
    FileAllowMultiSelect   = 1 << 6,
    FileNoNetworkButton    = 1 << 7,
    FileNoReadOnlyReturn   = 1 << 8,
    FileOverwritePrompt    = 1 << 9,
    FilePathMustExist      = 1 << 10,
    FileReadOnly           = 1 << 11,
    FileNoValidate         = 1 << 12,
};

constexpr uint16_t DefaultFileOptions = FileMustExist | FileHideReadOnly | FileOverwritePrompt | FilePathMustExist;

// A folder browser's options, one bit each.
enum FolderDialogOption : uint16_t {
    FolderBrowseForComputer = 1 << 0,
    FolderBrowseForPrinter  = 1 << 1,
    FolderDontGoBelowDomain = 1 << 2,
    FolderReturnFsAncestors = 1 << 3,
    FolderReturnOnlyFsDirs  = 1 << 4,
    FolderStatusText        = 1 << 5,
    FolderIncludeFiles      = 1 << 6,
    FolderEditBox           = 1 << 7,
    FolderNewDialogStyle    = 1 << 8,
};

// Only file-system folders can be chosen.
constexpr uint16_t DefaultFolderOptions = FolderReturnOnlyFsDirs;

// A dialog created with an empty option set gets the default set.
uint16_t EffectiveFileOptions(uint16_t options);
uint16_t EffectiveFolderOptions(uint16_t options);

// The OFN_ flags of the options, always with OFN_EXPLORER, OFN_LONGNAMES and
// OFN_ENABLESIZING.
DWORD FileDialogFlags(uint16_t options);

// The BIF_ flags of the options.
UINT FolderDialogFlags(uint16_t options);

// "PDF *.pdf|*.pdf|All files|*.*" as the system reads it: the pieces
// separated by zero bytes and the whole ended by two zero bytes, both part
// of the returned string. Empty text gives an empty string: no filter.
std::string FilterForSystem(const std::string& filter);

// The default extension as the system wants it: without a leading '.'. The
// system puts its own dot before it, so ".pdf" would turn a typed "merged"
// into "merged..pdf".
std::string DefaultExtensionForSystem(const std::string& extension);

// Bytes of the name buffer handed to the dialog.
constexpr size_t SingleFileBufferSize = 262;
constexpr size_t MultiFileBufferSize = 65520;
size_t FileBufferSize(bool multiSelect);

// A zero-filled buffer of FileBufferSize bytes holding the proposed name,
// cut to leave room for its terminating zero.
std::vector<char> FileBuffer(const std::string& proposedName, bool multiSelect);

// The dialog's answer as one text. A selection of several files arrives as
// folder\0name\0name\0\0 and becomes folder CR name CR name; a single file
// arrives as its full path and stays as it is. fileOffset is the record's
// nFileOffset as the system gave it back: only the zero byte before it tells
// the two forms apart, since a path shorter than the proposed name leaves
// the rest of that name behind its terminating zero.
std::string SelectionFromBuffer(const char* buffer, size_t size, bool multiSelect, WORD fileOffset);

// The same for the wide dialogs, which name files as the system does, also
// where the ANSI code page lacks a letter; the sizes count characters.
std::vector<wchar_t> FileBuffer(const WideText& proposedName, bool multiSelect);
WideText SelectionFromBuffer(const wchar_t* buffer, size_t size, bool multiSelect, WORD fileOffset);

} // namespace velmora
