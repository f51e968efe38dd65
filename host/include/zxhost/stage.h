// The stage: a window registered with the USER layer (client coordinates are stage
// coordinates) and a 32-bit DIB surface that render() paints.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace zxhost {

class HostImpl;
class Host;
class Sprite;

class Stage {
public:
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;
    ~Stage();

    // The largest surface, in pixels (8192 x 8192, or any shape of that area).
    static constexpr int64_t kMaxPixels = int64_t{1} << 26;
    // Resizes the window and the surface (the surface is cleared). Throws Error for a side
    // outside 1-16384 or an area over kMaxPixels.
    void setSize(int32_t width, int32_t height);
    // Error text for a size that setSize refuses, empty for one it takes.
    static std::string sizeProblem(int64_t width, int64_t height);
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // The background colour, 0xBBGGRR.
    void setColor(uint32_t color) { color_ = color & 0xFFFFFF; }
    uint32_t color() const { return color_; }

    // Moves the cursor to a stage position (SetCursorPos with the stage-to-screen offset).
    // Throws Error for a position outside the coordinate limit (kCoordinateLimit).
    void setCursor(int32_t x, int32_t y);
    // Idle pass over every sprite; the number of redraw requests.
    int32_t idle();
    // Idle pass, fill with the stage colour, Draw of every sprite in score order through a
    // draw context of kind 1 on the stage DC, then the caret when it is visible on the stage.
    void render();
    // Redraws only what the given sprites cover, as a window system repaints what was
    // invalidated: the rectangles of these sprites and of every sprite that overlaps them
    // (and so on, until no other sprite overlaps), filled with the stage colour, then those
    // sprites drawn in score order, then the caret. Sprites elsewhere keep their pixels (a
    // graph's trace overlay survives a counter ticking beside it). No idle pass. Returns the
    // number of sprites drawn.
    int32_t renderSprites(const std::vector<int32_t>& spriteIds);
    // A surface pixel as 0xBBGGRR; 0 outside the stage.
    uint32_t pixel(int32_t x, int32_t y) const;
    // Writes the surface as PNG; throws Error when the file cannot be written.
    void savePng(const std::string& path) const;

    // The stage as a movie leaves it: size, colour and the pixels last drawn, so that an
    // undone movie load can put it back exactly.
    struct Snapshot {
        int32_t width = 0;
        int32_t height = 0;
        uint32_t color = 0;
        std::vector<uint32_t> pixels;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

    // Surfaces replaced while a plug-in was drawing wait until the outermost call returns.
    bool hasRetiredSurfaces() const { return !retired_.empty(); }
    void releaseRetiredSurfaces();

    HWND window() const { return window_; }
    HDC dc() const { return dc_; }
    // The surface's pixels, top-down rows of width() 32-bit words (0x00RRGGBB).
    const uint32_t* bits() const { return bits_; }

private:
    friend class HostImpl;
    friend class Host;
    explicit Stage(HostImpl* host);
    struct Surface {
        HDC dc = nullptr;
        HBITMAP bitmap = nullptr;
        HGDIOBJ oldBitmap = nullptr;
    };
    void createSurface();
    void destroySurface();
    static void release(const Surface& surface);

    HostImpl* host_ = nullptr;
    int32_t width_ = 640;
    int32_t height_ = 480;
    uint32_t color_ = 0xFFFFFF;
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    std::vector<Surface> retired_;
    // Where the last render inverted the caret's pixels (empty when it did not).
    RECT caretDrawn_{0, 0, 0, 0};
    void drawCaret();
    void drawSprite(Sprite& sprite);
};

} // namespace zxhost
