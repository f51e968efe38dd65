// The table sprite's drawing through the host: the bitmap's size and outline, cell edges,
// scrolling and headers, text alignment by measured widths, pictures in cells and their
// release, and a golden image.
#include <algorithm>

#include "golden_image.h"
#include "table_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

namespace {

constexpr uint32_t kStage = 0x808080;
constexpr uint32_t kGrid = 0xC0C0C0;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kInjected = static_cast<int32_t>(0x80040321u);

bool sameRect(const zx::HostRect& a, const zx::HostRect& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

class TableDrawing : public TableThroughHost {
protected:
    TableDrawing() {
        host.stage().setSize(320, 240);
        host.stage().setColor(kStage);
    }

    void setBlock(int32_t row, int32_t col, int32_t row2, int32_t col2, const char* property,
                  const Value& value) {
        table->setProp("BlockMode", Value(1));
        table->setProp("Row", Value(row));
        table->setProp("Col", Value(col));
        table->setProp("Row2", Value(row2));
        table->setProp("Col2", Value(col2));
        table->setProp(property, value);
        table->setProp("BlockMode", Value(0));
    }

    // The leftmost stage column between x0 and x1 (exclusive) whose pixels in rows y0..y1
    // differ from `paper`; -1 when there is none.
    int inkLeft(int x0, int x1, int y0, int y1, uint32_t paper) {
        for (int x = x0; x < x1; ++x) {
            for (int y = y0; y < y1; ++y) {
                if (host.stage().pixel(x, y) != paper) {
                    return x;
                }
            }
        }
        return -1;
    }

    int32_t fittedTextWidth(int32_t col) {
        table->setProp("Col", Value(col));
        table->setProp("Action", Value(51));
        return std::get<int32_t>(table->getProp("ColWidth").value.data) - 4;
    }
};

} // namespace

TEST_F(TableDrawing, DefaultTableInASmallSpriteShowsAHundredByTwentyBitmap) {
    host.addSprite(*table, {10, 10, 110, 30});
    host.stage().render();
    const auto& stage = host.stage();
    EXPECT_EQ(stage.pixel(10, 10), 0u);  // outline
    EXPECT_EQ(stage.pixel(109, 29), 0u); // outline, last column and row of the bitmap
    EXPECT_EQ(stage.pixel(110, 20), kStage);
    EXPECT_EQ(stage.pixel(10, 30), kStage);
    EXPECT_EQ(stage.pixel(40, 18), kWhite);      // header cell (0, 0)
    EXPECT_EQ(stage.pixel(10 + 69, 18), kGrid);  // its right edge
    EXPECT_EQ(stage.pixel(10 + 70, 18), kGrid);  // the next cell's left edge
    EXPECT_EQ(stage.pixel(40, 10 + 16), kGrid);  // bottom edge of row 0
    EXPECT_EQ(stage.pixel(40, 10 + 17), kGrid);  // top edge of row 1
    EXPECT_EQ(stage.pixel(40, 10 + 18), kWhite); // row 1, partly shown
}

TEST_F(TableDrawing, LastColumnIsCutAtTheSpritesEdge) {
    setBlock(0, 3, 10, 3, "BackColor", Value(0x0000FF));
    host.addSprite(*table, {0, 0, 250, 100});
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(230, 45), 0x0000FFu);
    EXPECT_EQ(host.stage().pixel(249, 50), 0u);
    EXPECT_EQ(host.stage().pixel(250, 50), kStage);
}

TEST_F(TableDrawing, TopRowScrollsRowsAwayBelowTheHeader) {
    setBlock(1, 0, 2, 3, "BackColor", Value(0x00FF00));
    setBlock(3, 0, 3, 3, "BackColor", Value(0xFF0000));
    table->setProp("TopRow", Value(3));
    host.addSprite(*table, {0, 0, 280, 200});
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(100, 8), kWhite);     // header row
    EXPECT_EQ(host.stage().pixel(100, 25), 0xFF0000u); // row 3 right below it
    EXPECT_EQ(host.stage().pixel(100, 42), kWhite);    // row 4
    // Rows 1 and 2 appear nowhere; the table is 8 rows high and the rest is stage.
    for (int y = 0; y < 200; ++y) {
        ASSERT_NE(host.stage().pixel(100, y), 0x00FF00u) << y;
    }
    EXPECT_EQ(host.stage().pixel(100, 17 * 9 + 2), kStage);
}

