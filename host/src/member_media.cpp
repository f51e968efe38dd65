// Member media: the media services (member references, media records) and the cast-member
// object that fills an "Image"/"winDIB" record with a packed DIB in global memory.
#include <cstring>

#include <windows.h>

#include "host_impl.h"

namespace zxhost {
namespace {

HostImpl& hostOf(void* self) {
    return *reinterpret_cast<HostObject*>(self)->host;
}

constexpr int kRecordLabel = 0;
constexpr int kRecordFormat = 1;

// A script value naming a member: a member reference, a member name or a member id.
zx::Result ZX_CALL valueToMemberRef(zx::MemberMediaServices* self, const zx::HostValue* value,
                                    zx::HostValue* memberRef) {
    HostImpl& host = hostOf(self);
    if (const zx::Result fault = host.hooks.check(fault::kMediaMemberRef)) {
        return fault;
    }
    if (!value || !memberRef) {
        return zx::kNotSupported;
    }
    const Value v = host.values.read(*value);
    Member* member = nullptr;
    if (const auto* ref = v.get<MemberRef>()) {
        member = host.memberById(ref->id);
    } else if (const auto* id = v.get<int32_t>()) {
        member = host.memberById(*id);
    } else if (const auto* name = v.get<std::string>()) {
        member = host.owner.member(*name);
    }
    if (!member) {
        return zx::kNotSupported;
    }
    *memberRef = zx::HostValue{kMember, member->id()};
    return zx::kOk;
}

zx::Result ZX_CALL prepareMediaRecord(zx::MemberMediaServices* self, zx::Symbol label,
                                      zx::Symbol format, int32_t, int32_t, int32_t,
                                      intptr_t* record) {
    HostImpl& host = hostOf(self);
    if (const zx::Result fault = host.hooks.check(fault::kMediaPrepare)) {
        return fault;
    }
    if (!record) {
        return zx::kNotSupported;
    }
    if (host.symbols.name(label) != "Image" || host.symbols.name(format) != "winDIB") {
        return zx::kNotSupported;
    }
    for (int i = 0; i < zx::kMediaRecordWords; ++i) {
        record[i] = 0;
    }
    record[kRecordLabel] = label;
    record[kRecordFormat] = format;
    ++host.hooks.liveReferences["MediaRecord"];
    return zx::kOk;
}

// Frees the global memory a fill put into the record.
zx::Result ZX_CALL releaseMediaRecord(zx::MemberMediaServices* self, intptr_t* record) {
    HostImpl& host = hostOf(self);
    if (!record) {
        return zx::kNotSupported;
    }
    if (record[zx::kMediaRecordHandle]) {
        GlobalFree(reinterpret_cast<HGLOBAL>(record[zx::kMediaRecordHandle]));
        record[zx::kMediaRecordHandle] = 0;
    }
    --host.hooks.liveReferences["MediaRecord"];
    return zx::kOk;
}

struct CastMemberObjectImpl {
    HostObject base;
    int32_t memberId = 0;
};

zx::Result ZX_CALL fillMedia(zx::CastMemberObject* self, intptr_t* record) {
    auto* object = objectOf<CastMemberObjectImpl>(self);
    HostImpl& host = *object->base.host;
    if (const zx::Result fault = host.hooks.check(fault::kMemberFill)) {
        return fault;
    }
    if (!record) {
        return zx::kNotSupported;
    }
    Member* member = host.memberById(object->memberId);
    if (!member || member->dib().empty()) {
        return zx::kNotSupported; // a member without "Image" media
    }
    const std::vector<uint8_t>& dib = member->dib();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, dib.size());
    if (!memory) {
        return zx::kOutOfMemory;
    }
    void* bytes = GlobalLock(memory);
    std::memcpy(bytes, dib.data(), dib.size());
    GlobalUnlock(memory);
    if (record[zx::kMediaRecordHandle]) {
        GlobalFree(reinterpret_cast<HGLOBAL>(record[zx::kMediaRecordHandle]));
    }
    record[zx::kMediaRecordHandle] = reinterpret_cast<intptr_t>(memory);
    return zx::kOk;
}

const zx::CastMemberObjectOps kCastMemberObjectOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::CastMemberObject),
    nullptr,
    nullptr,
    &fillMedia,
};

void destroyCastMemberObject(HostObject* self) {
    delete reinterpret_cast<CastMemberObjectImpl*>(self);
}

} // namespace

const zx::MemberMediaServicesOps kMediaServicesOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::MemberMediaServices),
    &valueToMemberRef,
    nullptr,
    &prepareMediaRecord,
    &releaseMediaRecord,
};

zx::CastMemberObject* newCastMemberObject(HostImpl* host, int32_t memberId) {
    auto* object = new CastMemberObjectImpl;
    object->base = HostObject{&kCastMemberObjectOps,   host, object::kCastMemberObject, 1, nullptr,
                              &destroyCastMemberObject};
    object->memberId = memberId;
    return reinterpret_cast<zx::CastMemberObject*>(object);
}

} // namespace zxhost
