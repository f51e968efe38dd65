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

TEST(PixelComparison, DifferencesInsideTextBoxesAreAcceptedOthersAreLocated) {
    Image a = plain(10, 8, 0x303030), b = a;
    set(b, 2, 2, 0xFFFFFF); // inside the box
    set(b, 4, 3, 0xFFFFFF); // inside the box
    set(b, 7, 6, 0x000000); // outside
    set(b, 9, 1, 0x000000); // outside
    const std::vector<Box> boxes{{1, 1, 5, 4}};

    const Comparison c = compareImages(a, b, boxes);
    EXPECT_EQ(c.identical, 76);
    EXPECT_EQ(c.differing, 4);
    EXPECT_EQ(c.insideText, 2);
    EXPECT_FALSE(c.acceptable());
    EXPECT_EQ(c.outsideBounds.left, 7);
    EXPECT_EQ(c.outsideBounds.top, 1);
    EXPECT_EQ(c.outsideBounds.right, 10);
    EXPECT_EQ(c.outsideBounds.bottom, 7);

    set(b, 7, 6, 0x303030);
    set(b, 9, 1, 0x303030);
    EXPECT_TRUE(compareImages(a, b, boxes).acceptable());
}

TEST(PixelComparison, BoxEdgesAreHalfOpen) {
    Image a = plain(6, 6, 0), b = a;
    set(b, 4, 4, 1); // right and bottom edge of the box are outside it
    EXPECT_EQ(compareImages(a, b, {{0, 0, 4, 4}}).outsideText(), 1);
    EXPECT_EQ(compareImages(a, b, {{0, 0, 5, 5}}).outsideText(), 0);
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
                            "200 100 -3 -4 2 1\n";
    const std::vector<Box> boxes = boxesForSurface(log, 200, 100);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].left, 10);
    EXPECT_EQ(boxes[0].bottom, 40);
    EXPECT_EQ(boxes[1].left, -3);
}

TEST(PixelComparison, MarginWidensEveryLoggedBoxOnAllSides) {
    const std::vector<Box> boxes = boxesForSurface("50 40 10 20 30 25\n", 50, 40, 1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].left, 9);
    EXPECT_EQ(boxes[0].top, 19);
    EXPECT_EQ(boxes[0].right, 31);
    EXPECT_EQ(boxes[0].bottom, 26);
}

TEST(PixelComparison, BoxesReachingPastTheImageAreCutToIt) {
    Image a = plain(5, 5, 0), b = a;
    set(b, 0, 0, 7);
    set(b, 4, 4, 7);
    EXPECT_TRUE(compareImages(a, b, {{-10, -10, 1, 1}, {4, 4, 50, 50}}).acceptable());
}
