// The USER state and the bookkeeping of window handles and the z-order.
#include "user_state.h"

#include <algorithm>

namespace zxw32::user {

UserState& state() {
    static UserState* s = new UserState;
    return *s;
}

Window* findWindow(UserState& s, HWND handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    auto w = s.windows.find(handle);
    return w == s.windows.end() ? nullptr : w->second.get();
}

// Handles count up and are never reused, so a stale handle stays invalid.
Window& addWindow(UserState& s) {
    auto w = std::make_unique<Window>();
    w->handle = reinterpret_cast<HWND>(s.nextHandle);
    s.nextHandle += 4;
    Window& ref = *w;
    s.windows.emplace(ref.handle, std::move(w));
    return ref;
}

void raise(UserState& s, HWND handle) {
    Window* w = findWindow(s, handle);
    if (w == nullptr || w->parent != nullptr) {
        return;
    }
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), handle), s.zorder.end());
    auto pos = s.zorder.begin();
    if (!w->topmost) {
        while (pos != s.zorder.end() && findWindow(s, *pos)->topmost) {
            ++pos;
        }
    }
    s.zorder.insert(pos, handle);
}

void removeWindow(UserState& s, HWND handle) {
    Window* w = findWindow(s, handle);
    if (w == nullptr) {
        return;
    }
    for (HWND child : std::vector<HWND>(w->children)) {
        removeWindow(s, child);
    }
    if (w->parent != nullptr) {
        if (Window* p = findWindow(s, w->parent)) {
            p->children.erase(std::remove(p->children.begin(), p->children.end(), handle),
                              p->children.end());
        }
    }
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), handle), s.zorder.end());
    if (s.focus == handle) {
        s.focus = nullptr;
    }
    if (s.active == handle) {
        s.active = nullptr;
    }
    if (s.foreground == handle) {
        s.foreground = nullptr;
    }
    if (s.caret.owner == handle) {
        s.caret = Caret{};
    }
    s.windows.erase(handle);
}

Window* findControl(UserState& s, HWND dialog, int id) {
    Window* d = findWindow(s, dialog);
    if (d == nullptr) {
        return nullptr;
    }
    for (HWND child : d->children) {
        Window* c = findWindow(s, child);
        if (c != nullptr && c->id == id) {
            return c;
        }
    }
    return nullptr;
}

} // namespace zxw32::user
