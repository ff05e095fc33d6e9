// How fast RunCaptured takes in a tool's output, next to the plainest reading
// of the same tool through an anonymous pipe: a loop of blocking reads that
// appends to a string ("bare"), and the same loop keeping nothing ("bare,
// kept nothing"), which shows what storing the output costs at all: writing
// that many bytes into fresh memory, where every page faults once.
// Usage: capture_bench [stand-in exe]  (default: ..\standin\pdftk.exe beside this program)
#include "ops/ProcessExecution.h"
#include "ops/UniqueHandle.h"
#include "bench/BenchSupport.h"
#include <windows.h>
#include <cstdio>
#include <fstream>
#include <string>

using namespace velmora;

namespace {

using velmora::bench::ExeFolder;
using velmora::bench::Seconds;

const int kRounds = 5;

// Gives the bytes read, or 0 when the tool could not be run.
size_t ReadBare(const std::string& tool, bool keep)
{
    SECURITY_ATTRIBUTES inheritable{};
    inheritable.nLength = sizeof inheritable;
    inheritable.bInheritHandle = TRUE;
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return 0;
    UniqueHandle reading(readEnd), writing(writeEnd);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    std::string commandLine = "\"" + tool + "\" ";
    PROCESS_INFORMATION created{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &created))
        return 0;
    UniqueHandle process(created.hProcess), thread(created.hThread);
    writing.Reset();

    static char buffer[1 << 16];
    std::string kept;
    size_t total = 0;
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr)) {
        if (keep) kept.append(buffer, got);
        total += got;
    }
    WaitForSingleObject(created.hProcess, INFINITE);
    return keep ? kept.size() : total;
}

size_t ReadBareKeeping(const std::string& tool)
{
    return ReadBare(tool, true);
}

size_t ReadBareKeepingNothing(const std::string& tool)
{
    return ReadBare(tool, false);
}

size_t ReadWithRunner(const std::string& tool)
{
    ProcessResult result = RunCaptured(tool, "", "", 0, INFINITE);
    return result.ended ? result.output.size() : 0;
}

struct Timing {
    double runner = 0;
    double bare = 0;
    double bareKeepingNothing = 0;
};

double TimeOne(size_t (*read)(const std::string&), const std::string& tool, size_t expected)
{
    double start = Seconds();
    size_t got = read(tool);
    double spent = Seconds() - start;
    if (got == expected) return spent;
    std::printf("  wrong size: %zu bytes instead of %zu\n", got, expected);
    return 0;
}

// Rounds alternate between the readers, so that load from elsewhere on the
// machine hits both alike; the best round of each counts.
Timing BestOf(const std::string& tool, size_t expected)
{
    Timing best;
    for (int round = 0; round < kRounds; ++round) {
        double runner = TimeOne(ReadWithRunner, tool, expected);
        double bare = TimeOne(ReadBareKeeping, tool, expected);
        double nothing = TimeOne(ReadBareKeepingNothing, tool, expected);
        if (runner <= 0 || bare <= 0 || nothing <= 0) return Timing{};
        if (round == 0 || runner < best.runner) best.runner = runner;
        if (round == 0 || bare < best.bare) best.bare = bare;
        if (round == 0 || nothing < best.bareKeepingNothing) best.bareKeepingNothing = nothing;
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    std::string tool = argc > 1 ? argv[1] : ExeFolder() + "..\\standin\\pdftk.exe";
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string control = std::string(temp) + "velmora-capture-bench.cfg";
    std::string log = std::string(temp) + "velmora-capture-bench.log";
    SetEnvironmentVariableA("STANDIN_CFG", control.c_str());

    std::printf("capture_bench: best of %d runs, tool start included\n", kRounds);
    std::printf("%6s %10s %9s %14s %12s %10s %7s %16s\n", "MB", "runner ms", "bare ms", "kept nothing",
                "runner MB/s", "bare MB/s", "ratio", "vs kept nothing");
    const size_t sizes[] = {16, 64, 256};
    double runnerMs[3] = {};
    for (int step = 0; step < 3; ++step) {
        const size_t megabytes = sizes[step];
        size_t bytes = megabytes << 20;
        std::ofstream(control, std::ios::binary) << "log=" << log << "\nbytes=" << bytes << "\n";
        Timing best = BestOf(tool, bytes);
        if (best.runner <= 0) return 1;
        runnerMs[step] = best.runner * 1000;
        std::printf("%6zu %10.0f %9.0f %14.0f %12.1f %10.1f %7.2f %16.2f\n", megabytes, best.runner * 1000,
                    best.bare * 1000, best.bareKeepingNothing * 1000, megabytes / best.runner,
                    megabytes / best.bare, best.bare / best.runner, best.bareKeepingNothing / best.runner);
    }
    // The tool's start is paid once whatever the size; what each further
    // megabyte costs shows whether the capture stays linear.
    std::printf("runner ms per further MB: %.1f from 16 to 64 MB, %.1f from 64 to 256 MB\n",
                (runnerMs[1] - runnerMs[0]) / (sizes[1] - sizes[0]), (runnerMs[2] - runnerMs[1]) / (sizes[2] - sizes[1]));
    DeleteFileA(control.c_str());
    DeleteFileA(log.c_str());
    return 0;
}
