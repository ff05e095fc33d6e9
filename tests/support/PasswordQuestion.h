#pragma once
// The question for a protected input's open password: the input query titled
// with the main window's caption, its typing hidden, as the end-to-end,
// real-tool and fault suites answer it.
#include "tools/driver/Controls.h"
#include "tools/driver/Keyboard.h"
#include "tools/driver/Wait.h"
#include <string>

namespace velmora::testsupport {

inline constexpr char kQuestionTitle[] = "Velmora version 0.49 by Orvandel Freeware ";

// The query's window: a form of the program titled as its main window, and
// not that window.
inline HWND WaitForPasswordQuestion(DWORD processId, HWND main, DWORD timeoutMs = 60000)
{
    return driver::WaitFor(
        [&]() -> HWND {
            for (HWND window : driver::TopWindowsOf(processId))
                if (window != main && IsWindowVisible(window) && driver::ClassOf(window) == "obj_Form" &&
                    driver::TextOf(window) == kQuestionTitle)
                    return window;
            return nullptr;
        },
        "the password question", timeoutMs);
}

// Answers the question with password typed as keys and OK, or with Cancel
// when password is empty; gives its prompt.
inline std::string AnswerPasswordQuestion(DWORD processId, HWND main, const std::string& password)
{
    HWND query = WaitForPasswordQuestion(processId, main);
    const std::string prompt = driver::TextOf(driver::WaitForControl(query, driver::ControlMatch::Class("obj_STATIC")));
    if (!password.empty())
        driver::TypeIntoEdit(driver::WaitForControl(query, driver::ControlMatch::Class("obj_EDIT")), password);
    const char* button = password.empty() ? "Cancel" : "OK";
    driver::ClickButton(driver::WaitForControl(query, driver::ControlMatch::Text(button).AndClass("obj_BUTTON")));
    driver::WaitUntilGone(query);
    return prompt;
}

} // namespace velmora::testsupport
