#pragma once
// Answering another process's message boxes.
#include "tools/driver/Wait.h"
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::driver {

// The box's icon, as far as it can be told from outside.
enum class MessageIcon { None, Error, Question, Warning, Information, Other };
const char* IconName(MessageIcon icon);
std::ostream& operator<<(std::ostream& out, MessageIcon icon);

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::None;
    std::vector<int> buttons;   // ids of the visible buttons (IDOK, IDCANCEL, IDYES, ...), left to right
    int defaultButton = 0;      // id of the button Enter presses (drawn as the default); 0: none
    HWND owner = nullptr;
};

// Waits for a visible message box of the process with exactly this title.
MessageBoxInfo WaitForMessageBox(DWORD processId, const std::string& title, DWORD timeoutMs = DefaultWaitMs);
// Reads an open message box.
MessageBoxInfo ReadMessageBox(HWND box);
// Presses one of its buttons and waits until the box is gone.
void AnswerMessageBox(const MessageBoxInfo& box, int buttonId, DWORD timeoutMs = DefaultWaitMs);

} // namespace velmora::driver
