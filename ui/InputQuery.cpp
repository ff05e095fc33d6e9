#include "ui/InputQuery.h"
#include "ui/Application.h"
#include "ui/Colors.h"
#include "ui/ControlInternals.h"
#include "ui/ControlKinds.h"
#include "ui/Dpi.h"
#include "ui/Fonts.h"
#include "ui/ModalForms.h"
#include <windows.h>

namespace velmora {

namespace {

// Result codes carried in the controls' tags and in the form's modal result.
constexpr intptr_t OkCode = 1;
constexpr intptr_t CancelCode = 2;
constexpr intptr_t EscapeCode = -1;

// Dialog units: a quarter of the font's average character width across,
// an eighth of its height down. The font is measured in pixels at the
// form's DPI and the lengths given back in 96-DPI units, so a whole-pixel
// average taken in 96-DPI units does not round the layout at other scales.
struct DialogUnits {
    int x;   // average character width, in pixels
    int y;   // character height, in pixels
    int dpi;
    int Across(int units) const { return ScaleFromDpi(MulDiv(units, x, 4), dpi); }
    int Down(int units) const { return ScaleFromDpi(MulDiv(units, y, 8), dpi); }
};

DialogUnits MeasureUnits(Control* form)
{
    const SIZE size =
        form->GetPaintContext()->DeviceTextSize("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {size.cx / 52, size.cy, form->Dpi()};
}

// Whatever the query changes outside its own form is handed back when it
// ends: AppTerminated as it was, unless the program was asked to end while
// the query was up; and the main form's message preview, which registering
// OK and Cancel as dialog-key buttons takes over.
class QueryScope {
public:
    QueryScope() : terminated_(AppTerminated), main_(AppMainForm)
    {
        AppTerminated = false;
        TakeReference(main_);
        if (main_) {
            preview_ = Rec(main_).events->preview;
            savedPreview_ = Rec(main_).events->savedPreview;
        }
    }
    ~QueryScope()
    {
        ReleaseObject(form);
        if (main_)
            RestorePreviews();
        ReleaseObject(main_);
        AppTerminated = terminated_ || AppTerminated;
    }
    QueryScope(const QueryScope&) = delete;
    QueryScope& operator=(const QueryScope&) = delete;

    Control* form = nullptr;

private:
    static bool Same(const PreviewRef& a, const PreviewRef& b)
    {
        return a.handler == b.handler && a.context == b.context;
    }

    void RestorePreviews()
    {
        const EventBlock& now = *Rec(main_).events;
        if (Same(now.preview, preview_) && Same(now.savedPreview, savedPreview_))
            return;
        EventBlock& events = EditableEvents(main_);
        events.preview = preview_;
        events.savedPreview = savedPreview_;
    }

    bool terminated_;
    Control* main_;
    PreviewRef preview_;
    PreviewRef savedPreview_;
};

Control* CreateQueryButton(Control* form, const char* caption, intptr_t code, int left, int top, DialogUnits u)
{
    Control* button = CreateButton(form, caption);
    button->SetModalResult(static_cast<int>(code));
    button->SetDialogKeyButton(code == OkCode ? VK_RETURN : VK_ESCAPE, true);
    button->SetLeft(left)->SetTop(top)->ResizeTo(u.Across(50), u.Down(14));
    button->SetTag(code);
    button->SetClickHandler(&EndQuery, form);
    button->SetKeyDownHandler(&QueryKeyDown, form);
    return button;
}

} // namespace

bool QueryText(const std::string& title, const std::string& prompt, std::string& value, bool hidden)
{
    QueryScope scope;
    Control* form = scope.form = CreateForm(AppMainForm, title);
    form->SetVisible(false);
    form->GetHandle();
    form->GetFont()->SetFontField(FontHeightField, 8);
    const DialogUnits u = MeasureUnits(form);
    form->SetIcon(LoadIconA(nullptr, IDI_ASTERISK), true);
    form->SetStyle(form->GetStyle() & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    form->SetClientWidth(u.Across(180));

    Control* label = CreateLabel(form, prompt);
    label->SetBorder(false)->SetColor(ButtonFaceColor);
    label->SetLeft(u.Across(8))->SetTop(u.Down(8));
    label->SetSizeLimit(MaxWidthLimit, static_cast<int16_t>(u.Across(164)));
    label->MakeWindow();
    label->SetHeight(label->GetPaintContext()->GetTextHeight(prompt));
    label->SetWidth(label->GetPaintContext()->GetTextWidth(prompt));

    Control* edit = CreateEditBox(form, hidden ? EditPassword : 0);
    edit->SetBorder(true)->SetColor(RGB(255, 255, 255));
    edit->SetLeft(label->GetLeft())->SetTop(label->GetTop() + label->GetHeight() + 5);
    edit->SetWidth(u.Across(164));
    edit->SetTextLimit(255)->SetTag(OkCode);
    edit->SetKeyDownHandler(&QueryKeyDown, form);
    edit->SetText(value)->SelectAllText();
    edit->MakeWindow();

    const int top = edit->GetTop() + edit->GetHeight() + 15;
    CreateQueryButton(form, "OK", OkCode, u.Across(38), top, u);
    Control* cancel = CreateQueryButton(form, "Cancel", CancelCode, u.Across(92), top, u);
    form->SetClientHeight(cancel->GetTop() + cancel->GetHeight() + 13);

    form->CenterWindow()->EnableKeyboardNavigation()->SetResizable(false);
    // As modal as the Output window: while the query is up, no action of the
    // main window can start another operation inside this one.
    ModalScope modal(form);
    form->SetVisible(true);
    modal.Wait();

    if (form->GetModalResult() != OkCode)
        return false;
    value = edit->GetText();
    // A password leaves no copy in the control's record nor in its window.
    if (hidden) {
        std::string& kept = Rec(edit).text;
        if (!kept.empty())
            SecureZeroMemory(&kept[0], kept.size());
        edit->SetText(std::string());
    }
    return true;
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
