#include "ops/FolderPdfs.h"
#include "ops/CodePageNames.h"
#include <algorithm>
#include <cwchar>

namespace velmora {

namespace {

// Zero-terminated; a vector rather than std::wstring, which would bring a
// large part of the C++ runtime into the program for this one listing.
using WideText = std::vector<wchar_t>;

WideText Wide(const wchar_t* text)
{
    return WideText(text, text + std::wcslen(text) + 1);
}

WideText Joined(const WideText& folder, const wchar_t* name)
{
    WideText path(folder.begin(), folder.end() - 1);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/')
        path.push_back(L'\\');
    path.insert(path.end(), name, name + std::wcslen(name) + 1);
    return path;
}

// How a Windows folder lists its files: by the upper-cased name.
bool ListedBefore(const WideText& a, const WideText& b)
{
    return CompareStringOrdinal(a.data(), -1, b.data(), -1, TRUE) == CSTR_LESS_THAN;
}

std::vector<WideText> PdfNamesIn(const WideText& folder)
{
    std::vector<WideText> names;
    const WideText pattern = Joined(folder, L"*.pdf");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.data(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(Wide(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(), ListedBefore);
    return names;
}

} // namespace

FolderPdfs FindFolderPdfs(const wchar_t* folder, UINT codePage)
{
    FolderPdfs pdfs;
    const HandedName folderName = NameToHandOn(folder, codePage);
    if (folderName.path.empty()) {
        pdfs.refusal = UnnamableNotice(folder, codePage);
        return pdfs;
    }
    pdfs.folder = folderName.path;

    const WideText wideFolder = Wide(folder);
    for (const WideText& name : PdfNamesIn(wideFolder)) {
        const WideText path = Joined(wideFolder, name.data());
        const HandedName fileName = NameToHandOn(path.data(), codePage);
        if (fileName.path.empty()) {
            pdfs.refusal = UnnamableNotice(path.data(), codePage);
            return pdfs;
        }
        pdfs.files.push_back(fileName.path);
        // A short folder alone is no reason to list: the tool runs in it and
        // finds the bare names itself.
        if (!FitsCodePage(name.data(), codePage))
            pdfs.listed = true;
    }
    if (pdfs.files.empty())
        pdfs.refusal = NoPdfsNotice(pdfs.folder);
    return pdfs;
}

std::string NoPdfsNotice(const std::string& folder)
{
    return "The folder " + folder + " holds no PDF files.";
}

} // namespace velmora
