// The table behind every GDI handle. A handle is an opaque number (kind, generation,
// slot) that is looked up here and never dereferenced: a null, stale or wrong-kind handle
// finds nothing, so the calls fail the Windows way instead of touching freed memory.
#pragma once

#include <cstdint>
#include <memory>

namespace w32::gdi {

enum class Kind : uint8_t { Dc = 1, Pen, Brush, Font, Bitmap, Region };

struct GdiObject {
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    const Kind kind;
};

using Handle = void*;

// Stores an object and returns its new handle.
Handle addObject(std::unique_ptr<GdiObject> object, bool stock = false);

// The live object behind a handle, or nullptr.
GdiObject* findObject(Handle handle);

template <class T>
T* find(Handle handle) {
    GdiObject* object = findObject(handle);
    return object && object->kind == T::kKind ? static_cast<T*>(object) : nullptr;
}

bool isStock(Handle handle);

// Selection references: an object that is deleted while selected into a device context
// stays alive until its last selection ends, as on Windows NT.
void retain(Handle handle);
void release(Handle handle);
int selectionCount(Handle handle);

// Deletes the object now, or when its last selection ends. Stock objects are kept.
// Returns false for an unknown handle.
bool removeObject(Handle handle);

} // namespace w32::gdi
