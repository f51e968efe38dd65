// The table member through the host: properties and their redraw rules, the limit messages,
// cells out of range, the script methods, the saved block and the dialog.
#include <string>

#include "table_fixture.h"
#include "zxframe/result_codes.h"

using zxhost::Value;

TEST_F(TableThroughHost, NewMemberHasTheDefaults) {
    EXPECT_EQ(table->getProp("MaxRows").value, Value(10));
    EXPECT_EQ(table->getProp("MaxCols").value, Value(3));
    EXPECT_EQ(table->getProp("ActiveRow").value, Value(-1));
    EXPECT_EQ(table->getProp("ActiveCol").value, Value(-1));
    EXPECT_EQ(table->getProp("BackColor").value, Value(0xFFFFFF));
    EXPECT_EQ(table->getProp("TopRow").value, Value(1));
    EXPECT_EQ(table->getProp("MinWidth").value, Value(4));
    EXPECT_EQ(table->getProp("ColWidth").value, Value(70));
    EXPECT_EQ(table->getProp("RowHeight").value, Value(17));
    EXPECT_EQ(table->getProp("xFontName").value, Value("Arial"));
    EXPECT_EQ(table->getProp("xFontBold").value, Value(1));
    table->setProp("Row", Value(1));
    table->setProp("Col", Value(1));
    EXPECT_EQ(table->getProp("Text").value, Value(""));
    EXPECT_EQ(table->defaultRect(), (zxhost::Rect{-50, -10, 50, 10}));
    EXPECT_TRUE(outputs().empty());
}

TEST_F(TableThroughHost, WritesMarkTheMemberChangedByTheirOwnRule) {
    auto& sprite = host.addSprite(*table, {0, 0, 100, 20});
    sprite.idle();
    struct Case {
        const char* name;
        Value value;
        int32_t code;
        int32_t redraws;
    } cases[] = {
        {"Row", 2, 0, 0},      {"Col2", 2, 0, 0},         {"BlockMode", 0, 0, 0},
        {"MinWidth", 9, 0, 0}, {"ActiveRow", 5, 0, 0},    {"ActiveH", 5, 0, 0},
        {"CellType", 1, 0, 0}, {"PictureType", 1, 0, 0},  {"Nope", 1, zx::kUnknownProperty, 0},
        {"Text", "x", 0, 1},   {"BackColor", 0xFF, 0, 1}, {"TopRow", 2, 0, 1},
        {"Action", 12, 0, 1},  {"MaxRows", 12, 0, 1},     {"xFontName", "Courier", 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table->setProp(c.name, c.value), c.code) << c.name;
        EXPECT_EQ(sprite.idle(), c.redraws) << c.name;
    }
    EXPECT_EQ(table->getProp("ActiveRow").value, Value(-1)); // ignored
    EXPECT_EQ(table->getProp("Nope").code, zx::kUnknownProperty);
}

TEST_F(TableThroughHost, ActionAndTheTypePropertiesReadAsNothing) {
    table->setProp("Action", Value(12));
    for (const char* name : {"Action", "CellType", "PictureType"}) {
        const auto r = table->getProp(name);
        EXPECT_EQ(r.code, zx::kOk) << name;
        EXPECT_EQ(r.value, Value()) << name;
    }
}

TEST_F(TableThroughHost, LimitMessagesGoToTheHostsOutput) {
    table->setProp("MaxCols", Value(9));
    table->setProp("MaxRows", Value(99));
    EXPECT_TRUE(outputs().empty());
    table->setProp("MaxRows", Value(100));
    EXPECT_EQ(outputs(), std::vector<std::string>{"Gridcell - Too Many Cells - 100 Rows 9 Cols "});
    table->getProp("MaxCols"); // reads repeat the cell check
    table->getProp("MaxRows");
    EXPECT_EQ(outputs().size(), 2u);
    EXPECT_EQ(table->getProp("MaxRows").value, Value(100)); // kept as written
}

TEST_F(TableThroughHost, NineteenIsTheLastColumnAndTwoHundredRowsTheMost) {
    table->setProp("MaxRows", Value(49));
    table->setProp("MaxCols", Value(19));
    EXPECT_TRUE(outputs().empty());
    table->setProp("MaxCols", Value(20));
    EXPECT_EQ(outputs(), (std::vector<std::string>{"Gridcell - Too Many Cells - 49 Rows 20 Cols ",
                                                   "Gridcell - Too Many Cols - 49 Rows 20 Cols "}));
    table->setProp("MaxCols", Value(0));
    table->setProp("MaxRows", Value(200));
    EXPECT_EQ(outputs(), std::vector<std::string>{"Gridcell - Too Many Rows - 200 Rows 0 Cols "});
}

