// A process-wide callback that a host installs (a dialog driver, a message box handler): a
// function pointer with its context, set and read under a lock, and called outside it so that
// the callback may call back into USER.
#pragma once

#include <mutex>
#include <utility>

namespace zxw32::user {

template <typename Function>
class CallbackSlot {
public:
    void set(Function function, void* context) {
        std::lock_guard lock(mutex_);
        function_ = function;
        context_ = context;
    }
    // The function (null when none is set) and its context, as they are now.
    std::pair<Function, void*> get() {
        std::lock_guard lock(mutex_);
        return {function_, context_};
    }

private:
    std::mutex mutex_;
    Function function_ = nullptr;
    void* context_ = nullptr;
};

} // namespace zxw32::user
