// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vora::widgets {

// The start of a pre-rendered picture (resources/render_pictures.cpp): the
// pixels of a QImage of `width` by `height` in QImage::Format `format`,
// `bytesPerLine` to a row, follow it at once.
struct PictureFileHeader {
    char magic[4]; // "VPIC"
    std::int32_t width;
    std::int32_t height;
    std::int32_t format;
    std::int32_t bytesPerLine;
};

} // namespace vora::widgets