TEST_F(TableDrawing, HiddenHeadersLeaveTheDataAtTheCorner) {
    setBlock(1, 1, 1, 1, "BackColor", Value(0xFF0000));
    table->setProp("DisplayColHeaders", Value(0));
    table->setProp("DisplayRowHeaders", Value(0));
    host.addSprite(*table, {0, 0, 280, 200});
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(30, 8), 0xFF0000u);
    EXPECT_EQ(host.stage().pixel(3 * 70 - 1, 50), 0u); // three columns wide
    EXPECT_EQ(host.stage().pixel(3 * 70, 50), kStage);
}

TEST_F(TableDrawing, TextsAreAlignedByTheirMeasuredWidths) {
    for (int32_t row : {1, 2, 3}) {
        setText(row, 1, "Wg 42");
    }
    setBlock(2, 1, 2, 1, "TypeHAlign", Value(1));
    setBlock(3, 1, 3, 1, "TypeHAlign", Value(2));
    setBlock(4, 1, 4, 1, "TypeHAlign", Value(3)); // no text drawn
    setText(4, 1, "Wg 42");
    host.addSprite(*table, {0, 0, 280, 200});
    host.stage().render();
    const int width = fittedTextWidth(1);
    ASSERT_GT(width, 10);
    // The same glyphs at three places: ink offsets from each text's own left edge agree.
    const int left = inkLeft(71, 139, 18, 33, kWhite) - (70 + 1);
    const int right = inkLeft(71, 139, 35, 50, kWhite) - (140 - 1 - width);
    const int centre = inkLeft(71, 139, 52, 67, kWhite) - ((70 + 140) / 2 - width / 2);
    EXPECT_EQ(right, left);
    EXPECT_EQ(centre, left);
    EXPECT_EQ(inkLeft(71, 139, 69, 84, kWhite), -1);
}

TEST_F(TableDrawing, ClearedTextNoLongerWidensItsColumn) {
    setText(2, 2, "a rather long text");
    auto& sprite = host.addSprite(*table, {0, 0, 280, 200});
    sprite.draw();
    EXPECT_GT(fittedTextWidth(2), 40);
    setText(2, 2, "");
    sprite.draw();
    EXPECT_EQ(fittedTextWidth(2), 0);
}

TEST_F(TableDrawing, DrawRestoresTheDeviceContext) {
    setText(1, 1, "one");
    setBlock(2, 1, 2, 1, "xFontName", Value("Times New Roman"));
    setText(2, 1, "two");
    auto& sprite = host.addSprite(*table, {0, 0, 280, 200});
    HDC dc = host.stage().dc();
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const int rop = GetROP2(dc), bk = GetBkMode(dc);
    const UINT align = GetTextAlign(dc);
    EXPECT_EQ(sprite.draw(), zx::kOk);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetROP2(dc), rop);
    EXPECT_EQ(GetBkMode(dc), bk);
    EXPECT_EQ(GetTextAlign(dc), align);
}

TEST_F(TableDrawing, ThumbnailIsStretchedOverTheRectangle) {
    EXPECT_EQ(table->drawThumbnail(host.stage().dc(), {0, 0, 96, 64}), zx::kOk);
    EXPECT_EQ(host.stage().pixel(0, 0), 0xC0C0C0u); // the thumbnail's backdrop
    EXPECT_EQ(host.hooks().records.beginResources, host.hooks().records.endResources);
}

