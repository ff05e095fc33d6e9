#pragma once
// Copying chosen pages of one PDF into a new file beside it. The input is
// bound to pdftk's handle A; page texts are passed on exactly as typed.
#include "ops/ToolCall.h"
#include <optional>
#include <string>

namespace velmora {

// The page fields and parity radios as CAT reads them at the click.
struct CatFields {
    std::string from;   // "CAT from:"
    std::string to;     // "Cat to:"
    bool allPages = false;
    bool evenPages = false;
    bool oddPages = false;
};

// "CAT FROM: and CAT TO: must be insert" when either page text is empty (a
// text of blanks is not), checked before the file dialog; otherwise empty.
std::string CatRefusal(const CatFields& fields);

// Empty for all pages, else "even", else "odd", else empty, the radios
// tested in that order.
std::string CatParity(bool allPages, bool evenPages, bool oddPages);

// "A={IN}" cat A{FROM}-{TO}{PARITY} output "{DIR}{BASE}_cat.pdf", run in the
// input's folder.
ToolCall CatCall(const std::string& input, const CatFields& fields);

// The query of Remove. Its proposal is pdftk's own selection of the pages to
// keep, with the input's handle A; it drops page 13.
inline constexpr char kRemoveTitle[] = "Remove page";
inline constexpr char kRemovePrompt[] = "Remove page: Sample remove Page 13";
inline constexpr char kRemoveDefault[] = "A1-12 A14-end";

// The selection as pdftk is to get it, from what the query gave back. Pages
// typed without a handle, separated by blanks or commas ("13", "2-4 9",
// "end", "end-13"), are the pages to remove: every page less those,
// "A1-end~13~2-4~9", followed by "A{M}~{M}" for the highest page number M
// typed, so that pdftk refuses a page beyond the end (a page after "~" it
// only warns about, then keeps every page and reports success). A text with
// a handle anywhere ("A1-12 A14-end") is pdftk's own selection of the pages
// to keep and goes as typed. Empty when the text names no page.
std::string PagesToKeep(const std::string& typed);

// Why the typed pages cannot be removed: every page would go ("1-end",
// "1-5 6-end"), or a word is neither a page nor a range of pages nor pdftk's
// own selection ("x", "0", "2-4even"); empty when they can.
std::string RemoveRefusal(const std::string& typed);

// "A={IN}" cat {PagesToKeep(typed)} output "{DIR}{BASE}_remove.pdf", run in
// the input's folder; nothing when the query came back without pages.
// RemoveRefusal is asked first.
std::optional<ToolCall> RemoveCall(const std::string& input, const std::string& typed);

} // namespace velmora
