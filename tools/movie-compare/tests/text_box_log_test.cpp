// libw32's text-box log as movie-compare reads it: the program turns the log on before the
// first drawing call, as the environment of a render does.
#include <gtest/gtest.h>

#include <windows.h>
#include <zxw32/gdi_ext.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "pixel_comparison.h"

using namespace moviecompare;

namespace {

std::string gLogPath;

// The lines logged since the fixture started.
class TextBoxLog : public ::testing::Test {
protected:
    void SetUp() override { start_ = logSize(); }

    std::string logged() const {
        std::ifstream in(gLogPath);
        in.seekg(std::streamoff(start_));
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static size_t logSize() {
        std::ifstream in(gLogPath, std::ios::ate);
        return in ? size_t(in.tellg()) : 0;
    }

private:
    size_t start_ = 0;
};

// A white memory DC over a top-down DIB section.
struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    int width, height;
    Surface(int w, int h) : width(w), height(h) {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(dc, w, h);
        old = SelectObject(dc, bitmap);
        RECT all{0, 0, w, h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Surface() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Image image() const {
        zxw32::DibPixels px;
        zxw32::dibPixels(bitmap, &px);
        Image out;
        out.width = px.width;
        out.height = px.height;
        for (int y = 0; y < px.height; ++y) {
            out.pixels.insert(out.pixels.end(), px.row(y), px.row(y) + px.width);
        }
        return out;
    }
};

struct Font {
    HFONT font;
    HGDIOBJ old;
    HDC dc;
    Font(HDC d, int height, const char* face = "Arial") : dc(d) {
        font = CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                           face);
        old = SelectObject(dc, font);
    }
    ~Font() {
        SelectObject(dc, old);
        DeleteObject(font);
    }
};

// Counts the non-white pixels and how many of them no box covers.
void countInk(const Image& image, const std::vector<TextBox>& boxes, int& ink, int& uncovered) {
    ink = uncovered = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) == 0xFFFFFF) {
                continue;
            }
            ++ink;
            bool covered = false;
            for (const TextBox& b : boxes) {
                covered = covered || b.area.contains(x, y);
            }
            uncovered += covered ? 0 : 1;
        }
    }
}

} // namespace

TEST_F(TextBoxLog, TransparentTextIsCoveredByItsBoxesOnTheSurfaceDrawnOn) {
    Surface stage(120, 60);
    Font font(stage.dc, 24);
    SetBkMode(stage.dc, TRANSPARENT);
    TextOutA(stage.dc, 10, 10, "Wjy(Q)", 6);

    const std::vector<TextBox> boxes = boxesForSurface(logged(), 120, 60);
    ASSERT_EQ(boxes.size(), 1u);
    int ink = 0, uncovered = 0;
    countInk(stage.image(), boxes, ink, uncovered);
    EXPECT_GT(ink, 50);
    EXPECT_EQ(uncovered, 0);
    EXPECT_GE(boxes[0].area.left, 8);
    EXPECT_LE(boxes[0].area.right, 120);
}

TEST_F(TextBoxLog, BlitsCarryTheBoxesOfAnOffscreenBitmapToTheStage) {
    Surface stage(160, 90);
    {
        Surface scratch(48, 20);
        Font font(scratch.dc, 16);
        TextOutA(scratch.dc, 2, 1, "x+1", 3);
        BitBlt(stage.dc, 30, 40, 48, 20, scratch.dc, 0, 0, SRCCOPY);
        StretchBlt(stage.dc, 100, 0, 48, 40, scratch.dc, 0, 0, 48, 20, SRCCOPY);
    }
    const std::vector<TextBox> boxes = boxesForSurface(logged(), 160, 90);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].area.left, 32);
    EXPECT_EQ(boxes[0].area.top, 41);
    EXPECT_GE(boxes[1].area.bottom - boxes[1].area.top,
              2 * (boxes[0].area.bottom - boxes[0].area.top) - 1);
    int ink = 0, uncovered = 0;
    countInk(stage.image(), boxes, ink, uncovered);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(uncovered, 0);
}

TEST_F(TextBoxLog, OnlyTheVisiblePartOfClippedTextIsLogged) {
    Surface stage(100, 40);
    Font font(stage.dc, 20);
    HRGN clip = CreateRectRgn(0, 0, 30, 40);
    SelectClipRgn(stage.dc, clip);
    DeleteObject(clip);
    TextOutA(stage.dc, 5, 5, "Wide text", 9);
    TextOutA(stage.dc, 60, 5, "gone", 4);

    const std::vector<TextBox> boxes = boxesForSurface(logged(), 100, 40);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].area.left, 5);
    EXPECT_EQ(boxes[0].area.right, 30);
}

TEST_F(TextBoxLog, SymbolTextIsTaggedAndKeepsItsTagThroughABlit) {
    Surface stage(120, 40);
    {
        Surface scratch(60, 20);
        {
            Font symbol(scratch.dc, 15, "Symbol");
            TextOutA(scratch.dc, 2, 2, "ap", 2);
        }
        Font text(scratch.dc, 15);
        TextOutA(scratch.dc, 30, 2, "ap", 2);
        BitBlt(stage.dc, 10, 10, 60, 20, scratch.dc, 0, 0, SRCCOPY);
    }
    const std::vector<TextBox> onScratch = boxesForSurface(logged(), 60, 20);
    ASSERT_EQ(onScratch.size(), 2u);
    EXPECT_TRUE(onScratch[0].symbolFont);
    EXPECT_FALSE(onScratch[1].symbolFont);
    const std::vector<TextBox> onStage = boxesForSurface(logged(), 120, 40);
    ASSERT_EQ(onStage.size(), 2u);
    EXPECT_TRUE(onStage[0].symbolFont);
    EXPECT_EQ(onStage[0].area.left, onScratch[0].area.left + 10);
    EXPECT_FALSE(onStage[1].symbolFont);
}

TEST_F(TextBoxLog, DrawingWithoutTextLogsNothing) {
    Surface stage(50, 50);
    Rectangle(stage.dc, 2, 2, 40, 40);
    MoveToEx(stage.dc, 0, 0, nullptr);
    LineTo(stage.dc, 49, 49);
    Surface other(20, 20);
    BitBlt(other.dc, 0, 0, 20, 20, stage.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(logged(), "");
}

int main(int argc, char** argv) {
    gLogPath = ::testing::TempDir() + "zx_text_boxes_" + std::to_string(getpid()) + ".log";
    std::remove(gLogPath.c_str());
    setenv("ZX_TEXT_BOXES", gLogPath.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::remove(gLogPath.c_str());
    return status;
}
