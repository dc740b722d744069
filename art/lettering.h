#pragma once
// Text for the artwork: Liberation Sans, loaded from its font file so that no
// font substitution can change it, rendered without anti-aliasing or hinting
// and copied into a Raster as solid pixels of one colour.

#include <QFont>
#include <QString>
#include <climits>
#include <vector>

#include "raster.h"

namespace lpf::art {

struct TextStyle {
    int pixelSize;
    bool bold;
    int stretch;  // percent of the normal width
    QFont::HintingPreference hinting;
    double letterSpacing = 0;  // extra pixels after each letter
};

// Sizes give capitals of 12 or 10 pixels. Full hinting keeps stems and
// spacing even; with it the stretch only takes effect in whole steps of the
// horizontal size, which is why the values below are what they are.

// Labels of the schematics: capitals 12 pixels tall.
inline constexpr TextStyle kLabelStyle{17, false, 88, QFont::PreferFullHinting};
// Title of the help sheet: bold, capitals 10 pixels tall, 142 pixels wide.
// Full hinting would make it 157 pixels wide or crowd its letters; hinted
// vertically only, narrowed and spaced by half a pixel, it keeps that width
// with a clear gap between letters.
inline constexpr TextStyle kTitleStyle{14, true, 88, QFont::PreferVerticalHinting, 0.5};
// Heading of the help sheet: bold, capitals 12 pixels tall.
inline constexpr TextStyle kHeadingStyle{17, true, 100, QFont::PreferFullHinting};
// Body of the help sheet: capitals 10 pixels tall; the longest line fits
// between the frame bars.
inline constexpr TextStyle kBodyStyle{14, false, 90, QFont::PreferFullHinting};

// Loads the two Liberation Sans files; false when either is missing. Needs a
// QGuiApplication.
bool LoadLetteringFonts();

// The pixels a text covers, cropped to its ink.
struct Ink {
    int width = 0;
    int height = 0;
    int capTop = 0;  // row of the crop at which a capital letter starts
    std::vector<bool> on;
};

Ink RenderInk(const QString& text, const TextStyle& style);

// Copies the ink with its left edge at x = left and its capitals starting at
// y = capTop. Rows above clipTop are left out.
void PlaceInk(Raster& raster, const Ink& ink, int left, int capTop, Rgb colour,
              int clipTop = INT_MIN);

// Centres the ink horizontally in the columns left..right.
void PlaceInkCentred(Raster& raster, const Ink& ink, int left, int right, int capTop, Rgb colour,
                     int clipTop = INT_MIN);

}  // namespace lpf::art
