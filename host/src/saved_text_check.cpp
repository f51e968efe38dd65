// Whether a member's texts survive its saved block: the block is loaded into a scratch
// member of the same kind, outside the cast, and every property that carried text is read
// from both. A kind's saved block may hold less than its properties do (the equation keeps
// 255 characters of its text); saving must not lose that silently.
#include "host_impl.h"
#include "saved_text_check.h"
#include "zxframe/identifiers.h"

namespace zxhost {
namespace {

std::optional<std::string> textOf(HostImpl& host, zx::AssetInterface* asset,
                                  const std::string& property) {
    zx::HostValue out{kVoid, 0};
    const int32_t code = asset->ops->getProp(asset, host.symbols.intern(property), &out);
    const Value value = host.owner.fromHostValue(out);
    host.owner.releaseHostValue(out);
    if (code != zx::kOk || !value.is<std::string>()) {
        return std::nullopt;
    }
    return value.as<std::string>();
}

} // namespace

std::vector<std::string> savedTextLosses(HostImpl& host, Member& member,
                                         const std::vector<uint8_t>& block) {
    std::vector<std::string> losses;
    Module* module = member.module();
    if (!module || !member.asset() || member.textProperties().empty()) {
        return losses;
    }
    CallScope call(host);
    void* made = nullptr;
    if (module->createInstance(module->assetClass(), zx::kAssetInterfaceId, &made) != zx::kOk ||
        !made) {
        return losses;
    }
    auto* scratch = static_cast<zx::AssetInterface*>(made);
    // Member id 0: notifications of the scratch member reach no sprite.
    MemberHostObject* memberHost = newMemberHost(&host, 0);
    scratch->ops->setMemberHost(scratch, reinterpret_cast<zx::MemberHost*>(memberHost));
    zx::MediaStream* stream = newMemoryStream(&host, block, std::nullopt);
    const int32_t loaded = scratch->ops->loadProps(scratch, stream);
    hostRelease(reinterpret_cast<HostObject*>(stream));
    if (loaded == zx::kOk) {
        for (const std::string& property : member.textProperties()) {
            const auto before = textOf(host, member.asset(), property);
            const auto after = textOf(host, scratch, property);
            if (before && after && *before != *after) {
                losses.push_back("member '" + member.name() + "': its text '" + property +
                                 "' does not survive saving (" + std::to_string(before->size()) +
                                 " characters, " + std::to_string(after->size()) +
                                 " after loading)");
            }
        }
    }
    scratch->ops->release(scratch);
    hostRelease(&memberHost->base);
    return losses;
}

} // namespace zxhost
