// The member's twenty picture entries: which entry an imported picture goes to, and which
// entry a cell shows. Entries are taken in order and only given up with the member; a cell
// that already shows an entry has that entry's picture replaced (and so does every cell that
// shares it through DuplicatePicture).
#pragma once

#include <cstdint>
#include <optional>

#include "engine/table_properties.h"

namespace gridcell {

struct EntryChoice {
    int32_t entry;
    bool fresh; // a new entry: the picture count grows when the import succeeds
};

// The entry for a picture imported into `cell`: the cell's own entry when it has a valid
// one, else the next free entry; none when all twenty are in use.
std::optional<EntryChoice> importEntry(const TableProperties& table, const TableCell& cell);

// Records a successful import: the cell shows the entry, a fresh entry is counted.
void commitImport(TableProperties& table, TableCell& cell, const EntryChoice& choice);

// The entry a cell shows, or none; an index outside 0..19 (or beyond the entries in use)
// shows nothing.
std::optional<int32_t> cellPicture(const TableProperties& table, const TableCell& cell);

} // namespace gridcell
