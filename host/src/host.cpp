// The Host facade and the inner state it owns: services, modules, members, sprites,
// handlers and the event log.
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include <windows.h>

#include <utility>

#include "host_impl.h"
#include "zxframe/identifiers.h"

namespace zxhost {

// ---------------------------------------------------------------- HostImpl

HostImpl::HostImpl(Host& host, std::vector<std::string> dirs)
    : owner(host), pluginDirs(std::move(dirs)) {
    initServices();
    stage.reset(new Stage(this));
}

HostImpl::~HostImpl() {
    releaseRetired();
    roster.clear();
    while (!modules.empty()) {
        Module& module = *modules.back();
        void* library = module.library_;
        releaseModuleObjects(module);
        modules.pop_back();
        platform::closeLibrary(library);
    }
    stage.reset();
    freeAllHandles(*this);
    for (void* block : allocatedBlocks) {
        std::free(block);
    }
    if (foreignInstance) {
        platform::releaseEmptyModule(foreignInstance);
    }
}

void HostImpl::initServices() {
    auto init = [&](HostObject& object, const void* ops, const char* name) {
        object = HostObject{ops, this, name, 1, nullptr, nullptr};
    };
    init(services.utilities, &kUtilitiesOps, object::kHostUtilities);
    init(services.handleMemory, &kHandleMemoryOps, object::kHandleMemory);
    init(services.stageServices, &kStageServicesOps, object::kStageServices);
    init(services.mediaServices, &kMediaServicesOps, object::kMediaServices);
    init(services.listServices, &kListServicesOps, object::kListServices);
    init(services.movie, &kMovieOps, object::kMovie);
    init(services.stageSurface, &kStageSurfaceOps, object::kStageSurface);
    init(services.allocator, &kAllocatorOps, object::kHostAllocator);
    init(redraw.base, &kRedrawOps, object::kRedrawService);
}

HostObject* HostImpl::service(const zx::Guid& iid, const char** name) {
    struct Entry {
        const zx::Guid* iid;
        HostObject* object;
        const char* name;
    };
    const Entry entries[] = {
        {&zx::kHostUtilitiesId, &services.utilities, object::kHostUtilities},
        {&zx::kHandleMemoryId, &services.handleMemory, object::kHandleMemory},
        {&zx::kStageServicesId, &services.stageServices, object::kStageServices},
        {&zx::kMemberMediaServicesId, &services.mediaServices, object::kMediaServices},
        {&zx::kListServicesId, &services.listServices, object::kListServices},
    };
    for (const auto& e : entries) {
        if (zx::sameGuid(*e.iid, iid)) {
            *name = e.name;
            return e.object;
        }
    }
    return nullptr;
}

void HostImpl::rethrowPending() {
    if (pendingError) {
        std::exception_ptr error = pendingError;
        pendingError = nullptr;
        std::rethrow_exception(error);
    }
}

std::optional<Value> HostImpl::callHandler(const std::string& name, Sprite* sprite,
                                           const std::vector<Value>& args) {
    try {
        auto found = handlers.find(name);
        if (found != handlers.end()) {
            return found->second(sprite, args);
        }
        if (handlerLookup) {
            return handlerLookup(name, sprite, args);
        }
    } catch (...) {
        // Never across the plug-in: kept until the plug-in call returns to the host.
        if (!pendingError) {
            pendingError = std::current_exception();
        }
    }
    return std::nullopt;
}

void HostImpl::leaveCall() {
    if (callDepth == 1) {
        // Still counted as inside while the waiting objects go: a release that removes more
        // (it should not, but it runs plug-in code) only adds to the next round.
        releaseRetired();
    }
    --callDepth;
}

void HostImpl::releaseRetired() {
    while (!retiredSprites.empty() || !retiredMembers.empty() ||
           (stage && stage->hasRetiredSurfaces())) {
        std::vector<std::unique_ptr<Sprite>> sprites = std::move(retiredSprites);
        std::vector<std::unique_ptr<Member>> members = std::move(retiredMembers);
        retiredSprites.clear();
        retiredMembers.clear();
        sprites.clear();
        members.clear();
        if (stage) {
            stage->releaseRetiredSurfaces();
        }
    }
}

void HostImpl::removeSprite(Sprite& sprite) {
    std::unique_ptr<Sprite> taken = roster.takeSprite(sprite);
    if (taken && callDepth > 0) {
        retiredSprites.push_back(std::move(taken));
    }
}

void HostImpl::removeMember(Member& member) {
    for (int32_t id : roster.spriteIdsOf(member.id())) {
        if (Sprite* sprite = roster.sprite(id)) {
            removeSprite(*sprite);
        }
    }
    std::unique_ptr<Member> taken = roster.takeMember(member);
    if (taken && callDepth > 0) {
        retiredMembers.push_back(std::move(taken));
    }
}

// ---------------------------------------------------------------- Host

Host::Host(std::vector<std::string> pluginDirs)
    : impl_(new HostImpl(*this, std::move(pluginDirs))) {}
Host::~Host() = default;

std::vector<std::string> Host::defaultPluginDirs(const std::string& programDir) {
    std::vector<std::string> dirs;
    if (!programDir.empty()) {
        dirs.push_back(programDir);
    }
    for (const char* variable : {"ZX_PLUGIN_PATH", "ZENTRIX_PLUGIN_PATH"}) {
        const char* value = std::getenv(variable);
        if (!value) {
            continue;
        }
        std::stringstream list(value);
        std::string dir;
        while (std::getline(list, dir, platform::pathListSeparator())) {
            if (!dir.empty()) {
                dirs.push_back(dir);
            }
        }
    }
    return dirs;
}

void Host::loadPlugins() {
    impl_->scanPlugins();
}
const std::vector<std::string>& Host::loadErrors() const {
    return impl_->loadErrors;
}
Module& Host::loadModule(const std::string& path) {
    return impl_->loadModule(path);
}

std::vector<KindInfo> Host::kinds() {
    if (!impl_->pluginsScanned) {
        impl_->scanPlugins();
    }
    std::vector<KindInfo> result;
    for (auto& m : impl_->modules) {
        result.push_back(m->kind());
    }
    return result;
}

Module* Host::findModule(const std::string& kind) {
    return impl_->moduleByKind(kind);
}
bool Host::unloadModule(Module& module) {
    return impl_->unloadModule(module);
}

Member* Host::member(const std::string& name) {
    return impl_->roster.member(name);
}

Member* Host::memberById(int32_t id) {
    return impl_->memberById(id);
}

std::vector<Member*> Host::members() {
    return impl_->roster.members();
}

std::vector<Sprite*> Host::sprites() {
    return impl_->roster.sprites();
}

Sprite* Host::spriteById(int32_t id) {
    return impl_->spriteById(id);
}

void Host::removeSprite(Sprite& sprite) {
    impl_->removeSprite(sprite);
}

void Host::deleteMember(Member& member) {
    impl_->removeMember(member);
}

void Host::clearMovie() {
    Roster& roster = impl_->roster;
    while (roster.hasSprites()) {
        impl_->removeSprite(roster.lastSprite());
    }
    while (roster.hasMembers()) {
        impl_->removeMember(roster.lastMember());
    }
}

const std::optional<ScriptSource>& Host::movieScript() const {
    return impl_->movieScript;
}

void Host::setMovieScript(std::optional<ScriptSource> script) {
    impl_->movieScript = std::move(script);
}

RemovalHold::RemovalHold(Host& host) : host_(host.impl()) {
    host_.enterCall();
}

RemovalHold::~RemovalHold() {
    host_.leaveCall();
}

Stage& Host::stage() {
    return *impl_->stage;
}

void Host::setHandler(const std::string& name, Handler handler) {
    impl_->handlers[name] = std::move(handler);
}
void Host::removeHandler(const std::string& name) {
    impl_->handlers.erase(name);
}
void Host::setHandlerLookup(HandlerLookup lookup) {
    impl_->handlerLookup = std::move(lookup);
}

std::vector<int32_t> Host::takeRedrawRequests() {
    std::vector<int32_t> ids = std::exchange(impl_->pendingRedraws, {});
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

std::vector<Message> Host::messages() {
    return platform::takeEvents();
}

zx::HostValue Host::toHostValue(const Value& value) {
    if (const auto* s = value.get<SymbolName>()) {
        return impl_->values.make(value, impl_->symbols.intern(s->name));
    }
    return impl_->values.make(value);
}

Value Host::fromHostValue(const zx::HostValue& value) const {
    if (value.type == kSymbol) {
        return Value(SymbolName{impl_->symbols.name(value.payload)});
    }
    return impl_->values.read(value);
}

void Host::releaseHostValue(zx::HostValue& value) {
    impl_->values.release(value);
    value = zx::HostValue{kVoid, 0};
}

int32_t Host::liveValues() const {
    return impl_->values.live();
}
int32_t Host::symbol(const std::string& name) {
    return impl_->symbols.intern(name);
}
std::string Host::symbolName(int32_t symbol) const {
    return impl_->symbols.name(symbol);
}

zx::Result callbackQuery(HostObject* self, const zx::Guid* iid, void** out);

int32_t Host::queryService(const zx::Guid& iid, void** out) {
    if (!out) {
        return zx::kNoSuchInterface;
    }
    *out = nullptr;
    CallbackObject probe;
    probe.base = HostObject{&kCallbackOps, impl_.get(), object::kHostCallback, 1, nullptr, nullptr};
    return callbackQuery(&probe.base, &iid, out);
}

zx::HostUtilities* Host::utilities() {
    return reinterpret_cast<zx::HostUtilities*>(&impl_->services.utilities);
}
zx::HandleMemory* Host::handleMemory() {
    return reinterpret_cast<zx::HandleMemory*>(&impl_->services.handleMemory);
}
int32_t Host::liveHandles() const {
    return static_cast<int32_t>(impl_->handles.size());
}
int32_t Host::handleLockCount(void* handle) const {
    return impl_->handles.count(handle) ? zxhost::handleLockCount(handle) : -1;
}
int32_t Host::liveAllocations() const {
    return static_cast<int32_t>(impl_->allocatedBlocks.size());
}

zx::MediaStream* Host::newStream(const std::vector<uint8_t>& bytes) {
    return newMemoryStream(impl_.get(), bytes, std::nullopt);
}
std::vector<uint8_t> Host::streamBytes(zx::MediaStream* stream) const {
    return memoryStreamBytes(stream);
}
zx::DrawContext* Host::newDrawContext(int32_t kind, HDC dc) {
    return zxhost::newDrawContext(impl_.get(), kind, dc);
}

TestHooks& Host::hooks() {
    return impl_->hooks;
}

} // namespace zxhost
