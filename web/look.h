#pragma once
// The design's colours and fonts as CSS.

#include <string>

#include "control_table.h"

namespace lpf::web {

// A CSS colour; empty for the kind's usual colour, which the page's style
// sheet gives.
std::string CssColour(Colour colour);

// The CSS font shorthand, with fallbacks for faces the browser lacks.
std::string CssFont(const DesignFont& font);

}  // namespace lpf::web
