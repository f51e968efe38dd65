// Picture entry choice and validation.
#include "engine/picture_entries.h"

namespace gridcell {

std::optional<int32_t> cellPicture(const TableProperties& t, const TableCell& cell) {
    if (cell.picture < 0 || cell.picture >= kMaxPictures || cell.picture >= t.pictureCount) {
        return std::nullopt;
    }
    return cell.picture;
}

std::optional<EntryChoice> importEntry(const TableProperties& t, const TableCell& cell) {
    if (const auto own = cellPicture(t, cell)) {
        return EntryChoice{*own, false};
    }
    if (t.pictureCount < 0 || t.pictureCount >= kMaxPictures) {
        return std::nullopt;
    }
    return EntryChoice{t.pictureCount, true};
}

void commitImport(TableProperties& t, TableCell& cell, const EntryChoice& choice) {
    cell.picture = choice.entry;
    if (choice.fresh) {
        t.pictureCount = choice.entry + 1;
    }
}

} // namespace gridcell
