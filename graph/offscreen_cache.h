// The sprite's cached picture: a memory device context with a bitmap of the sprite's size,
// made anew by every full draw and kept so that a trace overlay can copy it to the screen
// without drawing the plot again. Released with the sprite.
#pragma once

#include <windows.h>

namespace plotmark {

class OffscreenCache {
public:
    OffscreenCache() = default;
    OffscreenCache(const OffscreenCache&) = delete;
    OffscreenCache& operator=(const OffscreenCache&) = delete;
    ~OffscreenCache() { release(); }

    // Replaces the cache with a fresh bitmap compatible with `like`; false (and no cache)
    // when the size is not positive or GDI refuses.
    bool make(HDC like, int width, int height) {
        release();
        if (width <= 0 || height <= 0) {
            return false;
        }
        dc_ = CreateCompatibleDC(like);
        bitmap_ = dc_ != nullptr ? CreateCompatibleBitmap(like, width, height) : nullptr;
        if (bitmap_ == nullptr) {
            release();
            return false;
        }
        previous_ = SelectObject(dc_, bitmap_);
        width_ = width;
        height_ = height;
        return true;
    }

    void release() {
        if (dc_ != nullptr && previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
        dc_ = nullptr;
        bitmap_ = nullptr;
        previous_ = nullptr;
        width_ = height_ = 0;
    }

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace plotmark
