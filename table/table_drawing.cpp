// The table sprite's Draw: the layout, then every visible cell (grey-edged background, text
// in the cell's own font, colour and alignment, its measured width kept for Action 51) into
// an off-screen bitmap no larger than the sprite or the table, the bitmap's black outline,
// one copy to the stage, and finally the cells' pictures through the host.
#include <algorithm>
#include <cstring>

#include "cell_font_cache.h"
#include "engine/cell_access.h"
#include "engine/picture_entries.h"
#include "engine/table_layout.h"
#include "table_block.h"
#include "table_sprite_state.h"
#include "zxplugin/gdi_guards.h"

namespace gridcell {
namespace {

constexpr COLORREF kGridColor = 0xC0C0C0;

// One solid brush at a time, made again only when the colour changes: neighbouring cells
// mostly share their background.
class CellBrush {
public:
    explicit CellBrush(HDC dc) : dc_(dc) {}
    CellBrush(const CellBrush&) = delete;
    CellBrush& operator=(const CellBrush&) = delete;
    ~CellBrush() { release(); }

    void select(COLORREF color) {
        if (brush_ != nullptr && color == color_) {
            return;
        }
        HBRUSH fresh = CreateSolidBrush(color);
        if (fresh == nullptr) {
            return;
        }
        HGDIOBJ previous = SelectObject(dc_, fresh);
        if (original_ == nullptr) {
            original_ = previous;
        }
        if (brush_ != nullptr) {
            DeleteObject(brush_);
        }
        brush_ = fresh;
        color_ = color;
    }

private:
    void release() {
        if (original_ != nullptr) {
            SelectObject(dc_, original_);
        }
        if (brush_ != nullptr) {
            DeleteObject(brush_);
        }
    }

