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

namespace {

template <typename Char>
std::vector<Char> FilledBuffer(const Char* proposed, size_t length, bool multiSelect)
{
    std::vector<Char> buffer(FileBufferSize(multiSelect), Char());
    std::copy_n(proposed, std::min(length, buffer.size() - 1), buffer.begin());
    return buffer;
}

template <typename Text, typename Char>
Text Selection(const Char* buffer, size_t size, bool multiSelect, WORD fileOffset)
{
    const Char* end = buffer + size;
    const Char* firstZero = std::find(buffer, end, Char());
    bool severalNames = multiSelect && fileOffset > 0 && fileOffset <= size && buffer[fileOffset - 1] == Char();
    if (!severalNames)
        return Text(buffer, firstZero);

    // The list ends with the first empty name.
    Text selection;
    const Char* piece = buffer;
    while (piece < end && *piece != Char()) {
        const Char* pieceEnd = std::find(piece, end, Char());
        if (!selection.empty())
            selection.push_back(Char('\r'));
        selection.insert(selection.end(), piece, pieceEnd);
        piece = pieceEnd + 1;
    }
    return selection;
}

WideText Terminated(WideText text)
{
    if (!text.empty())
        text.push_back(L'\0');
    return text;
}

} // namespace

std::vector<char> FileBuffer(const std::string& proposedName, bool multiSelect)
{
    return FilledBuffer(proposedName.data(), proposedName.size(), multiSelect);
}

std::vector<wchar_t> FileBuffer(const WideText& proposedName, bool multiSelect)
{
    return FilledBuffer(proposedName.data(), LengthOf(proposedName), multiSelect);
}

std::string SelectionFromBuffer(const char* buffer, size_t size, bool multiSelect, WORD fileOffset)
{
    return Selection<std::string>(buffer, size, multiSelect, fileOffset);
}

WideText SelectionFromBuffer(const wchar_t* buffer, size_t size, bool multiSelect, WORD fileOffset)
{
    return Terminated(Selection<WideText>(buffer, size, multiSelect, fileOffset));
}

} // namespace velmora
