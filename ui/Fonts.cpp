// Font records, their GDI fonts, and measuring text with them.
#include "ui/Fonts.h"
#include "ui/Colors.h"
#include "ui/ControlInternals.h"
#include "ui/Dpi.h"
#include <cstring>

namespace velmora {

namespace {

// Text is measured on one memory DC compatible with the screen, kept for the
// whole run, with the font last measured left selected: a control is fitted
// to its text before its window exists (so the window is made at its final
// size), and the controls of a window, which share one font, select it once.
HDC measuringDc = nullptr;
HFONT measuringFont = nullptr;   // nullptr: the DC's own system font

SIZE MeasureText(HFONT font, const std::string& text)
{
    SIZE size = {0, 0};
    if (!measuringDc)
        measuringDc = CreateCompatibleDC(nullptr);
    if (!measuringDc)
        return size;
    if (font != measuringFont) {
        SelectObject(measuringDc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        measuringFont = font;
    }
    GetTextExtentPoint32A(measuringDc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// A font is never deleted while selected into a DC; and a font made later
// may be given the same handle, which must not pass for the one selected.
void ReleaseMeasuringFont(HFONT font)
{
    if (measuringDc && font && font == measuringFont) {
        SelectObject(measuringDc, GetStockObject(SYSTEM_FONT));
        measuringFont = nullptr;
    }
}

} // namespace

struct FontRecord::GdiFont {
    HFONT handle;
    explicit GdiFont(HFONT h) : handle(h) {}
    ~GdiFont()
    {
        ReleaseMeasuringFont(handle);
        if (handle)
            DeleteObject(handle);
    }
};

namespace {

FontRecord* DefaultFont()
{
    // Lives for the whole run: every control's first font is a copy of it.
    static FontRecord* font = CreateObject<FontRecord>();
    return font;
}

void FontChanged(void* context, FontRecord* font)
{
    auto* control = static_cast<Control*>(context);
    Rec(control).textColor = font->Color();
    ApplyFontToWindow(control, true);
    InvalidateControl(control);
    RunTextFit(control);
}

void GiveFont(Control* control, FontRecord* font)
{
    font->SetDpi(Rec(control).dpi);
    Rec(control).font = font;
    AddToFreeList(control, font);
    font->SetOnChange(&FontChanged, control);
}

} // namespace

FontRecord::FontRecord()
{
    std::memset(&block_, 0, sizeof block_);
    block_.color = WindowTextColor;
    block_.logFont.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(block_.logFont.lfFaceName, "System");
}

FontRecord::FontRecord(FontRecord* source) : block_(source->block_), source_(source), dpi_(source->dpi_)
{
    TakeReference(source_);
}

FontRecord::~FontRecord()
{
    gdiFont_.reset();
    ReleaseObject(source_);
}

std::string FontRecord::FaceName() const
{
    return std::string(block_.logFont.lfFaceName, strnlen(block_.logFont.lfFaceName, LF_FACESIZE));
}

void FontRecord::SetOnChange(void (*handler)(void*, FontRecord*), void* context)
{
    onChange_ = handler;
    onChangeContext_ = context;
}

void FontRecord::SetFontField(int offset, uint32_t value)
{
    if (offset < 0 || offset % 4 != 0 || offset + sizeof value > sizeof block_)
        return;
    auto* field = reinterpret_cast<unsigned char*>(&block_) + offset;
    if (std::memcmp(field, &value, sizeof value) == 0)
        return;
    std::memcpy(field, &value, sizeof value);
    Changed();
}

void FontRecord::SetFontName(const std::string& name)
{
    const std::string face = name.substr(0, LF_FACESIZE - 1);
    if (face == FaceName())
        return;
    std::memset(block_.logFont.lfFaceName, 0, sizeof block_.logFont.lfFaceName);
    std::memcpy(block_.logFont.lfFaceName, face.data(), face.size());
    Changed();
}

void FontRecord::Changed()
{
    gdiFont_.reset();
    if (onChange_)
        onChange_(onChangeContext_, this);
}

void FontRecord::SetDpi(int dpi)
{
    if (dpi == dpi_)
        return;
    dpi_ = dpi;
    Changed();
}

bool FontRecord::EqualsSource() const
{
    return source_ && source_->dpi_ == dpi_ && std::memcmp(&block_.logFont, &source_->block_.logFont, sizeof block_.logFont) == 0;
}

HFONT FontRecord::Handle()
{
    if (!gdiFont_) {
        if (EqualsSource()) {
            source_->Handle();
            gdiFont_ = source_->gdiFont_;
        } else {
            LOGFONTA scaled = block_.logFont;
            scaled.lfHeight = ScaleToDpi(scaled.lfHeight, dpi_);
            scaled.lfWidth = ScaleToDpi(scaled.lfWidth, dpi_);
            gdiFont_ = std::make_shared<GdiFont>(CreateFontIndirectA(&scaled));
        }
    }
    return gdiFont_->handle;
}

bool FontRecord::OwnsGdiFont() const
{
    return gdiFont_ && !(source_ && source_->gdiFont_ == gdiFont_);
}

FontRecord* Control::GetFont()
{
    if (!r_.font) {
        auto* font = CreateObject<FontRecord>(DefaultFont());
        font->SetFontField(FontColorField, r_.textColor);
        GiveFont(this, font);
    }
    return r_.font;
}

void InheritFont(Control* child, Control* parent)
{
    if (FontRecord* font = Rec(parent).font)
        GiveFont(child, CreateObject<FontRecord>(font));
}

void ApplyFontToWindow(Control* control, bool redraw)
{
    ControlRecord& r = Rec(control);
    if (r.window && r.font)
        SendMessageA(r.window, WM_SETFONT, reinterpret_cast<WPARAM>(r.font->Handle()), redraw);
}

PaintContext* Control::GetPaintContext()
{
    if (!r_.paintContext)
        r_.paintContext = std::make_unique<PaintContext>(this);
    return r_.paintContext.get();
}

SIZE PaintContext::TextSize(const std::string& text)
{
    const SIZE size = DeviceTextSize(text);
    const int dpi = owner_->Dpi();
    return {ScaleFromDpiUp(size.cx, dpi), ScaleFromDpiUp(size.cy, dpi)};
}

SIZE PaintContext::DeviceTextSize(const std::string& text)
{
    HFONT font = nullptr;
    if (FontRecord* record = Rec(owner_).font)
        font = record->Handle();
    else if (HWND window = owner_->Window())
        font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    return MeasureText(font, text);
}

} // namespace velmora
