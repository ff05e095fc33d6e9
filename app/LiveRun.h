#pragma once
// The user's side of a tool run: every window stays alive while pdftk
// works, the main form takes no input, and a run that takes a while shows
// its output as it arrives, with a Cancel that stops it.
#include "ops/ProcessExecution.h"
#include "ui/ModalForms.h"
#include <string>
#include <vector>
#include <windows.h>

namespace velmora {

class OutputWindow;

class LiveRun : public RunWatch {
public:
    // hidden, when given, lists passwords that pdftk may echo and the
    // window must not show (see HidePasswords).
    explicit LiveRun(OutputWindow* output, const std::vector<std::string>* hidden = nullptr);
    ~LiveRun();
    LiveRun(const LiveRun&) = delete;
    LiveRun& operator=(const LiveRun&) = delete;

    DWORD Wait(DWORD count, const HANDLE* handles, DWORD timeout, const std::string& outputSoFar) override;
    bool StopRequested() override;

    // Handles the windows' messages for ms milliseconds, the run's window
    // still modal: for the wait after a run was stopped.
    void Pause(DWORD ms);

    // Whether the Output window came up during the run.
    bool IsShown() const { return shown_; }
    // After a run that ended while shown: the whole output (its passwords
    // hidden already), "OK", and a wait until the user dismisses the window.
    void ShowWhole(const std::string& output);

private:
    void Show();
    bool Hiding() const;
    void Refresh(const std::string& outputSoFar);
    DWORD NextDeadline(DWORD timeout, const std::string& outputSoFar) const;
    static bool EndOfSessionFilter(Control* form, MessageRecord& message, LRESULT* result, void* data);

    OutputWindow* output_;
    const std::vector<std::string>* hidden_;
    ModalScope modal_;
    ULONGLONG showAt_;
    ULONGLONG nextRefresh_ = 0;
    size_t shownBytes_ = 0;
    bool shown_ = false;
    bool sessionEnding_ = false;
};

} // namespace velmora
