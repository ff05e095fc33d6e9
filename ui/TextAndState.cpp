// Text, visibility, style, tab order, check state, list items and icons.
#include "ui/ControlInternals.h"
#include "ui/Dpi.h"
#include <vector>

namespace velmora {

Control* Control::SetText(const std::string& text)
{
    r_.text = text;
    if (r_.window)
        SetWindowTextA(r_.window, text.c_str());
    if (!r_.noRepaintOnText)
        InvalidateControl(this);
    RunTextFit(this);
    return this;
}

std::string Control::GetText()
{
    if (r_.window) {
        const int length = GetWindowTextLengthA(r_.window);
        std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
        const int read = GetWindowTextA(r_.window, buffer.data(), length + 1);
        r_.text.assign(buffer.data(), read > 0 ? static_cast<size_t>(read) : 0);
    }
    return r_.text;
}

Control* Control::SetVisible(bool on)
{
    r_.visibilitySet = true;
    if (on)
        r_.style |= WS_VISIBLE;
    else
        r_.style &= ~WS_VISIBLE;
    r_.showPending = false;
    if (r_.window)
        ShowWindow(r_.window, on ? SW_SHOW : SW_HIDE);
    return this;
}

bool Control::IsVisible()
{
    return IsShownOrPending(this);
}

Control* Control::SetEnabled(bool on)
{
    if (on)
        r_.style &= ~WS_DISABLED;
    else
        r_.style |= WS_DISABLED;
    if (r_.window)
        EnableWindow(r_.window, on);
    return this;
}

bool Control::IsEnabled()
{
    if (r_.window)
        return IsWindowEnabled(r_.window) != FALSE;
    return !(r_.style & WS_DISABLED);
}

Control* Control::SetStyle(DWORD style)
{
    if (style == r_.style)
        return this;
    r_.style = style;
    if (r_.window) {
        // Enabling is EnableWindow's business (a modal wait disables forms).
        const DWORD disabled = static_cast<DWORD>(GetWindowLongPtrA(r_.window, GWL_STYLE)) & WS_DISABLED;
        SetWindowLongPtrA(r_.window, GWL_STYLE, static_cast<LONG_PTR>((style & ~WS_DISABLED) | disabled));
        SetWindowPos(r_.window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    InvalidateControl(this);
    return this;
}

Control* Control::SetExStyle(DWORD exStyle)
{
    if (exStyle == r_.exStyle)
        return this;
    r_.exStyle = exStyle;
    if (r_.window) {
        SetWindowLongPtrA(r_.window, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
        SetWindowPos(r_.window, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    InvalidateControl(this);
    return this;
}

Control* Control::SetBorder(bool on)
{
    DWORD style = r_.style, exStyle = r_.exStyle;
    if (r_.window) {
        style = static_cast<DWORD>(GetWindowLongPtrA(r_.window, GWL_STYLE));
        exStyle = static_cast<DWORD>(GetWindowLongPtrA(r_.window, GWL_EXSTYLE));
    }
    const bool bordered = (style & (WS_CAPTION | WS_THICKFRAME)) || (exStyle & WS_EX_CLIENTEDGE);
    if (bordered == on)
        return this;
    if (on) {
        if (r_.isForm)
            style |= WS_THICKFRAME | WS_BORDER | WS_DLGFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU;
        else if (r_.threeD & 1)
            exStyle |= WS_EX_CLIENTEDGE;
        else
            style |= WS_BORDER;
    } else {
        style &= ~static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        if (r_.isForm)
            style |= WS_POPUP;
        exStyle &= ~static_cast<DWORD>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
    }
    SetStyle(style);
    return SetExStyle(exStyle);
}

Control* Control::SetTabStop(bool on)
{
    if (on)
        r_.style |= WS_TABSTOP;
    else
        r_.style &= ~WS_TABSTOP;
    return this;
}

Control* Control::SetTabIndex(int16_t position)
{
    if (position == r_.tabPosition)
        return this;
    for (Control* other : TabSequence(Form()))
        if (Rec(other).tabPosition >= position)
            ++Rec(other).tabPosition;
    r_.tabPosition = position;
    return this;
}

bool Control::IsChecked()
{
    return SendToControl(BM_GETCHECK, 0, 0) != 0;
}

Control* Control::CheckRadio()
{
    // Without WS_TABSTOP the click logic does not move the focus here.
    const DWORD saved = r_.style;
    r_.style &= ~WS_TABSTOP;
    GetHandle();
    KindClick();
    const EventRef click = r_.events->click;
    click(this);
    r_.style = saved;
    return this;
}

Control* Control::SetItemText(int index, const std::string& text)
{
    const KindMessageTable* table = r_.kindMessages;
    if (!table)
        return this;
    if (table->itemsAreLines) {
        const LRESULT start = SendToControl(EM_LINEINDEX, static_cast<WPARAM>(index), 0);
        const LRESULT end = SendToControl(EM_LINEINDEX, static_cast<WPARAM>(index + 1), 0);
        SendToControl(EM_SETSEL, static_cast<WPARAM>(start), end);
        SendToControl(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        return this;
    }
    if (!table->insertItemMessage)
        return this;
    const LRESULT current = SendToControl(table->getCurrentIndexMessage, 0, 0);
    const LRESULT count = SendToControl(table->itemCountMessage, 0, 0);
    const bool existed = index >= 0 && index < count;
    const LRESULT data = existed ? SendToControl(table->getItemDataMessage, static_cast<WPARAM>(index), 0) : 0;
    SendToControl(table->deleteItemMessage, static_cast<WPARAM>(index), 0);
    SendToControl(table->insertItemMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
    if (existed)
        SendToControl(table->setItemDataMessage, static_cast<WPARAM>(index), data);
    SendToControl(table->setCurrentIndexMessage, static_cast<WPARAM>(current), 0);
    return this;
}

int Control::GetItemIndex()
{
    const KindMessageTable* table = r_.kindMessages;
    if (!table || !table->getCurrentIndexMessage)
        return r_.selectionIndex;
    const WPARAM argument = table->itemsAreLines ? static_cast<WPARAM>(-1) : 0;
    return static_cast<int>(SendToControl(table->getCurrentIndexMessage, argument, 0));
}

Control* Control::SetItemIndex(int index)
{
    const KindMessageTable* table = r_.kindMessages;
    if (!table || !table->setCurrentIndexMessage)
        r_.selectionIndex = index;
    else
        SendToControl(table->setCurrentIndexMessage, static_cast<WPARAM>(index), 0);
    return this;
}

int Control::GetItemCount()
{
    const KindMessageTable* table = r_.kindMessages;
    if (!table || !table->itemCountMessage)
        return 0;
    return static_cast<int>(SendToControl(table->itemCountMessage, 0, 0));
}

Control* Control::ClearItems()
{
    const KindMessageTable* table = r_.kindMessages;
    if (table && table->clearMessage)
        SendToControl(table->clearMessage, 0, 0);
    else
        SetText("");
    return this;
}

Control* Control::SetTextLimit(int limit)
{
    const KindMessageTable* table = r_.kindMessages;
    if (table && table->limitTextMessage)
        SendToControl(table->limitTextMessage, static_cast<WPARAM>(limit), 0);
    return this;
}

Control* Control::AppendText(const std::string& text)
{
    r_.text += text;
    if (r_.window) {
        const int end = GetWindowTextLengthA(r_.window);
        SendMessageA(r_.window, EM_SETSEL, end, end);
        SendMessageA(r_.window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageA(r_.window, EM_SCROLLCARET, 0, 0);
    }
    return this;
}

Control* Control::SelectAllText()
{
    const KindMessageTable* table = r_.kindMessages;
    if (table && table->itemsAreLines)
        SendToControl(EM_SETSEL, 0, -1);
    return this;
}

Control* Control::SetIcon(HICON icon, bool shared)
{
    if (icon == r_.icon)
        return this;
    const HICON previous = r_.icon;
    const bool previousOwned = previous && previous != reinterpret_cast<HICON>(-1) && !r_.iconShared;
    r_.icon = icon;
    r_.iconShared = shared;
    if (HWND window = GetHandle())
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    // Only an icon of the control's own may be destroyed; shared resource
    // icons belong to the system.
    if (previousOwned)
        DestroyIcon(previous);
    return this;
}

// LoadIcon gives the size of the primary monitor at start-up only; a sized
// load gives a sharp icon at every scale, and is the form's to destroy.
HICON LoadFormIcon(Control* form, HINSTANCE instance, const char* name)
{
    const int size = ScaleToDpi(32, form->Dpi());
    return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

Control* Control::SetIconFromResource(HINSTANCE instance, const char* name)
{
    return SetIcon(LoadFormIcon(this, instance, name), false);
}

} // namespace velmora
