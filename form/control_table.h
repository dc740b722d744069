#pragma once
// The window and its 48 controls as data: one row each, top of the stacking
// order first. Rectangles are in twips (15 to a pixel at 96 dpi), relative to
// the container's top-left corner. Each toolkit's window builds every control
// from this table in one loop; handlers never restate a caption or a
// rectangle. Which handler a control has is in form.cpp, Form::Clicked and
// its neighbours.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "design_state.h"

namespace lpf {

// The controls by their own names, in table order, so that a control's id is
// its row's index (checked when the table is compiled). The window itself,
// Form1, is no control and has no id: an array of the 48 controls cannot be
// reached with it.
// clang-format off
enum class ControlId : unsigned char {
    Command6, Picture1, Text7,    Text6,   Command5, Text5,   Text4,    HScroll1,
    Text3,    Text1,    Command1, Frame1,  Option1,  Option2, Command2, Command4,
    Frame2,   Option9,  Option8,  Option7, Option6,  Option5, Option4,  Option3,
    Option10, Text2,    Image1,   Label7,  Image2,   Label20, Label19,  Label18,
    Label17,  Label16,  Label15,  Label14, Label13,  Label12, Label11,  Label10,
    Label6,   Label5,   Label4,   Label1,  Label3,   Label9,  Label8,   Label2,
};
// clang-format on
inline constexpr std::size_t kControlCount = 48;

constexpr std::size_t Index(ControlId id) {
    return static_cast<std::size_t>(id);
}

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

// The three pictures the window shows, each drawn by the art generator.
enum class Picture { None, TwoPoleSchematic, ThreePoleSchematic, HelpSheet };

// The BMP file in art/ that holds a picture.
constexpr const char* PictureFile(Picture picture) {
    switch (picture) {
        case Picture::TwoPoleSchematic:
            return "two_pole.bmp";
        case Picture::ThreePoleSchematic:
            return "three_pole.bmp";
        case Picture::HelpSheet:
            return "help_sheet.bmp";
        case Picture::None:
            break;
    }
    return "";
}

// The desktop scheme's colours that the window uses, each by its role in the
// scheme; the values are the scheme's own numbers for them.
enum class SystemColour : unsigned char {
    ScrollBar = 0,
    Window = 5,
    WindowText = 8,
    ActiveCaptionText = 9,
    Highlight = 13,
    ButtonFace = 15,
    ButtonText = 18,
};

// A colour as the window's design names it: a plain RGB value, one of the
// desktop scheme's colours, or the kind's usual colour.
struct Colour {
    enum class Source { KindDefault, Rgb, System };
    Source source = Source::KindDefault;
    int rgb = 0;  // 0xRRGGBB
    SystemColour system{};

    constexpr int Red() const { return rgb >> 16 & 0xFF; }
    constexpr int Green() const { return rgb >> 8 & 0xFF; }
    constexpr int Blue() const { return rgb & 0xFF; }
    constexpr bool operator==(const Colour&) const = default;
};
constexpr Colour Rgb(int r, int g, int b) {
    return {Colour::Source::Rgb, r << 16 | g << 8 | b};
}
constexpr Colour Sys(SystemColour colour) {
    return {Colour::Source::System, 0, colour};
}
constexpr Colour Usual{};
inline constexpr Colour Navy = Rgb(0, 0, 128);
inline constexpr Colour DarkRed = Rgb(192, 0, 0);

// A font by the face the design names, in points at 96 dpi; no face means
// the window font.
struct DesignFont {
    const char* face = nullptr;
    double points = 0;
    bool bold = false;
};
constexpr DesignFont WindowFont{};  // the row shows the window font, kForm1.font

// How assistive technology meets the control. Decoration (the edge bars,
// the panel beneath the schematics, the masks) is there for the eye only. An
// announced control speaks up whenever it appears, as the refresh prompt
// catches the eye when the order changes and the help sheet when it opens
// over the window. What everything is called is in words.cpp.
enum class Presence { Presented, Decoration, Announced };

// Where a control sits: in a frame, or with no container directly on the
// window.
using Container = std::optional<ControlId>;
inline constexpr Container OnForm{};

struct ControlRow {
    ControlId id;
    const char* name;
    Kind kind;
    Container container;
    const char* text;              // caption or text
    Picture picture;               // pictures and images: what they show
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
const ControlRow& Row(ControlId id);
// The control of that name, as a window knows its controls by name.
std::optional<ControlId> ControlNamed(std::string_view name);

// The window itself: its title, the client area's place on the screen and
// its size in twips, its back colour and the window font.
struct WindowDesign {
    const char* title;
    int left, top, width, height;  // twips, the client area
    Colour back;
    DesignFont font;
};
inline constexpr WindowDesign kForm1{
    "Low Pass Filter - Butterworth", 1665, 1755, 8130, 5925, Sys(SystemColour::ScrollBar),
    {"MS Sans Serif", 9.75, true}};

// The resistor scroll bar's design values, in ohms.
struct ScrollBarDesign {
    int minimum, maximum, value, smallStep, largeStep;
};
inline constexpr ScrollBarDesign kHScroll1{kStartRval, 10000, kStartRval, 1, 1};

// The dpi at which the design's pixels are screen pixels, 15 twips each.
inline constexpr int kDesignDpi = 96;
inline constexpr int kTwipsPerPixel = 1440 / kDesignDpi;

// Twips (1440 to the inch) as pixels at `dpi`, rounded to the nearest and a
// half away from zero, as Windows' MulDiv rounds, so that every window lays
// the table out alike at any scale. Every rectangle of the table is a whole
// number of pixels at 96 dpi (checked where the table is compiled), so there
// nothing is rounded.
constexpr int PixelsAt(int twips, int dpi) {
    const int scaled = twips * dpi;
    return (scaled >= 0 ? scaled + 720 : scaled - 720) / 1440;
}

// Pixels from twips at 96 dpi.
constexpr int Px(int twips) {
    return PixelsAt(twips, kDesignDpi);
}

// A control's or the window's rectangle in pixels at `dpi`, each of its
// values scaled on its own by PixelsAt, as every window places it.
struct PixelRect {
    int left, top, width, height;
    constexpr bool operator==(const PixelRect&) const = default;
};
template <class Placed>  // a ControlRow, or the WindowDesign kForm1
constexpr PixelRect PlaceAt(const Placed& place, int dpi) {
    return {PixelsAt(place.left, dpi), PixelsAt(place.top, dpi), PixelsAt(place.width, dpi),
            PixelsAt(place.height, dpi)};
}

}  // namespace lpf
