// The substitute host: modules, cast, score, stage, script handlers, movie files and the
// test hooks. One Host owns everything; members and sprites live as long as it does (or
// until the movie is cleared or loaded).
//
// What plug-ins can rely on beyond the shared headers:
// - Symbols are case-sensitive; "" is a symbol of its own and 0 is never handed out.
// - ValueToInteger truncates floats toward zero (like a C cast) and refuses NaN and values
//   outside int32; ValueToFloat accepts integers. Failed conversions leave the output as
//   it was. ValueToString gives strings, "" for void, symbol names, integers in decimal
//   and floats with up to 15 significant digits.
// - Palette indexes (HostUtilities 43) come from a fixed palette: the twenty Windows static
//   colours, a 6 x 6 x 6 cube and a grey ramp (paletteColor()).
// - DrawContext 7 scales the source rectangle onto the destination (nearest pixel). Ink 0
//   copies; ink 36 (background transparent) skips pixels whose colour is the palette entry
//   of ink parameter 0; other inks copy.
// - Bitmap members keep their DIB with a 40-byte header; "Image"/"winDIB" media is a copy
//   in GMEM_MOVEABLE global memory, freed by media services 6.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zxhost/error.h"
#include "zxhost/member.h"
#include "zxhost/module.h"
#include "zxhost/sprite.h"
#include "zxhost/stage.h"
#include "zxhost/test_hooks.h"
#include "zxhost/value.h"

