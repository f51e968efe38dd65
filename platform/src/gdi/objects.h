// The GDI objects behind the handles: pens, brushes, fonts, bitmaps and regions, stored
// in the form that drawing uses them.
#pragma once

#include <memory>
#include <vector>

#include <wingdi.h>

#include "gdi/handle_table.h"
#include "gdi/surface.h"
#include "text/font_engine.h"

namespace w32::gdi {

struct Pen : GdiObject {
    static constexpr Kind kKind = Kind::Pen;
    Pen() : GdiObject(kKind) {}
    int style = PS_SOLID; // PS_SOLID .. PS_INSIDEFRAME
    int width = 1;        // logical units; 0 means one pixel
    COLORREF color = 0;
};

struct Brush : GdiObject {
    static constexpr Kind kKind = Kind::Brush;
    Brush() : GdiObject(kKind) {}
    int style = BS_SOLID; // BS_SOLID, BS_NULL, BS_HATCHED
    int hatch = 0;
    COLORREF color = 0;
};

struct Font : GdiObject {
    static constexpr Kind kKind = Kind::Font;
    Font() : GdiObject(kKind) {}
    w32::text::FontRequest request;
    // Realised faces by device pixel height (the request scaled by the map mode).
    std::vector<std::pair<int, std::shared_ptr<w32::text::Face>>> realised;
};

struct Bitmap : GdiObject {
    static constexpr Kind kKind = Kind::Bitmap;
    Bitmap() : GdiObject(kKind) {}
    int width = 0;
    int height = 0;
    bool bottomUp = false; // a DIB section created with a positive height
    bool dibSection = false;
    std::vector<uint32_t> bits;
    Handle ownerDc = nullptr; // a bitmap is selected into one DC at a time
    // Where text was drawn on this bitmap; kept only while the text-box log is on
    // (text_boxes.h).
    struct TextBox {
        DevRect box;
        bool symbolFont = false; // drawn in a Symbol-encoded font
    };
    std::vector<TextBox> textBoxes;

    Surface surface() {
        Surface s;
        s.width = width;
        s.height = height;
        s.pitch = bottomUp ? -ptrdiff_t(width) : ptrdiff_t(width);
        s.row0 = bits.data() + (bottomUp ? ptrdiff_t(height - 1) * width : 0);
        return s;
    }
};

struct Region : GdiObject {
    static constexpr Kind kKind = Kind::Region;
    Region() : GdiObject(kKind) {}
    DevRect rect; // empty when the region is empty
};

// Stock objects in GetStockObject numbering; creates them on first use.
Handle stockObject(int index);
// The 1x1 bitmap that a new memory DC holds.
Handle defaultBitmap();

} // namespace w32::gdi