TEST_F(TableDrawing, ContextsThatAreNotDeviceContextsDrawNothing) {
    auto& sprite = host.addSprite(*table, {0, 0, 100, 20});
    host.stage().render();
    table->setProp("BackColor", Value(0x0000FF)); // not a block: cell (0, 0)
    EXPECT_EQ(sprite.draw(nullptr, 0), zx::kOk);
    EXPECT_EQ(sprite.draw(nullptr, 4), zx::kOk);
    EXPECT_EQ(host.stage().pixel(30, 8), kWhite);
}

TEST_F(TableDrawing, HugeAndNegativeSizesDraw) {
    table->setProp("Col", Value(1));
    table->setProp("ColWidth", Value(0x7FFFFFFF));
    table->setProp("Row", Value(2));
    table->setProp("RowHeight", Value(-50));
    table->setProp("MaxRows", Value(1 << 30));
    table->setProp("MaxCols", Value(1 << 30));
    auto& sprite = host.addSprite(*table, {0, 0, 300, 200});
    EXPECT_EQ(sprite.draw(), zx::kOk);
    table->setProp("MaxCols", Value(-3));
    EXPECT_EQ(sprite.draw(), zx::kOk);
}

TEST_F(TableDrawing, PicturesAreCentredInTheirCellsAndShared) {
    auto& red = host.newBitmapMemberFromBytes("red", zxtest::solidBmpFile(10, 6, 0x0000FF));
    EXPECT_EQ(table->call("ImportPicture", {Value(red.ref()), 2, 1}).code, zx::kOk);
    EXPECT_EQ(table->call("DuplicatePicture", {2, 1, 3, 2}).code, zx::kOk);
    host.addSprite(*table, {10, 10, 300, 210});
    host.stage().render();
    const auto& calls = host.hooks().records.drawPictures;
    ASSERT_EQ(calls.size(), 2u);
    // Cell (2, 1) is (70, 34)-(140, 51): the box is (10 + 70 + 10 + 140 - 10) / 2 = 110 ...
    EXPECT_TRUE(sameRect(calls[0].destination, zx::HostRect{49, 110, 55, 120}));
    EXPECT_TRUE(sameRect(calls[1].destination, zx::HostRect{66, 180, 72, 190}));
    EXPECT_EQ(host.stage().pixel(115, 52), 0x0000FFu);
    EXPECT_EQ(host.stage().pixel(185, 69), 0x0000FFu);
    // A new picture in the shared entry shows in both cells.
    auto& blue = host.newBitmapMemberFromBytes("blue", zxtest::solidBmpFile(4, 4, 0xFF0000));
    EXPECT_EQ(table->call("ImportPicture", {Value(blue.ref()), 3, 2}).code, zx::kOk);
    host.stage().render();
    EXPECT_EQ(host.stage().pixel(115, 52), 0xFF0000u);
    EXPECT_EQ(host.stage().pixel(111, 50), kWhite);
    host.deleteMember(*table);
    EXPECT_EQ(host.liveHandles(), 0);
}

TEST_F(TableDrawing, PicturesOutsideTheShownTableAreNotDrawn) {
    auto& red = host.newBitmapMemberFromBytes("red", zxtest::solidBmpFile(30, 30, 0x0000FF));
    table->call("ImportPicture", {Value(red.ref()), 5, 1});
    table->call("DuplicatePicture", {5, 1, 1, 1});
    host.addSprite(*table, {0, 0, 280, 30});
    host.stage().render();
    const auto& calls = host.hooks().records.drawPictures;
    ASSERT_EQ(calls.size(), 1u); // row 5 lies below the sprite
    // Cell (1, 1)'s 30-pixel picture is cut at the sprite's bottom.
    EXPECT_TRUE(sameRect(calls[0].destination, zx::HostRect{10, 90, 30, 120}));
    EXPECT_TRUE(sameRect(calls[0].source, zx::HostRect{0, 0, 20, 30}));
    EXPECT_EQ(host.stage().pixel(100, 31), kStage);
}

