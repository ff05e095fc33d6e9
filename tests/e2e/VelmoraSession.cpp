#include "tests/e2e/VelmoraSession.h"
#include <gtest/gtest.h>

namespace velmora::e2e {

using namespace driver;

namespace {

// The display scale Wine reads when a program starts; set for one start
// and put back, so the other suites keep 96 DPI.
class DisplayScale {
public:
    explicit DisplayScale(int dpi)
    {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key_, nullptr);
        DWORD size = sizeof old_;
        const DWORD value = dpi;
        had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) == 0;
        RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    }
    ~DisplayScale()
    {
        if (had_)
            RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
        else
            RegDeleteValueA(key_, "LogPixels");
        RegCloseKey(key_);
    }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    HKEY key_ = nullptr;
    DWORD old_ = 96;
    bool had_ = false;
};

// The test reads a program's windows in pixels as they are, not mapped
// to its own scale.
void SeeWindowsUnscaled()
{
    using SetAwareness = BOOL(WINAPI*)(HANDLE);
    const auto set = reinterpret_cast<SetAwareness>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
    if (set)
        set(reinterpret_cast<HANDLE>(-4));   // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
}

} // namespace

VelmoraSession::VelmoraSession(SessionOptions options)
    : folder_(options.folderName), documents_(options.folderName)
{
    const std::string program = CopyInto(VelmoraProgram(), folder_.Path());
    if (options.withTool) {
        CopyInto(StandinProgram(), folder_.Path(), "pdftk.exe");
        SetTool(options.tool);
    }
    auto start = [&] {
        return options.wideArguments.empty()
                   ? std::make_unique<Process>(program, options.arguments, folder_.Path())
                   : std::make_unique<Process>(program, options.wideArguments, folder_.Path());
    };
    if (options.dpi == 0) {
        process_ = start();
        return;
    }
    SeeWindowsUnscaled();
    DisplayScale scale(options.dpi);
    process_ = start();
    MainWindow();
}

HWND VelmoraSession::MainWindow()
{
    if (!main_)
        main_ = WaitForTopWindow(ProcessId(), WindowMatch::Title(kMainTitle));
    return main_;
}

HWND VelmoraSession::Control(const std::string& caption)
{
    return WaitForControl(MainWindow(), ControlMatch::Text(caption));
}

void VelmoraSession::Click(const std::string& caption)
{
    ClickButton(WaitForControl(MainWindow(), ControlMatch::Text(caption).AndClass("obj_BUTTON")));
}

void VelmoraSession::SetTool(const std::vector<StandinStep>& steps)
{
    std::vector<StandinStep> all = {{"log", ToolLog()}};
    all.insert(all.end(), steps.begin(), steps.end());
    WriteStandinControl(folder_.File("standin.cfg"), all);
}

std::vector<StandinRun> VelmoraSession::ToolRuns() const
{
    return ReadStandinLog(ToolLog());
}

StandinRun VelmoraSession::WaitForToolRun(size_t count)
{
    std::vector<StandinRun> runs;
    WaitUntil([&] { runs = ToolRuns(); return runs.size() >= count; },
              "the stand-in's run " + std::to_string(count));
    return runs.back();
}

void VelmoraSession::ExpectNotice(const std::string& text)
{
    MessageBoxInfo box = WaitForMessageBox(ProcessId(), kMainTitle);
    EXPECT_EQ(box.text, text);
    AnswerMessageBox(box, IDOK);
}

} // namespace velmora::e2e
