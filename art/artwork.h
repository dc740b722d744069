#pragma once
// The three pictures of the window, drawn from their layouts.

#include "control_table.h"
#include "raster.h"

namespace lpf::art {

Raster DrawTwoPoleSchematic();    // 306 x 157, black on white
Raster DrawThreePoleSchematic();  // 402 x 147, black on white
Raster DrawHelpSheet();           // 387 x 212, red frame, blue title, black text

// The one that shows the picture; a control without one shows nothing.
Raster Draw(Picture picture);

}  // namespace lpf::art
