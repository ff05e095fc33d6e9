#include "ops/SameFileCheck.h"
#include "ops/PathHelpers.h"
#include <windows.h>
#include <optional>
#include <vector>

namespace velmora {

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Drive letters are plain ASCII; c | 0x20 folds them to lower case.
char DriveLetter(const std::string& path)
{
    if (path.size() < 2 || path[1] != ':')
        return 0;
    const char letter = static_cast<char>(path[0] | 0x20);
    return letter >= 'a' && letter <= 'z' ? letter : 0;
}

std::string FullPath(const std::string& path)
{
    char small[MAX_PATH];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof small, small, nullptr);
    if (length == 0)
        return path;
    if (length < sizeof small)
        return std::string(small, length);
    std::string full(length, '\0');
    DWORD written = GetFullPathNameA(path.c_str(), length, &full[0], nullptr);
    if (written == 0 || written >= length)
        return path;
    full.resize(written);
    return full;
}

// C:\PROGRA~1\a.pdf and C:\Program Files\a.pdf are one file; only names of
// existing files can be made long, others stay as they are.
std::string LongPath(const std::string& fullPath)
{
    char small[MAX_PATH];
    DWORD length = GetLongPathNameA(fullPath.c_str(), small, sizeof small);
    if (length == 0)
        return fullPath;
    if (length < sizeof small)
        return std::string(small, length);
    std::string full(length, '\0');
    DWORD written = GetLongPathNameA(fullPath.c_str(), &full[0], length);
    if (written == 0 || written >= length)
        return fullPath;
    full.resize(written);
    return full;
}

// "C:" of C:\Docs, "\\server\share" of \\server\share\Docs.
std::string RootOf(const std::string& fullPath)
{
    if (DriveLetter(fullPath))
        return fullPath.substr(0, 2);
    size_t separators = 0;
    for (const char* p = fullPath.c_str(); *p; p = CharNextA(p)) {
        if (IsSeparator(*p) && ++separators == 4)
            return std::string(fullPath.c_str(), p);
    }
    return fullPath;
}

// The tool resolves a relative name against its own current folder, which
// is the input's folder, not the program's.
std::string ResolveIn(const std::string& folder, const std::string& target)
{
    if (target.size() >= 2 && IsSeparator(target[0]) && IsSeparator(target[1]))
        return FullPath(target);
    const std::string fullFolder = FullPath(folder.empty() ? "." : folder);
    if (!target.empty() && IsSeparator(target[0]))
        return FullPath(RootOf(fullFolder) + target);
    if (DriveLetter(target)) {
        // "C:a.pdf" means the current folder of drive C, the tool's own when
        // it runs on that drive.
        const bool driveRelative = target.size() == 2 || !IsSeparator(target[2]);
        if (driveRelative && DriveLetter(target) == DriveLetter(fullFolder))
            return FullPath(fullFolder + "\\" + target.substr(2));
        return FullPath(target);
    }
    return FullPath(fullFolder + "\\" + target);
}

// A vector rather than std::wstring: the wide string class would bring
// 35 KB of the C++ runtime into the program for this one comparison.
std::vector<wchar_t> Wide(const std::string& text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 0));
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// The file system folds case character by character with the system's
// upper-case table, which is what an ordinal case-blind comparison does.
bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    const std::vector<wchar_t> wa = Wide(a);
    const std::vector<wchar_t> wb = Wide(b);
    return CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()),
                                wb.data(), static_cast<int>(wb.size()), TRUE) == CSTR_EQUAL;
}

// Which file a path leads to, whatever way it takes there.
struct FileIdentity {
    DWORD volume = 0;
    DWORD indexHigh = 0;
    DWORD indexLow = 0;

    bool operator==(const FileIdentity& other) const
    {
        return volume == other.volume && indexHigh == other.indexHigh && indexLow == other.indexLow;
    }
};

// No access asked for and every sharing allowed, so that a file another
// program holds open (pdftk itself, a viewer) still tells who it is.
// BACKUP_SEMANTICS lets a folder be opened too.
std::optional<FileIdentity> IdentityOf(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    const bool known = GetFileInformationByHandle(file, &information) != FALSE;
    CloseHandle(file);
    if (!known)
        return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh, information.nFileIndexLow};
}

// A resolved target, looked up once, against one input.
bool IsInput(const std::string& input, const std::string& fullTarget,
             const std::optional<FileIdentity>& targetIdentity)
{
    const std::string fullInput = LongPath(FullPath(input));
    if (targetIdentity) {
        const std::optional<FileIdentity> inputIdentity = IdentityOf(fullInput);
        if (inputIdentity)
            return *inputIdentity == *targetIdentity;
    }
    return SameIgnoringCase(fullInput, fullTarget);
}

} // namespace

bool SameExistingFile(const std::string& a, const std::string& b)
{
    const std::optional<FileIdentity> first = IdentityOf(a);
    const std::optional<FileIdentity> second = IdentityOf(b);
    return first && second && *first == *second;
}

bool TargetNamesInput(const std::string& input, const std::string& target)
{
    const std::string fullTarget = LongPath(ResolveIn(FolderPart(input), target));
    return IsInput(input, fullTarget, IdentityOf(fullTarget));
}

bool TargetIsAmong(const std::vector<std::string>& inputs, const std::string& target)
{
    if (inputs.empty())
        return false;
    const std::string fullTarget = LongPath(ResolveIn(FolderPart(inputs.front()), target));
    const std::optional<FileIdentity> targetIdentity = IdentityOf(fullTarget);
    for (const std::string& input : inputs) {
        if (IsInput(input, fullTarget, targetIdentity))
            return true;
    }
    return false;
}

} // namespace velmora
