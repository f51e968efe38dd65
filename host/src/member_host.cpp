// The cast-member object given to SetMemberHost: notifications reach every sprite of the
// member as LinkAsset(code, AssetInterface), synchronously. Re-entrant: a sprite may set
// properties during the notification, which notifies again.
#include "host_impl.h"

namespace zxhost {
namespace {

zx::Result ZX_CALL notify(zx::MemberHost* self, int32_t code, int32_t) {
    auto* object = objectOf<MemberHostObject>(self);
    HostImpl& host = *object->base.host;
    host.hooks.record(host.hooks.records.notifications, Notification{object->memberId, code});
    Member* member = host.memberById(object->memberId);
    if (!member || !member->asset()) {
        return zx::kOk;
    }
    // Sprites are looked up again before each call: a handler may remove one meanwhile.
    CallScope call(host);
    for (int32_t id : host.roster.spriteIdsOf(member->id())) {
        Sprite* sprite = host.spriteById(id);
        if (sprite && sprite->actor()) {
            sprite->actor()->ops->linkAsset(sprite->actor(), code, member->asset());
        }
    }
    return zx::kOk;
}

void destroyMemberHost(HostObject* self) {
    delete reinterpret_cast<MemberHostObject*>(self);
}

} // namespace

const zx::MemberHostOps kMemberHostOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::MemberHost),
    nullptr,
    nullptr,
    &notify,
};

MemberHostObject* newMemberHost(HostImpl* host, int32_t memberId) {
    auto* object = new MemberHostObject;
    object->base =
        HostObject{&kMemberHostOps, host, object::kMemberHost, 1, nullptr, &destroyMemberHost};
    object->memberId = memberId;
    return object;
}

} // namespace zxhost
