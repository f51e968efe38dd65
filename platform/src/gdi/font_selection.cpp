// Fonts are realised lazily, on first use in a DC, at the pixel height that the DC's map
// mode gives the requested logical height, and kept with the font object.
#include "gdi/font_selection.h"

namespace w32::gdi {

std::shared_ptr<w32::text::Face> selectedFace(Dc& dc) {
    Font* font = find<Font>(dc.state.font);
    if (!font) {
        font = find<Font>(stockObject(SYSTEM_FONT));
        if (!font) {
            return nullptr;
        }
    }
    const int logical = font->request.height;
    const int sign = logical < 0 ? -1 : 1;
    const int device = int(sign * std::min<int64_t>(scaleY(dc.state, logical), 1 << 20));
    for (auto& [height, face] : font->realised) {
        if (height == device) {
            return face;
        }
    }
    w32::text::FontRequest request = font->request;
    request.height = device;
    auto face = w32::text::realize(request);
    if (face) {
        font->realised.emplace_back(device, face);
    }
    return face;
}

int selectedQuarterTurn(Dc& dc) {
    Font* font = find<Font>(dc.state.font);
    if (!font) {
        return 0;
    }
    int e = font->request.escapement % 3600;
    if (e < 0) {
        e += 3600;
    }
    return ((e + 450) / 900) % 4;
}

int64_t logicalY(const DcState& s, int64_t length) {
    return toLogical(s, 0, length).y - toLogical(s, 0, 0).y;
}

int64_t logicalX(const DcState& s, int64_t length) {
    return toLogical(s, length, 0).x - toLogical(s, 0, 0).x;
}

} // namespace w32::gdi
