// Cast members: creation, scripting (SetProp, GetProp, CallFunction), saved blocks,
// the properties dialog and thumbnails.
#include <algorithm>

#include <windows.h>

#include "dib.h"
#include "file_read.h"
#include "host_impl.h"
#include "zxframe/identifiers.h"

namespace zxhost {

Member::~Member() {
    if (asset_) {
        asset_->ops->release(asset_);
    }
    if (memberHost_) {
        memberHost_->memberId = 0;
        hostRelease(&memberHost_->base);
    }
}

Member& Host::newMember(const std::string& kind, const std::string& name) {
    HostImpl& host = *impl_;
    if (name.empty()) {
        throw Error("a member needs a name");
    }
    if (member(name)) {
        throw Error("a member named '" + name + "' already exists");
    }
    Module* module = host.moduleByKind(kind);
    if (!module) {
        throw Error("unknown kind '" + kind + "'");
    }
    CallScope call(host);
    void* asset = nullptr;
    const int32_t made =
        module->createInstance(module->assetClass(), zx::kAssetInterfaceId, &asset);
    if (made != zx::kOk || !asset) {
        throw Error("cannot create a '" + kind + "' member: " + hexCode(made));
    }
    std::unique_ptr<Member> member(new Member());
    member->host_ = &host;
    member->id_ = host.nextMemberId++;
    member->name_ = name;
    member->kind_ = kind;
    member->module_ = module;
    member->asset_ = static_cast<zx::AssetInterface*>(asset);
    member->memberHost_ = newMemberHost(&host, member->id_);
    member->asset_->ops->setMemberHost(member->asset_,
                                       reinterpret_cast<zx::MemberHost*>(member->memberHost_));
    Member& added = host.roster.addMember(std::move(member));
    host.rethrowPending();
    return added;
}

Member& Host::newBitmapMemberFromBytes(const std::string& name,
                                       const std::vector<uint8_t>& bmpFile) {
    HostImpl& host = *impl_;
    if (name.empty()) {
        throw Error("a member needs a name");
    }
    if (member(name)) {
        throw Error("a member named '" + name + "' already exists");
    }
    std::unique_ptr<Member> member(new Member());
    member->dib_ = packedDibFromBmp(bmpFile);
    member->host_ = &host;
    member->id_ = host.nextMemberId++;
    member->name_ = name;
    member->kind_ = "bitmap";
    return host.roster.addMember(std::move(member));
}

Member& Host::newBitmapMember(const std::string& name, const std::string& bmpPath) {
    const std::string content = readWholeFile(bmpPath);
    const std::vector<uint8_t> bytes(content.begin(), content.end());
    try {
        return newBitmapMemberFromBytes(name, bytes);
    } catch (const Error& error) {
        throw Error(bmpPath + ": " + error.what());
    }
}

int32_t Member::setProp(const std::string& property, const Value& value) {
    if (!asset_) {
        return zx::kUnknownProperty;
    }
    HostImpl& host = *host_;
    CallScope call(host);
    if (value.is<std::string>()) {
        noteText(property);
    }
    const TextHandOver handOver(host, "SetProp '" + property + "' of member '" + name_ + "'");
    zx::HostValue v = host.owner.toHostValue(value);
    const int32_t result = asset_->ops->setProp(asset_, host.symbols.intern(property), &v);
    host.owner.releaseHostValue(v);
    host.rethrowPending();
    return result;
}

CallResult Member::getProp(const std::string& property) {
    if (!asset_) {
        return CallResult{zx::kUnknownProperty, {}};
    }
    CallScope call(*host_);
    zx::HostValue out{kVoid, 0};
    CallResult result;
    result.code = asset_->ops->getProp(asset_, host_->symbols.intern(property), &out);
    result.value = host_->owner.fromHostValue(out);
    host_->owner.releaseHostValue(out);
    if (result.code == zx::kOk && result.value.is<std::string>()) {
        noteText(property);
    }
    host_->rethrowPending();
    return result;
}

// argv holds the member reference then the script arguments; argc counts the script
// arguments (or all of argv when the test switch says so).
CallResult Member::call(const std::string& command, const std::vector<Value>& args) {
    if (!asset_) {
        return CallResult{zx::kUnknownCommand, {}};
    }
    CallScope call(*host_);
    const TextHandOver handOver(*host_, "CallFunction '" + command + "' of member '" + name_ + "'");
    std::vector<zx::HostValue> argv;
    argv.push_back(zx::HostValue{kMember, id_});
    for (const auto& a : args) {
        argv.push_back(host_->owner.toHostValue(a));
    }
    const auto argc =
        static_cast<int32_t>(host_->hooks.argcCountsMemberRef ? argv.size() : args.size());
    zx::HostValue out{kVoid, 0};
    CallResult result;
    result.code =
        asset_->ops->callFunction(asset_, host_->symbols.intern(command), argc, argv.data(), &out);
    result.value = host_->owner.fromHostValue(out);
    // The result may be one of the arguments handed back; each handle is released once.
    for (auto& v : argv) {
        if (!(v.type == out.type && v.payload == out.payload)) {
            host_->owner.releaseHostValue(v);
        }
    }
    host_->owner.releaseHostValue(out);
    host_->rethrowPending();
    return result;
}

std::vector<uint8_t> Member::save(int32_t* code) {
    if (!asset_) {
        if (code) {
            *code = zx::kNotSupported;
        }
        return {};
    }
    CallScope call(*host_);
    zx::MediaStream* stream = newMemoryStream(host_, {}, std::nullopt);
    const int32_t result = asset_->ops->saveProps(asset_, stream);
    std::vector<uint8_t> bytes = memoryStreamBytes(stream);
    hostRelease(reinterpret_cast<HostObject*>(stream));
    if (code) {
        *code = result;
    }
    return bytes;
}

void Member::noteText(const std::string& property) {
    if (std::find(textProperties_.begin(), textProperties_.end(), property) ==
        textProperties_.end()) {
        textProperties_.push_back(property);
    }
}

int32_t Member::load(const std::vector<uint8_t>& bytes, std::string* warning) {
    if (!asset_) {
        return zx::kNotSupported;
    }
    CallScope call(*host_);
    const int32_t expected = savedSize();
    if (expected >= 0 && bytes.size() != static_cast<size_t>(expected)) {
        const std::string text = "member '" + name_ + "' got a saved block of " +
                                 std::to_string(bytes.size()) + " bytes where its kind saves " +
                                 std::to_string(expected);
        if (warning) {
            *warning = text;
        } else {
            platform::logEvent(Message{"warning", text, "", 0});
        }
    }
    std::optional<StreamOverride> override = std::move(host_->hooks.nextStream);
    host_->hooks.nextStream.reset();
    zx::MediaStream* stream = override
                                  ? newMemoryStream(host_, override->bytes, override->reportedSize)
                                  : newMemoryStream(host_, bytes, std::nullopt);
    const int32_t result = asset_->ops->loadProps(asset_, stream);
    hostRelease(reinterpret_cast<HostObject*>(stream));
    return result;
}

int32_t Member::savedSize() {
    if (!asset_) {
        return -1;
    }
    CallScope call(*host_);
    int32_t bytes = -1;
    if (asset_->ops->getSavedSize(asset_, &bytes) != zx::kOk) {
        return -1;
    }
    return bytes;
}

Rect Member::defaultRect() {
    if (!asset_) {
        return {};
    }
    CallScope call(*host_);
    zx::HostRect r{};
    if (asset_->ops->getDefaultRect(asset_, &r) != zx::kOk) {
        return {};
    }
    return Rect{r.left, r.top, r.right, r.bottom};
}

DialogOutcome Member::dialog(const DialogValues& values, bool ok) {
    DialogOutcome outcome;
    if (!asset_) {
        outcome.code = zx::kNotSupported;
        return outcome;
    }
    CallScope call(*host_);
    DialogDriverState state;
    state.values = &values;
    state.ok = ok;
    platform::setDialogDriver(&dialogDriver, &state);
    outcome.code = asset_->ops->showPropertiesDialog(asset_);
    platform::setDialogDriver(nullptr, nullptr);
    outcome.opened = state.opened;
    outcome.shown = std::move(state.shown);
    int32_t change = 0;
    asset_->ops->getChangeState(asset_, 1, &change);
    outcome.changeState = change;
    host_->rethrowPending();
    return outcome;
}

namespace {

struct CallerDriver {
    const std::function<int(HWND)>* driver;
    HostImpl* host;
};

// Nothing may be thrown through the plug-in's frames: a driver's exception is kept as the
// host's pending error, the dialog is cancelled, and the error is thrown once the plug-in
// has returned.
int callDriver(HWND dialog, void* context) {
    auto* caller = static_cast<CallerDriver*>(context);
    try {
        return (*caller->driver)(dialog);
    } catch (...) {
        if (!caller->host->pendingError) {
            caller->host->pendingError = std::current_exception();
        }
        return IDCANCEL;
    }
}

} // namespace

int32_t Member::showDialog(const std::function<int(HWND dialog)>& driver) {
    if (!asset_) {
        return zx::kNotSupported;
    }
    CallScope call(*host_);
    CallerDriver caller{&driver, host_};
    platform::setDialogDriver(&callDriver, &caller);
    const int32_t code = asset_->ops->showPropertiesDialog(asset_);
    platform::setDialogDriver(nullptr, nullptr);
    host_->rethrowPending();
    return code;
}

int32_t Member::drawThumbnail(HDC dc, const Rect& rect, int32_t contextKind) {
    if (!asset_) {
        return zx::kNotSupported;
    }
    CallScope call(*host_);
    zx::DrawContext* context = newDrawContext(host_, contextKind, dc);
    const zx::HostRect r{rect.top, rect.left, rect.bottom, rect.right};
    const int32_t result = asset_->ops->drawThumbnail(asset_, context, &r);
    hostRelease(reinterpret_cast<HostObject*>(context));
    return result;
}

} // namespace zxhost
