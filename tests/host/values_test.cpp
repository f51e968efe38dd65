#include <cmath>
#include <cstring>
#include <limits>

#include "host_fixture.h"
#include "zxframe/result_codes.h"

namespace {

struct Values : ::testing::Test {
    zxhost::Host host;
    zx::HostUtilities* u = host.utilities();
};

TEST_F(Values, ValueToStringCopiesAtMostCapacityAndAlwaysTerminates) {
    zx::HostValue v{};
    ASSERT_EQ(u->ops->stringToValue(u, "abcdefgh", &v), 0);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_EQ(u->ops->valueToString(u, &v, buffer, 4), 0);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(buffer[5], 'x'); // nothing written past capacity + 1
    ASSERT_EQ(u->ops->valueToString(u, &v, buffer, 0), 0);
    EXPECT_STREQ(buffer, "");
    u->ops->releaseValue(u, &v);
    EXPECT_EQ(host.liveValues(), 0);
}

TEST_F(Values, NumbersAndVoidConvertToText) {
    char buffer[32];
    zx::HostValue i{}, f{}, nothing{};
    u->ops->integerToValue(u, -42, &i);
    u->ops->floatToValue(u, 2.5, &f);
    u->ops->valueToString(u, &i, buffer, 31);
    EXPECT_STREQ(buffer, "-42");
    u->ops->valueToString(u, &f, buffer, 31);
    EXPECT_STREQ(buffer, "2.5");
    u->ops->valueToString(u, &nothing, buffer, 31);
    EXPECT_STREQ(buffer, "");
    u->ops->releaseValue(u, &f);
}

TEST_F(Values, IntegerAndFloatReadersAcceptBothKinds) {
    zx::HostValue i{}, f{};
    u->ops->integerToValue(u, 7, &i);
    u->ops->floatToValue(u, -7.9, &f);
    double d = 0;
    EXPECT_EQ(u->ops->valueToFloat(u, &i, &d), 0);
    EXPECT_EQ(d, 7.0);
    int32_t n = 0;
    EXPECT_EQ(u->ops->valueToInteger(u, &f, &n), 0);
    EXPECT_EQ(n, -7); // truncation toward zero
    u->ops->releaseValue(u, &f);
}

TEST_F(Values, FailedConversionsLeaveTheOutputUntouched) {
    zx::HostValue text{}, nan{}, huge{};
    u->ops->stringToValue(u, "12", &text);
    u->ops->floatToValue(u, std::numeric_limits<double>::quiet_NaN(), &nan);
    u->ops->floatToValue(u, 1e33, &huge);
    int32_t n = 1234;
    double d = 5.5;
    zx::HostRect r{1, 2, 3, 4};
    EXPECT_NE(u->ops->valueToInteger(u, &text, &n), 0);
    EXPECT_NE(u->ops->valueToInteger(u, &nan, &n), 0);
    EXPECT_NE(u->ops->valueToInteger(u, &huge, &n), 0);
    EXPECT_NE(u->ops->valueToFloat(u, &text, &d), 0);
    EXPECT_NE(u->ops->valueToRect(u, &text, &r), 0);
    EXPECT_EQ(n, 1234);
    EXPECT_EQ(d, 5.5);
    EXPECT_EQ(r.left, 2);
    for (auto* v : {&text, &nan, &huge}) {
        u->ops->releaseValue(u, v);
    }
}

TEST_F(Values, Int32ExtremesAndSpecialFloatsRoundTrip) {
    for (int32_t x : {std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()}) {
        zx::HostValue v{};
        u->ops->integerToValue(u, x, &v);
        int32_t back = 0;
        u->ops->valueToInteger(u, &v, &back);
        EXPECT_EQ(back, x);
    }
    zx::HostValue v{};
    u->ops->floatToValue(u, -1e32, &v);
    double back = 0;
    u->ops->valueToFloat(u, &v, &back);
    EXPECT_EQ(back, -1e32);
    u->ops->releaseValue(u, &v);
}

TEST_F(Values, ReleasedOrForgedHandlesReadAsNothing) {
    zx::HostValue v{};
    u->ops->floatToValue(u, 1.5, &v);
    zx::HostValue copy = v;
    EXPECT_EQ(u->ops->releaseValue(u, &v), 0);
    EXPECT_EQ(v.type, 0); // cleared to void
    double d = 9;
    EXPECT_NE(u->ops->valueToFloat(u, &copy, &d), 0);
    EXPECT_NE(u->ops->releaseValue(u, &copy), 0); // a second release is refused
    zx::HostValue forged{zxhost::kString, 12345};
    char buffer[4] = "abc";
    EXPECT_NE(u->ops->valueToString(u, &forged, buffer, 3), 0);
    EXPECT_STREQ(buffer, "abc");
}

TEST_F(Values, SymbolsAreStableDistinctAndEmptyCollidesWithNothing) {
    zx::Symbol a = 0, b = 0, again = 0, empty = 0, lower = 0;
    u->ops->stringToSymbol(u, "Value", &a);
    u->ops->stringToSymbol(u, "DigitsLeft", &b);
    u->ops->stringToSymbol(u, "Value", &again);
    u->ops->stringToSymbol(u, "", &empty);
    u->ops->stringToSymbol(u, "value", &lower);
    EXPECT_EQ(a, again);
    EXPECT_NE(a, b);
    EXPECT_NE(empty, a);
    EXPECT_NE(empty, b);
    EXPECT_NE(empty, 0);
    EXPECT_NE(lower, a);
    EXPECT_EQ(host.symbolName(b), "DigitsLeft");
}

TEST_F(Values, CppValuesRoundTripThroughHostValues) {
    const zxhost::Value values[] = {
        zxhost::Value(12),
        zxhost::Value(0.25),
        zxhost::Value("text"),
        zxhost::Value(zxhost::SymbolName{"Image"}),
        zxhost::Value(zxhost::Rect{1, 2, 3, 4}),
        zxhost::Value(zxhost::List{zxhost::Value(1), zxhost::Value("a")}),
        zxhost::Value(zxhost::MemberRef{3}),
        zxhost::Value()};
    for (const auto& value : values) {
        zx::HostValue v = host.toHostValue(value);
        EXPECT_EQ(host.fromHostValue(v), value) << zxhost::describe(value);
        host.releaseHostValue(v);
    }
    EXPECT_EQ(host.liveValues(), 0);
}

TEST_F(Values, MessageOutputFormatsTwoIntegersIntoTheEventLog) {
    host.messages();
    u->ops->messageOutput(u, "Gridcell - Too Many Cells - %d Rows %d Cols \n", 5, 7);
    u->ops->messageOutput(u, "odd %s %d%%", 1, 2); // %s is never given to printf
    const auto messages = host.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].kind, "output");
    EXPECT_EQ(messages[0].text, "Gridcell - Too Many Cells - 5 Rows 7 Cols ");
    EXPECT_EQ(messages[1].text, "odd %s 1%");
}

TEST_F(Values, PaletteIndexesAreExactForStaticColours) {
    const zx::RgbTriple grey{192, 192, 192};
    uint8_t index = 0;
    ASSERT_EQ(u->ops->paletteIndex(u, &grey, &index), 0);
    EXPECT_EQ(zxhost::paletteColor(index), 0xC0C0C0u);
    ASSERT_EQ(host.hooks().records.paletteCalls.size(), 1u);
}

} // namespace
