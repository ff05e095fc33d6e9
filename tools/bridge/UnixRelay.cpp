#include "tools/bridge/UnixRelay.h"
#include "tools/bridge/CommandLineSplitting.h"
#include "tools/bridge/UnixPaths.h"
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace velmora::bridge {

namespace {

// A shell that has not noted its process id by then did not start.
const DWORD StartLimit = 60 * 1000;
const DWORD LongestPause = 50;

bool WriteWholeFile(const std::string& path, const std::string& data)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD wrote = 0;
    bool ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &wrote, nullptr) && wrote == data.size();
    CloseHandle(file);
    return ok;
}

std::string ReadWholeFile(HANDLE file)
{
    std::string data;
    char chunk[64 * 1024];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        data.append(chunk, got);
    return data;
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string data = ReadWholeFile(file);
    CloseHandle(file);
    return data;
}

// The number a file of the script holds; 0 when it holds none.
DWORD NumberIn(const std::string& text)
{
    return static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 10));
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A folder of our own under the temporary folder, removed with its files.
class RelayFolder {
public:
    RelayFolder()
    {
        char temp[MAX_PATH + 1];
        DWORD length = GetTempPathA(sizeof temp, temp);
        if (length == 0 || length > MAX_PATH)
            return;
        for (unsigned attempt = 0; attempt < 100; ++attempt) {
            std::string candidate = std::string(temp) + "velmora-pdftk-" + std::to_string(GetCurrentProcessId()) +
                                    "-" + std::to_string(GetTickCount()) + "-" + std::to_string(attempt);
            if (CreateDirectoryA(candidate.c_str(), nullptr)) {
                path_ = candidate + "\\";
                return;
            }
            if (GetLastError() != ERROR_ALREADY_EXISTS)
                return;
        }
    }
    ~RelayFolder()
    {
        if (path_.empty())
            return;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((path_ + found.cFileName).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    RelayFolder(const RelayFolder&) = delete;
    RelayFolder& operator=(const RelayFolder&) = delete;

    bool Exists() const { return !path_.empty(); }
    std::string File(const char* name) const { return path_ + name; }

private:
    std::string path_;   // with a trailing backslash
};

// The caller's input, appended to the file "in" as it comes, and "in.end"
// made at its end, for the script to hand on. A blocking read cannot be
// called off, so once stopped the reading thread leaves the folder alone
// and is left to end with the process.
class InputPump {
public:
    InputPump(HANDLE source, const RelayFolder& folder) : shared_(std::make_shared<Shared>()), inPath_(folder.File("in"))
    {
        shared_->endMarker = folder.File("in.end");
        shared_->in = CreateFileA(inPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                  nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (shared_->in == INVALID_HANDLE_VALUE || source == nullptr || source == INVALID_HANDLE_VALUE) {
            shared_->End();
            return;
        }
        std::thread(Pump, source, shared_).detach();
    }
    // The input is a password as a rule: it is written over before the
    // file goes, so that it stays on no disk.
    ~InputPump()
    {
        std::lock_guard<std::mutex> hold(shared_->lock);
        shared_->Close();
        shared_->stopped = true;
        HANDLE in = CreateFileA(inPath_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (in == INVALID_HANDLE_VALUE)
            return;
        LARGE_INTEGER size{};
        const std::string zeros(4096, '\0');
        DWORD wrote = 0;
        if (GetFileSizeEx(in, &size))
            for (LONGLONG left = size.QuadPart; left > 0; left -= wrote)
                if (!WriteFile(in, zeros.data(), static_cast<DWORD>(std::min<LONGLONG>(left, 4096)), &wrote, nullptr) ||
                    wrote == 0)
                    break;
        FlushFileBuffers(in);
        CloseHandle(in);
    }
    InputPump(const InputPump&) = delete;
    InputPump& operator=(const InputPump&) = delete;

private:
    struct Shared {
        std::mutex lock;
        bool stopped = false;
        HANDLE in = INVALID_HANDLE_VALUE;
        std::string endMarker;

        void Close()
        {
            if (in != INVALID_HANDLE_VALUE)
                CloseHandle(in);
            in = INVALID_HANDLE_VALUE;
        }
        void End()
        {
            Close();
            WriteWholeFile(endMarker, "");
        }
    };

    // A closed pipe fails the read, NUL gives no bytes: both are the end.
    static void Pump(HANDLE source, std::shared_ptr<Shared> shared)
    {
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(source, chunk, sizeof chunk, &got, nullptr) && got > 0) {
            std::lock_guard<std::mutex> hold(shared->lock);
            DWORD wrote = 0;
            if (shared->stopped || !WriteFile(shared->in, chunk, got, &wrote, nullptr))
                return;
        }
        std::lock_guard<std::mutex> hold(shared->lock);
        if (!shared->stopped)
            shared->End();
    }

    std::shared_ptr<Shared> shared_;
    std::string inPath_;
};

// The Unix program is named by Wine's Windows name for it (Z:\bin\sh, or
// \\?\unix\bin\sh when the prefix has no Z:), and its command line, which
// Wine cuts into argv by the C runtime's rules, by wide text so that a
// UTF-8 script path survives whatever the ANSI code page.
bool StartShell(const std::string& scriptUnixPath, const std::string& relayFolder, std::string& failure)
{
    std::wstring shell = WindowsNameOf("/bin/sh");
    if (shell.empty()) {
        failure = "Wine has no name for /bin/sh";
        return false;
    }
    std::wstring commandLine = Widen("sh " + QuoteArgument(scriptUnixPath), CP_UTF8);
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(shell.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        Widen(relayFolder, CP_ACP).c_str(), &startup, &process)) {
        failure = "cannot start /bin/sh (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    // Wine gives no handles for a Unix process, and fills in no thread handle
    // that could be closed; should a later Wine give one, it is not needed.
    if (process.hProcess) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    return true;
}

// The shell counts as ended once /proc has no entry for it, or shows it
// as a zombie (nobody may reap it inside a container).
bool ShellAlive(DWORD pid)
{
    std::wstring stat = WindowsNameOf("/proc/" + std::to_string(pid) + "/stat");
    HANDLE file = CreateFileW(stat.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string line = ReadWholeFile(file);
    CloseHandle(file);
    // "pid (name) state ...": the name may hold blanks and parentheses.
    size_t close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

// This program's own Unix process id; 0 when it cannot be told. Wine opens
// files in its server process, so /proc/self read through Wine describes
// the server. A folder listing, though, looks up each entry from the
// calling process, where "self" leads to this process's own numbered
// entry: the one entry of the listing with the same file id.
DWORD OwnUnixProcessId()
{
    std::wstring proc = WindowsNameOf("/proc");
    HANDLE folder = CreateFileW(proc.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return 0;
    LONGLONG selfId = -1;
    std::vector<std::pair<DWORD, LONGLONG>> numbered;
    alignas(LONGLONG) char listing[64 * 1024];
    FILE_INFO_BY_HANDLE_CLASS part = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(folder, part, listing, sizeof listing)) {
        part = FileIdBothDirectoryInfo;
        for (const char* at = listing;;) {
            const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
            const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(WCHAR));
            if (name == L"self")
                selfId = entry->FileId.QuadPart;
            else if (!name.empty() && name.find_first_not_of(L"0123456789") == std::wstring::npos)
                numbered.emplace_back(std::wcstoul(name.c_str(), nullptr, 10), entry->FileId.QuadPart);
            if (entry->NextEntryOffset == 0)
                break;
            at += entry->NextEntryOffset;
        }
    }
    CloseHandle(folder);
    DWORD found = 0;
    for (const auto& [pid, id] : numbered) {
        if (id != selfId)
            continue;
        if (found != 0)
            return 0;
        found = pid;
    }
    return found;
}

// A file the script's program writes, read as it grows: each call takes
// what was added since the last one.
class GrowingFile {
public:
    explicit GrowingFile(std::string path) : path_(std::move(path)) {}
    ~GrowingFile()
    {
        if (file_ != INVALID_HANDLE_VALUE)
            CloseHandle(file_);
    }
    GrowingFile(const GrowingFile&) = delete;
    GrowingFile& operator=(const GrowingFile&) = delete;

    std::string TakeNew()
    {
        if (file_ == INVALID_HANDLE_VALUE)
            file_ = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return file_ == INVALID_HANDLE_VALUE ? std::string() : ReadWholeFile(file_);
    }

private:
    std::string path_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

// Hands on what the program added to its output files; standard output
// first, so that a report line and the error after it keep their order
// when both came within one look.
void RelayNew(GrowingFile& out, GrowingFile& err, const OutputRelay& relay)
{
    const std::string output = out.TakeNew();
    if (!output.empty())
        relay(false, output);
    const std::string errors = err.TakeNew();
    if (!errors.empty())
        relay(true, errors);
}

bool WaitForExitCode(const RelayFolder& folder, DWORD& exitCode, std::string& failure, const OutputRelay& relay)
{
    const DWORD start = GetTickCount();
    DWORD pid = 0;
    DWORD pause = 5;
    GrowingFile out(folder.File("out"));
    GrowingFile err(folder.File("err"));
    for (;;) {
        // The code is written after the program's end, so everything it
        // wrote is in the files by then.
        const bool ended = FileExists(folder.File("code"));
        RelayNew(out, err, relay);
        if (ended) {
            exitCode = NumberIn(ReadWholeFile(folder.File("code")));
            return true;
        }
        if (pid == 0) {
            pid = NumberIn(ReadWholeFile(folder.File("pid")));
            if (pid == 0 && GetTickCount() - start > StartLimit) {
                failure = "the relay shell did not start";
                return false;
            }
        } else if (!ShellAlive(pid) && !FileExists(folder.File("code"))) {
            failure = "the relay shell ended before the program did";
            return false;
        }
        Sleep(pause);
        pause = std::min(pause * 2, LongestPause);
    }
}

} // namespace

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

std::string RelayScript(const std::string& relayFolder, const std::string& workFolder,
                        const std::vector<std::string>& command, DWORD waiterPid)
{
    std::string program;
    for (const std::string& word : command)
        program += (program.empty() ? "" : " ") + ShellQuoted(word);
    return "# Written by pdftk.exe under Wine and removed when the run has ended.\n"
           // Wine hands this shell the caller's own Unix output, maybe
           // somebody's pipe, whose reader would wait for every process that
           // holds it: the watchdog's last sleep too.
           "exec </dev/null >/dev/null 2>&1\n"
           "R=" + ShellQuoted(relayFolder) + "\n"
           "echo $$ >\"$R/pid.part\" && mv -f \"$R/pid.part\" \"$R/pid\"\n"
           "PATH=\"${PATH:+$PATH:}/usr/bin:/bin\"; export PATH\n"
           // The waiter can be ended abruptly (a cancelled run ends its whole
           // Windows job), and then nobody would stop the program, which
           // would go on writing files. Its start time tells it from a later
           // process given the same id; a zombie counts as ended, since in a
           // container nobody may reap it.
           "B=" + std::to_string(waiterPid) + "\n"
           "look() {\n"
           "  state=Z since=\n"
           "  read -r s </proc/$B/stat || return\n"
           "  s=${s##*) }; set -- $s; state=$1 since=${20}\n"
           "}\n"
           "look; T=$since\n"
           "waiter_alive() { [ \"$B\" = 0 ] && return; look; [ \"$state\" != Z ] && [ \"$since\" = \"$T\" ]; }\n"
           // "in" only grows, so what lies beyond the bytes handed on is new;
           // "in.end" is looked at before the size, so that nothing written
           // before it is missed. Each open of the FIFO waits for the other
           // side's, so once the feeder's returns, the name can go.
           "feed() {\n"
           "  exec 3>\"$R/in.fifo\"\n"
           "  rm -f \"$R/in.fifo\"\n"
           "  n=0\n"
           "  while waiter_alive; do\n"
           "    last=; [ -e \"$R/in.end\" ] && last=1\n"
           "    m=$(stat -c %s \"$R/in\") || return\n"
           "    if [ \"$m\" -gt $n ]; then\n"
           "      tail -c +$((n + 1)) \"$R/in\" | head -c $((m - n)) >&3 || return\n"
           "      n=$m\n"
           "    fi\n"
           "    [ \"$last\" ] && return\n"
           "    sleep 0.05\n"
           "  done\n"
           "}\n"
           // In a session of its own, so that one signal reaches whatever it
           // starts too (java behind Debian's wrapper script).
           "run() {\n"
           "  mkfifo \"$R/in.fifo\" || return\n"
           "  feed &\n"
           "  F=$!\n"
           "  LC_ALL=C.UTF-8 setsid " + program + " <\"$R/in.fifo\" >\"$R/out\" 2>\"$R/err\" &\n"
           "  P=$!\n"
           "  (while waiter_alive; do sleep 0.1; done; kill -KILL -$P) &\n"
           "  W=$!\n"
           "  wait $P; S=$?\n"
           "  kill $W $F\n"
           "  rm -f \"$R/in.fifo\"\n"
           "  return $S\n"
           "}\n"
           "waiter_alive && cd " + ShellQuoted(workFolder) + " 2>\"$R/err\" && run\n"
           "S=$?\n"
           "if waiter_alive; then\n"
           "  echo $S >\"$R/code.part\"\n"
           "  mv -f \"$R/code.part\" \"$R/code\"\n"
           "else\n"
           "  rm -f \"$R/relay.sh\" \"$R/pid\" \"$R/out\" \"$R/err\" \"$R/in\" \"$R/in.end\"; rmdir \"$R\"\n"
           "fi\n";
}

RelayResult RunInUnix(const std::vector<std::string>& command, const std::string& workFolder,
                      const OutputRelay& relay, HANDLE input)
{
    RelayResult result;
    const OutputRelay keep = [&result](bool fromErrors, const std::string& piece) {
        (fromErrors ? result.errors : result.output) += piece;
    };
    RelayFolder folder;
    if (!folder.Exists()) {
        result.failure = "cannot make a temporary folder";
        return result;
    }
    const std::string unixFolder = UnixPathOf(folder.File(""));
    if (unixFolder.empty()) {
        result.failure = "no Unix path for the temporary folder (not running under Wine?)";
        return result;
    }
    const std::string relayFolder = unixFolder.back() == '/' ? unixFolder.substr(0, unixFolder.size() - 1) : unixFolder;
    if (!WriteWholeFile(folder.File("relay.sh"), RelayScript(relayFolder, workFolder, command, OwnUnixProcessId()))) {
        result.failure = "cannot write the relay script";
        return result;
    }
    InputPump pump(input, folder);
    if (!StartShell(relayFolder + "/relay.sh", folder.File(""), result.failure))
        return result;
    if (!WaitForExitCode(folder, result.exitCode, result.failure, relay ? relay : keep))
        return result;
    result.ran = true;
    return result;
}

} // namespace velmora::bridge
