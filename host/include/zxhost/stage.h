// The stage: a window registered with the USER layer (client coordinates are stage
// coordinates) and a 32-bit DIB surface that render() paints.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

namespace zxhost {

class HostImpl;
class Host;

class Stage {
public:
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;
    ~Stage();

    // Resizes the window and the surface (at least 1 x 1; the surface is cleared).
    void setSize(int32_t width, int32_t height);
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // The background colour, 0xBBGGRR.
    void setColor(uint32_t color) { color_ = color & 0xFFFFFF; }
    uint32_t color() const { return color_; }

    // Moves the cursor to a stage position (SetCursorPos with the stage-to-screen offset).
    void setCursor(int32_t x, int32_t y);
    // Idle pass over every sprite; the number of redraw requests.
    int32_t idle();
    // Idle pass, fill with the stage colour, Draw of every sprite in score order through a
    // draw context of kind 1 on the stage DC, then the caret when it is visible on the stage.
    void render();
    // A surface pixel as 0xBBGGRR; 0 outside the stage.
    uint32_t pixel(int32_t x, int32_t y) const;
    // Writes the surface as PNG; throws Error when the file cannot be written.
    void savePng(const std::string& path) const;

    HWND window() const { return window_; }
    HDC dc() const { return dc_; }
    // The surface's pixels, top-down rows of width() 32-bit words (0x00RRGGBB).
    const uint32_t* bits() const { return bits_; }

private:
    friend class HostImpl;
    friend class Host;
    explicit Stage(HostImpl* host);
    void createSurface();
    void destroySurface();

    HostImpl* host_ = nullptr;
    int32_t width_ = 640;
    int32_t height_ = 480;
    uint32_t color_ = 0xFFFFFF;
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
};

} // namespace zxhost
