// The gauge's window commands for scripts: find a top-level window by class and title, close
// it, make it topmost, and bring the host's stage window to the front. They act on whatever
// window a script names; only FindWindow reports whether there was one.
#include <string>

#include "gauge_block.h"
#include "zxframe/identifiers.h"
#include "zxplugin/host_ref.h"
#include "zxplugin/kind_support.h"

namespace dialgauge {
namespace {

// Class names and titles are read as texts of up to 79 characters.
constexpr size_t kWindowTextCapacity = 79;

struct WindowQuery {
    std::string className;
    std::string title;

    // An empty text matches any class or any title.
    HWND find() const {
        return FindWindowA(className.empty() ? nullptr : className.c_str(),
                           title.empty() ? nullptr : title.c_str());
    }
    bool namesSomething() const { return !className.empty() || !title.empty(); }
};

// Arguments 1 and 2. The frame has already refused fewer than two, but an absent argument is
// never read all the same: it counts as an empty text.
WindowQuery queryOf(const zx::CommandCall& call) {
    WindowQuery query;
    if (call.argc >= 1) {
        query.className = call.text(1, kWindowTextCapacity);
    }
    if (call.argc >= 2) {
        query.title = call.text(2, kWindowTextCapacity);
    }
    return query;
}

// The stage window as the host's current movie hands it out: movie, stage surface, its
// native info. Null with the host's result when any step fails.
zx::Result stageWindow(zx::AssetRecord& asset, HWND* out) {
    *out = nullptr;
    zx::HostRef<zx::StageServices> stage;
    zx::Result result =
        zx::queryService(zx::hostCallback(asset.header), zx::kStageServicesId, stage);
    if (result != zx::kOk) {
        return result;
    }
    zx::HostRef<zx::Movie> movie;
    result = stage->ops->currentMovie(stage.get(), movie.out());
    if (result != zx::kOk || !movie) {
        return result != zx::kOk ? result : zx::kNoSuchInterface;
    }
    zx::HostRef<zx::StageSurface> surface;
    result = movie->ops->stageSurface(movie.get(), surface.out());
    if (result != zx::kOk || !surface) {
        return result != zx::kOk ? result : zx::kNoSuchInterface;
    }
    intptr_t words[zx::kNativeInfoWords] = {};
    result = surface->ops->getNativeInfo(surface.get(), words);
    if (result == zx::kOk) {
        *out = reinterpret_cast<HWND>(words[zx::kNativeHandle]);
    }
    return result;
}

} // namespace

// With two empty texts nothing is closed: that would close whatever window is on top.
zx::Result sendCloseMessage(zx::CommandCall& call) {
    const WindowQuery query = queryOf(call);
    if (!query.namesSomething()) {
        return zx::kOk;
    }
    if (HWND window = query.find()) {
        SendMessageA(window, WM_CLOSE, 0, 0);
    }
    return zx::kOk;
}

// Two empty texts find the top window, which is then made topmost where it stands.
zx::Result makeTopmost(zx::CommandCall& call) {
    HWND window = queryOf(call).find();
    if (window == nullptr) {
        return zx::kOk;
    }
    RECT r{};
    GetWindowRect(window, &r);
    SetWindowPos(window, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    return zx::kOk;
}

zx::Result findWindow(zx::CommandCall& call) {
    return call.answer().integer(queryOf(call).find() != nullptr ? 1 : 0);
}

zx::Result activateStageWindow(zx::CommandCall& call) {
    HWND stage = nullptr;
    const zx::Result result = stageWindow(call.asset, &stage);
    if (result != zx::kOk) {
        return result;
    }
    int32_t outcome = 0;
    if (stage != GetActiveWindow()) {
        outcome = SetForegroundWindow(stage) ? 1 : -1;
    }
    return call.answer().integer(outcome);
}

} // namespace dialgauge
