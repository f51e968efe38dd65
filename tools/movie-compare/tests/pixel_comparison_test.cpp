#include <gtest/gtest.h>

#include "pixel_comparison.h"

using namespace moviecompare;

namespace {

Image plain(int w, int h, uint32_t colour) {
    Image image;
    image.width = w;
    image.height = h;
    image.pixels.assign(size_t(w) * size_t(h), colour);
    return image;
}

void set(Image& image, int x, int y, uint32_t colour) {
    image.pixels[size_t(y) * size_t(image.width) + size_t(x)] = colour;
}

} // namespace

TEST(PixelComparison, OnlyDifferencesInsideSymbolTextAreExcused) {
    Image a = plain(10, 8, 0x303030), b = a;
    set(b, 2, 2, 0xFFFFFF); // inside the Symbol box
    set(b, 4, 3, 0xFFFFFF); // inside the Symbol box
    set(b, 6, 1, 0xFFFFFF); // inside the ordinary text box
    set(b, 7, 6, 0x000000); // outside
    set(b, 9, 1, 0x000000); // outside
    const std::vector<TextBox> boxes{{{1, 1, 5, 4}, true}, {{6, 0, 8, 2}, false}};

    const Comparison c = compareImages(a, b, boxes);
    EXPECT_EQ(c.identical, 75);
    EXPECT_EQ(c.differing, 5);
    EXPECT_EQ(c.inSymbolText, 2);
    EXPECT_EQ(c.inText, 1);
    EXPECT_EQ(c.outsideText(), 2);
    EXPECT_EQ(c.failing(), 3);
    EXPECT_FALSE(c.acceptable());
    EXPECT_EQ(c.failingBounds.left, 6);
    EXPECT_EQ(c.failingBounds.top, 1);
    EXPECT_EQ(c.failingBounds.right, 10);
    EXPECT_EQ(c.failingBounds.bottom, 7);

    set(b, 7, 6, 0x303030);
    set(b, 9, 1, 0x303030);
    EXPECT_FALSE(compareImages(a, b, boxes).acceptable()); // ordinary text is compared too
    set(b, 6, 1, 0x303030);
    EXPECT_TRUE(compareImages(a, b, boxes).acceptable());
}

TEST(PixelComparison, SymbolTextWinsWhereBoxesOverlap) {
    Image a = plain(6, 4, 0), b = a;
    set(b, 2, 1, 9);
    const Comparison c = compareImages(a, b, {{{0, 0, 3, 3}, false}, {{2, 0, 5, 3}, true}});
    EXPECT_EQ(c.inSymbolText, 1);
    EXPECT_EQ(c.inText, 0);
    EXPECT_TRUE(c.acceptable());
}

TEST(PixelComparison, BoxEdgesAreHalfOpen) {
    Image a = plain(6, 6, 0), b = a;
    set(b, 4, 4, 1); // right and bottom edge of the box are outside it
    EXPECT_EQ(compareImages(a, b, {{{0, 0, 4, 4}, true}}).outsideText(), 1);
    EXPECT_EQ(compareImages(a, b, {{{0, 0, 5, 5}, true}}).outsideText(), 0);
}

TEST(PixelComparison, ImagesOfDifferentSizesNeverMatch) {
    const Comparison c = compareImages(plain(4, 4, 0), plain(4, 5, 0), {});
    EXPECT_FALSE(c.sameSize);
    EXPECT_FALSE(c.acceptable());
}

TEST(PixelComparison, LogKeepsOnlyBoxesOfTheStageSizedSurface) {
    const std::string log = "40 20 1 2 3 4\n"       // an off-screen bitmap
                            "200 100 10 20 30 40\n" // the stage
                            "200 100 5 5\n"         // cut short
                            "200 100 9 9 9 12\n"    // empty
                            "garbage\n"
                            "200 100 -3 -4 2 1 symbol\n"   // Symbol-encoded text
                            "200 100 50 50 60 60 other\n"; // an unknown tag is ordinary text
    const std::vector<TextBox> boxes = boxesForSurface(log, 200, 100);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].area.left, 10);
    EXPECT_EQ(boxes[0].area.bottom, 40);
    EXPECT_FALSE(boxes[0].symbolFont);
    EXPECT_EQ(boxes[1].area.left, -3);
    EXPECT_TRUE(boxes[1].symbolFont);
    EXPECT_FALSE(boxes[2].symbolFont);
}

TEST(PixelComparison, MarginWidensEveryLoggedBoxOnAllSides) {
    const std::vector<TextBox> boxes = boxesForSurface("50 40 10 20 30 25 symbol\n", 50, 40, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].area.left, 9);
    EXPECT_EQ(boxes[0].area.top, 19);
    EXPECT_EQ(boxes[0].area.right, 31);
    EXPECT_EQ(boxes[0].area.bottom, 26);
}

TEST(PixelComparison, BoxesReachingPastTheImageAreCutToIt) {
    Image a = plain(5, 5, 0), b = a;
    set(b, 0, 0, 7);
    set(b, 4, 4, 7);
    EXPECT_TRUE(
        compareImages(a, b, {{{-10, -10, 1, 1}, true}, {{4, 4, 50, 50}, true}}).acceptable());
}
