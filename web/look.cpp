#include "look.h"

#include <cstdio>
#include <cstring>

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

// Each face with its fallbacks: the face itself where it is installed, else
// the free face the form names for it, then the usual stand-ins.
struct FaceFamilies {
    const char* designFace;
    const char* families;
};
constexpr FaceFamilies kFaces[] = {
    {"MS Sans Serif", "\"MS Sans Serif\", \"Liberation Sans\", Arial, sans-serif"},
    {"Arial", "Arial, \"Liberation Sans\", sans-serif"},
    {"Verdana", "Verdana, \"DejaVu Sans\", sans-serif"},
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
    std::string families = "sans-serif";
    for (const FaceFamilies& m : kFaces)
        if (std::strcmp(m.designFace, f.face) == 0) families = m.families;
    return std::string(f.bold ? "bold " : "") + std::to_string(StandIn(f).pixels) + "px " +
           families;
}

}  // namespace lpf::web
