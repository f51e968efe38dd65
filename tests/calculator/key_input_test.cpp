#include <gtest/gtest.h>

#include "engine/key_areas.h"
#include "engine/key_codes.h"

using namespace zx::calculator;

TEST(KeyCodes, TypedCharactersMapToKeys) {
    const std::string_view typed = "0123456789./*-+=%";
    const int32_t keys[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    for (size_t i = 0; i < typed.size(); ++i) {
        EXPECT_EQ(keyForCharacter(typed[i]), keys[i]) << typed[i];
    }
    EXPECT_EQ(keyForCharacter('x'), kKeyMultiply);
    EXPECT_EQ(keyForCharacter('X'), kKeyMultiply);
    EXPECT_EQ(keyForCharacter(127), kKeyClear);
    for (int32_t c : {int32_t{'\r'}, int32_t{'c'}, 0, 255, -1, 0x130}) {
        EXPECT_EQ(keyForCharacter(c), kNoKey) << c;
    }
}

TEST(KeyAreas, EachDefaultKeyIsHitInsideItsOwnArea) {
    const KeyAreas& areas = defaultKeyAreas();
    EXPECT_EQ(areas[kKeyClear], (KeyArea{53, 24, 69, 60}));
    EXPECT_EQ(areas[kKeyFinish], (KeyArea{15, 4, 31, 40}));
    EXPECT_EQ(areas[kKeyDisplay], (KeyArea{36, 6, 47, 80}));
    for (int32_t k = 0; k < kKeyCount; ++k) {
        const KeyArea& a = areas[k];
        EXPECT_EQ(keyAt(areas, a.left, a.top), k);
        EXPECT_EQ(keyAt(areas, a.right - 1, a.bottom - 1), k);
    }
    EXPECT_EQ(keyAt(areas, 20, 140), kNoKey); // right and bottom edges lie outside
    EXPECT_EQ(keyAt(areas, 10, 149), kNoKey);
}

TEST(KeyAreas, LastContainingAreaWinsAndEmptyAreasAreNeverHit) {
    KeyAreas areas{}; // as drawn before the first draw
    EXPECT_EQ(keyAt(areas, 0, 0), kNoKey);
    areas[3] = KeyArea{0, 0, 50, 50};
    areas[12] = KeyArea{10, 10, 20, 20};
    areas[15] = KeyArea{50, 50, 0, 0}; // inverted
    EXPECT_EQ(keyAt(areas, 15, 15), 12);
    EXPECT_EQ(keyAt(areas, 30, 30), 3);
}

TEST(KeyAreas, DrawnAreasFollowTheSpriteAndSaturate) {
    EXPECT_EQ(defaultKeyAreas()[0].offsetBy(100, 200), (KeyArea{333, 104, 349, 120}));
    const KeyArea far = KeyArea{0, 0, INT32_MAX, INT32_MAX}.offsetBy(10, 10);
    EXPECT_EQ(far.right, INT32_MAX);
    EXPECT_TRUE(far.contains(1000, 1000));
}
