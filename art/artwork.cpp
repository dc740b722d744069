#include "artwork.h"

namespace lpf::art {

Raster Draw(Picture picture) {
    switch (picture) {
        case Picture::TwoPoleSchematic:
            return DrawTwoPoleSchematic();
        case Picture::ThreePoleSchematic:
            return DrawThreePoleSchematic();
        case Picture::HelpSheet:
            return DrawHelpSheet();
        case Picture::None:
            break;
    }
    return Raster(0, 0, kWhite);
}

}  // namespace lpf::art
