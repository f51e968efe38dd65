// A realised font backed by FreeType: one face file at one pixel size, with its glyphs
// rasterised on first use and kept.
#pragma once

#include "text/byte_encoding.h"
#include "text/font_engine.h"
#include "text/windows_metrics.h"

#include <array>
#include <memory>

namespace w32::text {

// How a face file is turned into the requested font.
struct FaceSetup {
    FT_Face face = nullptr; // shared; nullptr gives a font of empty glyphs
    GlyphIndices indices{}; // glyph of each byte code
    bool embolden = false;  // bold asked for, but the file is not bold
    bool oblique = false;   // italic asked for, but the file is upright
    bool symbol = false;
    bool systemFont = false; // the system font reports bold whatever was asked
};

class FreeTypeFace final : public Face {
public:
    FreeTypeFace(const FaceSetup& setup, const FontRequest& request);
    ~FreeTypeFace() override;
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    const FontMetrics& metrics() const override { return metrics_; }
    int advance(uint8_t code) override;
    const Glyph& glyph(uint8_t code) override;
    std::string familyName() const override;
    std::string glyphName(uint8_t code) const override;

    int pixelsPerEm() const { return ppem_; }

private:
    Glyph rasterise(uint8_t code);
    Glyph boxGlyph() const;

    FaceSetup setup_;
    FT_Size size_ = nullptr;
    int ppem_ = 0;
    FontMetrics metrics_;
    std::array<std::unique_ptr<Glyph>, 256> glyphs_;
};

} // namespace w32::text
