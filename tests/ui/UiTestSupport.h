#pragma once
// Shared by the control layer's tests: a clean program state per test, a
// message pump, real input, and reading what Windows sees.
#include "ui/Ui.h"
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <string>
#include <windows.h>

namespace uitest {

using namespace velmora;

// Handles everything that is queued (a WM_QUIT included) without waiting.
inline void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Pumps for a while: some things (painting, posted work) take a round or two.
inline void PumpFor(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    do {
        Pump();
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
    Pump();
}

inline std::string ClassNameOf(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

inline DWORD StyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

inline DWORD ExStyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
}

inline SIZE WindowSize(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// Keys through the system's input queue, with the modifiers held.
inline void SendKey(WORD key, bool keyUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = keyUp ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

inline void PressKey(WORD key, WORD modifier = 0)
{
    if (modifier)
        SendKey(modifier, false);
    SendKey(key, false);
    SendKey(key, true);
    if (modifier)
        SendKey(modifier, true);
    PumpFor(60);
}

// Runs work from the message loop after a delay: the way to act while a
// modal wait or a message box runs its own loop.
inline std::map<UINT_PTR, std::function<void()>>& LaterWork()
{
    static std::map<UINT_PTR, std::function<void()>> work;
    return work;
}

inline void CALLBACK RunLaterWork(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto found = LaterWork().find(id);
    if (found == LaterWork().end())
        return;
    std::function<void()> work = std::move(found->second);
    LaterWork().erase(found);
    work();
}

inline void RunLater(UINT milliseconds, std::function<void()> work)
{
    const UINT_PTR id = SetTimer(nullptr, 0, milliseconds, &RunLaterWork);
    LaterWork()[id] = std::move(work);
}

// Clicks through the system's input queue at the centre of a window.
inline void ClickAt(HWND window, bool twice = false)
{
    RECT rect;
    GetWindowRect(window, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PumpFor(20);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    if (twice)
        SendInput(2, input, sizeof(INPUT));
    PumpFor(80);
}

// Every test starts with no main form and a quiet queue.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A window opening under the pointer an earlier test left there
        // takes it for the user's (a dropped-down list follows it).
        SetCursorPos(0, 0);
        Reset();
    }
    void TearDown() override
    {
        // Work left for later belongs to this test only.
        for (auto& entry : LaterWork())
            KillTimer(nullptr, entry.first);
        LaterWork().clear();
        for (auto it = owned_.rbegin(); it != owned_.rend(); ++it)
            ReleaseObject(*it);
        owned_.clear();
        Reset();
    }

    static void Reset()
    {
        AppMainForm = nullptr;
        AppRunning = false;
        AppTerminated = false;
        Pump();
        AppTerminated = false;
    }

    // A visible form in a known font, released after the test.
    Control* NewForm(const std::string& caption = "Test form", Control* owner = nullptr)
    {
        Control* form = CreateForm(owner, caption);
        form->PlaceAt(40, 40)->ResizeClientArea(400, 300);
        form->GetFont()->SetFontField(FontHeightField, 10);
        form->GetFont()->SetFontName("MS Sans Serif");
        if (!owner)
            owned_.push_back(form);
        return form;
    }

    // Shows the form as the main loop would, and makes it the active window.
    void ShowForm(Control* form)
    {
        form->MakeWindow();
        SetForegroundWindow(form->Window());
        PumpFor(50);
    }

    std::vector<Control*> owned_;
};

} // namespace uitest
