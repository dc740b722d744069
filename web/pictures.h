#pragma once
// The three pictures as data: URLs of lossless PNG files, made from the BMP
// files in art/ when the page is built (png_pictures.py).

#include "control_table.h"

namespace lpf::web {

const char* PictureDataUrl(Picture picture);

}  // namespace lpf::web
