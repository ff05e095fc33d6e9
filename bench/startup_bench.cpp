// Start-up time of velmora.exe (with the stand-in pdftk.exe beside it) from
// process creation to the first paint of its main window, next to a minimal
// Win32 program, to that program with the visual-style manifest, and to the
// same window made by hand in plain Win32 (programs/controls_window.exe),
// measured the same way, in turns, several rounds each.
//
// Measured from outside: the process's visible top-level window is looked
// for and a screen pixel inside its client area is read, again and again.
// Once the window has settled, its colour there is known; the first paint is
// the first moment at which the window was visible and showed that colour.
#include "bench/BenchSupport.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using velmora::bench::ExeFolder;
using velmora::bench::Milliseconds;

const int kRounds = 7;
const char kMainTitle[] = "Velmora version 0.49 by Orvandel Freeware ";
const DWORD kSettleMs = 600;
const DWORD kGiveUpMs = 30000;

struct Search {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && IsWindowVisible(window) && std::string(title) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleWindow(DWORD processId, const char* title)
{
    Search search{processId, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct Sample {
    double at;
    bool visible;
    COLORREF colour;
};

// A point of the client area that no control of either window covers.
COLORREF ProbeColour(HWND window, HDC screen)
{
    POINT probe = {4, 4};
    ClientToScreen(window, &probe);
    return GetPixel(screen, probe.x, probe.y);
}

// Milliseconds from creating the process to its window's first paint, or a
// negative value when it never showed.
double MeasureOnce(const std::string& program, const std::string& arguments, const std::string& folder,
                   const char* title)
{
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    HDC screen = GetDC(nullptr);
    const double start = Milliseconds();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        ReleaseDC(nullptr, screen);
        std::printf("cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return -1;
    }
    CloseHandle(info.hThread);

    std::vector<Sample> samples;
    HWND window = nullptr;
    double shownAt = 0;
    for (;;) {
        const double now = Milliseconds();
        if (now - start > kGiveUpMs) break;
        if (!window) window = VisibleWindow(info.dwProcessId, title);
        if (window && shownAt == 0) shownAt = now;
        const bool visible = window && IsWindowVisible(window);
        samples.push_back({now, visible, visible ? ProbeColour(window, screen) : CLR_INVALID});
        if (shownAt != 0 && now - shownAt > kSettleMs) break;
        // Polling without a pause would take a processor from the program
        // being measured (and from Wine's server and the X server it waits
        // for): on two cores that slowed the busier program by a third.
        Sleep(1);
    }

    double painted = -1;
    if (window) {
        const COLORREF settled = ProbeColour(window, screen);
        for (const Sample& sample : samples)
            if (sample.visible && sample.colour == settled) {
                painted = sample.at - start;
                break;
            }
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    ReleaseDC(nullptr, screen);
    return painted;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// velmora.exe wants its tool beside it: both go into a folder of their own.
std::string PrepareVelmora(const std::string& build)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "velmora-startup-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string program = folder + "\\velmora.exe";
    if (!CopyFileA((build + "app\\velmora.exe").c_str(), program.c_str(), FALSE) ||
        !CopyFileA((build + "standin\\pdftk.exe").c_str(), (folder + "\\pdftk.exe").c_str(), FALSE))
        return std::string();
    return program;
}

void Remove(const std::string& program)
{
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    DeleteFileA(program.c_str());
    DeleteFileA((folder + "\\pdftk.exe").c_str());
    RemoveDirectoryA(folder.c_str());
}

struct Subject {
    const char* name;
    std::string program;
    std::string arguments;
    std::string folder;
    const char* title;
    std::vector<double> times;
};

void PrintRow(const Subject& subject)
{
    std::printf("%-16s", subject.name);
    for (double t : subject.times) std::printf(" %7.1f", t);
    std::printf("   median %7.1f\n", Median(subject.times));
}

double Ratio(const Subject& a, const Subject& b)
{
    return Median(a.times) / Median(b.times);
}

} // namespace

int main()
{
    const std::string bench = ExeFolder();
    const std::string velmora = PrepareVelmora(bench + "..\\");
    if (velmora.empty()) {
        std::printf("cannot copy velmora.exe and the stand-in\n");
        return 1;
    }
    const std::string byHandProgram = bench + "programs\\controls_window.exe";
    Subject minimal{"minimal window", bench + "programs\\minimal_window.exe", "", bench, "Minimal window", {}};
    Subject styled{"+ visual styles", byHandProgram, "empty", bench, "Controls window", {}};
    Subject byHand{"same by hand", byHandProgram, "", bench, "Controls window", {}};
    Subject program{"velmora.exe", velmora, "", velmora.substr(0, velmora.find_last_of('\\')), kMainTitle, {}};
    Subject* subjects[] = {&minimal, &styled, &byHand, &program};

    // One unmeasured start of each: the first start of any program under Wine
    // pays for loading the system's libraries from disk.
    for (Subject* subject : subjects)
        MeasureOnce(subject->program, subject->arguments, subject->folder, subject->title);
    for (int round = 0; round < kRounds; ++round)
        for (Subject* subject : subjects)
            subject->times.push_back(
                MeasureOnce(subject->program, subject->arguments, subject->folder, subject->title));
    Remove(velmora);

    std::printf("start-up to first paint, %d rounds each, in turns (ms)\n", kRounds);
    bool failed = false;
    for (Subject* subject : subjects) {
        PrintRow(*subject);
        failed = failed || std::any_of(subject->times.begin(), subject->times.end(), [](double t) { return t < 0; });
    }
    const double ratio = Ratio(program, minimal);
    std::printf("ratio velmora / minimal: %.2f (target <= 1.30): %s\n", ratio, ratio <= 1.3 ? "met" : "NOT met");
    std::printf("ratio + visual styles / minimal: %.2f (what the common controls' manifest costs)\n",
                Ratio(styled, minimal));
    std::printf("ratio same by hand / minimal: %.2f (what the window's content costs)\n", Ratio(byHand, minimal));
    std::printf("ratio velmora / same by hand: %.2f (what Velmora adds to it)\n", Ratio(program, byHand));
    return failed ? 1 : 0;
}
