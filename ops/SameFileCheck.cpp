#include "ops/SameFileCheck.h"
#include <optional>

namespace velmora {

namespace {

// UTF-16 names need no care for double-byte characters: a backslash is a
// backslash wherever it stands.
bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// Drive letters are plain ASCII; c | 0x20 folds them to lower case.
wchar_t DriveLetter(const WideText& path)
{
    if (LengthOf(path) < 2 || path[1] != L':')
        return 0;
    const wchar_t letter = static_cast<wchar_t>(path[0] | 0x20);
    return letter >= L'a' && letter <= L'z' ? letter : 0;
}

// Either of GetFullPathNameW and GetLongPathNameW, asked twice when the
// first buffer is too small; the path unchanged when the system cannot tell.
template <typename Ask>
WideText AskedPath(const WideText& path, Ask ask)
{
    if (path.empty())
        return path;
    WideText answer(MAX_PATH);
    DWORD length = ask(path.data(), answer.data(), static_cast<DWORD>(answer.size()));
    if (length >= answer.size()) {
        answer.resize(length);
        length = ask(path.data(), answer.data(), length);
    }
    if (length == 0 || length >= answer.size())
        return path;
    answer.resize(length + 1);
    return answer;
}

WideText FullPath(const WideText& path)
{
    return AskedPath(path, [](const wchar_t* in, wchar_t* out, DWORD size) {
        return GetFullPathNameW(in, size, out, nullptr);
    });
}

// C:\PROGRA~1\a.pdf and C:\Program Files\a.pdf are one file; only names of
// existing files can be made long, others stay as they are.
WideText LongPath(const WideText& fullPath)
{
    return AskedPath(fullPath, [](const wchar_t* in, wchar_t* out, DWORD size) {
        return GetLongPathNameW(in, out, size);
    });
}

WideText Piece(const WideText& text, size_t from, size_t count)
{
    WideText piece(text.begin() + from, text.begin() + from + count);
    piece.push_back(L'\0');
    return piece;
}

WideText Tail(const WideText& text, size_t from)
{
    return Piece(text, from, LengthOf(text) - from);
}

WideText Beneath(const WideText& folder, const WideText& name)
{
    return Joined(Joined(folder, L"\\"), name.empty() ? L"" : name.data());
}

// "C:" of C:\Docs, "\\server\share" of \\server\share\Docs.
WideText RootOf(const WideText& fullPath)
{
    if (DriveLetter(fullPath))
        return Piece(fullPath, 0, 2);
    size_t separators = 0;
    for (size_t i = 0; i < LengthOf(fullPath); ++i) {
        if (IsSeparator(fullPath[i]) && ++separators == 4)
            return Piece(fullPath, 0, i);
    }
    return fullPath;
}

// The tool resolves a relative name against its own current folder, which
// is the input's folder, not the program's.
WideText ResolveIn(const WideText& folder, const WideText& target)
{
    const size_t length = LengthOf(target);
    if (length >= 2 && IsSeparator(target[0]) && IsSeparator(target[1]))
        return FullPath(target);
    const WideText fullFolder = FullPath(folder.empty() ? WideOf(L".") : folder);
    if (length > 0 && IsSeparator(target[0]))
        return FullPath(Joined(RootOf(fullFolder), target.data()));
    if (DriveLetter(target)) {
        // "C:a.pdf" means the current folder of drive C, the tool's own when
        // it runs on that drive.
        const bool driveRelative = length == 2 || !IsSeparator(target[2]);
        if (driveRelative && DriveLetter(target) == DriveLetter(fullFolder))
            return FullPath(Beneath(fullFolder, Tail(target, 2)));
        return FullPath(target);
    }
    return FullPath(Beneath(fullFolder, target));
}

WideText FolderOf(const WideText& path)
{
    for (size_t i = LengthOf(path); i > 0; --i) {
        if (path[i - 1] == L'\\' || path[i - 1] == L':')
            return Piece(path, 0, i);
    }
    return WideText();
}

// The file system folds case character by character with the system's
// upper-case table, which is what an ordinal case-blind comparison does.
bool SameIgnoringCase(const WideText& a, const WideText& b)
{
    return CompareStringOrdinal(a.data(), static_cast<int>(LengthOf(a)), b.data(), static_cast<int>(LengthOf(b)),
                                TRUE) == CSTR_EQUAL;
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
std::optional<FileIdentity> IdentityOf(const WideText& path)
{
    if (path.empty())
        return std::nullopt;
    HANDLE file = CreateFileW(path.data(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
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
bool IsInput(const WideText& input, const WideText& fullTarget, const std::optional<FileIdentity>& targetIdentity)
{
    const WideText fullInput = LongPath(FullPath(input));
    if (targetIdentity) {
        const std::optional<FileIdentity> inputIdentity = IdentityOf(fullInput);
        if (inputIdentity)
            return *inputIdentity == *targetIdentity;
    }
    return SameIgnoringCase(fullInput, fullTarget);
}

} // namespace

bool TargetNamesInput(const WideText& input, const WideText& target)
{
    const WideText fullTarget = LongPath(ResolveIn(FolderOf(input), target));
    return IsInput(input, fullTarget, IdentityOf(fullTarget));
}

bool TargetIsAmong(const std::vector<WideText>& inputs, const WideText& target)
{
    if (inputs.empty())
        return false;
    const WideText fullTarget = LongPath(ResolveIn(FolderOf(inputs.front()), target));
    const std::optional<FileIdentity> targetIdentity = IdentityOf(fullTarget);
    for (const WideText& input : inputs) {
        if (IsInput(input, fullTarget, targetIdentity))
            return true;
    }
    return false;
}

bool TargetNamesInput(const std::string& input, const std::string& target)
{
    return TargetNamesInput(WideFromAnsi(input), WideFromAnsi(target));
}

bool TargetIsAmong(const std::vector<std::string>& inputs, const std::string& target)
{
    std::vector<WideText> wide;
    for (const std::string& input : inputs)
        wide.push_back(WideFromAnsi(input));
    return TargetIsAmong(wide, WideFromAnsi(target));
}

} // namespace velmora
