#pragma once
// Text for the artwork, set in the hand-drawn faces of glyphs.h: whole
// pixels of one colour, no smoothing, the same on every machine.

#include <string_view>
#include <vector>

#include "glyphs.h"
#include "raster.h"

namespace lpf::art {

struct TextStyle {
    const PixelFace* face;
    // Bold doubles every stroke one pixel to the right, so each glyph grows
    // by one column; letters stay one column apart.
    bool bold = false;
};

// Schematic labels: capitals 12 pixels tall.
inline constexpr TextStyle kLabelStyle{&kFace12};
// Help sheet: the title (bold, capitals 10 pixels), the heading (bold,
// capitals 12 pixels) and the instructions (capitals 10 pixels).
inline constexpr TextStyle kTitleStyle{&kFace10, true};
inline constexpr TextStyle kHeadingStyle{&kFace12, true};
inline constexpr TextStyle kBodyStyle{&kFace10};
// The small credit lines under the schematics' masks.
inline constexpr TextStyle kCreditStyle{&kFace10};
inline constexpr TextStyle kSmallCreditStyle{&kFace8};

// The pixels a line of text covers, from its first inked column to its last;
// row 0 is the top of the capitals.
struct Ink {
    int width = 0;
    int height = 0;
    std::vector<bool> on;
    bool At(int x, int y) const { return on[static_cast<std::size_t>(y * width + x)]; }
};

// Sets one line of text. With a width, the word spaces widen (the first ones
// by a pixel more than the rest) until the ink is exactly that wide; a line
// already wider stays as it is. Throws std::invalid_argument for a character
// the face has no glyph for.
Ink SetLine(std::string_view text, const TextStyle& style, int width = 0);

// Copies the ink with its left edge at x = left and its capitals starting at
// y = capTop.
void PlaceInk(Raster& raster, const Ink& ink, int left, int capTop, Rgb colour);

// Centres the ink horizontally in the columns left..right; an odd spare
// pixel goes to the right.
void PlaceInkCentred(Raster& raster, const Ink& ink, int left, int right, int capTop, Rgb colour);

}  // namespace lpf::art
