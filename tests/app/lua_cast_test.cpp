// Members in scripts: creation, lookup, properties, commands, saved blocks, the dialog.
#include "script_fixture.h"

#include <fstream>

TEST_F(ScriptTest, NewMemberIsFoundByNameAndListed) {
    run(R"(
        local m = cast.new("tallydisc", "odo")
        same = cast.get("odo") == m
        missing = cast.get("nothing") == nil
        count = #cast.list()
        name, kind = m:name(), m:kind()
    )");
    EXPECT_EQ(integer("count"), 1);
    EXPECT_EQ(text("name"), "odo");
    EXPECT_EQ(text("kind"), "tallydisc");
    run("assert(same and missing)");
}

TEST_F(ScriptTest, UnknownKindAndDuplicateNameRaiseAtTheScriptLine) {
    EXPECT_EQ(errorOf("\ncast.new('nokind', 'a')"), "test.lua:2: cast.new: unknown kind 'nokind'");
    EXPECT_EQ(errorOf("cast.new('tallydisc', 'a')\ncast.new('tallydisc', 'a')"),
              "test.lua:2: cast.new: a member named 'a' exists already");
}

TEST_F(ScriptTest, PropertiesReadBackWithTheirTypes) {
    run(R"(
        local m = cast.new("tallydisc", "odo")
        m.Value = 12.5
        m.DigitsLeft = 5
        m.BackColorLeft = 0x123456
        value, digits, color = m.Value, m.DigitsLeft, m.BackColorLeft
        int_value = math.type(m.Value)
        m.Value = 7          -- an integer where a float is stored
        seven = m.Value
    )");
    EXPECT_EQ(number("value"), 12.5);
    EXPECT_EQ(integer("digits"), 5);
    EXPECT_EQ(integer("color"), 0x123456);
    EXPECT_EQ(text("int_value"), "float");
    EXPECT_EQ(number("seven"), 7.0);
}

TEST_F(ScriptTest, FailedPropertyReadCarriesTheHexCode) {
    EXPECT_EQ(errorOf("local m = cast.new('tallydisc', 'c')\nprint(m.Nope)"),
              "test.lua:2: GetProp 'Nope' failed: 0x800407D5");
}

TEST_F(ScriptTest, SetAndGetReturnCodesInsteadOfRaising) {
    run(R"(
        local m = cast.new("tallydisc", "c")
        set_code = m:set("Anything", 1)      -- the counter ignores unknown names
        v, get_code = m:get("Nope")
        d, ok_code = m:get("DigitsLeft")
    )");
    EXPECT_EQ(integer("set_code"), 0);
    EXPECT_EQ(integer("get_code"), 0x800407D5);
    EXPECT_EQ(integer("ok_code"), 0);
    EXPECT_EQ(integer("d"), 3);
    run("assert(v == nil)");
}

TEST_F(ScriptTest, CallRaisesAndTryCallReturnsTheCode) {
    run(R"(
        local m = cast.new("tallydisc", "c")
        r1, four = m:try_call("FourArgs", 1)
        r2, bad = m:try_call("BadParam")
        r3, unknown = m:try_call("Whatever")
    )");
    EXPECT_EQ(integer("four"), 0x800407E4);
    EXPECT_EQ(integer("bad"), 0x80040001);
    EXPECT_EQ(integer("unknown"), 0x800407DF);
    EXPECT_EQ(errorOf("local m = cast.new('tallydisc', 'd')\nm:call('Spin', 1, 2.5, 'x')"),
              "test.lua:2: CallFunction 'Spin' failed: 0x800407DF");
}

TEST_F(ScriptTest, SavedBytesLoadIntoAnotherMember) {
    run(R"(
        local a = cast.new("tallydisc", "a")
        a.Value = -7.125
        a.DigitsRight = 2
        a.ForeColorRight = 0x00FF00
        bytes = a:save()
        local b = cast.new("tallydisc", "b")
        b:load(bytes)
        value, right, fore = b.Value, b.DigitsRight, b.ForeColorRight
        -- A block one byte short is ignored: the defaults stay.
        local c = cast.new("tallydisc", "c")
        c:load(bytes:sub(1, 39))
        short_right = c.DigitsRight
    )");
    EXPECT_EQ(text("bytes").size(), 40u);
    EXPECT_EQ(number("value"), -7.125);
    EXPECT_EQ(integer("right"), 2);
    EXPECT_EQ(integer("fore"), 0x00FF00);
    EXPECT_EQ(integer("short_right"), 0);
}

TEST_F(ScriptTest, DialogReturnsShownValuesAndAppliesOnlyOnOk) {
    run(R"(
        local m = cast.new("tallydisc", "c")
        shown = m:dialog({[1000] = 5, [1014] = "2.5"}, "ok")
        left_shown, value_shown = shown[1000], shown[1014]
        after_ok = m.DigitsLeft
        m:dialog({[1000] = 9}, "cancel")
        after_cancel = m.DigitsLeft
    )");
    EXPECT_EQ(integer("left_shown"), 3);
    EXPECT_EQ(text("value_shown"), "0.000000");
    EXPECT_EQ(integer("after_ok"), 5);
    EXPECT_EQ(integer("after_cancel"), 5);
    EXPECT_NE(
        errorOf("cast.new('tallydisc', 'x'):dialog({}, 'maybe')").find("\"ok\" or \"cancel\""),
        std::string::npos);
}

TEST_F(ScriptTest, ValuesWithoutHostFormAreRefused) {
    EXPECT_EQ(errorOf("local m = cast.new('tallydisc', 'c')\nm.Value = {a = 1}"),
              "test.lua:2: property Value: a table must be a rectangle {left=, top=, right=, "
              "bottom=} or a list");
    EXPECT_EQ(errorOf("local m = cast.new('tallydisc', 'd')\nm.Value = 1 << 40"),
              "test.lua:2: property Value: integer 1099511627776 does not fit 32 bits");
    EXPECT_EQ(errorOf("local t = {}\nt[1] = t\ncast.new('tallydisc', 'e').Value = t"),
              "test.lua:3: property Value: lists nest more than 32 deep");
}

namespace {

// A 2 x 2 24-bit BMP file.
void writeBmp(const std::filesystem::path& path) {
    std::string bmp(70, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 70);
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    bmp[26] = 1;
    bmp[28] = 24;
    put32(34, 16);
    for (size_t i = 54; i < 70; ++i) {
        bmp[i] = static_cast<char>(0x80);
    }
    std::ofstream(path, std::ios::binary) << bmp;
}

} // namespace

TEST_F(ScriptTest, BitmapMembersComeFromFilesBesideTheScript) {
    writeBmp(dir_ / "keys.bmp");
    run(R"(
        local b = cast.bitmap("keys", "keys.bmp")
        kind = b:kind()
    )");
    EXPECT_EQ(text("kind"), "bitmap");
    // A bitmap member has no properties: the failed write carries the host's code.
    EXPECT_EQ(errorOf("cast.get('keys').Width = 3"),
              "test.lua:1: SetProp 'Width' failed: 0x800407D5");
    const std::string missing = errorOf("cast.bitmap('other', 'absent.bmp')");
    EXPECT_EQ(missing.rfind("test.lua:1: ", 0), 0u) << missing;
    EXPECT_NE(missing.find("absent.bmp"), std::string::npos) << missing;
}
