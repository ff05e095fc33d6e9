#include "tools/driver/MessageBoxes.h"
#include "tools/driver/Controls.h"
#include "tools/driver/Screenshot.h"
#include <algorithm>

namespace velmora::driver {

namespace {

constexpr int MessageTextControl = 0xFFFF;
constexpr int MessageIconControl = 0x440;

// The pixels of icon drawn at size on a plain background.
std::vector<DWORD> DrawnIcon(HICON icon, int width, int height, COLORREF background)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO format = TopDownPixelFormat(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (DWORD& pixel : pixels)
        pixel &= 0x00FFFFFF;
    return pixels;
}

// Share of the icon's opaque pixels that the screen shows unchanged.
double Likeness(const std::vector<DWORD>& shown, HICON icon, int width, int height)
{
    std::vector<DWORD> onBlack = DrawnIcon(icon, width, height, RGB(0, 0, 0));
    std::vector<DWORD> onWhite = DrawnIcon(icon, width, height, RGB(255, 255, 255));
    size_t opaque = 0, same = 0;
    for (size_t i = 0; i < shown.size() && i < onBlack.size(); ++i) {
        if (onBlack[i] != onWhite[i])
            continue;
        ++opaque;
        same += shown[i] == onBlack[i];
    }
    return opaque ? static_cast<double>(same) / opaque : 0.0;
}

// Another process's icon handle is of no use here (GetIconInfo refuses it),
// so the icon is told by comparing what the box shows with the system icons
// drawn here.
MessageIcon RecognizeIcon(HWND iconControl)
{
    struct Candidate { LPCSTR id; MessageIcon icon; };
    const Candidate candidates[] = {
        {IDI_HAND, MessageIcon::Error}, {IDI_QUESTION, MessageIcon::Question},
        {IDI_EXCLAMATION, MessageIcon::Warning}, {IDI_ASTERISK, MessageIcon::Information},
    };
    RECT area;
    GetClientRect(iconControl, &area);
    MapWindowPoints(iconControl, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    int width = area.right - area.left;
    int height = area.bottom - area.top;

    // The box may not have painted yet.
    for (int attempt = 0; attempt < 25; ++attempt) {
        std::vector<DWORD> shown = ScreenPixels(area);
        for (const Candidate& candidate : candidates)
            if (Likeness(shown, LoadIconA(nullptr, candidate.id), width, height) > 0.9)
                return candidate.icon;
        Sleep(PollIntervalMs);
    }
    return MessageIcon::Other;
}

MessageIcon IconOf(HWND box)
{
    HWND icon = GetDlgItem(box, MessageIconControl);
    if (!icon || !IsWindowVisible(icon))
        return MessageIcon::None;
    DWORD_PTR handle = 0;
    SendMessageTimeoutA(icon, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &handle);
    return handle ? RecognizeIcon(icon) : MessageIcon::None;
}

bool IsMessageBox(HWND window)
{
    return ClassOf(window) == "#32770" && GetDlgItem(window, MessageTextControl) != nullptr;
}

} // namespace

const char* IconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return "none";
    case MessageIcon::Error: return "error";
    case MessageIcon::Question: return "question";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Information: return "information";
    case MessageIcon::Other: return "other";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, MessageIcon icon)
{
    return out << IconName(icon);
}

MessageBoxInfo WaitForMessageBox(DWORD processId, const std::string& title, DWORD timeoutMs)
{
    auto box = [&]() -> HWND {
        for (HWND window : TopWindowsOf(processId))
            if (IsWindowVisible(window) && IsMessageBox(window) && TextOf(window) == title)
                return window;
        return nullptr;
    };
    return ReadMessageBox(
        WaitFor(box, "a message box titled " + Quoted(title) + " of process " + std::to_string(processId), timeoutMs));
}

MessageBoxInfo ReadMessageBox(HWND box)
{
    MessageBoxInfo info;
    info.window = box;
    info.title = TextOf(box);
    HWND text = GetDlgItem(box, MessageTextControl);
    info.text = text ? TextOf(text) : std::string();
    info.icon = IconOf(box);
    info.owner = GetWindow(box, GW_OWNER);

    std::vector<ControlInfo> buttons;
    for (const ControlInfo& control : ListControls(box))
        if (control.className == "Button" && control.visible)
            buttons.push_back(control);
    std::sort(buttons.begin(), buttons.end(),
              [](const ControlInfo& a, const ControlInfo& b) { return a.rect.left < b.rect.left; });
    for (const ControlInfo& button : buttons) {
        info.buttons.push_back(button.id);
        if ((button.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            info.defaultButton = button.id;
    }
    return info;
}

void AnswerMessageBox(const MessageBoxInfo& box, int buttonId, DWORD timeoutMs)
{
    ClickButton(box.window, buttonId);
    WaitUntilGone(box.window, timeoutMs);
}

} // namespace velmora::driver
