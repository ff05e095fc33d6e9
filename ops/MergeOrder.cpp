#include "ops/MergeOrder.h"
#include "ops/PathHelpers.h"
#include <cctype>

namespace velmora {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int Lower(char c)
{
    return std::tolower(static_cast<unsigned char>(c));
}

// Moves at past the run of digits at text[at...] and gives where the run
// starts once its leading zeros are skipped (its last digit is kept).
size_t PastDigits(const std::string& text, size_t& at)
{
    size_t first = at;
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    while (first + 1 < at && text[first] == '0')
        ++first;
    return first;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

bool EndsInPdf(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string ending = path.substr(path.size() - 4);
    for (char& c : ending)
        c = static_cast<char>(Lower(c));
    return ending == ".pdf";
}

} // namespace

int CompareNaturally(const std::string& a, const std::string& b)
{
    size_t i = 0, j = 0;
    int zerosOrder = 0;   // decides only when nothing else does
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const size_t startA = i, startB = j;
            const size_t firstA = PastDigits(a, i), firstB = PastDigits(b, j);
            // Without leading zeros, the longer number is the larger.
            const size_t lengthA = i - firstA, lengthB = j - firstB;
            if (lengthA != lengthB)
                return lengthA < lengthB ? -1 : 1;
            if (const int order = a.compare(firstA, lengthA, b, firstB, lengthB))
                return Sign(order);
            const size_t zerosA = firstA - startA, zerosB = firstB - startB;
            if (!zerosOrder && zerosA != zerosB)
                zerosOrder = zerosA < zerosB ? -1 : 1;
            continue;
        }
        if (const int order = Lower(a[i]) - Lower(b[j]))
            return Sign(order);
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return zerosOrder;
}

namespace {

int CompareNames(const std::string& a, const std::string& b, UINT codePage)
{
    return CompareNaturally(NamePart(a, codePage), NamePart(b, codePage));
}

} // namespace

void SortByName(std::vector<std::string>& paths, bool descending, UINT codePage)
{
    // An insertion sort: stable, and small in the program; a merge takes
    // some files, not thousands.
    for (size_t i = 1; i < paths.size(); ++i) {
        for (size_t j = i; j > 0; --j) {
            const int order = CompareNames(paths[j], paths[j - 1], codePage);
            if (descending ? order <= 0 : order >= 0)
                break;
            paths[j].swap(paths[j - 1]);
        }
    }
}

void SortByNameOrTurnRound(std::vector<std::string>& paths, UINT codePage)
{
    bool ascending = true;
    for (size_t i = 1; i < paths.size() && ascending; ++i)
        ascending = CompareNames(paths[i - 1], paths[i], codePage) <= 0;
    SortByName(paths, ascending, codePage);
}

std::vector<std::string> MergeListLines(const std::vector<std::string>& paths, UINT codePage)
{
    std::vector<std::string> lines;
    for (const std::string& path : paths) {
        // Names equal but for case are the same name on Windows.
        int sameName = 0;
        for (const std::string& other : paths)
            sameName += CompareNames(path, other, codePage) == 0;
        lines.push_back(NamePart(path, codePage));
        if (sameName > 1)
            lines.back() += "   (" + FolderPart(path, codePage) + ")";
    }
    return lines;
}

int MoveEntryBefore(std::vector<std::string>& paths, int from, int before)
{
    const int count = static_cast<int>(paths.size());
    if (from < 0 || from >= count || before < 0 || before > count)
        return from;
    const int to = before > from ? before - 1 : before;
    if (to == from)
        return from;
    std::string moved = paths[from];
    paths.erase(paths.begin() + from);
    paths.insert(paths.begin() + to, moved);
    return to;
}

DroppedForMerge SortOutDrop(const std::vector<std::string>& paths, bool (*isFolder)(const std::string& path))
{
    DroppedForMerge drop;
    for (const std::string& path : paths)
        (EndsInPdf(path) && !isFolder(path) ? drop.pdfs : drop.leftOut).push_back(path);
    return drop;
}

std::string LeftOutNotice(const std::vector<std::string>& leftOut)
{
    std::string notice = "Only PDF files can be merged. Left out:";
    for (const std::string& path : leftOut)
        notice += "\r\n" + path;
    return notice;
}

} // namespace velmora
