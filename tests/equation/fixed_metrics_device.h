// A drawing device with fixed, simple metrics that records every output call, so that tests can
// assert where the layout rules put each glyph and line without a device context.
//
// Metrics: the selected font's height (tmHeight) is the level height of its size index (15, 12,
// 10); a character is h/2 + (code % 3) wide in the text set and h/2 + 1 + (code % 3) wide in the
// symbol set, so characters of different codes differ and a rule that measures the wrong
// character or the wrong font shows up in the positions. Text widths are sums of character widths.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/draw_surface.h"

namespace zx::equation::testing {

struct RecordedText {
    int x = 0;
    int y = 0;
    std::string text;
    FontSet set = FontSet::Text;
    int sizeIndex = 0;
    std::optional<PenKind> pen; // innermost pushed pen while painted; none for the default pen
};

struct RecordedLine {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    std::optional<PenKind> pen;
};

class FixedMetricsDevice : public DrawDevice {
public:
    static int HeightOf(int sizeIndex) { return kLevelHeights[std::clamp(sizeIndex, 0, 2)]; }
    static int WidthOf(FontSet set, int sizeIndex, char c) {
        const int h = HeightOf(sizeIndex);
        const int code = static_cast<unsigned char>(c);
        return h / 2 + (set == FontSet::Symbol ? 1 : 0) + code % 3;
    }
    static int WidthOf(FontSet set, int sizeIndex, std::string_view text) {
        int w = 0;
        for (char c : text) {
            w += WidthOf(set, sizeIndex, c);
        }
        return w;
    }

    void SelectFont(FontSet set, int sizeIndex) override {
        set_ = set;
        size_ = sizeIndex;
        ++selections_;
    }
    int TextHeight() override { return HeightOf(size_); }
    int CharWidth(char c) override { return WidthOf(set_, size_, c); }
    int TextWidth(std::string_view text) override { return WidthOf(set_, size_, text); }
    void Text(int x, int y, std::string_view text) override {
        texts.push_back({x, y, std::string(text), set_, size_, CurrentPen()});
    }
    void MoveTo(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void LineTo(int x, int y) override {
        lines.push_back({x_, y_, x, y, CurrentPen()});
        x_ = x;
        y_ = y;
    }
    void PushPen(PenKind kind) override {
        pens_.push_back(kind);
        ++pensMade;
    }
    void PopPen() override {
        if (pens_.empty()) {
            ++unbalancedPops;
        } else {
            pens_.pop_back();
        }
    }

    // ---- inspection ----
    FontSet SelectedSet() const { return set_; }
    int SelectedSize() const { return size_; }
    int Selections() const { return selections_; }
    std::size_t OpenPens() const { return pens_.size(); }
    std::optional<PenKind> CurrentPen() const {
        if (pens_.empty()) {
            return std::nullopt;
        }
        return pens_.back();
    }
    // The first recorded text equal to s, or null.
    const RecordedText* FindText(std::string_view s) const {
        for (const RecordedText& t : texts) {
            if (t.text == s) {
                return &t;
            }
        }
        return nullptr;
    }
    void ClearRecords() {
        texts.clear();
        lines.clear();
    }

    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    int pensMade = 0;
    int unbalancedPops = 0;

private:
    FontSet set_ = FontSet::Text;
    int size_ = 0;
    int selections_ = 0;
    std::vector<PenKind> pens_;
    int x_ = 0;
    int y_ = 0;
};

} // namespace zx::equation::testing
