#pragma once
// The three pictures as PNG files, made from the BMP files in art/ when the
// page is built (png_pictures.py).

#include <cstddef>
#include <string_view>

#include "control_table.h"

namespace lpf::web {

struct PicturePng {
    std::string_view bytes;
    std::size_t palette;  // where its colours start, three bytes each
    std::size_t colours;
};

PicturePng PicturePngOf(Picture picture);

}  // namespace lpf::web
