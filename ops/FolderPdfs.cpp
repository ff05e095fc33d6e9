#include "ops/FolderPdfs.h"
#include <algorithm>

namespace velmora {

namespace {

WideText FileIn(const WideText& folder, const wchar_t* name)
{
    const size_t length = LengthOf(folder);
    const bool separated = length == 0 || folder[length - 1] == L'\\' || folder[length - 1] == L'/';
    return Joined(separated ? folder : Joined(folder, L"\\"), name);
}

// How a Windows folder lists its files: by the upper-cased name.
bool ListedBefore(const WideText& a, const WideText& b)
{
    return CompareStringOrdinal(a.data(), -1, b.data(), -1, TRUE) == CSTR_LESS_THAN;
}

} // namespace

FolderPdfs FindFolderPdfs(const wchar_t* folder)
{
    FolderPdfs pdfs;
    pdfs.folder = WideOf(folder);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(FileIn(pdfs.folder, L"*.pdf").data(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return pdfs;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            pdfs.files.push_back(FileIn(pdfs.folder, found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(pdfs.files.begin(), pdfs.files.end(), ListedBefore);
    return pdfs;
}

std::string NoPdfsNotice(const WideText& folder)
{
    return "The folder " + ShownAnsi(folder) + " holds no PDF files.";
}

} // namespace velmora
