// Cell fonts made once per draw and deleted when it ends.
#include "cell_font_cache.h"

#include <cstring>
#include <utility>

namespace gridcell {
namespace {

// The cell's name up to its terminator (or the whole buffer).
std::string fontNameOf(const TableCell& cell) {
    return std::string(cell.fontName, strnlen(cell.fontName, sizeof cell.fontName));
}

} // namespace

CellFontCache::~CellFontCache() {
    if (original_ != nullptr) {
        SelectObject(dc_, original_);
    }
    for (const Entry& entry : fonts_) {
        if (entry.font != nullptr) {
            DeleteObject(entry.font);
        }
    }
}

const CellFontCache::Entry* CellFontCache::find(const TableCell& cell) const {
    const bool bold = cell.bold != 0;
    const bool italic = cell.italic != 0;
    for (const Entry& entry : fonts_) {
        if (entry.height == cell.fontHeight && entry.bold == bold && entry.italic == italic &&
            entry.name.compare(0, std::string::npos, cell.fontName,
                               strnlen(cell.fontName, sizeof cell.fontName)) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

void CellFontCache::select(const TableCell& cell) {
    const Entry* known = find(cell);
    HFONT font = known != nullptr ? known->font : nullptr;
    if (known == nullptr) {
        Entry entry{fontNameOf(cell), cell.fontHeight, cell.bold != 0, cell.italic != 0, nullptr};
        entry.font =
            CreateFontA(entry.height, 0, 0, 0, entry.bold ? FW_BOLD : FW_NORMAL,
                        entry.italic ? TRUE : FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, entry.name.c_str());
        font = entry.font;
        // A font that failed is remembered too, so that it is not asked for again.
        fonts_.push_back(std::move(entry));
    }
    if (font == nullptr || font == current_) {
        return;
    }
    HGDIOBJ previous = SelectObject(dc_, font);
    if (original_ == nullptr) {
        original_ = previous;
    }
    current_ = font;
}

} // namespace gridcell
