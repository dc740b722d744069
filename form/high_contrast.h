#pragma once
// The window in the user's high-contrast scheme (a contrast theme on
// Windows, forced colours in a browser). While it is on, every colour the
// design fixes as an RGB value gives way to the scheme's colour of its role,
// so that no caption is lost on the scheme's ground, and the pictures are
// drawn in the scheme's colours. Off, every colour is the design's own.

#include "control_table.h"

namespace lpf {

enum class Layer { Fore, Back };

// The user's setting, as each window learns it from its desktop.
enum class Scheme { Design, HighContrast };

// The colour a control shows on `layer`: `designed` is its fore or back
// colour with its kind's usual colour filled in (ForeColour, BackColour) or
// the one a handler gave it.
Colour InScheme(ControlId id, Layer layer, Colour designed, Scheme scheme);

// The ground the art draws every picture on.
inline constexpr Colour PictureGround = Rgb(255, 255, 255);

// A picture's pixel of colour `pixel` as it is drawn: in high contrast the
// ground in the window colour, lines and lettering in window text, the help
// sheet's red in highlight so that it still stands out.
Colour PictureInk(Colour pixel, Scheme scheme);

}  // namespace lpf
