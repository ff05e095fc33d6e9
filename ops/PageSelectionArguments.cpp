#include "ops/PageSelectionArguments.h"
#include "ops/Formatter.h"
#include "ops/OperationPaths.h"
#include <algorithm>
#include <climits>
#include <vector>
#include <windows.h>

namespace velmora {

std::string CatRefusal(const CatFields& fields)
{
    if (fields.from.empty() || fields.to.empty())
        return "CAT FROM: and CAT TO: must be insert";
    return std::string();
}

std::string CatParity(bool allPages, bool evenPages, bool oddPages)
{
    if (allPages) return std::string();
    if (evenPages) return "even";
    if (oddPages) return "odd";
    return std::string();
}

ToolCall CatCall(const std::string& input, const CatFields& fields)
{
    ToolCall call;
    call.outputFile = BesideInput(input, "_cat.pdf");
    call.arguments = Format("\"A=%s\" cat A%s-%s%s output \"%s\"", {
        input, fields.from, fields.to,
        CatParity(fields.allPages, fields.evenPages, fields.oddPages),
        call.outputFile});
    call.folder = InputFolder(input);
    return call;
}

namespace {

// "end" stands after every page a number can name.
constexpr int kEnd = INT_MAX;
// Longer numbers are no page of any PDF, and would overflow.
constexpr size_t kMostDigits = 6;

struct PageSpan {
    int first = 0;
    int last = 0;
};

// The typed words as Remove reads them: pages and ranges of pages, or pdftk's
// own selection when some word names a handle.
struct TypedPages {
    std::vector<PageSpan> spans;
    bool ownSelection = false;
    std::string strangeWord;   // the first word that is neither
};

std::vector<std::string> WordsOf(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (c == ' ' || c == '\t' || c == ',') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

bool IsEnd(const std::string& word)
{
    return word.size() == 3 && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, word.c_str(), 3, "end", 3) == CSTR_EQUAL;
}

// A page number from 1 on, or kEnd; 0 for anything else.
int PageOf(const std::string& word)
{
    if (IsEnd(word))
        return kEnd;
    if (word.empty() || word.size() > kMostDigits || word.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    int page = 0;
    for (char digit : word)
        page = page * 10 + (digit - '0');
    return page;
}

// Which way a range runs does not matter for what it removes; pdftk removes
// nothing for a range typed backwards, so it is turned round.
std::optional<PageSpan> SpanOf(const std::string& word)
{
    const size_t dash = word.find('-');
    const int first = PageOf(word.substr(0, dash));
    const int last = dash == std::string::npos ? first : PageOf(word.substr(dash + 1));
    if (first == 0 || last == 0)
        return std::nullopt;
    return PageSpan{std::min(first, last), std::max(first, last)};
}

// pdftk's handles are upper-case letters; its page words begin otherwise.
bool NamesAHandle(const std::string& word)
{
    return word[0] >= 'A' && word[0] <= 'Z';
}

TypedPages ReadTypedPages(const std::string& typed)
{
    TypedPages pages;
    for (const std::string& word : WordsOf(typed)) {
        if (auto span = SpanOf(word))
            pages.spans.push_back(*span);
        else if (NamesAHandle(word))
            pages.ownSelection = true;
        else if (pages.strangeWord.empty())
            pages.strangeWord = word;
    }
    return pages;
}

std::string PageText(int page)
{
    return page == kEnd ? "end" : std::to_string(page);
}

std::string SpanText(const PageSpan& span)
{
    return span.first == span.last ? PageText(span.first) : PageText(span.first) + "-" + PageText(span.last);
}

// True only when the spans hold every page whatever the page count: from 1
// without a gap up to "end".
bool CoversEveryPage(std::vector<PageSpan> spans)
{
    std::sort(spans.begin(), spans.end(), [](const PageSpan& a, const PageSpan& b) { return a.first < b.first; });
    int firstUncovered = 1;
    for (const PageSpan& span : spans) {
        if (span.first > firstUncovered)
            return false;
        if (span.last == kEnd)
            return true;
        firstUncovered = std::max(firstUncovered, span.last + 1);
    }
    return false;
}

int HighestNumber(const std::vector<PageSpan>& spans)
{
    int highest = 0;
    for (const PageSpan& span : spans)
        for (int page : {span.first, span.last})
            if (page != kEnd)
                highest = std::max(highest, page);
    return highest;
}

} // namespace

std::string PagesToKeep(const std::string& typed)
{
    const TypedPages pages = ReadTypedPages(typed);
    if (pages.ownSelection)
        return typed;
    if (pages.spans.empty())
        return std::string();
    std::string keep = "A1-end";
    for (const PageSpan& span : pages.spans)
        keep += "~" + SpanText(span);
    // An empty range of the highest page, which pdftk checks against the
    // page count.
    if (const int highest = HighestNumber(pages.spans))
        keep += " A" + PageText(highest) + "~" + PageText(highest);
    return keep;
}

std::string RemoveRefusal(const std::string& typed)
{
    const TypedPages pages = ReadTypedPages(typed);
    if (pages.ownSelection)
        return std::string();
    if (!pages.strangeWord.empty())
        return "Remove cannot read \"" + pages.strangeWord + "\" as a page. Type the pages to remove as numbers "
               "and ranges, such as 13 or 2-4 9 or end.";
    if (CoversEveryPage(pages.spans))
        return "That would remove every page, and a PDF file needs at least one. Type only the pages to remove.";
    return std::string();
}

std::optional<ToolCall> RemoveCall(const std::string& input, const std::string& typed)
{
    const std::string keep = PagesToKeep(typed);
    if (keep.empty())
        return std::nullopt;
    ToolCall call;
    call.outputFile = BesideInput(input, "_remove.pdf");
    call.arguments = Format("\"A=%s\" cat %s output \"%s\"", {input, keep, call.outputFile});
    call.folder = InputFolder(input);
    return call;
}

} // namespace velmora
