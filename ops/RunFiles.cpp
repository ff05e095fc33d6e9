#include "ops/RunFiles.h"
#include "ops/SingleFileArguments.h"

namespace velmora {

namespace {

// Often enough that a second of stillness is seen to the twentieth.
constexpr DWORD kLookEveryMs = 50;

// FNV-1a, 64 bits.
void Mix(ULONGLONG& hash, const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ULL;
}

} // namespace

RunFilesFound FindRunFiles(const WideText& folder, FolderFiles kind, bool remove)
{
    RunFilesFound found;
    const WideText inside = Joined(folder, L"\\");
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(Joined(inside, L"*").data(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        // The names a run writes are plain ASCII; any other shows as '?' and
        // is none of them.
        const std::string name = ShownAnsi(entry.cFileName);
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !RunWritesName(kind, name.c_str()))
            continue;
        if (remove && !DeleteFileW(Joined(inside, entry.cFileName).data())) {
            if (found.kept.empty()) {
                found.keptError = GetLastError();
                found.kept = name;
            }
            continue;
        }
        ++(IsPageName(name.c_str()) ? found.pages : found.others);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

ULONGLONG FilesFingerprint(const WideText& pattern)
{
    ULONGLONG hash = 14695981039346656037ULL;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.data(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return hash;
    do {
        // The name with its ending zero, so that names cannot run together.
        Mix(hash, found.cFileName, (lstrlenW(found.cFileName) + 1) * sizeof(wchar_t));
        Mix(hash, &found.nFileSizeHigh, sizeof found.nFileSizeHigh);
        Mix(hash, &found.nFileSizeLow, sizeof found.nFileSizeLow);
        Mix(hash, &found.ftLastWriteTime, sizeof found.ftLastWriteTime);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return hash;
}

bool WaitUntilStill(const WideText& pattern, DWORD stillMs, DWORD limitMs, PauseFor pause, void* context)
{
    const ULONGLONG start = GetTickCount64();
    ULONGLONG stillSince = start;
    ULONGLONG last = FilesFingerprint(pattern);
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now - stillSince >= stillMs)
            return true;
        if (now - start >= limitMs)
            return false;
        if (pause)
            pause(kLookEveryMs, context);
        else
            Sleep(kLookEveryMs);
        const ULONGLONG current = FilesFingerprint(pattern);
        if (current != last) {
            last = current;
            stillSince = GetTickCount64();
        }
    }
}

} // namespace velmora
