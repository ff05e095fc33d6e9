#pragma once
// One run of the real velmora.exe for an end-to-end test: the program and the
// stand-in pdftk.exe copied into a fresh folder, started from there, its main
// window found; the process is killed at the end if it still runs.
#include "tools/driver/Driver.h"
#include <memory>
#include <string>
#include <vector>

namespace velmora::e2e {

inline constexpr char kMainTitle[] = "Velmora version 0.49 by Orvandel Freeware ";

struct SessionOptions {
    driver::FolderName folderName = driver::FolderName::Plain;
    bool withTool = true;                       // put the stand-in beside the program
    std::vector<driver::StandinStep> tool;      // what the stand-in does when run
    std::string arguments;                      // velmora.exe's command line after its name
    std::wstring wideArguments;                 // the same in UTF-16; used when not empty
    int dpi = 0;                                // the display scale it starts at (0: the prefix's)
};

// A 96-DPI length at 144 DPI.
inline int At144Dpi(int length) { return MulDiv(length, 144, 96); }

class VelmoraSession {
public:
    explicit VelmoraSession(SessionOptions options = {});

    // The folder holding velmora.exe (and pdftk.exe).
    const driver::TempFolder& Folder() const { return folder_; }
    // A second folder for the test's documents.
    const driver::TempFolder& Documents() const { return documents_; }
    driver::Process& Program() { return *process_; }
    DWORD ProcessId() const { return process_->Id(); }

    // The main window, once visible.
    HWND MainWindow();
    // A control of the main window by its caption, optionally its class.
    HWND Control(const std::string& caption);
    // Presses the main window's button with this caption.
    void Click(const std::string& caption);

    // Changes what the stand-in does from its next run on.
    void SetTool(const std::vector<driver::StandinStep>& steps);
    // Every run the stand-in logged so far, oldest first.
    std::vector<driver::StandinRun> ToolRuns() const;
    // Waits until the stand-in has logged count runs; gives the last.
    driver::StandinRun WaitForToolRun(size_t count = 1);

    // Waits for the notice titled with the main window's caption, checks it
    // says text, presses OK.
    void ExpectNotice(const std::string& text);

    std::string ToolLog() const { return folder_.File("standin.log"); }

private:
    driver::TempFolder folder_;
    driver::TempFolder documents_;
    std::unique_ptr<driver::Process> process_;
    HWND main_ = nullptr;
};

} // namespace velmora::e2e
