#include "ui/FileDialogParts.h"
#include <commdlg.h>
#include <shlobj.h>
#include <algorithm>

namespace velmora {

namespace {

// Indexed by option bit.
const DWORD FileOptionFlags[] = {
    OFN_CREATEPROMPT, OFN_EXTENSIONDIFFERENT, OFN_FILEMUSTEXIST, OFN_HIDEREADONLY,
    OFN_NOCHANGEDIR, OFN_NODEREFERENCELINKS, OFN_ALLOWMULTISELECT, OFN_NONETWORKBUTTON,
    OFN_NOREADONLYRETURN, OFN_OVERWRITEPROMPT, OFN_PATHMUSTEXIST, OFN_READONLY,
    OFN_NOVALIDATE,
};

const UINT FolderOptionFlags[] = {
    BIF_BROWSEFORCOMPUTER, BIF_BROWSEFORPRINTER, BIF_DONTGOBELOWDOMAIN, BIF_RETURNFSANCESTORS,
    BIF_RETURNONLYFSDIRS, BIF_STATUSTEXT, BIF_BROWSEINCLUDEFILES, BIF_EDITBOX,
    BIF_NEWDIALOGSTYLE,
};

template <typename Flag, size_t N>
Flag FlagsOfBits(uint16_t options, const Flag (&table)[N])
{
    Flag flags = 0;
    for (size_t bit = 0; bit < N; ++bit)
        if (options & (1u << bit))
            flags |= table[bit];
    return flags;
}

} // namespace

uint16_t EffectiveFileOptions(uint16_t options)
{
    return options == 0 ? DefaultFileOptions : options;
}

uint16_t EffectiveFolderOptions(uint16_t options)
{
    return options == 0 ? DefaultFolderOptions : options;
}

DWORD FileDialogFlags(uint16_t options)
{
    return FlagsOfBits(options, FileOptionFlags) | OFN_EXPLORER | OFN_LONGNAMES | OFN_ENABLESIZING;
}

UINT FolderDialogFlags(uint16_t options)
{
    return FlagsOfBits(options, FolderOptionFlags);
}

std::string FilterForSystem(const std::string& filter)
{
    if (filter.empty())
        return {};
    std::string pieces = filter;
    // A bar in the very first place is display text, not a separator.
    std::replace(pieces.begin() + 1, pieces.end(), '|', '\0');
    pieces.append(2, '\0');
    return pieces;
}

std::string DefaultExtensionForSystem(const std::string& extension)
{
    size_t first = extension.find_first_not_of('.');
    return first == std::string::npos ? std::string() : extension.substr(first);
}

size_t FileBufferSize(bool multiSelect)
{
    return multiSelect ? MultiFileBufferSize : SingleFileBufferSize;
}

std::vector<char> FileBuffer(const std::string& proposedName, bool multiSelect)
{
    std::vector<char> buffer(FileBufferSize(multiSelect), '\0');
    size_t length = std::min(proposedName.size(), buffer.size() - 1);
    std::copy_n(proposedName.begin(), length, buffer.begin());
    return buffer;
}

std::string SelectionFromBuffer(const char* buffer, size_t size, bool multiSelect, WORD fileOffset)
{
    const char* end = buffer + size;
    const char* firstZero = std::find(buffer, end, '\0');
    bool severalNames = multiSelect && fileOffset > 0 && fileOffset <= size && buffer[fileOffset - 1] == '\0';
    if (!severalNames)
        return std::string(buffer, firstZero);

    // The list ends with the first empty name.
    std::string selection;
    const char* piece = buffer;
    while (piece < end && *piece != '\0') {
        const char* pieceEnd = std::find(piece, end, '\0');
        if (!selection.empty())
            selection += '\r';
        selection.append(piece, pieceEnd);
        piece = pieceEnd + 1;
    }
    return selection;
}

} // namespace velmora
