#include <gtest/gtest.h>

#include "engine/key_areas.h"
#include "engine/key_codes.h"

using namespace zx::calculator;

TEST(KeyCodes, TypedCharactersMapToKeys) {
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_EQ(keyForCharacter(c), c - '0');
    }
    EXPECT_EQ(keyForCharacter('.'), kKeyPoint);
    EXPECT_EQ(keyForCharacter('/'), kKeyDivide);
    EXPECT_EQ(keyForCharacter('*'), kKeyMultiply);
    EXPECT_EQ(keyForCharacter('x'), kKeyMultiply);
    EXPECT_EQ(keyForCharacter('X'), kKeyMultiply);
    EXPECT_EQ(keyForCharacter('-'), kKeySubtract);
    EXPECT_EQ(keyForCharacter('+'), kKeyAdd);
    EXPECT_EQ(keyForCharacter('='), kKeyEquals);
    EXPECT_EQ(keyForCharacter('%'), kKeyChangeSign);
    EXPECT_EQ(keyForCharacter(127), kKeyClear);
    for (int32_t c : {int32_t{'\r'}, int32_t{' '}, int32_t{'c'}, int32_t{'C'}, 0, 255, -1, 0x130}) {
        EXPECT_EQ(keyForCharacter(c), kNoKey) << c;
    }
}

TEST(KeyAreas, DefaultsMatchTheKeypad) {
    const KeyAreas& areas = defaultKeyAreas();
    EXPECT_EQ(areas[0], (KeyArea{133, 4, 149, 20}));
    EXPECT_EQ(areas[9], (KeyArea{73, 44, 89, 60}));
    EXPECT_EQ(areas[kKeyEquals], (KeyArea{133, 64, 149, 80}));
    EXPECT_EQ(areas[kKeyClear], (KeyArea{53, 24, 69, 60}));
    EXPECT_EQ(areas[kKeyFinish], (KeyArea{15, 4, 31, 40}));
    EXPECT_EQ(areas[kKeyDisplay], (KeyArea{36, 6, 47, 80}));
    // No two keys overlap, so every key is hit at its own centre.
    for (int32_t k = 0; k < kKeyCount; ++k) {
        const KeyArea& a = areas[k];
        EXPECT_EQ(keyAt(areas, (a.left + a.right) / 2, (a.top + a.bottom) / 2), k);
    }
}

TEST(KeyAreas, RightAndBottomEdgesLieOutside) {
    const KeyAreas& areas = defaultKeyAreas();
    EXPECT_EQ(keyAt(areas, 4, 133), 0);
    EXPECT_EQ(keyAt(areas, 19, 148), 0);
    EXPECT_EQ(keyAt(areas, 20, 140), kNoKey);
    EXPECT_EQ(keyAt(areas, 10, 149), kNoKey);
    EXPECT_EQ(keyAt(areas, 0, 0), kNoKey);
}

TEST(KeyAreas, NothingIsHitBeforeTheFirstDraw) {
    const KeyAreas drawn{};
    EXPECT_EQ(keyAt(drawn, 0, 0), kNoKey);
    EXPECT_EQ(keyAt(drawn, 10, 140), kNoKey);
}

TEST(KeyAreas, LastContainingAreaWinsOnOverlap) {
    KeyAreas areas{};
    areas[3] = KeyArea{0, 0, 50, 50};
    areas[12] = KeyArea{10, 10, 20, 20};
    areas[15] = KeyArea{0, 0, 50, 50};
    EXPECT_EQ(keyAt(areas, 15, 15), 15);
    areas[15] = KeyArea{};
    EXPECT_EQ(keyAt(areas, 15, 15), 12);
    EXPECT_EQ(keyAt(areas, 30, 30), 3);
}

TEST(KeyAreas, InvertedAreasAreNeverHit) {
    KeyAreas areas{};
    areas[0] = KeyArea{50, 50, 0, 0};
    EXPECT_EQ(keyAt(areas, 25, 25), kNoKey);
}

TEST(KeyAreas, DrawnAreasFollowTheSpriteAndSaturate) {
    const KeyArea moved = defaultKeyAreas()[0].offsetBy(100, 200);
    EXPECT_EQ(moved, (KeyArea{333, 104, 349, 120}));
    const KeyArea huge{0, 0, INT32_MAX, INT32_MAX};
    const KeyArea far = huge.offsetBy(10, 10);
    EXPECT_EQ(far.right, INT32_MAX);
    EXPECT_TRUE(far.contains(1000, 1000));
    EXPECT_EQ(KeyArea{}.offsetBy(INT32_MIN, INT32_MIN).left, INT32_MIN);
}
