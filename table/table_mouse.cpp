// A press on a data cell of a table sprite makes it the active and the addressed cell. The
// press is placed against the sprite's rectangle of the last draw. Nothing is redrawn for
// it, and the press is never reported as handled.
#include <algorithm>

#include "engine/table_layout.h"
#include "table_block.h"
#include "table_sprite_state.h"

namespace gridcell {
namespace {

int32_t offset(int32_t position, int32_t origin) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{position} - origin, INT32_MIN, INT32_MAX));
}

} // namespace

zx::Result handleTableEvent(zx::ActorRecord& actor, const zx::EventRecord& event,
                            int32_t* handled) {
    *handled = 0;
    zx::AssetRecord* asset = zx::linkedAsset(actor);
    if (event.words[0] != zx::event::kMouseDown || asset == nullptr) {
        return zx::kOk;
    }
    const SpriteState& sprite = Sprite::of(actor);
    TableProperties& t = tableOf(*asset);
    const auto hit =
        hitCell(t, offset(event.words[3], sprite.left), offset(event.words[2], sprite.top));
    if (hit) {
        t.activeRow = t.row = hit->row;
        t.activeCol = t.col = hit->column;
    }
    return zx::kOk;
}

} // namespace gridcell
