// The stage window in the Windows build: a real window that is never shown. Plug-ins get its
// handle from the stage surface (for the caret and coordinate conversions); the pixels live
// in the stage's window-less DIB section, not in the window.
#include "platform.h"

namespace zxhost::platform {
namespace {

constexpr const char* kStageClass = "ZentrixStage";

bool registerStageClass() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kStageClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered;
}

} // namespace

HWND createStageWindow(const RECT& screen) {
    if (!registerStageClass()) {
        return nullptr;
    }
    return CreateWindowExA(0, kStageClass, "Zentrix Stage", WS_POPUP, screen.left, screen.top,
                           screen.right - screen.left, screen.bottom - screen.top, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void destroyStageWindow(HWND window) {
    if (window) {
        DestroyWindow(window);
    }
}

Caret caret() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || !info.hwndCaret) {
        return {};
    }
    Caret state;
    state.owner = info.hwndCaret;
    state.width = info.rcCaret.right - info.rcCaret.left;
    state.height = info.rcCaret.bottom - info.rcCaret.top;
    state.x = info.rcCaret.left;
    state.y = info.rcCaret.top;
    state.visible = (info.flags & GUI_CARETBLINKING) != 0;
    return state;
}

} // namespace zxhost::platform
