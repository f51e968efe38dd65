// A reference to a host object that is released when it goes out of scope, so that every
// interface obtained from the host is released on every path.
#pragma once

#include <utility>

#include "zxframe/host_interfaces.h"
#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"

namespace zx {

template <class T>
class HostRef {
public:
    HostRef() = default;
    // Takes over a reference the caller already holds.
    explicit HostRef(T* object) : object_(object) {}
    HostRef(const HostRef&) = delete;
    HostRef& operator=(const HostRef&) = delete;
    HostRef(HostRef&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    HostRef& operator=(HostRef&& other) noexcept {
        if (this != &other) {
            reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    ~HostRef() { reset(); }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // The out argument of a host call that hands out a new reference.
    T** out() {
        reset();
        return &object_;
    }
    void** outVoid() {
        reset();
        return reinterpret_cast<void**>(&object_);
    }
    T* release() { return std::exchange(object_, nullptr); }
    void reset() {
        if (T* object = std::exchange(object_, nullptr)) {
            object->ops->release(object);
        }
    }

private:
    T* object_ = nullptr;
};

// Asks the host callback for one of its identified services. A failed query leaves the
// reference empty and returns the host's result.
template <class T>
Result queryService(HostCallback* callback, const Guid& iid, HostRef<T>& out) {
    if (callback == nullptr) {
        out.reset();
        return kNoSuchInterface;
    }
    const Result result = callback->ops->queryInterface(callback, &iid, out.outVoid());
    if (result != kOk) {
        out.release(); // the host may have left anything in the out word
    }
    return result;
}

// Adds a reference to an object the caller keeps beyond the call that handed it over.
template <class T>
T* retain(T* object) {
    if (object != nullptr) {
        object->ops->addRef(object);
    }
    return object;
}

// Releases a kept reference and clears it.
template <class T>
void releaseKept(T*& object) {
    if (T* kept = std::exchange(object, nullptr)) {
        kept->ops->release(kept);
    }
}

} // namespace zx
