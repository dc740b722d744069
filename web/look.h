#pragma once
// The design's places, colours and fonts as CSS.

#include <string>

#include "control_table.h"

namespace lpf::web {

// A length in twips as CSS pixels, which are the design's pixels.
std::string CssPixels(int twips);

// A CSS colour; empty for the kind's usual colour, which the page's style
// sheet gives.
std::string CssColour(Colour colour);

// A CSS colour as the browser draws it now, 0xRRGGBB: a system colour in
// the user's scheme.
int ResolvedRgb(const std::string& colour);

// The CSS font shorthand, with fallbacks for faces the browser lacks.
std::string CssFont(const DesignFont& font);

}  // namespace lpf::web
