// Memory streams for saved blocks: read mode over given bytes, write mode collecting the
// writes. Faults can be injected per operation.
#include <cstring>

#include "host_impl.h"

namespace zxhost {
namespace {

struct StreamObject {
    HostObject base;
    std::vector<uint8_t> bytes;
    std::optional<int32_t> reportedSize;
    size_t position = 0;
    int32_t mode = -1; // -1 closed, 0 read, 2 write
};

StreamObject* streamOf(zx::MediaStream* self) {
    return objectOf<StreamObject>(self);
}

zx::Result ZX_CALL open(zx::MediaStream* self, int32_t mode, int32_t) {
    StreamObject* s = streamOf(self);
    if (const zx::Result fault = s->base.host->hooks.check(fault::kStreamOpen)) {
        return fault;
    }
    if (mode != 0 && mode != 2) {
        return zx::kNotSupported;
    }
    s->mode = mode;
    s->position = 0;
    if (mode == 2) {
        s->bytes.clear();
    }
    return zx::kOk;
}

zx::Result ZX_CALL close(zx::MediaStream* self) {
    streamOf(self)->mode = -1;
    return zx::kOk;
}

// A read past the end fails and leaves the buffer untouched.
zx::Result ZX_CALL read(zx::MediaStream* self, void* buffer, int32_t bytes, int32_t) {
    StreamObject* s = streamOf(self);
    if (const zx::Result fault = s->base.host->hooks.check(fault::kStreamRead)) {
        return fault;
    }
    if (s->mode != 0 || bytes < 0 || (!buffer && bytes > 0) ||
        s->position + static_cast<size_t>(bytes) > s->bytes.size()) {
        return zx::kNotSupported;
    }
    if (bytes > 0) {
        std::memcpy(buffer, s->bytes.data() + s->position, static_cast<size_t>(bytes));
    }
    s->position += static_cast<size_t>(bytes);
    return zx::kOk;
}

zx::Result ZX_CALL write(zx::MediaStream* self, const void* buffer, int32_t bytes, int32_t) {
    StreamObject* s = streamOf(self);
    if (const zx::Result fault = s->base.host->hooks.check(fault::kStreamWrite)) {
        return fault;
    }
    if (s->mode != 2 || bytes < 0 || (!buffer && bytes > 0)) {
        return zx::kNotSupported;
    }
    const auto* p = static_cast<const uint8_t*>(buffer);
    s->bytes.insert(s->bytes.end(), p, p + bytes);
    return zx::kOk;
}

zx::Result ZX_CALL getSize(zx::MediaStream* self, int32_t* bytes) {
    StreamObject* s = streamOf(self);
    if (const zx::Result fault = s->base.host->hooks.check(fault::kStreamGetSize)) {
        return fault;
    }
    if (!bytes) {
        return zx::kNotSupported;
    }
    *bytes = s->reportedSize ? *s->reportedSize : static_cast<int32_t>(s->bytes.size());
    return zx::kOk;
}

const zx::MediaStreamOps kStreamOps = {
    ZXHOST_UNKNOWN_THUNKS(zx::MediaStream),
    &open,
    &close,
    &read,
    nullptr,
    &write,
    nullptr,
    nullptr,
    &getSize,
};

void destroyStream(HostObject* self) {
    delete reinterpret_cast<StreamObject*>(self);
}

} // namespace

zx::MediaStream* newMemoryStream(HostImpl* host, const std::vector<uint8_t>& bytes,
                                 std::optional<int32_t> reportedSize) {
    auto* s = new StreamObject;
    s->base = HostObject{&kStreamOps, host, object::kMediaStream, 1, nullptr, &destroyStream};
    s->bytes = bytes;
    s->reportedSize = reportedSize;
    return reinterpret_cast<zx::MediaStream*>(s);
}

std::vector<uint8_t> memoryStreamBytes(zx::MediaStream* stream) {
    return stream ? streamOf(stream)->bytes : std::vector<uint8_t>{};
}

} // namespace zxhost
