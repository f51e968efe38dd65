// Dialog fonts and text measurement. A private memory DC measures, so measuring never
// disturbs a caller's DC.
#include "dialog_font.h"

#include <map>
#include <mutex>
#include <tuple>

namespace zxw32::user {
namespace {

struct Fonts {
    std::mutex mutex;
    std::map<std::tuple<std::string, int, bool>, HFONT> made;
};

Fonts& fonts() {
    static Fonts* f = new Fonts; // never destroyed: dialogs may be drawn at exit
    return *f;
}

// A memory DC with the font selected, deleted when it goes out of scope.
class MeasuringDc {
public:
    explicit MeasuringDc(HFONT font) : dc_(CreateCompatibleDC(nullptr)) { SelectObject(dc_, font); }
    ~MeasuringDc() { DeleteDC(dc_); }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

int widthIn(HDC dc, std::string_view text) {
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

} // namespace

HFONT dialogFont(const std::string& face, int pointSize, bool bold) {
    const std::string name = face.empty() ? "MS Sans Serif" : face;
    // Points at 96 pixels per inch, as a negative (character) height; sizes beyond any
    // sensible dialog are held so a damaged template cannot ask for a huge font.
    const int points = pointSize > 0 && pointSize <= 72 ? pointSize : 8;
    const int height = -(points * 96 + 36) / 72;
    Fonts& f = fonts();
    std::lock_guard lock(f.mutex);
    HFONT& font = f.made[{name, height, bold}];
    if (font == nullptr) {
        font = CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_SWISS, name.c_str());
    }
    return font;
}

int textWidth(HFONT font, std::string_view text) {
    MeasuringDc dc(font);
    return widthIn(dc.get(), text);
}

int lineHeight(HFONT font) {
    MeasuringDc dc(font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    return metrics.tmHeight;
}

std::vector<int> caretOffsets(HFONT font, std::string_view text) {
    MeasuringDc dc(font);
    std::vector<int> offsets(text.size() + 1, 0);
    for (size_t i = 1; i <= text.size(); ++i) {
        offsets[i] = widthIn(dc.get(), text.substr(0, i));
    }
    return offsets;
}

} // namespace zxw32::user
