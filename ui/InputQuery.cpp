#include "ui/InputQuery.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/Control.h"
#include "ui/ControlKinds.h"
#include "ui/Fonts.h"
#include "ui/MessageLoop.h"
#include <windows.h>

namespace velmora {

namespace {

// Result codes carried in the controls' tags and in the form's modal result.
constexpr intptr_t OkCode = 1;
constexpr intptr_t CancelCode = 2;
constexpr intptr_t EscapeCode = -1;

struct DialogUnits {
    int x;   // average character width
    int y;   // character height
};

DialogUnits MeasureUnits(Control* form)
{
    const SIZE size = form->GetPaintContext()->TextSize("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {size.cx / 52, size.cy};
}

// Releases the dialog however the query ends, and hands AppTerminated back:
// as it was, unless the program was asked to end while the dialog was up.
class QueryScope {
public:
    QueryScope() : saved_(AppTerminated) { AppTerminated = false; }
    ~QueryScope()
    {
        ReleaseObject(form);
        AppTerminated = saved_ || AppTerminated;
    }
    Control* form = nullptr;

private:
    bool saved_;
};

Control* CreateQueryButton(Control* form, const char* caption, intptr_t code, int left, int top, DialogUnits u)
{
    Control* button = CreateButton(form, caption);
    button->SetModalResult(static_cast<int>(code));
    button->SetDialogKeyButton(code == OkCode ? VK_RETURN : VK_ESCAPE, true);
    button->SetLeft(left)->SetTop(top)->ResizeTo(MulDiv(50, u.x, 4), MulDiv(14, u.y, 8));
    button->SetTag(code);
    button->SetClickHandler(&EndQuery, form);
    button->SetKeyDownHandler(&QueryKeyDown, form);
    return button;
}

// Waits without spinning: sleeps until input arrives whenever the queue is
// empty.
void WaitForAnswer(Control* form)
{
    while (!AppTerminated && form->HasWindow() && form->GetModalResult() == 0) {
        if (!PumpOneMessage(form))
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

} // namespace

bool QueryText(const std::string& title, const std::string& prompt, std::string& value)
{
    QueryScope scope;
    Control* form = scope.form = CreateForm(AppMainForm, title);
    form->SetVisible(false);
    form->GetHandle();
    form->GetFont()->SetFontField(FontHeightField, 8);
    const DialogUnits u = MeasureUnits(form);
    form->SetIcon(LoadIconA(nullptr, IDI_ASTERISK), true);
    form->SetStyle(form->GetStyle() & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    form->SetClientWidth(MulDiv(180, u.x, 4));

    Control* label = CreateLabel(form, prompt);
    label->SetBorder(false)->SetColor(ButtonFaceColor);
    label->SetLeft(MulDiv(8, u.x, 4))->SetTop(MulDiv(8, u.y, 8));
    label->SetSizeLimit(MaxWidthLimit, static_cast<int16_t>(MulDiv(164, u.x, 4)));
    label->MakeWindow();
    label->SetHeight(label->GetPaintContext()->GetTextHeight(prompt));
    label->SetWidth(label->GetPaintContext()->GetTextWidth(prompt));

    Control* edit = CreateEditBox(form, 0);
    edit->SetBorder(true)->SetColor(RGB(255, 255, 255));
    edit->SetLeft(label->GetLeft())->SetTop(label->GetTop() + label->GetHeight() + 5);
    edit->SetWidth(MulDiv(164, u.x, 4));
    edit->SetTextLimit(255)->SetTag(OkCode);
    edit->SetKeyDownHandler(&QueryKeyDown, form);
    edit->SetText(value)->SelectAllText();
    edit->MakeWindow();

    const int top = edit->GetTop() + edit->GetHeight() + 15;
    CreateQueryButton(form, "OK", OkCode, MulDiv(38, u.x, 4), top, u);
    Control* cancel = CreateQueryButton(form, "Cancel", CancelCode, MulDiv(92, u.x, 4), top, u);
    form->SetClientHeight(cancel->GetTop() + cancel->GetHeight() + 13);

    form->CenterWindow()->EnableKeyboardNavigation()->SetResizable(false)->SetVisible(true);
    WaitForAnswer(form);

    if (form->GetModalResult() != OkCode)
        return false;
    value = edit->GetText();
    return true;
}

std::string PromptText(const std::string& title, const std::string& prompt, const std::string& defaultText)
{
    std::string text = defaultText;
    QueryText(title, prompt, text);
    return text;
}

void EndQuery(Control* form, Control* sender)
{
    const intptr_t code = sender ? sender->GetTag() : EscapeCode;
    form->SetTag(code);
    form->SetModalResult(static_cast<int>(code));
    form->CloseWindow();
}

void QueryKeyDown(Control* form, Control* sender, uint32_t* key, uint32_t)
{
    if (*key == VK_RETURN)
        EndQuery(form, sender);
    else if (*key == VK_ESCAPE)
        EndQuery(form, nullptr);
}

} // namespace velmora