TEST_F(TableThroughHost, AddressesOutsideTheTableReadEmptyAndIgnoreWrites) {
    setText(2, 0, "first of row 2");
    for (auto [row, col] : {std::pair{1, 4}, {-1, 0}, {11, 0}, {0, -1}, {1 << 30, 1 << 30}}) {
        table->setProp("Row", Value(row));
        table->setProp("Col", Value(col));
        EXPECT_EQ(table->setProp("Text", Value("x")), zx::kOk);
        EXPECT_EQ(table->getProp("Text").value, Value(""));
        EXPECT_EQ(table->setProp("ColWidth", Value(5)), zx::kOk);
        EXPECT_EQ(table->setProp("RowHeight", Value(5)), zx::kOk);
        EXPECT_EQ(table->setProp("xFontSize", Value(40)), zx::kOk);
        EXPECT_EQ(table->getProp("xFontSize").value, Value(0));
        EXPECT_EQ(table->getProp("xFontName").value, Value(""));
        EXPECT_EQ(table->call("ImportPicture", {Value(1), row, col}).code, zx::kOk);
    }
    EXPECT_EQ(text(2, 0), "first of row 2"); // (1, 4) did not wrap into row 2
    table->setProp("Col", Value(3));
    table->setProp("Row", Value(10));
    EXPECT_EQ(table->getProp("ColWidth").value, Value(70));
    EXPECT_EQ(table->getProp("RowHeight").value, Value(17));
    EXPECT_EQ(table->getProp("xFontSize").value, Value(15));
}

TEST_F(TableThroughHost, TextsKeepFiftyNineCharacters) {
    const std::string longText(80, 'q');
    setText(1, 1, longText);
    EXPECT_EQ(text(1, 1), longText.substr(0, 59));
    table->setProp("Row", Value(1));
    table->setProp("Col", Value(2));
    table->setProp("Text", Value(longText));
    EXPECT_EQ(table->getProp("Text").value, Value(longText.substr(0, 59)));
    table->setProp("xFontName", Value(longText));
    EXPECT_EQ(table->getProp("xFontName").value, Value(longText.substr(0, 59)));
}

TEST_F(TableThroughHost, FontPropertiesReadTheAddressedCell) {
    table->setProp("Row", Value(2));
    table->setProp("Col", Value(1));
    table->setProp("xFontSize", Value(22));
    table->setProp("xFontItalic", Value(0x101));
    EXPECT_EQ(table->getProp("xFontSize").value, Value(22));
    EXPECT_EQ(table->getProp("xFontItalic").value, Value(1));
    table->setProp("Col", Value(2));
    EXPECT_EQ(table->getProp("xFontSize").value, Value(15));
    EXPECT_EQ(table->getProp("TypeHAlign").value, Value(0));
}

TEST_F(TableThroughHost, MethodsCheckTheirArgumentCounts) {
    EXPECT_EQ(table->call("GetTableText", {Value(1)}).code, zx::kTooFewArguments2);
    EXPECT_EQ(table->call("SetTableText", {Value(1), Value(1)}).code, zx::kTooFewArguments3);
    EXPECT_EQ(table->call("ImportPicture", {Value(1), Value(1)}).code, zx::kTooFewArguments3);
    EXPECT_EQ(table->call("DuplicatePicture", {1, 1, 1}).code, zx::kTooFewArguments4);
    EXPECT_EQ(table->call("Sort").code, zx::kUnknownCommand);
    setText(3, 2, "c");
    EXPECT_EQ(text(3, 2), "c");
    EXPECT_EQ(text(3, 9), "");
}

TEST_F(TableThroughHost, SuccessfulMethodsRedrawAndFailedOnesDoNot) {
    auto& sprite = host.addSprite(*table, {0, 0, 100, 20});
    sprite.idle();
    table->call("GetTableText", {Value(1)});
    EXPECT_EQ(sprite.idle(), 0);
    text(1, 1);
    EXPECT_EQ(sprite.idle(), 1);
}

TEST_F(TableThroughHost, SavedBlockIsNineHundredEightyBigEndianBytes) {
    table->setProp("MaxRows", Value(12));
    table->setProp("TextColor", Value(0x010203));
    table->setProp("xFontName", Value("Times New Roman"));
    table->setProp("Col", Value(2));
    table->setProp("ColWidth", Value(0x1234));
    table->setProp("Row", Value(11));
    table->setProp("RowHeight", Value(-2));
    EXPECT_EQ(table->savedSize(), 980);
    const auto bytes = table->save();
    ASSERT_EQ(bytes.size(), 980u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 16),
              (std::vector<uint8_t>{0, 0, 0, 12, 0, 0, 0, 3, 0, 0xFF, 0xFF, 0xFF, 0, 1, 2, 3}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[40])), "Times New Roman");
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 108, bytes.begin() + 112),
              (std::vector<uint8_t>{0, 0, 0x12, 0x34}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 180 + 44, bytes.begin() + 180 + 48),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE}));
    auto& copy = host.newMember("gridcell", "copy");
    EXPECT_EQ(copy.load(bytes), zx::kOk);
    EXPECT_EQ(copy.save(), bytes);
}

