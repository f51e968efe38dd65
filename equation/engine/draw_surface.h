// Where equations are laid out and painted. The layout rules need only a handful of device
// calls (select one of six fonts, the selected font's height and widths, text, lines and two
// special pens); DrawDevice is that set. The plug-in implements it on a Win32 device context,
// tests implement it on fixed metrics, so the layout rules are testable without a device.
// DrawSurface adds the drawing state the rules share: the size level with its font selection
// and the paint flag (while cleared, positions are computed but nothing is painted).
#pragma once

#include <cstdint>
#include <string_view>

namespace zx::equation {

// Font heights of the three size levels; deeper levels keep the smallest.
inline constexpr int kLevelHeights[3] = {15, 12, 10};

enum class FontSet : std::uint8_t { Text, Symbol };

// Pens made for one drawing call and released after it.
enum class PenKind : std::uint8_t {
    PlaceholderBox, // dotted (PS_DOT) red, width 1: the box of an empty group
    Brackets,       // solid blue, width 1: square brackets and what they enclose
};

class DrawDevice {
public:
    virtual ~DrawDevice() = default;
    // Selects the font of a set at size index 0..2 (heights 15, 12, 10; Arial or Symbol, bold).
    virtual void SelectFont(FontSet set, int sizeIndex) = 0;
    // tmHeight of the selected font.
    virtual int TextHeight() = 0;
    // GetCharWidthA of one character of the selected font.
    virtual int CharWidth(char c) = 0;
    // GetTextExtentPointA width of a text in the selected font.
    virtual int TextWidth(std::string_view text) = 0;
    // TextOutA at a device point (the text alignment is the caller's: TA_BOTTOM for the sprite).
    virtual void Text(int x, int y, std::string_view text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Creates and selects a pen; PopPen restores the previous pen and deletes it. Pairs nest.
    virtual void PushPen(PenKind kind) = 0;
    virtual void PopPen() = 0;
};

class DrawSurface {
public:
    explicit DrawSurface(DrawDevice& device) : device_(device) {}
    DrawSurface(const DrawSurface&) = delete;
    DrawSurface& operator=(const DrawSurface&) = delete;

    DrawDevice& device() { return device_; }

    // ---- size levels ----
    // Level 0 and text font 0.
    void ResetLevel();
    // One level deeper (smaller fonts down to level 2).
    void PushLevel();
    // One level up; never above level 0.
    void PopLevel();
    void SelectSymbolFont();
    void SelectTextFont();
    double LevelHeight() const;
    int Level() const { return level_; }

    // ---- paint flag ----
    bool Painting() const { return painting_; }
    void SetPainting(bool on) { painting_ = on; }
    // Clears the paint flag for its lifetime and restores the previous value.
    class LayoutOnly {
    public:
        explicit LayoutOnly(DrawSurface& s) : surface_(s), saved_(s.painting_) {
            s.painting_ = false;
        }
        ~LayoutOnly() { surface_.painting_ = saved_; }
        LayoutOnly(const LayoutOnly&) = delete;
        LayoutOnly& operator=(const LayoutOnly&) = delete;

    private:
        DrawSurface& surface_;
        bool saved_;
    };

    // ---- metrics of the selected font (measured also while not painting) ----
    int TextHeight() { return device_.TextHeight(); }
    int CharWidth(char c) { return device_.CharWidth(c); }
    int TextWidth(std::string_view text) { return device_.TextWidth(text); }

    // ---- output: nothing happens while the paint flag is cleared ----
    void Text(int x, int y, std::string_view text);
    void Line(int x0, int y0, int x1, int y1);

private:
    DrawDevice& device_;
    int level_ = 0;
    bool painting_ = true;
};

} // namespace zx::equation
