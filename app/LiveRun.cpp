#include "app/LiveRun.h"
#include "ops/OpenPasswords.h"
#include "app/Unit2.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/MessageLoop.h"
#include <algorithm>

namespace velmora {

namespace {

// A run that ends sooner looks as it always did: its output after the run.
constexpr ULONGLONG kShowAfterMs = 500;
// At most ten updates a second, so that a flood of output costs little more
// than showing it once at the end.
constexpr ULONGLONG kRefreshEveryMs = 100;
// An edit box lays out its whole text again on every addition; past this
// much the rest is shown once, when the run has ended.
constexpr size_t kLiveLimit = 256u << 10;

DWORD MillisecondsUntil(ULONGLONG moment)
{
    const ULONGLONG now = GetTickCount64();
    return moment > now ? static_cast<DWORD>(std::min<ULONGLONG>(moment - now, INFINITE - 1)) : 0;
}

// The benchmark measures the live display against the display of the whole
// text after the run, in the same build; this switch, which nothing but the
// benchmark sets, makes every run look like one that ended in time.
ULONGLONG ShowDelay()
{
    constexpr ULONGLONG kNever = ~0ULL / 2;
    return GetEnvironmentVariableA("VELMORA_BENCH_WHOLE_TEXT", nullptr, 0) > 0 ? kNever : kShowAfterMs;
}

} // namespace

LiveRun::LiveRun(OutputWindow* output, const std::vector<std::string>* hidden)
    : output_(output), hidden_(hidden), modal_(output->FormControl), showAt_(GetTickCount64() + ShowDelay())
{
    output_->FormControl->SetModalResult(0);
    if (AppMainForm)
        AppMainForm->AddMessageFilter(&EndOfSessionFilter, this);
}

LiveRun::~LiveRun()
{
    if (AppMainForm)
        AppMainForm->RemoveMessageFilter(&EndOfSessionFilter);
    output_->RunInProgress = false;
}

// Windows ends the program soon after WM_ENDSESSION has been answered, maybe
// before the wait runs again: the tool is ended right here. The job the tool
// runs in would go with this program in any case.
bool LiveRun::EndOfSessionFilter(Control*, MessageRecord& message, LRESULT* result, void* data)
{
    auto* live = static_cast<LiveRun*>(data);
    // Only asked: another program may still refuse, and the session go on;
    // the run goes on until the end is certain.
    if (message.message == WM_QUERYENDSESSION) {
        *result = TRUE;
        return true;
    }
    if (message.message == WM_ENDSESSION && message.wParam) {
        live->sessionEnding_ = true;
        live->EndToolNow();
        AppTerminated = true;
        *result = 0;
        return true;
    }
    return false;
}

DWORD LiveRun::NextDeadline(DWORD timeout, const std::string& outputSoFar) const
{
    if (!shown_)
        return std::min(timeout, MillisecondsUntil(showAt_));
    if (outputSoFar.size() > shownBytes_ && shownBytes_ < kLiveLimit)
        return std::min(timeout, MillisecondsUntil(nextRefresh_));
    return timeout;
}

DWORD LiveRun::Wait(DWORD count, const HANDLE* handles, DWORD timeout, const std::string& outputSoFar)
{
    const DWORD woke = WaitAndPump(count, handles, NextDeadline(timeout, outputSoFar));
    const ULONGLONG now = GetTickCount64();
    if (!shown_ && now >= showAt_)
        Show();
    if (shown_ && now >= nextRefresh_)
        Refresh(outputSoFar);
    return woke;
}

void LiveRun::Pause(DWORD ms)
{
    const ULONGLONG until = GetTickCount64() + ms;
    for (DWORD left = ms; left > 0; left = MillisecondsUntil(until))
        WaitAndPump(0, nullptr, left);
}

bool LiveRun::StopRequested()
{
    return sessionEnding_ || AppTerminated || output_->FormControl->GetModalResult() != 0;
}

void LiveRun::Show()
{
    BeginLiveOutput(output_);
    modal_.ShowForm();
    shown_ = true;
}

bool LiveRun::Hiding() const
{
    return hidden_ && !hidden_->empty();
}

// A password is told apart only on a whole line: while there are any to
// hide, a line is shown once it is complete.
void LiveRun::Refresh(const std::string& outputSoFar)
{
    nextRefresh_ = GetTickCount64() + kRefreshEveryMs;
    if (outputSoFar.size() <= shownBytes_ || shownBytes_ >= kLiveLimit)
        return;
    size_t end = std::min(outputSoFar.size(), kLiveLimit);
    if (Hiding()) {
        const size_t lineEnd = outputSoFar.rfind('\n', end - 1);
        if (lineEnd == std::string::npos || lineEnd < shownBytes_)
            return;
        end = lineEnd + 1;
    }
    const std::string piece = outputSoFar.substr(shownBytes_, end - shownBytes_);
    AppendOutputText(output_, Hiding() ? HidePasswords(piece, *hidden_) : piece);
    shownBytes_ = end;
}

void LiveRun::ShowWhole(const std::string& output)
{
    // Adding the rest gives the whole text, unless the live view stopped at
    // its limit, a zero byte cut a piece short, or the text has had its
    // passwords hidden, which the bytes shown so far do not count.
    if (output.size() > kLiveLimit || output.find('\0') != std::string::npos || Hiding()) {
        // A hidden box lays the text out once, without painting on the way.
        Control* memo = output_->OutputMemo;
        memo->SetVisible(false);
        memo->SetText(output);
        memo->SetVisible(true);
    } else
        Refresh(output);
    EndLiveOutput(output_);
    output_->FormControl->SetModalResult(0);
    modal_.Wait();
}

} // namespace velmora
