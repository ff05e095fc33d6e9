#pragma once
// The program hands pdftk its file names on an 8-bit command line in the
// system's code page, but the system names files in UTF-16. A character the
// code page lacks would reach the tool as '?' (or as a look-alike letter
// that names another file), and the tool would fail long after the choice
// with "Unable to find file". These decide, at the moment of the choice,
// which 8-bit name to hand on, or that there is none.
#include <string>
#include <windows.h>

namespace velmora {

// The 8-bit name that leads the tool to a file.
struct HandedName {
    std::string path;          // empty: the file cannot be handed on at all
    bool isShortName = false;  // the short 8.3 form, the long one does not fit
};

// path (UTF-16, zero-terminated) as codePage text when every character
// converts exactly: no default character and no best-fit look-alike
// (WC_NO_BEST_FIT_CHARS). Otherwise the short 8.3 form of the path
// (GetShortPathNameW, which shortens every part of it, folders included)
// when that converts exactly; a volume that keeps no short names gives the
// long form back, which then does not convert either. Otherwise nothing: a
// path that does not exist has no short form. CP_ACP stands for the code
// page of the system (GetACP), which may be UTF-8, where every valid name
// converts.
HandedName NameToHandOn(const wchar_t* path, UINT codePage = CP_ACP);

// True when text (zero-terminated) converts into codePage exactly, as
// NameToHandOn asks of a path before it tries the short form.
bool FitsCodePage(const wchar_t* text, UINT codePage = CP_ACP);

// The refusal of a path that NameToHandOn cannot hand on: why, the path as
// the code page can show it ('?' for what it lacks), and what to do.
std::string UnnamableNotice(const wchar_t* path, UINT codePage = CP_ACP);

// The refusal of a file named on the command line or dropped that is not
// there: "The file {PATH} was not found.", the path shown as above.
std::string MissingFileNotice(const wchar_t* path, UINT codePage = CP_ACP);

// To be added to the outcome of a run whose input was handed on by its
// short name: the output is named after that short name, so the user is
// told where it went (output: the file or folder the run writes).
std::string ShortNameNote(const std::string& output);

} // namespace velmora
