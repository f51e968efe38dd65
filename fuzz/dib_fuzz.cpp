// Fuzz target for the packed-DIB checks. The first byte picks the road:
//  0: the frame's checked layout of a packed bitmap (what a picture copy trusts), then every
//     pixel byte it promises is read;
//  1: the host's BMP reader (bitmap members): a file it accepts becomes a packed DIB that the
//     header check accepts, decodes to a picture of the header's size and turns back into the
//     same DIB through a BMP file;
//  2: the host's header check and decoder as PictureFromDIB uses them, on a buffer that holds
//     at least the rows the header promises.
// A check that accepts a bitmap it then cannot read whole aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "dib.h"
#include "value_store.h"
#include "zxhost/error.h"
#include "zxplugin/dib_layout.h"

namespace {

void Require(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void frameLayout(const uint8_t* data, size_t size) {
    const auto layout = zx::checkedDibLayout(data, size);
    if (!layout) {
        return;
    }
    Require(layout->totalBytes <= size);
    Require(layout->pixelOffset <= layout->totalBytes);
    volatile uint8_t sum = 0;
    for (uint64_t i = layout->pixelOffset; i < layout->totalBytes; ++i) {
        sum = sum + data[i];
    }
}

void bmpFile(const uint8_t* data, size_t size) {
    std::vector<uint8_t> dib;
    try {
        dib = zxhost::packedDibFromBmp(std::vector<uint8_t>(data, data + size));
    } catch (const zxhost::Error&) {
        return;
    }
    const auto layout = zxhost::dibLayout(dib.data());
    Require(layout.has_value());
    Require(layout->pixelOffset() + layout->pixelBytes <= dib.size());
    const auto picture = zxhost::decodeDib(dib.data(), dib.data() + layout->pixelOffset());
    Require(picture.has_value());
    Require(picture->width == layout->width && picture->height == layout->height);
    Require(zxhost::packedDibFromBmp(zxhost::bmpFromPackedDib(dib)) == dib);
}

void pictureFromDib(const uint8_t* data, size_t size) {
    if (size < 40) {
        return;
    }
    // The header is read from an aligned copy, as a plug-in's own record would be.
    std::vector<uint8_t> buffer(data, data + size);
    const auto layout = zxhost::dibLayout(buffer.data());
    if (!layout || layout->pixelOffset() + layout->pixelBytes > size) {
        return;
    }
    const auto picture = zxhost::decodeDib(buffer.data(), buffer.data() + layout->pixelOffset());
    if (picture) {
        Require(picture->pixels.size() ==
                static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) {
        return 0;
    }
    switch (data[0] % 3) {
    case 0:
        frameLayout(data + 1, size - 1);
        break;
    case 1:
        bmpFile(data + 1, size - 1);
        break;
    default:
        pictureFromDib(data + 1, size - 1);
        break;
    }
    return 0;
}