    HDC dc_;
    HGDIOBJ original_ = nullptr;
    HBRUSH brush_ = nullptr;
    COLORREF color_ = 0;
};

int clampToInt(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// The text of a cell: measured (the width is what Action 51 fits a column to), then placed
// by the cell's alignment one pixel inside its edge. Other alignments draw no text. An
// empty text measures 0, so that a cleared cell no longer widens its column.
void drawCellText(HDC dc, TableCell& cell, CellFontCache& fonts) {
    const int length = static_cast<int>(strnlen(cell.text, sizeof cell.text));
    if (length == 0) {
        cell.textWidth = 0;
        return;
    }
    fonts.select(cell);
    SetTextColor(dc, cell.textColor);
    SIZE extent{};
    GetTextExtentPoint32A(dc, cell.text, length, &extent);
    cell.textWidth = extent.cx;
    const CellRect& r = cell.rect;
    switch (cell.alignment) {
    case kAlignLeft:
        SetTextAlign(dc, TA_LEFT | TA_TOP);
        TextOutA(dc, clampToInt(int64_t{r.x} + 1), clampToInt(int64_t{r.y} + 1), cell.text, length);
        break;
    case kAlignRight:
        SetTextAlign(dc, TA_RIGHT | TA_TOP);
        TextOutA(dc, clampToInt(int64_t{r.right} - 1), clampToInt(int64_t{r.y} + 1), cell.text,
                 length);
        break;
    case kAlignCentre:
        SetTextAlign(dc, TA_CENTER | TA_TOP);
        TextOutA(dc, clampToInt((int64_t{r.x} + r.right) / 2), clampToInt(int64_t{r.y} + 1),
                 cell.text, length);
        break;
    default:
        break;
    }
}

void drawCells(HDC dc, TableProperties& t) {
    zx::ScopedBkMode background(dc, TRANSPARENT);
    zx::ScopedTextAlign align(dc, TA_LEFT | TA_TOP);
    zx::ScopedTextColor textColor(dc, 0);
    zx::GdiObject<HPEN> grid(CreatePen(PS_SOLID, 1, kGridColor));
    zx::Selection gridSelected(dc, grid.get());
    CellBrush brush(dc);
    CellFontCache fonts(dc);
    const std::vector<int32_t> columns = visibleColumns(t);
    for (int32_t r : visibleRows(t)) {
        for (int32_t c : columns) {
            TableCell* cell = cellAt(t, r, c);
            if (cell == nullptr) {
                continue;
            }
            brush.select(cell->backColor);
            Rectangle(dc, cell->rect.x, cell->rect.y, cell->rect.right, cell->rect.bottom);
            drawCellText(dc, *cell, fonts);
        }
    }
}

// Each visible cell's picture, centred on the cell, cut to the part of the table that was
// drawn so that no picture spills over the stage beyond the sprite.
void drawPictures(zx::DrawContext* context, TableBlock& block, const zx::DrawRecord& record,
                  const RECT& shown) {
    TableProperties& t = block.table;
    const int64_t left = record.words[1];
    const int64_t top = record.words[0];
    const std::vector<int32_t> columns = visibleColumns(t);
    for (int32_t r : visibleRows(t)) {
        for (int32_t c : columns) {
            const TableCell* cell = cellAt(t, r, c);
            const auto entry = cell != nullptr ? cellPicture(t, *cell) : std::nullopt;
            if (!entry || !block.pictures[*entry].hasValue) {
                continue;
            }
            const zx::Picture& picture = block.pictures[*entry];
            const RECT size = zx::pictureRect(picture);
            const int64_t width = size.right - size.left;
            const int64_t height = size.bottom - size.top;
            const int64_t boxLeft = (left + cell->rect.x + left + cell->rect.right - width) / 2;
            const int64_t boxTop = (top + cell->rect.y + top + cell->rect.bottom - height) / 2;
            const int64_t cutLeft = std::max<int64_t>(boxLeft, shown.left);
            const int64_t cutTop = std::max<int64_t>(boxTop, shown.top);
            const int64_t cutRight = std::min<int64_t>(boxLeft + width, shown.right);
            const int64_t cutBottom = std::min<int64_t>(boxTop + height, shown.bottom);
            if (cutRight <= cutLeft || cutBottom <= cutTop) {
                continue;
            }
            const zx::HostRect destination{clampToInt(cutTop), clampToInt(cutLeft),
                                           clampToInt(cutBottom), clampToInt(cutRight)};
            const zx::HostRect source{clampToInt(cutTop - boxTop), clampToInt(cutLeft - boxLeft),
                                      clampToInt(cutBottom - boxTop),
                                      clampToInt(cutRight - boxLeft)};
            context->ops->drawPicture(context, &destination, &picture.value, &source,
                                      record.words[zx::kDrawInk], &record.words[zx::kDrawInkParams],
                                      0);
        }
    }
}

} // namespace

zx::Result drawTable(zx::ActorRecord& actor, const zx::DrawRecord& record, HDC dc,
                     zx::DrawContext* context) {
    TableBlock& block = zx::blockOf<TableBlock>(*zx::linkedAsset(actor));
    TableProperties& t = block.table;
    SpriteState& sprite = Sprite::of(actor);
    sprite = SpriteState{record.words[0], record.words[1], record.words[2], record.words[3]};
    const TableLayout layout = layOut(t);
    storeCellRects(t, layout);

    zx::ScopedRop2 rop(dc, R2_COPYPEN);
    zx::ScopedBkMode background(dc, TRANSPARENT);
    zx::ScopedTextAlign align(dc, TA_LEFT | TA_TOP);

    const int64_t spriteWidth = int64_t{sprite.right} - sprite.left;
    const int64_t spriteHeight = int64_t{sprite.bottom} - sprite.top;
    const int width = clampToInt(std::min<int64_t>(spriteWidth, layout.width));
    const int height = clampToInt(std::min<int64_t>(spriteHeight, layout.height));
    {
        zx::OffscreenSurface surface(dc, width, height);
        if (!surface) {
            return zx::kOk; // nothing of the table fits: no bitmap, no cells, no pictures
        }
        drawCells(surface.dc(), t);
        {
            zx::Selection pen(surface.dc(), GetStockObject(BLACK_PEN));
            zx::Selection brush(surface.dc(), GetStockObject(NULL_BRUSH));
            Rectangle(surface.dc(), 0, 0, width, height);
        }
        BitBlt(dc, sprite.left, sprite.top, width, height, surface.dc(), 0, 0, SRCCOPY);
    }
    if (t.pictureCount > 0 && context != nullptr) {
        const RECT shown{sprite.left, sprite.top, clampToInt(int64_t{sprite.left} + width),
                         clampToInt(int64_t{sprite.top} + height)};
        drawPictures(context, block, record, shown);
    }
    return zx::kOk;
}

} // namespace gridcell
