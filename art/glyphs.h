#pragma once
// The artwork's own pixel type: three small bitmap faces drawn by hand as
// text grids, so the pictures come out the same on every machine whatever
// fonts it has installed. Bitmaps rather than outlines: at capitals of 8 to
// 12 pixels every pixel of a letter shows, and choosing each one by hand
// gives even stems and round bowls that a rasterised outline would only
// approximate; bold is then each stroke doubled one pixel to the right.
//
// A glyph is a list of rows from the top of the capitals downwards, '#' for
// ink and '.' for paper; rows left out at the bottom are paper. All rows of a
// glyph have the same length, its width. Ascenders stand as tall as the
// capitals, so the top of a line's capitals is the top of its ink.

#include <initializer_list>
#include <span>

namespace lpf::art {

struct Glyph {
    char ch;
    std::initializer_list<const char*> rows;
};

struct PixelFace {
    int capHeight;  // rows from the top of the capitals to the baseline
    int descent;    // rows below the baseline
    int spaceWidth;
    std::span<const Glyph> glyphs;
};

// Regular faces whose capitals are 12, 10 and 8 pixels tall. The 12-pixel
// face holds the schematics' labels and the help heading, the 10-pixel face
// the help text and the title, the 8-pixel face only the small credit line.
extern const PixelFace kFace12;
extern const PixelFace kFace10;
extern const PixelFace kFace8;

// The glyph of ch in the face, or nullptr if the face has none.
const Glyph* FindGlyph(const PixelFace& face, char ch);

}  // namespace lpf::art
