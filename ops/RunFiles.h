#pragma once
// The files a run writes into a folder: finding them, removing them, and
// waiting until nothing writes there any more (a tool that was stopped may
// go on writing for a moment: through the Linux bridge, the real pdftk ends
// a little after the Windows side does).
#include "ops/ToolCall.h"
#include "text/WideText.h"
#include <string>
#include <windows.h>

namespace velmora {

// The files of a folder whose names a run writes (RunWritesName). Folders
// go as the system names them: a Burst folder is named after its input,
// whatever the script.
struct RunFilesFound {
    int pages = 0;        // burst's pages among them
    int others = 0;       // the rest
    std::string kept;     // when removing: the name of the first that stayed, as the code page shows it
    DWORD keptError = 0;  // and why
};

// Looks through folder for the files of the names a run of kind writes (for
// None, every file), and removes them when remove is true; what was found,
// or removed, is counted.
RunFilesFound FindRunFiles(const WideText& folder, FolderFiles kind, bool remove);

// A fingerprint of the names, sizes and times of last writing of whatever
// pattern (a path, wildcards allowed in its last part) matches: while it
// stays the same, nothing was written there.
ULONGLONG FilesFingerprint(const WideText& pattern);

// Does the waiting for WaitUntilStill: pauses about ms milliseconds.
using PauseFor = void (*)(DWORD ms, void* context);

// Waits until what pattern matches has stayed the same for stillMs; gives
// false when limitMs passed first. pause (with context) does the waiting,
// Sleep when it is null, so that a caller can keep its windows alive.
bool WaitUntilStill(const WideText& pattern, DWORD stillMs, DWORD limitMs, PauseFor pause = nullptr,
                    void* context = nullptr);

} // namespace velmora
