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

RunFilesFound FindRunFiles(const std::string& folder, FolderFiles kind, bool remove)
{
    RunFilesFound found;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !RunWritesName(kind, entry.cFileName))
            continue;
        if (remove && !DeleteFileA((folder + "\\" + entry.cFileName).c_str())) {
            if (found.kept.empty()) {
                found.keptError = GetLastError();
                found.kept = entry.cFileName;
            }
            continue;
        }
        ++(IsPageName(entry.cFileName) ? found.pages : found.others);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

ULONGLONG FilesFingerprint(const std::string& pattern)
{
    ULONGLONG hash = 14695981039346656037ULL;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return hash;
    do {
        // The name with its ending zero, so that names cannot run together.
        Mix(hash, found.cFileName, lstrlenA(found.cFileName) + 1);
        Mix(hash, &found.nFileSizeHigh, sizeof found.nFileSizeHigh);
        Mix(hash, &found.nFileSizeLow, sizeof found.nFileSizeLow);
        Mix(hash, &found.ftLastWriteTime, sizeof found.ftLastWriteTime);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return hash;
}

bool WaitUntilStill(const std::string& pattern, DWORD stillMs, DWORD limitMs, PauseFor pause, void* context)
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
