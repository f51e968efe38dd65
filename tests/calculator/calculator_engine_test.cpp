#include "engine/calculator_engine.h"

#include <cmath>
#include <random>
#include <string_view>

#include <gtest/gtest.h>

#include "engine/display_format.h"
#include "engine/key_codes.h"

using namespace zx::calculator;

namespace {

// One calculator sprite with an error flag of its own, typed at like a keyboard.
class Calculator : public ::testing::Test {
protected:
    ErrorFlag error;
    CalculatorEngine engine{error};

    int32_t type(std::string_view keys) {
        int32_t result = 0;
        for (char c : keys) {
            const int32_t key = keyForCharacter(static_cast<unsigned char>(c));
            EXPECT_NE(key, kNoKey) << "no key for '" << c << "'";
            result = engine.press(key);
        }
        return result;
    }
};

} // namespace

TEST_F(Calculator, StartsWithAnEmptyDisplay) {
    EXPECT_EQ(engine.display(), " ");
    EXPECT_EQ(engine.entry(), 0.0);
    EXPECT_EQ(engine.pendingOperator(), 0);
}

TEST_F(Calculator, MultiplicationBindsBeforeAddition) {
    type("2+3*4=");
    EXPECT_EQ(engine.display(), " 14");
    EXPECT_EQ(engine.entry(), 14.0);
    EXPECT_EQ(engine.accumulator(), 0.0);
    EXPECT_EQ(engine.pendingOperator(), 0);
    EXPECT_EQ(engine.pendingAdditiveOperator(), 0);
}

TEST_F(Calculator, ChainsMixingBothLevels) {
    type("2*3+4*5=");
    EXPECT_EQ(engine.display(), " 26");
    type("10-2-3=");
    EXPECT_EQ(engine.display(), " 5");
    type("8/2/2=");
    EXPECT_EQ(engine.display(), " 2");
    type("1-2*3+");
    EXPECT_EQ(engine.display(), "-5");
    type("7=");
    EXPECT_EQ(engine.display(), " 2");
    type("9-8/4=");
    EXPECT_EQ(engine.display(), " 7");
}

TEST_F(Calculator, OperatorShowsTheRunningResult) {
    type("2*3+");
    EXPECT_EQ(engine.display(), " 6");
    EXPECT_EQ(engine.pendingOperator(), kKeyAdd);
    type("4*");
    // The sum waits in the additive accumulator while the product is built.
    EXPECT_EQ(engine.display(), " 4");
    EXPECT_EQ(engine.pendingAdditiveOperator(), kKeyAdd);
    EXPECT_EQ(engine.additiveAccumulator(), 6.0);
}

TEST_F(Calculator, LargeProductShowsAShortenedExponent) {
    type("1234567x1000=");
    EXPECT_EQ(engine.display(), " 1.234567E+9");
    EXPECT_EQ(engine.entry(), 1234567000.0);
}

TEST_F(Calculator, DivisionByZeroLocksUntilClear) {
    type("1/0=");
    EXPECT_EQ(engine.display(), " Math Error ");
    EXPECT_TRUE(error.raised);
    EXPECT_TRUE(std::isinf(engine.entry()) && engine.entry() > 0);

    type("5.+%=");
    EXPECT_EQ(engine.display(), " Math Error ");

    EXPECT_EQ(engine.press(kKeyClear), 0);
    EXPECT_FALSE(error.raised);
    EXPECT_EQ(engine.display(), " ");
    type("5");
    EXPECT_EQ(engine.display(), " 5");
}

TEST_F(Calculator, NineDigitsLeaveEight) {
    type("123456789");
    EXPECT_EQ(engine.display(), " 12345678");
    EXPECT_EQ(engine.entry(), 12345678.0);
}

TEST_F(Calculator, RepeatedMultiplySquaresUntilTheError) {
    type("99999999");
    const double expected[] = {99999999.0, 99999999.0 * 99999999.0};
    type("*");
    EXPECT_EQ(engine.entry(), expected[0]);
    EXPECT_EQ(engine.display(), " 1E+08");
    type("*");
    EXPECT_EQ(engine.entry(), expected[1]);
    type("***");
    EXPECT_FALSE(error.raised);
    EXPECT_GT(std::fabs(engine.entry()), 1e127);
    type("*");
    EXPECT_TRUE(error.raised);
    EXPECT_EQ(engine.display(), " Math Error ");
}

TEST_F(Calculator, TypedCharactersForMultiplyAndChangeSign) {
    type("6x7=");
    EXPECT_EQ(engine.display(), " 42");
    type("3X3=");
    EXPECT_EQ(engine.display(), " 9");
    type("%");
    EXPECT_EQ(engine.display(), "-9");
    EXPECT_EQ(engine.entry(), -9.0);
}

TEST_F(Calculator, ChangeSignTogglesOnlyTheSignPosition) {
    type("12%");
    EXPECT_EQ(engine.display(), "-12");
    EXPECT_EQ(engine.entry(), -12.0);
    type("3");
    EXPECT_EQ(engine.display(), "-123");
    EXPECT_EQ(engine.entry(), -123.0);
    type("%");
    EXPECT_EQ(engine.display(), " 123");
    EXPECT_EQ(engine.entry(), 123.0);
    // On a result it negates the number used by the next operator.
    type("+0=%-1=");
    EXPECT_EQ(engine.display(), "-124");
}