TEST_F(TableThroughHost, ThreeHundredRowsOfFourReloadAsTwoHundredFortyNine) {
    table->setProp("MaxRows", Value(300));
    const auto bytes = table->save();
    auto& copy = host.newMember("gridcell", "copy");
    copy.load(bytes);
    EXPECT_EQ(copy.getProp("MaxRows").value, Value(249));
    copy.setProp("Row", Value(199));
    copy.setProp("RowHeight", Value(30));
    EXPECT_EQ(copy.getProp("RowHeight").value, Value(30));
    copy.setProp("Row", Value(200)); // beyond the heights
    EXPECT_EQ(copy.getProp("RowHeight").value, Value(0));
}

TEST_F(TableThroughHost, EveryLoadFormatsAllCellsFromTheProperties) {
    table->setProp("Row", Value(1));
    table->setProp("Col", Value(1));
    table->setProp("xFontSize", Value(30)); // cell (1, 1) and the property
    table->setProp("Col", Value(2));
    table->setProp("BackColor", Value(0x00FF00));
    auto bytes = table->save();
    bytes.pop_back();
    EXPECT_EQ(table->load(bytes), zx::kOk); // wrong size: properties kept, cells reformatted
    table->setProp("Col", Value(3));
    EXPECT_EQ(table->getProp("xFontSize").value, Value(30));
    EXPECT_EQ(table->getProp("MaxRows").value, Value(10));
}

TEST_F(TableThroughHost, LoadedFontNameIsAlwaysTerminated) {
    auto bytes = table->save();
    for (int i = 40; i < 100; ++i) {
        bytes[i] = 'W';
    }
    table->load(bytes);
    EXPECT_EQ(table->getProp("xFontName").value, Value(std::string(59, 'W')));
}

TEST_F(TableThroughHost, DialogShowsThePropertiesAndOkSpreadsRowZeroAndColumnZero) {
    table->setProp("TypeHAlign", Value(2));
    table->setProp("BackColor", Value(0x30201));
    auto& sprite = host.addSprite(*table, {0, 0, 100, 20});
    sprite.idle();
    const auto outcome = table->dialog({{1000, int32_t{5000}},
                                        {1001, int32_t{4}},
                                        {1002, int32_t{20}},
                                        {1003, int32_t{50}},
                                        {1005, false},
                                        {1006, int32_t{300}},
                                        {1015, std::string("Courier New")},
                                        {1016, int32_t{12}},
                                        {1017, false},
                                        {1022, true},
                                        {1024, false}},
                                       true);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.shown.at(1000), zxhost::DialogValue(int32_t{10}));
    EXPECT_EQ(outcome.shown.at(1006), zxhost::DialogValue(int32_t{1}));
    EXPECT_EQ(outcome.shown.at(1008), zxhost::DialogValue(int32_t{3}));
    EXPECT_EQ(outcome.shown.at(1015), zxhost::DialogValue(std::string("Arial")));
    EXPECT_EQ(outcome.shown.at(1024), zxhost::DialogValue(true));
    EXPECT_EQ(outcome.shown.at(1017), zxhost::DialogValue(true));
    EXPECT_EQ(outcome.changeState, 2);
    EXPECT_EQ(sprite.idle(), 1);
    EXPECT_EQ(table->getProp("MaxRows").value, Value(5000)); // stored as typed
    EXPECT_EQ(table->getProp("DisplayColHeaders").value, Value(0));
    EXPECT_EQ(table->getProp("BackColor").value, Value(0x3022C));
    EXPECT_EQ(table->getProp("TypeHAlign").value, Value(0));
    table->setProp("Row", Value(199)); // 200 rows of 5 cells exist
    table->setProp("Col", Value(4));
    EXPECT_EQ(table->getProp("RowHeight").value, Value(20));
    EXPECT_EQ(table->getProp("ColWidth").value, Value(50));
    EXPECT_EQ(table->getProp("xFontName").value, Value("Courier New"));
    EXPECT_EQ(table->getProp("xFontBold").value, Value(0));
    EXPECT_EQ(table->getProp("xFontSize").value, Value(12));
}
