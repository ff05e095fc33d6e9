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

// The query that asks which pages to keep; its default drops page 13.
inline constexpr char kRemoveTitle[] = "Remove page";
inline constexpr char kRemovePrompt[] = "Remove page: Sample remove Page 13";
inline constexpr char kRemoveDefault[] = "A1-12 A14-end";

// "A={IN}" cat {RANGES} output "{DIR}{BASE}_remove.pdf", run in the input's
// folder; nothing when the query came back empty.
std::optional<ToolCall> RemoveCall(const std::string& input, const std::string& ranges);

} // namespace velmora
