// The stage window and its 32-bit DIB surface, the idle pass and rendering.
#include <algorithm>

#include <windows.h>

#include "dib.h"
#include "host_impl.h"
#include "png_file.h"

namespace zxhost {
namespace {

// Where the stage window sits on the screen: away from the origin, so that a plug-in
// that mixes screen and client coordinates shows it.
constexpr int32_t kStageScreenX = 80;
constexpr int32_t kStageScreenY = 60;

uint32_t toBgr(uint32_t rgb) {
    return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
}

} // namespace

Stage::Stage(HostImpl* host) : host_(host) {
    const RECT screen{kStageScreenX, kStageScreenY, kStageScreenX + width_,
                      kStageScreenY + height_};
    window_ = platform::createStageWindow(screen);
    createSurface();
}

Stage::~Stage() {
    releaseRetiredSurfaces();
    destroySurface();
    platform::destroyStageWindow(window_);
}

void Stage::createSurface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    if (dc_ && bitmap_) {
        oldBitmap_ = SelectObject(dc_, bitmap_);
    }
    if (bits_) {
        for (int64_t i = 0, n = static_cast<int64_t>(width_) * height_; i < n; ++i) {
            bits_[i] = toBgr(color_);
        }
    }
}

void Stage::release(const Surface& surface) {
    if (surface.dc && surface.oldBitmap) {
        SelectObject(surface.dc, surface.oldBitmap);
    }
    if (surface.bitmap) {
        DeleteObject(surface.bitmap);
    }
    if (surface.dc) {
        DeleteDC(surface.dc);
    }
}

// A plug-in may be drawing on the old surface (a handler it called resized the stage or
// loaded a movie): then the surface is kept until the outermost call returns.
void Stage::destroySurface() {
    const Surface surface{dc_, bitmap_, oldBitmap_};
    if (host_ && host_->callDepth > 0) {
        retired_.push_back(surface);
    } else {
        release(surface);
    }
    dc_ = nullptr;
    bitmap_ = nullptr;
    oldBitmap_ = nullptr;
    bits_ = nullptr;
}

void Stage::releaseRetiredSurfaces() {
    std::vector<Surface> surfaces = std::move(retired_);
    retired_.clear();
    for (const Surface& surface : surfaces) {
        release(surface);
    }
}

std::string Stage::sizeProblem(int64_t width, int64_t height) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width < 1 || height < 1 || width > kMaxDibSide || height > kMaxDibSide) {
        return "stage size " + size + ": each side must be 1-" + std::to_string(kMaxDibSide);
    }
    if (width * height > kMaxPixels) {
        return "stage size " + size + " is " + std::to_string(width * height) +
               " pixels; the stage holds at most " + std::to_string(kMaxPixels) + " (8192 x 8192)";
    }
    return {};
}

void Stage::setSize(int32_t width, int32_t height) {
    const std::string problem = sizeProblem(width, height);
    if (!problem.empty()) {
        throw Error(problem);
    }
    width_ = width;
    height_ = height;
    destroySurface();
    createSurface();
    if (window_) {
        SetWindowPos(window_, nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER);
    }
}

Stage::Snapshot Stage::snapshot() const {
    Snapshot snapshot{width_, height_, color_, {}};
    if (bits_) {
        snapshot.pixels.assign(bits_, bits_ + static_cast<int64_t>(width_) * height_);
    }
    return snapshot;
}

void Stage::restore(const Snapshot& snapshot) {
    if (snapshot.width != width_ || snapshot.height != height_) {
        setSize(snapshot.width, snapshot.height);
    }
    setColor(snapshot.color);
    const auto count = static_cast<size_t>(static_cast<int64_t>(width_) * height_);
    if (bits_ && snapshot.pixels.size() == count) {
        std::copy(snapshot.pixels.begin(), snapshot.pixels.end(), bits_);
    }
}

void Stage::setCursor(int32_t x, int32_t y) {
    if (!withinCoordinateLimit(x) || !withinCoordinateLimit(y)) {
        throw Error("cursor position (" + std::to_string(x) + ", " + std::to_string(y) +
                    ") lies outside the coordinate limit of +-" + std::to_string(kCoordinateLimit));
    }
    POINT point{x, y};
    if (window_) {
        ClientToScreen(window_, &point);
    }
    SetCursorPos(point.x, point.y);
}

int32_t Stage::idle() {
    int32_t requests = 0;
    // By id: a sprite's Idle may run a handler that removes other sprites.
    for (int32_t id : host_->roster.spriteIds()) {
        if (Sprite* sprite = host_->spriteById(id)) {
            requests += sprite->idle();
        }
    }
    return requests;
}

