// The program icon's pictures as pixels, made from packaging/icons at build
// time by embed_icon_pixels: no PNG decoding at start-up.
#pragma once

#include <cstdint>

namespace tarvel::ui {

struct IconPixels {
    int size;     // width and height
    bool alpha;   // premultiplied ARGB32 when true, else RGB32
    const std::uint32_t* pixels;
};

extern const IconPixels kProgramIconPixels[];
extern const int kProgramIconPixelCount;

}  // namespace tarvel::ui
