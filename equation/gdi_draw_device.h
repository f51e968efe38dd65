// The equation layout's drawing device on a Win32 device context: the module's six fonts
// (Arial and Symbol, bold, heights 15, 12 and 10), text and line output, and the two pens the
// layout makes for one drawing call. Everything the device selects into the context is put
// back when the device goes away.
#pragma once

#include <vector>

#include <windows.h>

#include "engine/draw_surface.h"

namespace formulon {

// The fonts are created once for the module and shared by every pane and sprite. They come to
// life with the first pane and are deleted after the last pane is gone; a device used while no
// pane exists creates them on demand.
void CreateEquationFonts();
void DeleteEquationFonts();
// The font of a set at size index 0..2 (null when it could not be created).
HFONT EquationFont(zx::equation::FontSet set, int sizeIndex);
// Lets the pane registry create and delete the fonts with the panes' lifetime.
void InstallFontLifetime();

class GdiDrawDevice final : public zx::equation::DrawDevice {
public:
    explicit GdiDrawDevice(HDC dc);
    ~GdiDrawDevice() override;
    GdiDrawDevice(const GdiDrawDevice&) = delete;
    GdiDrawDevice& operator=(const GdiDrawDevice&) = delete;

    void SelectFont(zx::equation::FontSet set, int sizeIndex) override;
    int TextHeight() override;
    int CharWidth(char c) override;
    int TextWidth(std::string_view text) override;
    void Text(int x, int y, std::string_view text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void PushPen(zx::equation::PenKind kind) override;
    void PopPen() override;

private:
    struct PushedPen {
        HPEN pen;
        HGDIOBJ previous;
        COLORREF previousText; // CLR_INVALID when the text colour was left alone
    };

    HDC dc_;
    HGDIOBJ originalFont_ = nullptr; // the font selected before the device's first selection
    std::vector<PushedPen> pens_;
};

} // namespace formulon