namespace {

// A bitmap member's sprite: its picture scaled into the sprite rectangle.
void drawBitmapSprite(uint32_t* bits, int32_t width, int32_t height, const Sprite& sprite) {
    const auto picture = decodeDib(sprite.member().dib().data(),
                                   sprite.member().dib().data() +
                                       dibLayout(sprite.member().dib().data())->pixelOffset());
    const Rect& r = sprite.rect();
    if (!picture || r.width() <= 0 || r.height() <= 0) {
        return;
    }
    for (int32_t y = std::max(0, r.top); y < std::min(height, r.bottom); ++y) {
        for (int32_t x = std::max(0, r.left); x < std::min(width, r.right); ++x) {
            const int64_t sx = (int64_t{x} - r.left) * picture->width / r.width();
            const int64_t sy = (int64_t{y} - r.top) * picture->height / r.height();
            bits[static_cast<int64_t>(y) * width + x] =
                picture->at(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
        }
    }
}

} // namespace

void Stage::drawSprite(Sprite& sprite) {
    if (sprite.actor()) {
        sprite.draw(dc_, 1);
        GdiFlush();
    } else if (!sprite.member().dib().empty()) {
        drawBitmapSprite(bits_, width_, height_, sprite);
    }
}

// The caret, when a plug-in shows it on the stage: inverted pixels, as the system draws it
// (a width of 0 is one pixel). Inverting the same place again takes it away.
void Stage::drawCaret() {
    caretDrawn_ = RECT{0, 0, 0, 0};
    const platform::Caret caret = platform::caret();
    if (!caret.visible || caret.owner != window_) {
        return;
    }
    const int32_t w = std::max(caret.width, 1), h = std::max(caret.height, 1);
    const RECT r{std::max(0, caret.x), std::max(0, caret.y),
                 static_cast<LONG>(std::min<int64_t>(width_, int64_t{caret.x} + w)),
                 static_cast<LONG>(std::min<int64_t>(height_, int64_t{caret.y} + h))};
    for (LONG y = r.top; y < r.bottom; ++y) {
        for (LONG x = r.left; x < r.right; ++x) {
            bits_[static_cast<int64_t>(y) * width_ + x] ^= 0xFFFFFF;
        }
    }
    caretDrawn_ = r;
}

void Stage::render() {
    idle();
    GdiFlush();
    if (!bits_) {
        return;
    }
    const uint32_t fill = toBgr(color_);
    for (int64_t i = 0, n = static_cast<int64_t>(width_) * height_; i < n; ++i) {
        bits_[i] = fill;
    }
    for (int32_t id : host_->roster.spriteIds()) {
        if (Sprite* sprite = host_->spriteById(id)) {
            drawSprite(*sprite);
        }
    }
    drawCaret();
    host_->rethrowPending();
}

namespace {

bool overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

int32_t Stage::renderSprites(const std::vector<int32_t>& spriteIds) {
    GdiFlush();
    if (!bits_) {
        return 0;
    }
    // The sprites in score order, and which of them are redrawn: the asked ones, then every
    // sprite that overlaps one already taken, until nothing changes. Whole sprites are
    // redrawn, so a sprite that resets its clipping paints nothing it should not.
    std::vector<Sprite*> sprites;
    for (int32_t id : host_->roster.spriteIds()) {
        if (Sprite* sprite = host_->spriteById(id)) {
            sprites.push_back(sprite);
        }
    }
    std::vector<bool> taken(sprites.size(), false);
    std::vector<size_t> queue;
    for (size_t i = 0; i < sprites.size(); ++i) {
        if (std::find(spriteIds.begin(), spriteIds.end(), sprites[i]->id()) != spriteIds.end()) {
            taken[i] = true;
            queue.push_back(i);
        }
    }
    while (!queue.empty()) {
        const Rect r = sprites[queue.back()]->rect();
        queue.pop_back();
        for (size_t j = 0; j < sprites.size(); ++j) {
            if (!taken[j] && overlaps(r, sprites[j]->rect())) {
                taken[j] = true;
                queue.push_back(j);
            }
        }
    }
    // The old caret goes first: the sprites drawn below may or may not cover it.
    for (LONG y = caretDrawn_.top; y < caretDrawn_.bottom; ++y) {
        for (LONG x = caretDrawn_.left; x < caretDrawn_.right; ++x) {
            bits_[static_cast<int64_t>(y) * width_ + x] ^= 0xFFFFFF;
        }
    }
    const uint32_t fill = toBgr(color_);
    for (size_t i = 0; i < sprites.size(); ++i) {
        if (!taken[i]) {
            continue;
        }
        const Rect& r = sprites[i]->rect();
        const int64_t top = std::max<int64_t>(0, r.top),
                      bottom = std::min<int64_t>(height_, r.bottom);
        const int64_t left = std::max<int64_t>(0, r.left),
                      right = std::min<int64_t>(width_, r.right);
        for (int64_t y = top; y < bottom; ++y) {
            std::fill(bits_ + y * width_ + left, bits_ + y * width_ + std::max(left, right), fill);
        }
    }
    // By id from here on: a sprite's Draw may run a handler that removes other sprites.
    std::vector<int32_t> ids;
    for (size_t i = 0; i < sprites.size(); ++i) {
        if (taken[i]) {
            ids.push_back(sprites[i]->id());
        }
    }
    int32_t drawn = 0;
    for (int32_t id : ids) {
        if (Sprite* sprite = host_->spriteById(id)) {
            drawSprite(*sprite);
            ++drawn;
        }
    }
    drawCaret();
    host_->rethrowPending();
    return drawn;
}

uint32_t Stage::pixel(int32_t x, int32_t y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    GdiFlush();
    return toBgr(bits_[static_cast<int64_t>(y) * width_ + x] & 0xFFFFFF);
}

void Stage::savePng(const std::string& path) const {
    GdiFlush();
    if (!bits_) {
        throw Error(path + ": the stage has no surface");
    }
    writePng(path, bits_, width_, height_);
}

} // namespace zxhost
