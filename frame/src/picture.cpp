// Picture operations. Loading copies a module bitmap resource into a HandleMemory handle;
// copying from a member takes the packed bitmap out of the member's global memory block.
// Either way the host turns the bitmap into a picture value with PictureFromDIB.
#include "zxplugin/picture.h"

#include <cstdio>
#include <cstring>

#include "frame_internal.h"
#include "zxframe/identifiers.h"
#include "zxplugin/dib_layout.h"
#include "zxplugin/host_ref.h"

namespace zx {
namespace {

constexpr Symbol kNoSymbol = 0;

// Makes the picture value of a locked bitmap; the picture keeps no value on failure.
void makeValue(HostCallback* callback, Picture& picture) {
    HostRef<HostUtilities> utilities;
    if (queryService(callback, kHostUtilitiesId, utilities) != kOk) {
        return;
    }
    const PictureDIBRecord record{2, 0, picture.bitmap, picture.pixels};
    HostValue value{};
    if (utilities->ops->pictureFromDIB(utilities.get(), &record, &value) == kOk) {
        picture.value = value;
        picture.hasValue = true;
    }
}

// Ends a BeginResources on every path.
class ResourceScope {
public:
    explicit ResourceScope(HostCallback* callback) : callback_(callback) {
        instance_ = callback_->ops->beginResources(callback_, moduleHandle(), &token_);
    }
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;
    ~ResourceScope() { callback_->ops->endResources(callback_, moduleHandle(), token_); }
    HINSTANCE instance() const { return instance_; }

private:
    HostCallback* callback_;
    HINSTANCE instance_ = nullptr;
    intptr_t token_ = 0;
};

} // namespace

Result loadPicture(InstanceHeader& owner, int32_t id, Picture& picture) {
    HostCallback* callback = hostCallback(owner);
    freePicture(owner, picture);
    char name[16];
    std::snprintf(name, sizeof name, "#%d", static_cast<int>(id));
    ResourceScope resources(callback);
    HRSRC found = FindResourceA(resources.instance(), name, MAKEINTRESOURCEA(2));
    if (found == nullptr) {
        return kResourceNotFound;
    }
    HGLOBAL loaded = LoadResource(resources.instance(), found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(resources.instance(), found);
    Picture fresh;
    {
        HostRef<HandleMemory> memory;
        const Result queried = queryService(callback, kHandleMemoryId, memory);
        if (queried != kOk || bytes == nullptr || size < 40) {
            if (loaded != nullptr) {
                FreeResource(loaded);
            }
            return queried != kOk ? queried : kResourceNotFound;
        }
        fresh.handle = memory->ops->allocHandle(memory.get(), static_cast<int32_t>(size));
        if (fresh.handle == nullptr) {
            // Never hand a missing bitmap to PictureFromDIB.
            FreeResource(loaded);
            return kOutOfMemory;
        }
        void* copy = memory->ops->lockHandle(memory.get(), fresh.handle);
        if (copy == nullptr) {
            memory->ops->freeHandle(memory.get(), fresh.handle);
            FreeResource(loaded);
            return kOutOfMemory;
        }
        std::memcpy(copy, bytes, size);
        fresh.bitmap = copy;
    }
    FreeResource(loaded);
    fresh.pixels = static_cast<const char*>(fresh.bitmap) + dibLayout(fresh.bitmap).pixelOffset;
    makeValue(callback, fresh);
    picture = fresh;
    return kOk;
}

void freePicture(InstanceHeader& owner, Picture& picture) {
    HostCallback* callback = hostCallback(owner);
    if (picture.hasValue) {
        HostRef<HostUtilities> utilities;
        if (queryService(callback, kHostUtilitiesId, utilities) == kOk) {
            utilities->ops->releaseValue(utilities.get(), &picture.value);
        }
    }
    if (picture.handle != nullptr) {
        HostRef<HandleMemory> memory;
        if (queryService(callback, kHandleMemoryId, memory) == kOk &&
            memory->ops->getHandleSize(memory.get(), picture.handle) > 0) {
            memory->ops->unlockHandle(memory.get(), picture.handle);
            memory->ops->freeHandle(memory.get(), picture.handle);
        }
    }
    picture = Picture{};
}

RECT pictureRect(const Picture& picture) {
    if (picture.bitmap == nullptr) {
        return RECT{0, 0, 0, 0};
    }
    const DibLayout layout = dibLayout(picture.bitmap);
    const int32_t width = layout.width;
    const int32_t height = layout.height < 0 ? -layout.height : layout.height;
    const int32_t left = -width / 2;
    const int32_t top = -height / 2;
    return RECT{left, top, left + width, top + height};
}

Result drawPicture(DrawContext* context, const Picture& picture, const HostRect& destination,
                   const DrawRecord& record) {
    if (context == nullptr || !picture.hasValue) {
        return kOk;
    }
    const RECT r = pictureRect(picture);
    const HostRect source{0, 0, r.bottom - r.top, r.right - r.left};
    return context->ops->drawPicture(context, &destination, &picture.value, &source,
                                     record.words[kDrawInk], &record.words[kDrawInkParams], 0);
}

Result copyPictureFromMember(InstanceHeader& owner, const HostValue& member, Picture& picture) {
    HostCallback* callback = hostCallback(owner);
    HostRef<HostUtilities> utilities;
    HostRef<MemberMediaServices> media;
    HostRef<StageServices> stage;
    Result result = queryService(callback, kHostUtilitiesId, utilities);
    if (result == kOk) {
        result = queryService(callback, kMemberMediaServicesId, media);
    }
    if (result == kOk) {
        result = queryService(callback, kStageServicesId, stage);
    }
    if (result != kOk) {
        return result;
    }
    HostValue reference{};
    result = media->ops->valueToMemberRef(media.get(), &member, &reference);
    if (result != kOk) {
        return result;
    }
    HostRef<Movie> movie;
    result = stage->ops->currentMovie(stage.get(), movie.out());
    if (result != kOk || !movie) {
        return result != kOk ? result : kNoSuchInterface;
    }
    HostRef<CastMemberObject> castMember;
    result = movie->ops->memberObject(movie.get(), &reference, castMember.out());
    if (result != kOk || !castMember) {
        return result != kOk ? result : kNoSuchInterface;
    }
    Symbol image = kNoSymbol;
    Symbol format = kNoSymbol;
    utilities->ops->stringToSymbol(utilities.get(), "Image", &image);
    utilities->ops->stringToSymbol(utilities.get(), "winDIB", &format);
    intptr_t record[kMediaRecordWords] = {};
    result = media->ops->prepareMediaRecord(media.get(), image, format, 0, 0, 0, record);
    if (result != kOk) {
        return result;
    }
    Picture fresh;
    result = castMember->ops->fillMedia(castMember.get(), record);
    HGLOBAL global = reinterpret_cast<HGLOBAL>(record[kMediaRecordHandle]);
    if (result == kOk && global != nullptr) {
        const void* foreign = GlobalLock(global);
        // The foreign bitmap is checked against the global block before anything is
        // copied: a lying header must not make us read past it.
        const auto layout = checkedDibLayout(foreign, GlobalSize(global));
        if (!layout || layout->totalBytes > 0x7FFFFFFFu) {
            result = kResourceNotFound; // not a bitmap we can use
        } else {
            HostRef<HandleMemory> memory;
            result = queryService(callback, kHandleMemoryId, memory);
            if (result == kOk) {
                const auto bytes = static_cast<int32_t>(layout->totalBytes);
                fresh.handle = memory->ops->allocHandle(memory.get(), bytes);
                void* copy = fresh.handle != nullptr
                                 ? memory->ops->lockHandle(memory.get(), fresh.handle)
                                 : nullptr;
                if (copy == nullptr) {
                    if (fresh.handle != nullptr) {
                        memory->ops->freeHandle(memory.get(), fresh.handle);
                    }
                    fresh = Picture{};
                    result = kOutOfMemory;
                } else {
                    std::memcpy(copy, foreign, layout->totalBytes);
                    fresh.bitmap = copy;
                    fresh.pixels = static_cast<const char*>(copy) + layout->pixelOffset;
                }
            }
        }
        if (foreign != nullptr) {
            GlobalUnlock(global);
        }
    } else if (result == kOk) {
        result = kResourceNotFound; // the member has no "Image" media
    }
    media->ops->releaseMediaRecord(media.get(), record);
    if (result != kOk) {
        return result;
    }
    makeValue(callback, fresh);
    // Only now, with the new picture built, is the old one given up.
    freePicture(owner, picture);
    picture = fresh;
    return kOk;
}

} // namespace zx
