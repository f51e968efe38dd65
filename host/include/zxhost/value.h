// A host value on the C++ side: what scripts and tests hand to members and get back.
// Converts to and from the 8-byte records that cross the plug-in boundary (see
// Host::toHostValue / Host::fromHostValue).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace zxhost {

// The type word of a host value {type, payload}. Integers, symbols, member and sprite
// references travel inline in the payload; the other kinds are handles into the host's
// value store.
enum ValueType : int32_t {
    kVoid = 0,
    kInteger = 1,
    kSymbol = 2,
    kFloat = 3,
    kString = 4,
    kList = 5,
    kRect = 6,
    kMember = 7,
    kPicture = 8,
    kSprite = 9,
};

// The host's fixed 256-colour palette (palette-index requests and the background-
// transparent ink): 0xBBGGRR of an entry, 0 outside 0-255.
uint32_t paletteColor(int index);

// Sprite rectangles, event positions and cursor positions lie within +-kCoordinateLimit
// (2^30 - 1): the sum or the difference of any two of them (a rectangle's width, a position
// made absolute, the window's offset added) then still fits 32 bits, in the host and in the
// plug-ins' own arithmetic.
inline constexpr int32_t kCoordinateLimit = (1 << 30) - 1;
inline constexpr bool withinCoordinateLimit(int64_t v) {
    return v >= -kCoordinateLimit && v <= kCoordinateLimit;
}

// A rectangle in stage coordinates, in the Windows order of fields. Sizes are 64-bit: the
// fields may hold any 32-bit value until the host checks them.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int64_t width() const { return int64_t{right} - left; }
    int64_t height() const { return int64_t{bottom} - top; }
    bool withinLimit() const {
        return withinCoordinateLimit(left) && withinCoordinateLimit(top) &&
               withinCoordinateLimit(right) && withinCoordinateLimit(bottom);
    }
    bool operator==(const Rect&) const = default;
};

// A symbol by name (interned by the host when converted).
struct SymbolName {
    std::string name;
    bool operator==(const SymbolName&) const = default;
};

// A cast member, by its host id (Member::id()).
struct MemberRef {
    int32_t id = 0;
    bool operator==(const MemberRef&) const = default;
};

// A sprite, by its host id (Sprite::id()).
struct SpriteRef {
    int32_t id = 0;
    bool operator==(const SpriteRef&) const = default;
};

// A picture made by a plug-in (PictureFromDIB); the handle of the host's value store.
struct PictureRef {
    int32_t handle = 0;
    bool operator==(const PictureRef&) const = default;
};

struct Value;
using List = std::vector<Value>;

struct Value {
    using Data = std::variant<std::monostate, int32_t, double, std::string, SymbolName, List, Rect,
                              MemberRef, SpriteRef, PictureRef>;
    Data data;

    Value() = default;
    Value(int32_t v) : data(v) {}
    Value(double v) : data(v) {}
    Value(const char* v) : data(std::string(v)) {}
    Value(std::string v) : data(std::move(v)) {}
    Value(SymbolName v) : data(std::move(v)) {}
    Value(List v) : data(std::move(v)) {}
    Value(Rect v) : data(v) {}
    Value(MemberRef v) : data(v) {}
    Value(SpriteRef v) : data(v) {}
    Value(PictureRef v) : data(v) {}

    bool isVoid() const { return std::holds_alternative<std::monostate>(data); }
    template <typename T>
    bool is() const {
        return std::holds_alternative<T>(data);
    }
    template <typename T>
    const T& as() const {
        return std::get<T>(data);
    }
    template <typename T>
    const T* get() const {
        return std::get_if<T>(&data);
    }

    bool operator==(const Value&) const = default;
};

// A readable form for messages and logs: 12, 2.5, "text", #name, [1, 2], rect(l, t, r, b).
std::string describe(const Value& value);

} // namespace zxhost
