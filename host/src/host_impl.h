// The host's inner state, shared by the service objects, members, sprites and the stage.
#pragma once

#include <algorithm>
#include <exception>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host_object.h"
#include "platform.h"
#include "roster.h"
#include "symbol_table.h"
#include "value_store.h"
#include "zxhost/host.h"

namespace zxhost {

// One HostObject per service the plug-ins query; the host keeps them for its lifetime.
struct ServiceObjects {
    HostObject utilities;
    HostObject handleMemory;
    HostObject stageServices;
    HostObject mediaServices;
    HostObject listServices;
    HostObject movie;
    HostObject stageSurface;
    HostObject allocator;
};

struct RedrawServiceObject {
    HostObject base;
    int32_t spriteId = 0;
    int32_t requests = 0;
};

struct CallbackObject {
    HostObject base;
    Module* module = nullptr;
};

struct RegistryObject {
    HostObject base;
    Module* module = nullptr;
};

struct MemberHostObject {
    HostObject base;
    int32_t memberId = 0; // 0 once the member is gone
};

struct SpriteServicesObject {
    HostObject base;
    int32_t spriteId = 0;
};

struct SpriteHostObject {
    HostObject base;
    int32_t spriteId = 0; // 0 once the sprite is gone
    SpriteServicesObject* services = nullptr;
};

class HostImpl {
public:
    explicit HostImpl(Host& owner, std::vector<std::string> pluginDirs);
    ~HostImpl();

    Host& owner;
    // Message boxes and dialogs the system shows on the host's thread, for the host's life.
    platform::SystemWatch watch;
    std::vector<std::string> pluginDirs;
    std::vector<std::string> loadErrors;
    bool pluginsScanned = false;

    std::vector<std::unique_ptr<Module>> modules;
    Roster roster;
    int32_t nextMemberId = 1;
    int32_t nextSpriteId = 1;
    std::unique_ptr<Stage> stage;

    SymbolTable symbols;
    ValueStore values;
    TestHooks hooks;
    // Sprites that asked to be redrawn (Idle's redraw service and SpriteHost) since a player
    // last took them, in the order asked; a sprite may appear more than once.
    std::vector<int32_t> pendingRedraws;
    // Bounded: a host that never takes them keeps one entry per sprite at most.
    void notePendingRedraw(int32_t spriteId) {
        if (pendingRedraws.size() < 4096 || std::find(pendingRedraws.begin(), pendingRedraws.end(),
                                                      spriteId) == pendingRedraws.end()) {
            pendingRedraws.push_back(spriteId);
        }
    }

    ServiceObjects services;
    RedrawServiceObject redraw;

    // The movie's script (Host::movieScript).
    std::optional<ScriptSource> movieScript;

    std::map<std::string, Handler> handlers;
    HandlerLookup handlerLookup;
    // An exception thrown by a handler while a plug-in was on the stack: kept here and
    // rethrown once the plug-in call has returned.
    std::exception_ptr pendingError;
    void rethrowPending();

    // What the host is handing to a plug-in ("SetProp 'X' of member 'm'"), for the warning
    // logged when the plug-in takes a text shorter than it was (ValueToString's capacity).
    std::string handOver;

    // Begin/EndResources tokens not yet closed.
    std::set<intptr_t> openResourceTokens;
    intptr_t nextResourceToken = 1;
    HINSTANCE foreignInstance = nullptr;

    // Blocks handed out by the HostAllocator.
    std::set<void*> allocatedBlocks;
    // Class instances alive.
    std::set<void*> instances;
    // HandleMemory handles alive.
    std::set<void*> handles;

    // --- helpers used across the source files ---
    Module* moduleByKind(const std::string& kind);
    void scanPlugins();
    Module& loadModule(const std::string& path);
    bool unloadModule(Module& module);
    void setupModuleObjects(Module& module);
    void releaseModuleObjects(Module& module);

    Member* memberById(int32_t id) { return roster.member(id); }
    Sprite* spriteById(int32_t id) { return roster.sprite(id); }

    // Calls into plug-ins on the stack, and removal holds. While it is above zero, sprites
    // and members that leave the movie wait here, alive, until the outermost call returns:
    // a script handler may delete the very sprite whose HandleEvent, Draw or Idle is still
    // running, or load another movie from there, and that plug-in code must not find its
    // own instance freed under it.
    int32_t callDepth = 0;
    std::vector<std::unique_ptr<Sprite>> retiredSprites;
    std::vector<std::unique_ptr<Member>> retiredMembers;
    void enterCall() { ++callDepth; }
    void leaveCall();
    // Takes a sprite or member out of the movie; destroyed now, or when the outermost call
    // returns.
    void removeSprite(Sprite& sprite);
    void removeMember(Member& member);
    // Destroys what waits, sprites before the members they show.
    void releaseRetired();

