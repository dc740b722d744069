#pragma once
// How the design's fonts and colours appear on a Windows desktop: fonts are
// asked for by name at their 96-dpi pixel height, system colours are read by
// their numbers.

#include <windows.h>

#include "control_table.h"

namespace lpf::win32 {

// The face the design names; WindowFont means kForm1's. Kept for the
// program's life.
HFONT FontOf(const DesignFont& font);

// A design colour on this desktop; CLR_INVALID for a kind's usual colour.
COLORREF ColourRef(Colour colour);

// A solid brush of that colour, kept for the program's life.
HBRUSH BrushOf(COLORREF colour);

}  // namespace lpf::win32
