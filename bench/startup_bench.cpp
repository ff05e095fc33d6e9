// Start-up time of velmora.exe (with the stand-in pdftk.exe beside it) from
// process creation to the first paint of its main window, next to a minimal
// Win32 program, to that program with the visual-style manifest, and to the
// same window made by hand in plain Win32 (programs/controls_window.exe),
// measured the same way, in turns, several rounds each. Where the shipped
// 32-bit build is named (VELMORA_SHIP_BUILD, a Unix path), its velmora.exe
// is measured too, next to the two reference programs built for 32 bits.
//
// Measured from outside: the process's visible top-level window is looked
// for and a screen pixel inside its client area is read, again and again.
// Once the window has settled, its colour there is known; the first paint is
// the first moment at which the window was visible and showed that colour.
#include "bench/BenchSupport.h"
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using velmora::bench::ExeFolder;
using velmora::bench::Milliseconds;

const int kRounds = 21;
const char kMainTitle[] = "Velmora version 0.49 by Orvandel Freeware ";
const DWORD kSettleMs = 600;
const DWORD kGiveUpMs = 30000;

// When the last measured process was created, on the clock the phases
// program reports its moments on.
double lastStart = 0;

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
    lastStart = start;
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

// velmora.exe wants its tool beside it: both go into a folder of their own,
// one folder for each build measured.
std::string PrepareVelmora(const std::string& program, const std::string& tool, const char* build)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "velmora-startup-bench-" + build + "-" +
                         std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string copy = folder + "\\velmora.exe";
    if (!CopyFileA(program.c_str(), copy.c_str(), FALSE) ||
        !CopyFileA(tool.c_str(), (folder + "\\pdftk.exe").c_str(), FALSE))
        return std::string();
    return copy;
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
    // The phases program only: its report file, and each step's durations.
    std::string report;
    std::vector<std::vector<double>> steps;
};

const char* const kSteps[] = {"process start", "common controls", "font", "controls' creation",
                              "showing the window", "painting it"};
constexpr size_t kStepCount = sizeof kSteps / sizeof kSteps[0];

// Reads the moments the phases program wrote and keeps how long each step
// took, the first from the process's creation.
void ReadSteps(Subject& subject)
{
    double moments[kStepCount] = {};
    FILE* in = std::fopen(subject.report.c_str(), "r");
    if (!in)
        return;
    bool complete = true;
    for (double& moment : moments)
        complete = complete && std::fscanf(in, "%lf", &moment) == 1;
    std::fclose(in);
    DeleteFileA(subject.report.c_str());
    if (!complete)
        return;
    subject.steps.resize(kStepCount);
    double previous = lastStart;
    for (size_t i = 0; i < kStepCount; ++i) {
        subject.steps[i].push_back(moments[i] - previous);
        previous = moments[i];
    }
}

Subject PhasesSubject(const char* name, const std::string& folder, const char* build)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string report = std::string(temp) + "velmora-phases-" + build + "-" +
                               std::to_string(GetCurrentProcessId()) + ".txt";
    return {name, folder + "velmora_phases.exe", report, folder, kMainTitle, {}, report, {}};
}

void PrintSteps(const std::vector<const Subject*>& subjects)
{
    std::printf("where velmora's start-up goes, measured inside (bench/velmora_phases.cpp), median ms:\n");
    std::printf("%-22s", "");
    for (const Subject* subject : subjects)
        std::printf(" %12s", subject->name);
    std::printf("\n");
    for (size_t i = 0; i < kStepCount; ++i) {
        std::printf("%-22s", kSteps[i]);
        for (const Subject* subject : subjects)
            std::printf(" %12.1f", subject->steps.size() == kStepCount ? Median(subject->steps[i]) : -1.0);
        std::printf("\n");
    }
    std::printf("%-22s", "first paint (outside)");
    for (const Subject* subject : subjects)
        std::printf(" %12.1f", Median(subject->times));
    std::printf("\n");
}

Subject VelmoraSubject(const char* name, const std::string& program)
{
    return {name, program, "", program.substr(0, program.find_last_of('\\')), kMainTitle, {}, "", {}};
}

void PrintRow(const Subject& subject)
{
    std::printf("%-18s", subject.name);
    for (double t : subject.times) std::printf(" %6.0f", t);
    std::printf("   median %6.1f\n", Median(subject.times));
}

// The median of the ratios of the rounds: each round's two starts ran one
// right after the other, under the same load.
double PairedRatio(const Subject& a, const Subject& b)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < a.times.size() && i < b.times.size(); ++i)
        ratios.push_back(a.times[i] / b.times[i]);
    return Median(ratios);
}

