#include "engine/calculator_engine.h"

#include <cmath>
#include <random>
#include <string_view>

#include <gtest/gtest.h>

#include "engine/display_format.h"
#include "engine/key_codes.h"

using namespace zx::calculator;

namespace {

// Types characters as the keyboard would; returns the last key's result.
int32_t type(CalculatorEngine& engine, std::string_view keys) {
    int32_t result = 0;
    for (char c : keys) {
        result = engine.press(keyForCharacter(static_cast<unsigned char>(c)));
    }
    return result;
}

// The display after typing into a fresh calculator with its own error flag.
std::string shown(std::string_view keys) {
    ErrorFlag error;
    CalculatorEngine engine(error);
    type(engine, keys);
    return engine.display();
}

} // namespace

TEST(Calculator, ArithmeticOnTwoLevels) {
    EXPECT_EQ(shown("2+3*4="), " 14");
    EXPECT_EQ(shown("2*3+4*5="), " 26");
    EXPECT_EQ(shown("10-2-3="), " 5");
    EXPECT_EQ(shown("8/2/2="), " 2");
    EXPECT_EQ(shown("9-8/4="), " 7");
    EXPECT_EQ(shown("1-2*3+"), "-5"); // an operator shows the running result
    EXPECT_EQ(shown("1234567x1000="), " 1.234567E+9");
    EXPECT_EQ(shown("1/3="), " 0.3333333");
    EXPECT_EQ(shown("3/7/1000000="), " 4.285714E-7");
}

TEST(Calculator, EntryRules) {
    EXPECT_EQ(shown("123456789"), " 12345678"); // nine digits leave eight
    EXPECT_EQ(shown("."), " .");
    EXPECT_EQ(shown(".5."), " .5");             // a second point is ignored
    EXPECT_EQ(shown("1234567.8"), " 1234567."); // the point takes a place
    EXPECT_EQ(shown("2*3=.5"), " .5");          // a result is replaced, not extended
    EXPECT_EQ(shown("12%3"), "-123");           // sign first, digits after
    EXPECT_EQ(shown("6x7=%"), "-42");           // '%' changes sign, 'x' multiplies
    EXPECT_EQ(shown("3X3=%-1="), "-10");        // the changed result is the next operand

    ErrorFlag error;
    CalculatorEngine engine(error);
    type(engine, "12.25%");
    EXPECT_EQ(engine.entry(), -12.25);
    type(engine, "+.");
    EXPECT_EQ(engine.entry(), 0.0); // a lone point keeps the new entry at 0
}

TEST(Calculator, ClearAndFinishResetEverything) {
    ErrorFlag error;
    CalculatorEngine engine(error);
    type(engine, "2+3*4");
    EXPECT_EQ(type(engine, "\x7f"), 0);
    EXPECT_EQ(engine.display(), " ");
    EXPECT_EQ(engine.entry(), 0.0);
    EXPECT_EQ(engine.pendingOperator(), 0);
    EXPECT_EQ(engine.pendingAdditiveOperator(), 0);
    type(engine, "5=");
    EXPECT_EQ(engine.display(), " 5"); // nothing of 2 + 3 x survived

    type(engine, "4*5+");
    EXPECT_EQ(engine.press(kKeyFinish), 1);
    EXPECT_EQ(engine.display(), " ");
    EXPECT_EQ(engine.press(kKeyDisplay), 0);
    EXPECT_EQ(engine.press(-1), 0);
    EXPECT_EQ(engine.press(1 << 30), 0);
    EXPECT_EQ(engine.display(), " ");
}

TEST(Calculator, ErrorsLockTheKeysUntilClearOrFinish) {
    ErrorFlag error;
    CalculatorEngine engine(error);
    type(engine, "1/0=");
    EXPECT_EQ(engine.display(), " Math Error ");
    EXPECT_TRUE(error.raised);
    EXPECT_TRUE(std::isinf(engine.entry()) && engine.entry() > 0);
    type(engine, "5.+%=");
    EXPECT_EQ(engine.display(), " Math Error ");
    engine.press(kKeyClear);
    EXPECT_FALSE(error.raised);
    type(engine, "5");
    EXPECT_EQ(engine.display(), " 5");

    // 99999999 times itself: squared from the second multiply on, too large at the sixth.
    type(engine, "\x7f"
                 "99999999*");
    EXPECT_EQ(engine.display(), " 1E+08");
    type(engine, "****");
    EXPECT_FALSE(error.raised);
    EXPECT_GT(engine.entry(), 1e127);
    type(engine, "*");
    EXPECT_EQ(engine.display(), " Math Error ");
    EXPECT_EQ(engine.press(kKeyFinish), 1);
    EXPECT_FALSE(error.raised);
}

TEST(Calculator, ErrorFlagIsSharedAndLeftoversNeverShowAsNumbers) {
    ErrorFlag module;
    CalculatorEngine first(module);
    CalculatorEngine second(module);
    type(first, "1/0+"); // infinity in both the entry and the accumulator
    type(second, "7");
    EXPECT_EQ(second.display(), " ");
    // Each time another sprite clears, the first one's leftovers (infinity, then infinity
    // minus infinity) fail again instead of showing "inf" or "nan".
    for (char key : std::string_view("-*=%+")) {
        second.press(kKeyClear);
        type(first, std::string_view(&key, 1));
        EXPECT_NE(first.display().find("Math Error"), std::string::npos) << key;
    }
}

TEST(Calculator, RandomKeysKeepTheDisplayShortAndFinite) {
    ErrorFlag module;
    CalculatorEngine engine(module);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int32_t> keys(0, kKeyFinish);
    for (int i = 0; i < 20000; ++i) {
        int32_t key = keys(random);
        // Clears are made rare, so long chains and errors happen.
        if ((key == kKeyClear || key == kKeyFinish) && random() % 8 != 0) {
            key = kKeyMultiply;
        }
        engine.press(key);
        const std::string& text = engine.display();
        ASSERT_FALSE(text.empty());
        ASSERT_LE(text.size(), kDisplayCapacity);
        ASSERT_TRUE(text.find("INF") == text.npos && text.find("NAN") == text.npos) << text;
    }
}
