#pragma once
// Font records and text measurement. Equal font records share one GDI font:
// a child's copy of its parent's font uses the parent's GDI font for as long
// as the two stay equal. A GDI font is made on first need and dropped when a
// field changes; the font lives until the last record using it lets go.
#include "ui/Events.h"
#include "ui/LayerObject.h"
#include <cstdint>
#include <memory>
#include <string>
#include <windows.h>

namespace velmora {

class Control;

// Field offsets for SetFontField: the colour, then the LOGFONT's fields.
enum FontField : int {
    FontColorField = 0,
    FontHeightField = 4,
    FontWidthField = 8,
    FontEscapementField = 12,
    FontOrientationField = 16,
    FontWeightField = 20,
    FontStyleBytesField = 24,   // lfItalic, lfUnderline, lfStrikeOut, lfCharSet
    FontQualityBytesField = 28, // lfOutPrecision, lfClipPrecision, lfQuality, lfPitchAndFamily
};

class FontRecord : public LayerObject {
public:
    // The default font: colour system 8, face "System", DEFAULT_CHARSET.
    FontRecord();
    // A copy that shares source's GDI font while the two are equal.
    explicit FontRecord(FontRecord* source);

    // Sets one 32-bit field of the colour-and-LOGFONT block.
    void SetFontField(int offset, uint32_t value);
    // Does nothing when the face is already name; longer names are cut to 31.
    void SetFontName(const std::string& name);

    uint32_t Color() const { return block_.color; }
    const LOGFONTA& LogFont() const { return block_.logFont; }
    std::string FaceName() const;
    // The GDI font, made on first need.
    HFONT Handle();
    // The GDI font's height and width are the record's scaled from 96 DPI
    // to dpi.
    void SetDpi(int dpi);
    int Dpi() const { return dpi_; }
    // Whether a GDI font of this record's own exists (not one shared from
    // the source).
    bool OwnsGdiFont() const;

    void SetOnChange(void (*handler)(void* context, FontRecord* font), void* context);

protected:
    ~FontRecord() override;

private:
    struct Block {
        uint32_t color;
        LOGFONTA logFont;
    };
    struct GdiFont;
    void Changed();
    bool EqualsSource() const;

    Block block_;
    std::shared_ptr<GdiFont> gdiFont_;
    FontRecord* source_ = nullptr;
    int dpi_ = 96;
    void (*onChange_)(void*, FontRecord*) = nullptr;
    void* onChangeContext_ = nullptr;
};

// Text measurement with the control's font, whether or not its window
// exists.
class PaintContext {
public:
    explicit PaintContext(Control* owner) : owner_(owner) {}
    // In 96-DPI units, rounded up, to lay out with.
    SIZE TextSize(const std::string& text);
    // In pixels at the control's DPI.
    SIZE DeviceTextSize(const std::string& text);
    int GetTextWidth(const std::string& text) { return TextSize(text).cx; }
    int GetTextHeight(const std::string& text) { return TextSize(text).cy; }

private:
    Control* owner_;
};

} // namespace velmora