bool ReportTarget(const char* what, const Subject& program, const Subject& reference, double target)
{
    const double ratio = PairedRatio(program, reference);
    const bool met = ratio <= target;
    std::printf("%s: %.2f (target <= %.2f): %s\n", what, ratio, target, met ? "met" : "NOT met");
    return met;
}

// A Unix path as Wine shows it: the Unix root is drive Z:.
std::string WindowsPath(std::string path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path + (path.back() == '\\' ? "" : "\\");
}

} // namespace

int main()
{
    const std::string bench = ExeFolder();
    const std::string tool = bench + "..\\standin\\pdftk.exe";
    const std::string velmora = PrepareVelmora(bench + "..\\app\\velmora.exe", tool, "x86_64");
    if (velmora.empty()) {
        std::printf("cannot copy velmora.exe and the stand-in\n");
        return 1;
    }
    const std::string byHandProgram = bench + "programs\\controls_window.exe";
    const std::string programs = bench + "programs\\";
    Subject minimal{"minimal window", programs + "minimal_window.exe", "", programs, "Minimal window", {}, "", {}};
    Subject styled{"+ visual styles", byHandProgram, "empty", programs, "Controls window", {}, "", {}};
    Subject byHand{"same by hand", byHandProgram, "", programs, "Controls window", {}, "", {}};
    Subject program = VelmoraSubject("velmora.exe", velmora);
    Subject phases = PhasesSubject("x86_64", programs, "x86_64");
    std::vector<Subject*> subjects = {&minimal, &styled, &byHand, &program, &phases};

    // The shipped 32-bit build, next to the same two references built for
    // 32 bits, where run-all.sh found that this machine runs 32-bit programs.
    const char* shipBuild = std::getenv("VELMORA_SHIP_BUILD");
    const std::string ship = shipBuild ? WindowsPath(shipBuild) : std::string();
    std::string velmora32;
    if (!ship.empty()) {
        velmora32 = PrepareVelmora(ship + "app\\velmora.exe", tool, "i686");
        if (velmora32.empty()) {
            std::printf("cannot copy the shipped velmora.exe from %s\n", ship.c_str());
            return 1;
        }
    }
    const std::string ship32 = ship + "bench\\programs\\";
    Subject minimal32{"i686 minimal", ship32 + "minimal_window.exe", "", ship32, "Minimal window", {}, "", {}};
    Subject byHand32{"i686 by hand", ship32 + "controls_window.exe", "", ship32, "Controls window", {}, "", {}};
    Subject program32 = VelmoraSubject("i686 velmora.exe", velmora32);
    Subject phases32 = PhasesSubject("i686", ship32, "i686");
    if (!ship.empty())
        subjects.insert(subjects.end(), {&minimal32, &byHand32, &program32, &phases32});

    // One unmeasured start of each: the first start of any program under Wine
    // pays for loading the system's libraries from disk.
    for (Subject* subject : subjects)
        MeasureOnce(subject->program, subject->arguments, subject->folder, subject->title);
    for (Subject* subject : subjects)
        DeleteFileA(subject->report.c_str());
    for (int round = 0; round < kRounds; ++round)
        for (Subject* subject : subjects) {
            subject->times.push_back(
                MeasureOnce(subject->program, subject->arguments, subject->folder, subject->title));
            if (!subject->report.empty())
                ReadSteps(*subject);
        }
    Remove(velmora);
    if (!velmora32.empty())
        Remove(velmora32);

    std::printf("start-up to first paint, %d rounds each, in turns (ms)\n", kRounds);
    bool failed = false;
    for (Subject* subject : subjects) {
        if (!subject->report.empty())
            continue;
        PrintRow(*subject);
        failed = failed || std::any_of(subject->times.begin(), subject->times.end(), [](double t) { return t < 0; });
    }
    std::printf("ratios: median of the rounds' ratios\n");
    ReportTarget("x86_64 velmora / minimal", program, minimal, 1.6);
    ReportTarget("x86_64 velmora / same by hand", program, byHand, 1.0);
    if (!ship.empty()) {
        ReportTarget("i686 velmora / minimal", program32, minimal32, 1.6);
        ReportTarget("i686 velmora / same by hand", program32, byHand32, 1.0);
    }
    std::printf("x86_64 + visual styles / minimal: %.2f (what the common controls' manifest costs)\n",
                PairedRatio(styled, minimal));
    std::printf("x86_64 same by hand / minimal: %.2f (what the window's content costs)\n",
                PairedRatio(byHand, minimal));
    if (!ship.empty())
        std::printf("i686 same by hand / minimal: %.2f\n", PairedRatio(byHand32, minimal32));
    std::vector<const Subject*> stepped = {&phases};
    if (!ship.empty())
        stepped.push_back(&phases32);
    PrintSteps(stepped);
    return failed ? 1 : 0;
}
