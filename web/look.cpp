#include "look.h"

#include <cstdio>

#include "rules.h"

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

// The face itself where it is installed, else the free face that stands in
// for it.
std::string CssFont(const DesignFont& font) {
    const DesignFont& f = DrawnFont(font);
    const StandInFont standIn = StandIn(f);
    return std::string(f.bold ? "bold " : "") + std::to_string(standIn.pixels) + "px \"" + f.face +
           "\", \"" + standIn.family + "\", sans-serif";
}

}  // namespace lpf::web
