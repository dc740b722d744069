#include "look.h"

#include <cstdio>
#include <cstring>

namespace lpf::web {
namespace {

// The desktop scheme's numbered colours as CSS system colours, which follow
// the user's scheme (a dark or high-contrast one too). CSS keeps its old name
// for the scroll bar only as another name for Canvas, the page's white; the
// scroll bar's grey, which fills most of the window, is the button face's in
// the usual schemes, so it is taken from there.
const char* SystemColour(int index) {
    switch (index) {
        case 0:
            return "ButtonFace";  // scroll bar
        case 5:
            return "Canvas";  // window background
        case 8:
            return "CanvasText";  // window text
        case 9:
            return "CaptionText";  // active title-bar text
        case 13:
            return "Highlight";
        case 15:
            return "ButtonFace";
        case 18:
            return "ButtonText";
        default:
            return "";
    }
}

// Each face with its fallbacks, sized in pixels as the Linux window sizes
// it: MS Sans Serif is a bitmap face narrower than its stand-ins, so those
// are drawn one pixel smaller than its point size gives, and every caption
// fits its rectangle.
struct FaceMapping {
    const char* designFace;
    double points;
    const char* families;
    int pixels;
};
constexpr const char* kSansSerif = "\"MS Sans Serif\", \"Liberation Sans\", Arial, sans-serif";
constexpr const char* kArial = "Arial, \"Liberation Sans\", sans-serif";
constexpr const char* kVerdana = "Verdana, \"DejaVu Sans\", sans-serif";
constexpr FaceMapping kFaces[] = {
    {"MS Sans Serif", 8.25, kSansSerif, 11},
    {"MS Sans Serif", 9.75, kSansSerif, 12},
    {"Arial", 9.75, kArial, 13},
    {"Arial", 12, kArial, 16},
    {"Verdana", 9.75, kVerdana, 13},
};

}  // namespace

std::string CssColour(Colour colour) {
    switch (colour.source) {
        case Colour::Source::KindDefault:
            return {};
        case Colour::Source::Rgb: {
            char text[8];
            std::snprintf(text, sizeof text, "#%06x", colour.value & 0xFFFFFF);
            return text;
        }
        case Colour::Source::System:
            break;
    }
    return SystemColour(colour.value);
}

std::string CssFont(const DesignFont& font) {
    const DesignFont& f = font.face ? font : kForm1.font;
    for (const FaceMapping& m : kFaces)
        if (std::strcmp(m.designFace, f.face) == 0 && m.points == f.points)
            return std::string(f.bold ? "bold " : "") + std::to_string(m.pixels) + "px " +
                   m.families;
    return "medium sans-serif";
}

}  // namespace lpf::web
