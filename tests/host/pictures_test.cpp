// Pictures: PictureFromDIB, DrawContext picture drawing with inks 0 and 36, bitmap members
// and their "Image" media.
#include <cstring>

#include <windows.h>

#include "host_fixture.h"
#include "zxframe/identifiers.h"
#include "zxframe/result_codes.h"

namespace {

// A 4 x 2 DIB of 24 bits, bottom-up: top row red, green, grey, grey; bottom row blue.
std::vector<uint8_t> smallDib() {
    std::vector<uint8_t> dib(40 + 2 * 12, 0);
    BITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = 4;
    header.biHeight = 2;
    header.biPlanes = 1;
    header.biBitCount = 24;
    std::memcpy(dib.data(), &header, 40);
    uint8_t* bottom = dib.data() + 40;
    uint8_t* top = bottom + 12;
    for (int x = 0; x < 4; ++x) {
        bottom[3 * x] = 255; // blue (B, G, R order)
    }
    const uint8_t topRow[12] = {0, 0, 255, 0, 255, 0, 192, 192, 192, 192, 192, 192};
    std::memcpy(top, topRow, 12);
    return dib;
}

std::vector<uint8_t> bmpFile(const std::vector<uint8_t>& dib) {
    std::vector<uint8_t> file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    const uint32_t size = static_cast<uint32_t>(14 + dib.size()), offset = 54;
    std::memcpy(file.data() + 2, &size, 4);
    std::memcpy(file.data() + 10, &offset, 4);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

struct Pictures : ::testing::Test {
    zxhost::Host host;
    zx::HostUtilities* u = host.utilities();
    zx::HostValue makePicture() {
        const auto dib = smallDib();
        const zx::PictureDIBRecord record{2, 0, dib.data(), dib.data() + 40};
        zx::HostValue picture{};
        EXPECT_EQ(u->ops->pictureFromDIB(u, &record, &picture), 0);
        return picture;
    }
};

TEST_F(Pictures, PictureFromDibCopiesTheBitmap) {
    zx::HostValue picture = makePicture(); // the DIB above is gone now
    EXPECT_EQ(picture.type, zxhost::kPicture);
    host.stage().setSize(10, 10);
    host.stage().setColor(0xFFFFFF);
    host.stage().render();
    zx::DrawContext* context = host.newDrawContext(1, host.stage().dc());
    const zx::HostRect dest{2, 3, 4, 7}, source{0, 0, 2, 4};
    const int32_t params[4] = {0, 0, 0, 0};
    EXPECT_EQ(context->ops->drawPicture(context, &dest, &picture, &source, 0, params, 0), 0);
    EXPECT_EQ(host.stage().pixel(3, 2), 0x0000FFu); // red as 0xBBGGRR
    EXPECT_EQ(host.stage().pixel(4, 2), 0x00FF00u);
    EXPECT_EQ(host.stage().pixel(3, 3), 0xFF0000u); // blue bottom row
    EXPECT_EQ(host.stage().pixel(7, 2), 0xFFFFFFu); // outside the destination
    ASSERT_EQ(host.hooks().records.drawPictures.size(), 1u);
    EXPECT_EQ(host.hooks().records.drawPictures[0].destination.left, 3);
    context->ops->release(context);
    u->ops->releaseValue(u, &picture);
    EXPECT_EQ(host.liveValues(), 0);
}

TEST_F(Pictures, BackgroundTransparentInkSkipsThePaletteColour) {
    zx::HostValue picture = makePicture();
    host.stage().setSize(10, 10);
    host.stage().setColor(0x000000);
    host.stage().render();
    const zx::RgbTriple grey{192, 192, 192};
    uint8_t index = 0;
    u->ops->paletteIndex(u, &grey, &index);
    zx::DrawContext* context = host.newDrawContext(1, host.stage().dc());
    const zx::HostRect dest{0, 0, 2, 4}, source{0, 0, 2, 4};
    const int32_t params[4] = {index, 0, 0, 0};
    context->ops->drawPicture(context, &dest, &picture, &source, 36, params, 0);
    EXPECT_EQ(host.stage().pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(host.stage().pixel(2, 0), 0x000000u); // grey skipped
    context->ops->release(context);
    u->ops->releaseValue(u, &picture);
}

TEST_F(Pictures, DrawingKeepsToTheClipAndSkipsTransparentPixels) {
    zx::HostValue picture = makePicture();
    host.stage().setSize(20, 10);
    host.stage().setColor(0x000000);
    host.stage().render();
    HDC dc = host.stage().dc();
    HRGN clip = CreateRectRgn(2, 0, 9, 10);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    const zx::RgbTriple grey{192, 192, 192};
    uint8_t index = 0;
    u->ops->paletteIndex(u, &grey, &index);
    zx::DrawContext* context = host.newDrawContext(1, dc);
    // Each source pixel becomes 3 x 3 from (1, 1) on; columns 2-8 lie inside the clip.
    const zx::HostRect dest{1, 1, 7, 13}, source{0, 0, 2, 4};
    const int32_t params[4] = {index, 0, 0, 0};
    EXPECT_EQ(context->ops->drawPicture(context, &dest, &picture, &source, 36, params, 0), 0);
    SelectClipRgn(dc, nullptr);
    EXPECT_EQ(host.stage().pixel(1, 1), 0x000000u); // left of the clip
    EXPECT_EQ(host.stage().pixel(2, 1), 0x0000FFu); // red, scaled
    EXPECT_EQ(host.stage().pixel(6, 3), 0x00FF00u); // green
    EXPECT_EQ(host.stage().pixel(8, 3), 0x000000u); // grey left out
    EXPECT_EQ(host.stage().pixel(8, 6), 0xFF0000u); // blue bottom row
    EXPECT_EQ(host.stage().pixel(9, 6), 0x000000u); // right of the clip
    // Unscaled, huge rectangles cost only the part of the picture that can show.
    const zx::HostRect huge{0, 0, 1 << 30, 1 << 30};
    EXPECT_EQ(context->ops->drawPicture(context, &huge, &picture, &huge, 36, params, 0), 0);
    EXPECT_EQ(host.stage().pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(host.stage().pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(host.stage().pixel(2, 0), 0x000000u); // grey left out
    EXPECT_EQ(host.stage().pixel(3, 1), 0xFF0000u);
    EXPECT_EQ(host.stage().pixel(4, 0), 0x000000u); // beyond the picture
    context->ops->release(context);
    u->ops->releaseValue(u, &picture);
}

TEST_F(Pictures, ContextKindsWithoutDrawingGiveNoHandle) {
    for (int32_t kind : {0, 4}) {
        zx::DrawContext* context = host.newDrawContext(kind, host.stage().dc());
        intptr_t words[zx::kNativeInfoWords];
        std::memset(words, 0xFF, sizeof words);
        EXPECT_EQ(context->ops->getNativeInfo(context, words), 0);
        EXPECT_EQ(words[0], kind);
        EXPECT_EQ(words[3], 0);
        context->ops->release(context);
    }
}

TEST_F(Pictures, InvalidDibsAreRefusedAndTheValueStaysNull) {
    auto dib = smallDib();
    int32_t zeroWidth = 0;
    std::memcpy(dib.data() + 4, &zeroWidth, 4);
    const zx::PictureDIBRecord record{2, 0, dib.data(), dib.data() + 40};
    zx::HostValue picture{};
    EXPECT_NE(u->ops->pictureFromDIB(u, &record, &picture), 0);
    EXPECT_EQ(picture.type, 0);
    host.hooks().failAt(zxhost::fault::kPictureFromDIB, {0, zx::kOutOfMemory});
    const auto good = smallDib();
    const zx::PictureDIBRecord fine{2, 0, good.data(), good.data() + 40};
    EXPECT_EQ(u->ops->pictureFromDIB(u, &fine, &picture), zx::kOutOfMemory);
}

TEST_F(Pictures, BitmapMemberFillsImageMediaWithAPackedDib) {
    zxhost::Member& keys = host.newBitmapMemberFromBytes("keys", bmpFile(smallDib()));
    EXPECT_TRUE(keys.isBitmap());
    // The road a plug-in takes: media services, StageServices, the movie, the member object.
    zx::MemberMediaServices* media = nullptr;
    zx::StageServices* stage = nullptr;
    zx::HostValue script = host.toHostValue(zxhost::Value("keys"));
    host.queryService(zx::kMemberMediaServicesId, reinterpret_cast<void**>(&media));
    host.queryService(zx::kStageServicesId, reinterpret_cast<void**>(&stage));
    ASSERT_NE(media, nullptr);
    ASSERT_NE(stage, nullptr);
    zx::HostValue ref{};
    ASSERT_EQ(media->ops->valueToMemberRef(media, &script, &ref), 0);
    zx::Movie* movie = nullptr;
    ASSERT_EQ(stage->ops->currentMovie(stage, &movie), 0);
    zx::CastMemberObject* object = nullptr;
    ASSERT_EQ(movie->ops->memberObject(movie, &ref, &object), 0);
    zx::Symbol image = 0, format = 0;
    u->ops->stringToSymbol(u, "Image", &image);
    u->ops->stringToSymbol(u, "winDIB", &format);
    intptr_t record[zx::kMediaRecordWords] = {};
    ASSERT_EQ(media->ops->prepareMediaRecord(media, image, format, 0, 0, 0, record), 0);
    ASSERT_EQ(object->ops->fillMedia(object, record), 0);
    auto* memory = reinterpret_cast<HGLOBAL>(record[zx::kMediaRecordHandle]);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GlobalSize(memory), smallDib().size());
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(memory));
    EXPECT_EQ(std::memcmp(bytes, smallDib().data(), smallDib().size()), 0);
    GlobalUnlock(memory);
    media->ops->releaseMediaRecord(media, record);
    object->ops->release(object);
    movie->ops->release(movie);
    stage->ops->release(stage);
    media->ops->release(media);
    host.releaseHostValue(script);
    EXPECT_EQ(host.hooks().liveReferenceTotal(), 0);
}

TEST_F(Pictures, BitmapMembersSurviveAMovieRoundTripAndDrawAsSprites) {
    zxhost::Member& keys = host.newBitmapMemberFromBytes("keys", bmpFile(smallDib()));
    host.stage().setSize(20, 20);
    host.addSprite(keys, zxhost::Rect{0, 0, 8, 4});
    const std::string path = zxtest::scratchPath("bitmap_movie.json");
    host.saveMovie(path);
    zxhost::Host other;
    other.loadMovie(path);
    ASSERT_NE(other.member("keys"), nullptr);
    EXPECT_EQ(other.member("keys")->dib(), keys.dib());
    other.stage().render();
    EXPECT_EQ(other.stage().pixel(0, 0), 0x0000FFu); // red, scaled two to one
    EXPECT_EQ(other.stage().pixel(3, 0), 0x00FF00u);
    EXPECT_EQ(other.stage().pixel(0, 3), 0xFF0000u);
}

} // namespace
