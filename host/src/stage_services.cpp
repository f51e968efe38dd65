// StageServices, the movie it hands out (cast-member objects for member references, the
// stage surface) and the surface's native info (word 3 the stage window).
#include <windows.h>

#include "host_impl.h"

namespace zxhost {
namespace {

HostImpl& hostOf(void* self) {
    return *reinterpret_cast<HostObject*>(self)->host;
}

zx::Result ZX_CALL currentMovie(zx::StageServices* self, zx::Movie** out) {
    HostImpl& host = hostOf(self);
    if (!out) {
        return zx::kNotSupported;
    }
    *out = nullptr;
    if (const zx::Result fault = host.hooks.check(fault::kCurrentMovie)) {
        return fault;
    }
    handOut(&host.services.movie);
    *out = reinterpret_cast<zx::Movie*>(&host.services.movie);
    return zx::kOk;
}

// The cast-member object of a member reference (any member; only bitmap members fill
// "Image" media).
zx::Result ZX_CALL memberObject(zx::Movie* self, const zx::HostValue* memberRef,
                                zx::CastMemberObject** out) {
    HostImpl& host = hostOf(self);
    if (!out) {
        return zx::kNotSupported;
    }
    *out = nullptr;
    if (const zx::Result fault = host.hooks.check(fault::kMovieMemberObject)) {
        return fault;
    }
    if (!memberRef || memberRef->type != kMember || !host.memberById(memberRef->payload)) {
        return zx::kNotSupported;
    }
    zx::CastMemberObject* object = newCastMemberObject(&host, memberRef->payload);
    ++host.hooks.liveReferences[object::kCastMemberObject];
    *out = object;
    return zx::kOk;
}

zx::Result ZX_CALL stageSurface(zx::Movie* self, zx::StageSurface** out) {
    HostImpl& host = hostOf(self);
    if (!out) {
        return zx::kNotSupported;
    }
    *out = nullptr;
    if (const zx::Result fault = host.hooks.check(fault::kMovieStageSurface)) {
        return fault;
    }
    handOut(&host.services.stageSurface);
    *out = reinterpret_cast<zx::StageSurface*>(&host.services.stageSurface);
    return zx::kOk;
}

zx::Result ZX_CALL surfaceNativeInfo(zx::StageSurface* self, intptr_t* words) {
    if (!words) {
        return zx::kNotSupported;
    }
    HostImpl& host = hostOf(self);
    for (int i = 0; i < zx::kNativeInfoWords; ++i) {
        words[i] = 0;
    }
    words[zx::kNativeKind] = 1;
    words[zx::kNativeHandle] =
        reinterpret_cast<intptr_t>(host.stage ? host.stage->window() : nullptr);
    return zx::kOk;
}

} // namespace

const zx::StageServicesOps kStageServicesOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::StageServices), nullptr, nullptr, nullptr, &currentMovie,
};

const zx::MovieOps kMovieOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::Movie),
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,       // 3-16
    &memberObject, // 17
    nullptr,
    &stageSurface, // 19
};

const zx::StageSurfaceOps kStageSurfaceOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::StageSurface),
    nullptr,
    nullptr,
    &surfaceNativeInfo,
};

} // namespace zxhost
