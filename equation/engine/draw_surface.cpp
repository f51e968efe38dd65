// The drawing state shared by the layout rules: the size level with its font selection, and
// output that is dropped while the paint flag is cleared.
#include "draw_surface.h"

#include <algorithm>

namespace zx::equation {

namespace {

// Levels deeper than the last font keep the smallest font.
int FontIndex(int level) {
    return std::clamp(level, 0, 2);
}

} // namespace

void DrawSurface::ResetLevel() {
    level_ = 0;
    device_.SelectFont(FontSet::Text, 0);
}

void DrawSurface::PushLevel() {
    ++level_;
    if (level_ < 3) {
        device_.SelectFont(FontSet::Text, level_);
    }
}

// An unpaired pop would otherwise drive the level negative and index the fonts below their
// first entry; the level stops at 0 and the level-0 font is selected again.
void DrawSurface::PopLevel() {
    level_ = std::max(level_ - 1, 0);
    if (level_ < 3) {
        device_.SelectFont(FontSet::Text, level_);
    }
}

void DrawSurface::SelectSymbolFont() {
    device_.SelectFont(FontSet::Symbol, FontIndex(level_));
}

void DrawSurface::SelectTextFont() {
    device_.SelectFont(FontSet::Text, FontIndex(level_));
}

double DrawSurface::LevelHeight() const {
    return kLevelHeights[FontIndex(level_)];
}

void DrawSurface::Text(int x, int y, std::string_view text) {
    if (painting_) {
        device_.Text(x, y, text);
    }
}

void DrawSurface::Line(int x0, int y0, int x1, int y1) {
    if (painting_) {
        device_.MoveTo(x0, y0);
        device_.LineTo(x1, y1);
    }
}

} // namespace zx::equation
