// The host's side of the 8-byte values: {type, payload}. Integers, symbols, member and
// sprite references travel inline; floats, strings, lists, rectangles and pictures are
// handles into this store and live until ReleaseValue. A handle never seen, or already
// released, reads as void: a plug-in's stale value cannot reach freed memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "zxframe/abi.h"
#include "zxhost/value.h"

namespace zxhost {

// A picture made from a DIB: the copied packed DIB and its pixels decoded to top-down rows
// of 0x00RRGGBB.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> dib;
    std::vector<uint32_t> pixels;
    uint32_t at(int32_t x, int32_t y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

class ValueStore {
public:
    // A stored or inline value for a C++ value; symbols need the interned id.
    zx::HostValue make(const Value& value, int32_t symbolId = 0);
    zx::HostValue makePicture(Picture picture);
    // The C++ value of a host value; symbols come back with an empty name (see Host).
    Value read(const zx::HostValue& value) const;
    const Picture* picture(const zx::HostValue& value) const;
    const Picture* pictureByHandle(int32_t handle) const;
    // Releases a stored value; false for inline values and unknown handles.
    bool release(const zx::HostValue& value);
    int32_t live() const { return static_cast<int32_t>(entries_.size()); }

private:
    struct Entry {
        Value value;
        std::optional<Picture> picture;
    };
    std::unordered_map<int32_t, Entry> entries_;
    int32_t next_ = 1;
    const Entry* find(const zx::HostValue& value) const;
};

bool isStoredType(int32_t type);

// Decodes a DIB (header with its colour table, pixel rows) into a Picture. The header must
// be a BITMAPINFOHEADER (at least 40 bytes) of 1, 4, 8, 16, 24 or 32 bits per pixel without
// compression; width and height non-zero and at most 16384. Returns nullopt otherwise.
std::optional<Picture> decodeDib(const void* header, const void* pixels);

} // namespace zxhost
