#pragma once
// The "Merge order" window that stands between Merge's open dialog (or a drop
// of several PDFs) and the save dialog of the target: its list and buttons as
// the end-to-end, real-tool and fault suites use them.
#include "tools/driver/Controls.h"
#include <string>
#include <vector>

namespace velmora::testsupport {

inline constexpr char kMergeOrderTitle[] = "Merge order";

inline HWND WaitForMergeOrder(DWORD processId)
{
    return driver::WaitForTopWindow(processId, driver::WindowMatch::Title(kMergeOrderTitle));
}

inline HWND MergeOrderList(HWND window)
{
    return driver::FindControl(window, driver::ControlMatch::Class("obj_LISTBOX"));
}

inline HWND MergeOrderButton(HWND window, const std::string& caption)
{
    return driver::FindControl(window, driver::ControlMatch::Text(caption).AndClass("obj_BUTTON"));
}

// The list's lines once they read lines (a press takes effect a moment
// later), or as they stand when they do not within the wait: the caller
// compares them.
inline std::vector<std::string> MergeLinesOnceThey(HWND window, const std::vector<std::string>& lines)
{
    HWND list = MergeOrderList(window);
    const DWORD start = GetTickCount();
    std::vector<std::string> shown = driver::ListItems(list);
    while (shown != lines && GetTickCount() - start < driver::DefaultWaitMs) {
        Sleep(driver::PollIntervalMs);
        shown = driver::ListItems(list);
    }
    return shown;
}

// The screen point at the middle of the list's line (the list's own top
// line first); a line past the last lies in the empty part below them.
inline POINT MergeLinePoint(HWND window, int line)
{
    HWND list = MergeOrderList(window);
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    POINT point = {40, height * line + height / 2};
    ClientToScreen(list, &point);
    return point;
}

// Takes the order as the window shows it.
inline void AcceptMergeOrder(DWORD processId)
{
    HWND window = WaitForMergeOrder(processId);
    driver::ClickButton(MergeOrderButton(window, "OK"));
    driver::WaitUntilGone(window);
}

} // namespace velmora::testsupport
