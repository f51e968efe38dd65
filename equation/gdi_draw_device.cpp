// The drawing device of the equation layout on a Win32 device context, and the module's fonts.
#include "gdi_draw_device.h"

#include <algorithm>

#include "engine/equation_pane.h"

namespace formulon {
namespace {

using zx::equation::FontSet;
using zx::equation::kLevelHeights;
using zx::equation::PenKind;

constexpr int kSets = 2;
constexpr int kSizes = 3;
constexpr int kBold = 700;

// Text fonts in row 0, symbol fonts in row 1; size index 0..2.
HFONT gFonts[kSets][kSizes] = {};

int setRow(FontSet set) {
    return set == FontSet::Symbol ? 1 : 0;
}

int clampSize(int sizeIndex) {
    return std::clamp(sizeIndex, 0, kSizes - 1);
}

bool fontsExist() {
    for (const auto& row : gFonts) {
        for (HFONT font : row) {
            if (font != nullptr) {
                return true;
            }
        }
    }
    return false;
}

// The hooks are installed while the module's statics are initialised, before the first member
// can make a pane.
const bool gLifetimeInstalled = (InstallFontLifetime(), true);

} // namespace

void CreateEquationFonts() {
    static const char* const kFaces[kSets] = {"Arial", "Symbol"};
    for (int set = 0; set < kSets; ++set) {
        for (int size = 0; size < kSizes; ++size) {
            if (gFonts[set][size] == nullptr) {
                gFonts[set][size] = CreateFontA(kLevelHeights[size], 0, 0, 0, kBold, 0, 0, 0,
                                                DEFAULT_CHARSET, 0, 0, 0, 0, kFaces[set]);
            }
        }
    }
}

void DeleteEquationFonts() {
    for (auto& row : gFonts) {
        for (HFONT& font : row) {
            if (font != nullptr) {
                DeleteObject(font);
                font = nullptr;
            }
        }
    }
}

HFONT EquationFont(FontSet set, int sizeIndex) {
    return gFonts[setRow(set)][clampSize(sizeIndex)];
}

void InstallFontLifetime() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        zx::equation::Panes().SetLifetimeHooks(CreateEquationFonts, DeleteEquationFonts);
    }
}

GdiDrawDevice::GdiDrawDevice(HDC dc) : dc_(dc) {
    (void)gLifetimeInstalled;
    if (!fontsExist()) {
        CreateEquationFonts();
    }
}

GdiDrawDevice::~GdiDrawDevice() {
    while (!pens_.empty()) {
        PopPen();
    }
    if (originalFont_ != nullptr) {
        SelectObject(dc_, originalFont_);
    }
}

void GdiDrawDevice::SelectFont(FontSet set, int sizeIndex) {
    HFONT font = EquationFont(set, sizeIndex);
    if (font == nullptr) {
        return;
    }
    HGDIOBJ previous = SelectObject(dc_, font);
    if (originalFont_ == nullptr) {
        originalFont_ = previous;
    }
}

int GdiDrawDevice::TextHeight() {
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(dc_, &metrics)) {
        return 0;
    }
    return metrics.tmHeight;
}

int GdiDrawDevice::CharWidth(char c) {
    const UINT code = static_cast<unsigned char>(c);
    INT width = 0;
    if (!GetCharWidthA(dc_, code, code, &width)) {
        return 0;
    }
    return width;
}

int GdiDrawDevice::TextWidth(std::string_view text) {
    SIZE size{};
    if (text.empty() ||
        !GetTextExtentPointA(dc_, text.data(), static_cast<int>(text.size()), &size)) {
        return 0;
    }
    return size.cx;
}

void GdiDrawDevice::Text(int x, int y, std::string_view text) {
    if (!text.empty()) {
        TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
    }
}

void GdiDrawDevice::MoveTo(int x, int y) {
    MoveToEx(dc_, x, y, nullptr);
}

void GdiDrawDevice::LineTo(int x, int y) {
    ::LineTo(dc_, x, y);
}

void GdiDrawDevice::PushPen(PenKind kind) {
    HPEN pen = kind == PenKind::PlaceholderBox ? CreatePen(PS_DOT, 1, RGB(255, 0, 0))
                                               : CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    // A pen that could not be made still takes its place, so that pushes and pops stay paired.
    HGDIOBJ previous = pen != nullptr ? SelectObject(dc_, pen) : nullptr;
    // Square brackets (and what they enclose) are painted in blue, glyphs as well as lines.
    const COLORREF previousText =
        kind == PenKind::Brackets ? SetTextColor(dc_, RGB(0, 0, 255)) : CLR_INVALID;
    pens_.push_back({pen, previous, previousText});
}

void GdiDrawDevice::PopPen() {
    if (pens_.empty()) {
        return;
    }
    const PushedPen top = pens_.back();
    pens_.pop_back();
    if (top.previous != nullptr) {
        SelectObject(dc_, top.previous);
    }
    if (top.previousText != CLR_INVALID) {
        SetTextColor(dc_, top.previousText);
    }
    if (top.pen != nullptr) {
        DeleteObject(top.pen);
    }
}

} // namespace formulon
