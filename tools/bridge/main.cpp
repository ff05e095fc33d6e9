// pdftk.exe for Velmora under Wine: hands its command line to the Linux
// pdftk, with Windows paths made Unix paths and "*.pdf" resolved, in the
// same working folder, and hands on pdftk's output and errors as they come,
// then its exit code. Its own standard input reaches pdftk's as it comes:
// Velmora answers pdftk's password prompts one line at a time.
#include "tools/bridge/ArgumentTranslation.h"
#include "tools/bridge/CommandLineSplitting.h"
#include "tools/bridge/UnixPaths.h"
#include "tools/bridge/UnixRelay.h"
#include <windows.h>

using namespace velmora::bridge;

namespace {

const char* const LinuxPdftk = "/usr/bin/pdftk";

void WriteAll(DWORD which, const std::string& data)
{
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return;
    size_t done = 0;
    while (done < data.size()) {
        DWORD wrote = 0;
        if (!WriteFile(handle, data.data() + done, static_cast<DWORD>(data.size() - done), &wrote, nullptr) || wrote == 0)
            return;
        done += wrote;
    }
}

int Fail(const std::string& why)
{
    WriteAll(STD_ERROR_HANDLE, "pdftk.exe (bridge to " + std::string(LinuxPdftk) + "): " + why + "\n");
    return 1;
}

// As the system names it: Velmora runs pdftk in folders whose names the
// code page cannot hold.
std::wstring CurrentFolder()
{
    wchar_t folder[MAX_PATH * 4];
    DWORD length = GetCurrentDirectoryW(MAX_PATH * 4, folder);
    return length > 0 && length < MAX_PATH * 4 ? std::wstring(folder, length) : std::wstring();
}

} // namespace

int main()
{
    std::vector<CommandArgument> args = SplitCommandLine(GetCommandLineA());
    args.erase(args.begin());

    TranslatedArguments translated = TranslateArguments(args);
    if (!translated.error.empty())
        return Fail(translated.error);

    const std::wstring folder = CurrentFolder();
    const std::string unixFolder = UnixPathOf(folder);
    if (unixFolder.empty())
        return Fail("no Unix path for the working folder " + Narrow(folder, CP_UTF8));

    std::vector<std::string> command = {LinuxPdftk};
    command.insert(command.end(), translated.unixArguments.begin(), translated.unixArguments.end());
    // Handed on as it comes, so that a long run can be watched.
    RelayResult result = RunInUnix(command, unixFolder, [](bool fromErrors, const std::string& piece) {
        WriteAll(fromErrors ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE, piece);
    }, GetStdHandle(STD_INPUT_HANDLE));
    if (!result.ran)
        return Fail(result.failure);
    return static_cast<int>(result.exitCode);
}
