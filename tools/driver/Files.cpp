#include "tools/driver/Files.h"
#include "tools/driver/Wait.h"
#include <windows.h>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace velmora::driver {

namespace {

std::string Environment(const char* name)
{
    char value[MAX_PATH * 4];
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

std::string LastErrorText()
{
    return "error " + std::to_string(GetLastError());
}

// " Grüße Äpfel" in the ANSI code page; throws when the code page lacks
// these letters, since the folder would then not test what it claims to.
std::string NonAsciiSuffix()
{
    const wchar_t wide[] = L" Gr\u00FC\u00DFe \u00C4pfel";
    char ansi[64];
    BOOL lost = FALSE;
    int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, &lost);
    if (n <= 0 || lost)
        throw DriverError("the ANSI code page " + std::to_string(GetACP()) + " has no letters for a non-ASCII folder name");
    return ansi;
}

std::string FreshFolderName(FolderName kind)
{
    static int counter = 0;
    std::string name = "velmora-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "-" +
                       std::to_string(GetTickCount());
    if (kind == FolderName::WithBlank)
        name += " with blank";
    else if (kind == FolderName::NonAscii)
        name += NonAsciiSuffix();
    return name;
}

} // namespace

std::string WindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string windows = "Z:" + path;
    std::replace(windows.begin(), windows.end(), '/', '\\');
    return windows;
}

std::string BinPath(const std::string& relative)
{
    std::string bin = Environment("VELMORA_BIN");
    if (bin.empty())
        throw DriverError("VELMORA_BIN is not set: run the test through CTest");
    std::string path = JoinPath(WindowsPath(bin), relative);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string VelmoraProgram()
{
    const std::string chosen = Environment("VELMORA_PROGRAM");
    return chosen.empty() ? BinPath("app/velmora.exe") : WindowsPath(chosen);
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw DriverError("cannot read " + Quoted(path));
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw DriverError("cannot write " + Quoted(path));
}

std::string CopyInto(const std::string& file, const std::string& folder, const std::string& newName)
{
    std::string name = newName;
    if (name.empty()) {
        size_t slash = file.find_last_of("\\/");
        name = slash == std::string::npos ? file : file.substr(slash + 1);
    }
    std::string target = JoinPath(folder, name);
    if (!CopyFileA(file.c_str(), target.c_str(), FALSE))
        throw DriverError("cannot copy " + Quoted(file) + " to " + Quoted(target) + ": " + LastErrorText());
    return target;
}

bool RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(JoinPath(path, "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string inner = JoinPath(path, name);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(inner);
            } else {
                SetFileAttributesA(inner.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(inner.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    return RemoveDirectoryA(path.c_str()) != 0;
}

TempFolder::TempFolder(FolderName kind)
{
    char temp[MAX_PATH + 1];
    DWORD n = GetTempPathA(sizeof temp, temp);
    if (n == 0 || n > MAX_PATH)
        throw DriverError("no temp folder: " + LastErrorText());
    path_ = JoinPath(std::string(temp, n), FreshFolderName(kind));
    if (!CreateDirectoryA(path_.c_str(), nullptr))
        throw DriverError("cannot make the folder " + Quoted(path_) + ": " + LastErrorText());
}

TempFolder::~TempFolder()
{
    // A program just ended may still hold a file for a moment.
    for (int attempt = 0; attempt < 20 && !RemoveTree(path_); ++attempt)
        Sleep(50);
}

std::string TempFolder::MakeFolder(const std::string& name) const
{
    std::string folder = File(name);
    if (!CreateDirectoryA(folder.c_str(), nullptr))
        throw DriverError("cannot make the folder " + Quoted(folder) + ": " + LastErrorText());
    return folder;
}

} // namespace velmora::driver
