// The picture that shows a comparison: native rendering, Wine rendering and their
// difference side by side (identical white; differing pixels yellow where excused, inside
// Symbol-encoded text, orange inside other text, red outside text).
#pragma once

#include <string>
#include <vector>

#include "pixel_comparison.h"

namespace moviecompare {

// The three panels in one image, each enlarged `zoom` times.
Image sideBySide(const Image& native, const Image& wine, const std::vector<TextBox>& textBoxes,
                 int zoom);

// PNG output and input through libw32; false on failure.
bool writePng(const Image& image, const std::string& path);
bool readPng(const std::string& path, Image& image);

} // namespace moviecompare