TEST_F(Calculator, DecimalPointRules) {
    type(".");
    EXPECT_EQ(engine.display(), " .");
    EXPECT_EQ(engine.entry(), 0.0);
    type("5.");
    // A second point is ignored.
    EXPECT_EQ(engine.display(), " .5");
    EXPECT_EQ(engine.entry(), 0.5);

    type("+");
    type("12.");
    EXPECT_EQ(engine.display(), " 12.");
    EXPECT_EQ(engine.entry(), 12.0);
    type("25=");
    EXPECT_EQ(engine.display(), " 12.75");

    // The point counts towards the eight places.
    type("+1234567.8");
    EXPECT_EQ(engine.display(), " 1234567.");
    EXPECT_EQ(engine.entry(), 1234567.0);
    type("+12345678.");
    EXPECT_EQ(engine.display(), " 12345678");
}

TEST_F(Calculator, PointAfterAResultStartsANewNumber) {
    type("2*3=.5");
    EXPECT_EQ(engine.display(), " .5");
    EXPECT_EQ(engine.entry(), 0.5);
}

TEST_F(Calculator, ClearAndFinishResetEverything) {
    type("2+3*");
    EXPECT_EQ(type("\x7f"), 0);
    EXPECT_EQ(engine.display(), " ");
    EXPECT_EQ(engine.pendingOperator(), 0);
    EXPECT_EQ(engine.pendingAdditiveOperator(), 0);
    EXPECT_EQ(engine.accumulator(), 0.0);
    EXPECT_EQ(engine.additiveAccumulator(), 0.0);
    EXPECT_FALSE(engine.startsNewEntry());

    type("4*5+");
    EXPECT_EQ(engine.press(kKeyFinish), 1);
    EXPECT_EQ(engine.display(), " ");
    EXPECT_EQ(engine.entry(), 0.0);
    type("1/0=");
    EXPECT_EQ(engine.press(kKeyFinish), 1);
    EXPECT_FALSE(error.raised);
}

TEST_F(Calculator, DisplayKeyAndUnknownCodesDoNothing) {
    type("12");
    for (int32_t key : {int32_t{kKeyDisplay}, int32_t{-1}, int32_t{20}, int32_t{1 << 30}}) {
        EXPECT_EQ(engine.press(key), 0);
        EXPECT_EQ(engine.display(), " 12");
        EXPECT_EQ(engine.entry(), 12.0);
    }
}

TEST_F(Calculator, SmallResultsUseTheExponentForm) {
    type("1/3=");
    EXPECT_EQ(engine.display(), " 0.3333333");
    type("1/100000=");
    EXPECT_EQ(engine.display(), " 1E-05");
    type("1/1000000=");
    EXPECT_EQ(engine.display(), " 1E-06");
    type("3/7/1000000=");
    EXPECT_EQ(engine.display(), " 4.285714E-7");
}

TEST(CalculatorModule, ErrorInOneSpriteLocksAndClearInAnotherUnlocks) {
    ErrorFlag module;
    CalculatorEngine first(module);
    CalculatorEngine second(module);
    for (int32_t key : {1, int32_t{kKeyDivide}, 0, int32_t{kKeyEquals}}) {
        first.press(key);
    }
    ASSERT_TRUE(module.raised);

    second.press(7);
    EXPECT_EQ(second.display(), " ");

    second.press(kKeyClear);
    EXPECT_FALSE(module.raised);
    EXPECT_EQ(first.display(), " Math Error ");
    // The first sprite's leftover infinity fails again instead of showing "inf".
    first.press(kKeySubtract);
    EXPECT_EQ(first.display(), " Math Error ");
    EXPECT_TRUE(module.raised);
}

TEST(CalculatorModule, LeftoverInfinitiesNeverReachTheDisplay) {
    ErrorFlag module;
    CalculatorEngine engine(module);
    // 1 / 0 + leaves infinity in both the entry and the accumulator.
    for (int32_t key : {1, int32_t{kKeyDivide}, 0, int32_t{kKeyAdd}}) {
        engine.press(key);
    }
    for (int32_t key : {int32_t{kKeySubtract}, int32_t{kKeyMultiply}, int32_t{kKeyEquals},
                        int32_t{kKeyChangeSign}, int32_t{kKeyAdd}}) {
        module.raised = false; // another sprite clears
        engine.press(key);
        EXPECT_TRUE(engine.display() == " Math Error " || engine.display() == "-Math Error ")
            << engine.display();
    }
}

TEST(CalculatorModule, RandomKeysKeepTheDisplayShortAndFinite) {
    ErrorFlag module;
    CalculatorEngine engine(module);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int32_t> keys(0, kKeyFinish);
    for (int i = 0; i < 20000; ++i) {
        int32_t key = keys(random);
        // Clears are rare, so long chains and errors happen.
        if ((key == kKeyClear || key == kKeyFinish) && random() % 8 != 0) {
            key = kKeyMultiply;
        }
        engine.press(key);
        ASSERT_LE(engine.display().size(), kDisplayCapacity);
        ASSERT_FALSE(engine.display().empty());
        ASSERT_EQ(engine.display().find("INF"), std::string::npos);
        ASSERT_EQ(engine.display().find("NAN"), std::string::npos);
    }
}
