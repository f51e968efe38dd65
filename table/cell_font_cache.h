// The fonts of one table draw: each distinct cell font (name, height, weight, italic) is
// made once per draw and selected from then on. The destructor puts the device context's
// own font back and deletes every font made, so nothing outlives the draw.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

#include "engine/table_properties.h"

namespace gridcell {

class CellFontCache {
public:
    explicit CellFontCache(HDC dc) : dc_(dc) {}
    CellFontCache(const CellFontCache&) = delete;
    CellFontCache& operator=(const CellFontCache&) = delete;
    ~CellFontCache();

    // Selects the cell's font. A font that cannot be made leaves the font selected before.
    void select(const TableCell& cell);

    // How many fonts this draw made.
    size_t fontsMade() const { return fonts_.size(); }

private:
    struct Entry {
        std::string name;
        int32_t height;
        bool bold;
        bool italic;
        HFONT font;
    };

    const Entry* find(const TableCell& cell) const;

    HDC dc_;
    HGDIOBJ original_ = nullptr; // the DC's font before the first selection
    HFONT current_ = nullptr;
    std::vector<Entry> fonts_;
};

} // namespace gridcell
