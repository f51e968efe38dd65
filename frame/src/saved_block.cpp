// Big-endian streaming of the saved block through the host's MediaStream. A save writes one
// field per Write; a load reads only a stream of exactly the saved size, into a copy of the
// PropertyBlock that replaces the block only when every Read succeeded.
#include "zxplugin/saved_block.h"

#include <cstring>
#include <vector>

#include "frame_internal.h"

namespace zx {

const std::vector<const PropertyRow*>& savedRows() {
    static const std::vector<const PropertyRow*> order = [] {
        const auto rows = thisKind().asset.rows;
        std::vector<const PropertyRow*> saved;
        for (int position = 0;; ++position) {
            const PropertyRow* holder = nullptr;
            for (const PropertyRow& row : rows) {
                if (row.savedAt == position) {
                    holder = &row;
                }
            }
            if (holder == nullptr) {
                return saved;
            }
            saved.push_back(holder);
        }
    }();
    return order;
}

uint32_t savedSize() {
    return savedBlockSize(thisKind().asset.rows);
}

namespace {

// Opens the stream and, when it holds exactly the saved size, reads every field into a copy
// of the PropertyBlock that replaces the block only when every Read succeeded.
Result readSavedBlock(AssetRecord& asset, MediaStream* stream, bool& blockRead) {
    const AssetKind& kind = thisKind().asset;
    Result result = stream->ops->open(stream, 0, 0);
    if (result != kOk) {
        return result;
    }
    int32_t size = -1;
    result = stream->ops->getSize(stream, &size);
    const uint32_t expected = savedSize();
    // A block of any other size is ignored silently: stored movies rely on it.
    if (result == kOk && size >= 0 && static_cast<uint32_t>(size) == expected) {
        std::vector<uint8_t> loaded(static_cast<const uint8_t*>(propertyBlock(asset)),
                                    static_cast<const uint8_t*>(propertyBlock(asset)) +
                                        kind.blockSize);
        std::vector<uint8_t> bytes;
        Result firstFailure = kOk;
        for (const PropertyRow* field : savedRows()) {
            const uint32_t width = savedWidth(*field);
            bytes.assign(width, 0);
            result = stream->ops->read(stream, bytes.data(), static_cast<int32_t>(width), 0);
            if (result != kOk) {
                if (firstFailure == kOk) {
                    firstFailure = result;
                }
                continue;
            }
            decodeField(*field, bytes.data(), loaded.data());
        }
        if (firstFailure == kOk) {
            std::memcpy(propertyBlock(asset), loaded.data(), kind.blockSize);
            blockRead = true;
        }
        result = firstFailure;
    }
    stream->ops->close(stream);
    return result;
}

} // namespace

Result ZX_CALL assetGetSavedSize(AssetInterface*, int32_t* bytes) {
    *bytes = static_cast<int32_t>(savedSize());
    return kOk;
}

Result ZX_CALL assetSaveProps(AssetInterface* self, MediaStream* stream) {
    const auto& fields = savedRows();
    if (fields.empty()) {
        return kOk;
    }
    AssetRecord& asset = *assetOf(self);
    Result result = stream->ops->open(stream, 2, 0);
    if (result == kOk && thisKind().asset.beforeSave != nullptr) {
        thisKind().asset.beforeSave(asset);
    }
    if (result != kOk) {
        return result;
    }
    // Every field is written even after a failure; the first failure is the result, so a
    // failed save is never reported as success.
    Result firstFailure = kOk;
    uint8_t bytes[1024];
    for (const PropertyRow* field : fields) {
        const uint32_t width = savedWidth(*field);
        std::vector<uint8_t> large;
        uint8_t* buffer = bytes;
        if (width > sizeof bytes) {
            large.resize(width);
            buffer = large.data();
        }
        encodeField(*field, propertyBlock(asset), buffer);
        result = stream->ops->write(stream, buffer, static_cast<int32_t>(width), 0);
        if (result != kOk && firstFailure == kOk) {
            firstFailure = result;
        }
    }
    stream->ops->close(stream);
    return firstFailure;
}

Result ZX_CALL assetLoadProps(AssetInterface* self, MediaStream* stream) {
    const AssetKind& kind = thisKind().asset;
    if (savedRows().empty()) {
        return kOk;
    }
    AssetRecord& asset = *assetOf(self);
    bool blockRead = false;
    const Result result = readSavedBlock(asset, stream, blockRead);
    // Kinds that apply what they hold after a load do so whatever the stream gave.
    if (kind.normalize != nullptr) {
        kind.normalize(asset, Change{Occasion::Load, 0, blockRead});
    }
    return result;
}

} // namespace zx
