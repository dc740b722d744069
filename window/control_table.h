#pragma once
// The window's 48 controls as data: one row each, top of the stacking order
// first. Rectangles are in twips (15 to a pixel at 96 dpi), relative to the
// container's top-left corner. Form1 builds every control from this table in
// one loop; handlers never restate a caption or a rectangle.

#include <span>

namespace lpf {

// MaskBox is a text box holding only blanks, laid over a schematic's credit
// line; it is never edited and never takes the focus, so it always shows as a
// plain white area.
enum class Kind {
    PushButton,
    PictureBox,
    TextBox,
    MaskBox,
    ScrollBar,
    Frame,
    OptionButton,
    Image,
    Label
};

// A colour as the window's design names it: a plain RGB value, one of the
// desktop scheme's numbered colours, or the kind's usual colour.
struct Colour {
    enum class Source { KindDefault, Rgb, System };
    Source source = Source::KindDefault;
    int value = 0;  // 0xRRGGBB, or the system colour's number
};
constexpr Colour Rgb(int r, int g, int b) {
    return {Colour::Source::Rgb, r << 16 | g << 8 | b};
}
constexpr Colour Sys(int index) {
    return {Colour::Source::System, index};
}
constexpr Colour Usual{};

// A font by the face the design names, in points at 96 dpi; no face means
// the window font.
struct DesignFont {
    const char* face = nullptr;
    double points = 0;
    bool bold = false;
};
constexpr DesignFont WindowFont{};

// How assistive technology meets the control. Decoration (the edge bars,
// the panel beneath the schematics, the masks) is there for the eye only. An
// announced label speaks up whenever it appears, as the refresh prompt
// catches the eye when the order changes. What everything is called is in
// accessibility.cpp.
enum class Presence { Presented, Decoration, Announced };

struct ControlRow {
    const char* name;
    Kind kind;
    const char* container;         // nullptr: directly on the window
    const char* text;              // caption or text; for pictures, the embedded bitmap
    int left, top, width, height;  // twips
    DesignFont font;
    Colour back;
    Colour fore;
    bool shown;    // visibility the control is created with
    int tab;       // position in the Tab walk; -1: none
    bool checked;  // option buttons: selected by design
    Presence presence;
};

std::span<const ControlRow> ControlTable();

// The resistor scroll bar's design values, in ohms.
struct ScrollBarDesign {
    int minimum, maximum, value, smallStep, largeStep;
};
inline constexpr ScrollBarDesign kHScroll1{1000, 10000, 1000, 1, 1};

// A colour number as the platform writes it: red in the low byte.
constexpr Colour ColourNumber(int n) {
    return Rgb(n & 0xFF, n >> 8 & 0xFF, n >> 16 & 0xFF);
}

// The normalized caption of each order, with the coefficients of the table.
inline constexpr const char* kSecondOrderCaption =
    "Normalized 2nd order LPF C1 = 1.414 and C2 = 0.7071";
inline constexpr const char* kThirdOrderCaption =
    "Normalized 3rd order LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024.";

// Pixels from twips at 96 dpi.
constexpr int Px(int twips) {
    return twips / 15;
}

}  // namespace lpf
