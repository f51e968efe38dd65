// Global memory. A fixed block's handle is its address; a moveable block gets a handle of its
// own, which GlobalLock turns into the address while counting locks. Every handle is checked
// against the live blocks, so a freed or foreign handle fails instead of corrupting memory.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include <winbase.h>
#include <zxw32/kernel_ext.h>

namespace {

struct Block {
    unsigned char* data = nullptr;
    size_t size = 0;
    bool moveable = false;
    int locks = 0;
};

struct Heap {
    std::mutex mutex;
    // Keyed by handle; a moveable block's handle is the address of its Block record.
    std::unordered_map<void*, std::unique_ptr<Block>> blocks;
};

Heap& heap() {
    static Heap* h = new Heap;
    return *h;
}

Block* findLocked(Heap& h, HGLOBAL mem) {
    auto b = h.blocks.find(mem);
    return b == h.blocks.end() ? nullptr : b->second.get();
}

// At least one byte, so that every block has a distinct address.
unsigned char* allocate(size_t bytes, bool zero) {
    size_t n = bytes == 0 ? 1 : bytes;
    return static_cast<unsigned char*>(zero ? std::calloc(n, 1) : std::malloc(n));
}

// Windows refuses sizes that cannot exist; this keeps a negative int cast to SIZE_T from
// asking malloc for the whole address space.
constexpr size_t maxBlock = size_t{1} << 31;

} // namespace

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
    if (bytes >= maxBlock) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto block = std::make_unique<Block>();
    block->data = allocate(bytes, (flags & GMEM_ZEROINIT) != 0);
    if (block->data == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    block->size = bytes;
    block->moveable = (flags & GMEM_MOVEABLE) != 0;
    void* handle = block->moveable ? static_cast<void*>(block.get()) : block->data;
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    h.blocks.emplace(handle, std::move(block));
    return handle;
}

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags) {
    if (bytes >= maxBlock) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    Block* b = findLocked(h, mem);
    if (b == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (flags & GMEM_MODIFY) {
        return mem;
    }
    // A fixed block keeps its address (its handle) unless GMEM_MOVEABLE allows a move: it
    // may shrink in place but not grow.
    if (!b->moveable && !(flags & GMEM_MOVEABLE)) {
        if (bytes > b->size) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        b->size = bytes;
        return mem;
    }
    unsigned char* data = allocate(bytes, false);
    if (data == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    std::memcpy(data, b->data, bytes < b->size ? bytes : b->size);
    if ((flags & GMEM_ZEROINIT) && bytes > b->size) {
        std::memset(data + b->size, 0, bytes - b->size);
    }
    std::free(b->data);
    b->data = data;
    b->size = bytes;
    if (b->moveable) {
        return mem;
    }
    auto node = h.blocks.extract(mem);
    node.key() = data;
    h.blocks.insert(std::move(node));
    return data;
}

LPVOID WINAPI GlobalLock(HGLOBAL mem) {
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    Block* b = findLocked(h, mem);
    if (b == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (b->moveable && b->locks < GMEM_LOCKCOUNT) {
        ++b->locks;
    }
    return b->data;
}

// TRUE while the block stays locked; FALSE once unlocked (last error NO_ERROR) or when it was
// not locked at all (ERROR_NOT_LOCKED).
BOOL WINAPI GlobalUnlock(HGLOBAL mem) {
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    Block* b = findLocked(h, mem);
    if (b == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!b->moveable) {
        return TRUE;
    }
    if (b->locks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    --b->locks;
    SetLastError(NO_ERROR);
    return b->locks > 0;
}

SIZE_T WINAPI GlobalSize(HGLOBAL mem) {
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    Block* b = findLocked(h, mem);
    if (b == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return b->size;
}

UINT WINAPI GlobalFlags(HGLOBAL mem) {
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    Block* b = findLocked(h, mem);
    if (b == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return GMEM_INVALID_HANDLE;
    }
    return static_cast<UINT>(b->locks);
}

// NULL on success, the handle back on failure.
HGLOBAL WINAPI GlobalFree(HGLOBAL mem) {
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    auto it = h.blocks.find(mem);
    if (it == h.blocks.end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return mem;
    }
    std::free(it->second->data);
    h.blocks.erase(it);
    return nullptr;
}

} // extern "C"

namespace zxw32 {

size_t liveGlobalCount() {
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    return h.blocks.size();
}

int globalLockCount(HGLOBAL mem) {
    Heap& h = heap();
    std::lock_guard lock(h.mutex);
    Block* b = findLocked(h, mem);
    return b == nullptr ? -1 : b->locks;
}

} // namespace zxw32
