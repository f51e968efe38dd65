// Slot vector with generation counters: a handle encodes slot + 1 in the low 20 bits, an
// 8-bit generation and the object kind, so values stay below 2^31 like Windows handles.
#include "gdi/handle_table.h"

#include <vector>

namespace w32::gdi {
namespace {

constexpr uintptr_t kSlotBits = 20;
constexpr uintptr_t kSlotMask = (uintptr_t{1} << kSlotBits) - 1;
constexpr uintptr_t kGenerationMask = 0xFF;

struct Slot {
    std::unique_ptr<GdiObject> object;
    uint8_t generation = 0;
    bool stock = false;
    bool deletePending = false;
    int selections = 0;
};

struct Table {
    std::vector<Slot> slots;
    std::vector<uint32_t> freeSlots;
};

// Never destroyed: static objects of the host may still delete GDI objects while the
// process exits.
Table& table() {
    static Table* const instance = new Table;
    return *instance;
}

Handle encode(uint32_t index, const Slot& slot) {
    uintptr_t value = (uintptr_t(index) + 1) | (uintptr_t(slot.generation) << kSlotBits) |
                      (uintptr_t(slot.object->kind) << 28);
    return reinterpret_cast<Handle>(value);
}

Slot* lookup(Handle handle) {
    auto value = reinterpret_cast<uintptr_t>(handle);
    if (value == 0 || value > 0x7FFFFFFF) {
        return nullptr;
    }
    uintptr_t index = (value & kSlotMask);
    if (index == 0) {
        return nullptr;
    }
    --index;
    Table& t = table();
    if (index >= t.slots.size()) {
        return nullptr;
    }
    Slot& slot = t.slots[index];
    if (!slot.object || slot.generation != ((value >> kSlotBits) & kGenerationMask) ||
        uintptr_t(slot.object->kind) != (value >> 28)) {
        return nullptr;
    }
    return &slot;
}

void destroy(Handle handle, Slot& slot) {
    auto index = uint32_t((reinterpret_cast<uintptr_t>(handle) & kSlotMask) - 1);
    slot.object.reset();
    slot.deletePending = false;
    slot.selections = 0;
    slot.stock = false;
    ++slot.generation;
    table().freeSlots.push_back(index);
}

} // namespace

Handle addObject(std::unique_ptr<GdiObject> object, bool stock) {
    Table& t = table();
    uint32_t index;
    if (!t.freeSlots.empty()) {
        index = t.freeSlots.back();
        t.freeSlots.pop_back();
    } else {
        if (t.slots.size() >= kSlotMask) {
            return nullptr; // out of handles, like GDI's per-process limit
        }
        index = uint32_t(t.slots.size());
        t.slots.emplace_back();
    }
    Slot& slot = t.slots[index];
    slot.object = std::move(object);
    slot.stock = stock;
    return encode(index, slot);
}

GdiObject* findObject(Handle handle) {
    Slot* slot = lookup(handle);
    return slot ? slot->object.get() : nullptr;
}

bool isStock(Handle handle) {
    Slot* slot = lookup(handle);
    return slot && slot->stock;
}

void retain(Handle handle) {
    if (Slot* slot = lookup(handle)) {
        ++slot->selections;
    }
}

void release(Handle handle) {
    Slot* slot = lookup(handle);
    if (!slot || slot->selections == 0) {
        return;
    }
    if (--slot->selections == 0 && slot->deletePending) {
        destroy(handle, *slot);
    }
}

int selectionCount(Handle handle) {
    Slot* slot = lookup(handle);
    return slot ? slot->selections : 0;
}

bool removeObject(Handle handle) {
    Slot* slot = lookup(handle);
    if (!slot) {
        return false;
    }
    if (slot->stock) {
        return true;
    }
    if (slot->selections > 0) {
        slot->deletePending = true;
        return true;
    }
    destroy(handle, *slot);
    return true;
}

} // namespace w32::gdi