TEST_F(TableDrawing, TwentyEntriesAtMostAndAFullImportChangesNothing) {
    auto& red = host.newBitmapMemberFromBytes("red", zxtest::solidBmpFile(2, 2, 0x0000FF));
    auto& sprite = host.addSprite(*table, {0, 0, 280, 200});
    for (int32_t i = 0; i < 20; ++i) {
        ASSERT_EQ(table->call("ImportPicture", {Value(red.ref()), 1 + i / 3, 1 + i % 3}).code, 0);
    }
    EXPECT_EQ(host.liveHandles(), 20);
    sprite.idle();
    EXPECT_EQ(table->call("ImportPicture", {Value(red.ref()), 9, 1}).code, zx::kOk);
    EXPECT_EQ(sprite.idle(), 0);
    EXPECT_EQ(host.liveHandles(), 20);
    // A cell with an entry still takes a new picture into it.
    EXPECT_EQ(table->call("ImportPicture", {Value(red.ref()), 1, 1}).code, zx::kOk);
    EXPECT_EQ(host.liveHandles(), 20);
    host.deleteMember(*table);
    EXPECT_EQ(host.liveHandles(), 0);
}

TEST_F(TableDrawing, FailedImportKeepsTheEntryFree) {
    host.hooks().failAt(zxhost::fault::kMemberFill, zxhost::FaultRule{1, kInjected});
    auto& red = host.newBitmapMemberFromBytes("red", zxtest::solidBmpFile(2, 2, 0x0000FF));
    EXPECT_EQ(table->call("ImportPicture", {Value(red.ref()), 1, 1}).code, kInjected);
    EXPECT_EQ(table->call("ImportPicture", {Value(red.ref()), 1, 2}).code, zx::kOk);
    host.addSprite(*table, {0, 0, 280, 200});
    host.stage().render();
    ASSERT_EQ(host.hooks().records.drawPictures.size(), 1u);
    EXPECT_EQ(host.hooks().records.drawPictures[0].destination.left, (140 + 210 - 2) / 2);
}

TEST_F(TableDrawing, GoldenTimetable) {
    host.stage().setSize(300, 130);
    table->setProp("MaxRows", Value(5));
    table->setProp("MaxCols", Value(3));
    const char* days[] = {"", "Mon", "Tue", "Wed"};
    const char* hours[] = {"", "08:00", "09:30", "11:00", "13:30", "15:00"};
    for (int32_t c = 0; c <= 3; ++c) {
        setText(0, c, days[c]);
    }
    for (int32_t r = 1; r <= 5; ++r) {
        setText(r, 0, hours[r]);
        setText(r, 1, std::to_string(r * 7));
        setText(r, 2, "Room " + std::to_string(100 + r));
        setText(r, 3, r % 2 != 0 ? "Lab" : "");
    }
    setBlock(0, 0, 0, 3, "BackColor", Value(0x804000));
    setBlock(0, 0, 0, 3, "TextColor", Value(0xFFFFFF));
    setBlock(1, 0, 5, 0, "BackColor", Value(0xE0E0FF));
    setBlock(1, 0, 5, 0, "xFontBold", Value(0));
    setBlock(1, 1, 5, 1, "TypeHAlign", Value(1));
    setBlock(1, 2, 5, 2, "TypeHAlign", Value(2));
    setBlock(1, 2, 5, 2, "xFontName", Value("Times New Roman"));
    setBlock(1, 2, 5, 2, "xFontBold", Value(0));
    setBlock(2, 1, 3, 2, "BackColor", Value(0xC0FFC0));
    setBlock(3, 3, 3, 3, "xFontItalic", Value(1));
    auto& red = host.newBitmapMemberFromBytes("red", zxtest::solidBmpFile(12, 8, 0x2020CC));
    table->call("ImportPicture", {Value(red.ref()), 2, 3});
    table->call("DuplicatePicture", {2, 3, 4, 3});
    host.addSprite(*table, {5, 5, 295, 125});
    host.stage().render();
    EXPECT_EQ(compareWithGolden(host.stage(), "table_timetable"), "");
}
