#pragma once
// How the design's geometry, fonts and colours appear on a Windows desktop at
// the window's own dots per inch: twips and 96-dpi pixels scaled by the
// form's PixelsAt, fonts asked for by name at that dpi's pixel height, system
// colours read by the scheme's numbers for them.

#include <windows.h>

#include "control_table.h"
#include "high_contrast.h"

namespace lpf::win32 {

// A length given in 96-dpi pixels (a border, an inset, a picture) at `dpi`,
// by the same rule as the table's twips.
inline int Scaled(int designPixels, UINT dpi) {
    return PixelsAt(designPixels * kTwipsPerPixel, static_cast<int>(dpi));
}

// The face the design names at `dpi`; WindowFont means kForm1's. Kept for
// the program's life.
HFONT FontOf(const DesignFont& font, UINT dpi);

// A design colour on this desktop; CLR_INVALID for a kind's usual colour.
COLORREF ColourRef(Colour colour);

// Whether the user's high-contrast setting is on, asked each time.
Scheme DesktopScheme();

// A picture from the program's resources with its pixels in the scheme's
// colours; null if it cannot be made.
HBITMAP PictureIn(Scheme scheme, Picture picture);

// A solid brush of that colour, kept until the desktop's colours change.
HBRUSH BrushOf(COLORREF colour);
// After a change of the desktop's colours: the kept brushes are deleted, and
// each is made anew when next asked for. None may be in use at the time.
void ForgetBrushes();

}  // namespace lpf::win32