    // Calls a script handler for a sprite; never throws (errors become pendingError).
    std::optional<Value> callHandler(const std::string& name, Sprite* sprite,
                                     const std::vector<Value>& args);

    HostObject* service(const zx::Guid& iid, const char** name);
    void initServices();
};

// One call into a plug-in (or a removal hold) for as long as it lives.
class CallScope {
public:
    explicit CallScope(HostImpl& host) : host_(host) { host_.enterCall(); }
    ~CallScope() { host_.leaveCall(); }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

private:
    HostImpl& host_;
};

// Names what the host hands over for as long as it lives; the outer name comes back after.
class TextHandOver {
public:
    TextHandOver(HostImpl& host, std::string what) : host_(host), previous_(host.handOver) {
        host_.handOver = std::move(what);
    }
    ~TextHandOver() { host_.handOver = std::move(previous_); }
    TextHandOver(const TextHandOver&) = delete;
    TextHandOver& operator=(const TextHandOver&) = delete;

private:
    HostImpl& host_;
    std::string previous_;
};

struct ModuleAccess {
    static int32_t& live(Module& module) { return module.liveInstances_; }
    static HostImpl* host(Module& module) { return module.host_; }
    static KindInfo& kind(Module& module) { return module.kind_; }
};

void freeAllHandles(HostImpl& host);
int32_t handleLockCount(void* handle);

// Ops tables, defined with their objects.
extern const zx::HostUtilitiesOps kUtilitiesOps;
extern const zx::HandleMemoryOps kHandleMemoryOps;
extern const zx::StageServicesOps kStageServicesOps;
extern const zx::MemberMediaServicesOps kMediaServicesOps;
extern const zx::ListServicesOps kListServicesOps;
extern const zx::MovieOps kMovieOps;
extern const zx::StageSurfaceOps kStageSurfaceOps;
extern const zx::HostAllocatorOps kAllocatorOps;
extern const zx::RedrawServiceOps kRedrawOps;
extern const zx::HostCallbackOps kCallbackOps;
extern const zx::RegistryCacheOps kRegistryCacheOps;
extern const zx::RegistryDictOps kRegistryDictOps;
extern const zx::MemberHostOps kMemberHostOps;
extern const zx::SpriteHostOps kSpriteHostOps;
extern const zx::SpriteServicesOps kSpriteServicesOps;
extern const zx::InstanceOps kInstanceOps;

// Objects made per use.
MemberHostObject* newMemberHost(HostImpl* host, int32_t memberId);
SpriteHostObject* newSpriteHost(HostImpl* host, int32_t spriteId);
zx::DrawContext* newDrawContext(HostImpl* host, int32_t kind, HDC dc);
zx::MediaStream* newMemoryStream(HostImpl* host, const std::vector<uint8_t>& bytes,
                                 std::optional<int32_t> reportedSize);
std::vector<uint8_t> memoryStreamBytes(zx::MediaStream* stream);
zx::CastMemberObject* newCastMemberObject(HostImpl* host, int32_t memberId);

// Formats a plug-in's message output: %d %i %u %x %X %c %% take the two integers in turn;
// anything else is copied literally (the format comes from a plug-in and is never handed
// to printf). Bounded at 1024 characters.
std::string formatOutput(const char* format, int32_t a, int32_t b);

// The host's palette for palette-index requests: 256 fixed entries (the twenty Windows
// static colours, a 6 x 6 x 6 colour cube and a grey ramp).
uint32_t paletteColor(int index); // 0xBBGGRR
uint8_t nearestPaletteIndex(uint8_t red, uint8_t green, uint8_t blue);

// "(left, top, right, bottom)" for messages.
std::string describeRect(const Rect& rect);
// Throws Error when a sprite rectangle lies outside the coordinate limit.
void checkSpriteRect(const Rect& rect);

// Dialog driver state for Member::dialog.
struct DialogDriverState {
    const DialogValues* values = nullptr;
    bool ok = false;
    bool opened = false;
    DialogValues shown;
};
int dialogDriver(HWND dialog, void* context);

} // namespace zxhost
