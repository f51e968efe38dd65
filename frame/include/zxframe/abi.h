// The binary conventions shared by the host and every plug-in: the calling convention of
// table slots and exports, and the small records that cross the boundary.
#pragma once

#include <stdint.h>

// Table slots and exports use stdcall on 32-bit Windows, the platform default elsewhere.
#if defined(_WIN32) && !defined(_WIN64)
#define ZX_CALL __stdcall
#else
#define ZX_CALL
#endif

namespace zx {

using Result = int32_t;
using Symbol = int32_t;

// A 16-byte identifier, compared as four 32-bit words.
struct Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
static_assert(sizeof(Guid) == 16);

inline bool sameGuid(const Guid& a, const Guid& b) {
    const auto* x = reinterpret_cast<const uint32_t*>(&a);
    const auto* y = reinterpret_cast<const uint32_t*>(&b);
    return x[0] == y[0] && x[1] == y[1] && x[2] == y[2] && x[3] == y[3];
}

// A host value: {type, payload}. Plug-ins pass it through and never look inside.
struct HostValue {
    int32_t type;
    int32_t payload;
};
static_assert(sizeof(HostValue) == 8);

// Host rectangles are ordered top, left, bottom, right (unlike RECT).
struct HostRect {
    int32_t top;
    int32_t left;
    int32_t bottom;
    int32_t right;
};
static_assert(sizeof(HostRect) == 16);

// The draw record given to a sprite's Draw: words 0-3 the sprite rectangle, word 6 the
// ink, words 7-10 the ink parameters.
struct DrawRecord {
    int32_t words[12];
};
constexpr int kDrawInk = 6;
constexpr int kDrawInkParams = 7;

// The event record given to HandleEvent: word 0 kind, word 2 vertical and word 3
// horizontal position, the byte at offset 20 the key character, word 6 modifier bits.
struct EventRecord {
    int32_t words[8];
};
constexpr int kEventCharOffset = 20;
static_assert(sizeof(EventRecord) >= 28);

// Event kinds (word 0 of the event record). Presses and drags carry a position inside the
// sprite; a release, a cancel and the end of an interaction close it; a sprite claims the
// focus events by answering "handled".
namespace event {
constexpr int32_t kMouseDown = 1;
constexpr int32_t kMouseDrag = 2;
constexpr int32_t kMouseUp = 3;
constexpr int32_t kCancel = 4;
constexpr int32_t kKey = 9;
constexpr int32_t kEnd = 10;
constexpr int32_t kFocus = 11;
constexpr int32_t kBlur = 12;
} // namespace event

// Modifier bits of an event record (word kEventModifiers) and the host's codes of the keys a
// key event carries besides typed characters.
constexpr int kEventModifiers = 6;
namespace modifier {
constexpr int32_t kFirst = 1;  // bit 0
constexpr int32_t kSecond = 2; // bit 1
} // namespace modifier
namespace key {
constexpr uint8_t kBackspace = 8;
constexpr uint8_t kLeft = 28;
constexpr uint8_t kRight = 29;
constexpr uint8_t kUp = 30;
constexpr uint8_t kDown = 31;
constexpr uint8_t kDelete = 127;
} // namespace key

// The link kind of LinkAsset that hands a sprite its member; other kinds are notifications.
constexpr int32_t kLinkMember = 1;

// Native-info words written by GetNativeInfo of a draw context or stage surface.
constexpr int kNativeInfoWords = 8;
constexpr int kNativeKind = 0;
constexpr int kNativeHandle = 3;
// Draw-context kinds that a sprite draws into (word kNativeKind); others draw nothing.
constexpr bool isDrawableContext(intptr_t kind) {
    return kind >= 1 && kind <= 3;
}

// Media record for "Image"/"winDIB": owned by the caller; word 2 receives the global
// memory handle of the packed DIB.
constexpr int kMediaRecordWords = 8;
constexpr int kMediaRecordHandle = 2;

// The record given to PictureFromDIB.
struct PictureDIBRecord {
    intptr_t kind; // always 2
    intptr_t zero;
    const void* header;
    const void* pixels;
};

} // namespace zx