namespace zxhost {

// One line of the event log: message boxes, beeps, sounds, window messages, debug text,
// the plug-ins' message output ("output") and the movie loader's warnings ("warning").
struct Message {
    std::string kind;
    std::string text;
    std::string caption;
    long flags = 0;
};

// A script handler that sprites call through SpriteServices 5 ("Refresh",
// "SetSpriteCursor"): the calling sprite (may be null) and the handler's arguments.
using Handler = std::function<Value(Sprite* sprite, const std::vector<Value>& args)>;
// Asked for handler names that have no registered Handler; nullopt when there is none.
using HandlerLookup = std::function<std::optional<Value>(const std::string& name, Sprite* sprite,
                                                         const std::vector<Value>& args)>;

// A movie's script as the movie keeps it: the Lua source and the chunk name it first ran
// under (the script's file, for messages and for saving it again unchanged).
struct ScriptSource {
    std::string text;
    std::string chunk;
};

class HostImpl;

class Host {
public:
    // pluginDirs: folders searched for "<name>32.so" modules ("<name>32.dll" on Windows), in
    // order.
    explicit Host(std::vector<std::string> pluginDirs = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The folders named by ZX_PLUGIN_PATH and ZENTRIX_PLUGIN_PATH (colon-separated;
    // semicolon-separated on Windows), after programDir when it is not empty.
    static std::vector<std::string> defaultPluginDirs(const std::string& programDir = {});

    // --- modules ---
    // Loads every "*32.so" (Windows: "*32.dll") of the plug-in folders not loaded yet; modules that
    // fail are skipped and their errors kept (loadErrors()).
    void loadPlugins();
    const std::vector<std::string>& loadErrors() const;
    // Loads and registers one module; throws Error naming the path and the cause.
    Module& loadModule(const std::string& path);
    // Every kind registered so far (loads the plug-in folders on first use).
    std::vector<KindInfo> kinds();
    // The module of a kind symbol (loads the plug-in folders when needed), or null.
    Module* findModule(const std::string& kind);
    // DllCanUnloadNow then unloads it (dlclose, FreeLibrary); false (module kept) when it answered
    // non-zero or when members of its kind exist.
    bool unloadModule(Module& module);

    // --- cast ---
    // Throws Error for an unknown kind, a name in use, or a failing creation (hex code).
    Member& newMember(const std::string& kind, const std::string& name);
    Member& newBitmapMember(const std::string& name, const std::string& bmpPath);
    Member& newBitmapMemberFromBytes(const std::string& name, const std::vector<uint8_t>& bmpFile);
    Member* member(const std::string& name);
    Member* memberById(int32_t id);
    std::vector<Member*> members();
    // Removes a member and its sprites. During a call into a plug-in (a script handler that
    // a sprite called) the member leaves the cast at once but is destroyed only when the
    // outermost plug-in call returns; the same holds for removeSprite and clearMovie.
    void deleteMember(Member& member);

    // --- score ---
    // NewSpriteActor, SetSpriteHost, GetSpriteCaps; throws Error when creation fails.
    Sprite& addSprite(Member& member, const Rect& rect, int32_t ink = 0,
                      const std::array<int32_t, 4>& params = {});
    std::vector<Sprite*> sprites();
    Sprite* spriteById(int32_t id);
    void removeSprite(Sprite& sprite);
    // Removes every sprite and member.
    void clearMovie();

    // --- stage ---
    Stage& stage();

    // --- script handlers ---
    void setHandler(const std::string& name, Handler handler);
    void removeHandler(const std::string& name);
    void setHandlerLookup(HandlerLookup lookup);

    // The ids of the sprites that asked to be redrawn (their Idle's redraw service and
    // SpriteHost) since the last call, each once, in ascending order.
    std::vector<int32_t> takeRedrawRequests();

    // --- event log ---
    // Drains the event log (the USER layer's events and the host's output), oldest first.
    std::vector<Message> messages();

    // --- movie files ---
    // Throws Error "path: key: cause". Returns a warning (also logged as "warning") for each
    // member text that its saved block does not keep whole. Warnings name `shownPath` when
    // given (the target of a file written under a temporary name). The movie's script, when
    // it has one, is saved with it.
    std::vector<std::string> saveMovie(const std::string& path, const std::string& shownPath = {});
    // Replaces the movie, its script included (none for a movie saved without one), and
    // returns the loader's warnings (also logged as "warning"). `start`, when given, runs
    // once the new stage, cast and score are in place (it runs the movie's script). When the
    // file is bad, a member or sprite cannot be made, or `start` throws, the previous movie
    // is put back as it was (the same members and sprites, the stage, the script) and the
    // error is rethrown.
    std::vector<std::string> loadMovie(const std::string& path,
                                       const std::function<void()>& start = {});

    // --- the movie's script ---
    // Kept with the movie: saved with it, replaced by loading one, put back with the previous
    // movie when a load fails. The host never runs it; the script binding does.
    const std::optional<ScriptSource>& movieScript() const;
    void setMovieScript(std::optional<ScriptSource> script);

    // --- values ---
    // Makes a host-owned 8-byte value (release with releaseHostValue).
    zx::HostValue toHostValue(const Value& value);
    Value fromHostValue(const zx::HostValue& value) const;
    void releaseHostValue(zx::HostValue& value);
    int32_t liveValues() const;
    int32_t symbol(const std::string& name);
    std::string symbolName(int32_t symbol) const;

    // --- services as plug-ins see them (for tests) ---
    // QueryInterface of a service as a module's HostCallback answers it (faults included);
    // the caller releases what it gets.
    int32_t queryService(const zx::Guid& iid, void** out);
    zx::HostUtilities* utilities();
    zx::HandleMemory* handleMemory();
    int32_t liveHandles() const;
    // The lock count of a live HandleMemory handle, -1 for any other pointer.
    int32_t handleLockCount(void* handle) const;
    // The host's reference count of a live class instance (the owner an interface object
    // points to), -1 for anything else.
    int32_t instanceReferences(void* instance) const;
    // Blocks of the HostAllocator not yet freed.
    int32_t liveAllocations() const;
    // A memory stream over bytes (read mode) or collecting writes; Release when done.
    zx::MediaStream* newStream(const std::vector<uint8_t>& bytes = {});
    std::vector<uint8_t> streamBytes(zx::MediaStream* stream) const;
    // A draw context of a kind (0-4) on a DC; Release when done.
    zx::DrawContext* newDrawContext(int32_t kind, HDC dc);

    TestHooks& hooks();

    HostImpl& impl() { return *impl_; }

private:
    std::unique_ptr<HostImpl> impl_;
};

// Holds removals for as long as it lives, as a call into a plug-in does: removed sprites
// and members (a cleared or replaced movie included) leave the movie at once, so look-ups
// no longer find them, and are destroyed when the outermost hold or plug-in call ends. A
// caller that keeps a Member& or Sprite& across calls that may run script handlers holds
// one.
class RemovalHold {
public:
    explicit RemovalHold(Host& host);
    ~RemovalHold();
    RemovalHold(const RemovalHold&) = delete;
    RemovalHold& operator=(const RemovalHold&) = delete;

private:
    HostImpl& host_;
};

} // namespace zxhost
