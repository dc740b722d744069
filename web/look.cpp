#include "look.h"

#include <emscripten/val.h>

#include <cstdio>
#include <utility>

#include "rules.h"

namespace lpf::web {

using emscripten::val;

// The desktop scheme's colours as CSS system colours, which follow the
// user's scheme (a dark or high-contrast one too). CSS keeps its old name for
// the scroll bar only as another name for Canvas, the page's white; the
// scroll bar's grey, which fills most of the window, is the button face's in
// the usual schemes, so it is taken from there.
constexpr std::pair<SystemColour, const char*> kCssSystemColours[] = {
    {SystemColour::ScrollBar, "ButtonFace"},  {SystemColour::Window, "Canvas"},
    {SystemColour::WindowText, "CanvasText"}, {SystemColour::ActiveCaptionText, "CaptionText"},
    {SystemColour::Highlight, "Highlight"},   {SystemColour::ButtonFace, "ButtonFace"},
    {SystemColour::ButtonText, "ButtonText"},
};

std::string CssPixels(int twips) {
    return std::to_string(Px(twips)) + "px";
}

std::string CssColour(Colour colour) {
    if (colour.source == Colour::Source::Rgb) {
        char text[8];
        std::snprintf(text, sizeof text, "#%06x", colour.rgb & 0xFFFFFF);
        return text;
    }
    for (const auto& [system, css] : kCssSystemColours)
        if (colour.source == Colour::Source::System && colour.system == system) return css;
    return {};  // the kind's usual colour
}

int ResolvedRgb(const std::string& colour) {
    // An element of its own that the browser leaves its colour as given.
    static val probe = [] {
        val element = val::global("document").call<val>("createElement", val("span"));
        element.set("hidden", true);
        element["style"].set("forcedColorAdjust", "none");
        val::global("document")["body"].call<void>("append", element);
        return element;
    }();
    probe["style"].set("color", colour);
    // "rgb(R, G, B)" or "rgba(R, G, B, A)", read by the browser's own parse.
    const val numbers =
        val::global("window").call<val>("getComputedStyle", probe)["color"].call<val>(
            "match", val::global("RegExp").new_(val("[0-9.]+"), val("g")));
    double rgba[4] = {0, 0, 0, 1};
    for (int k = 0; k < 4 && k < numbers["length"].as<int>(); ++k)
        rgba[k] = val::global("Number")(numbers[k]).as<double>();
    // A translucent system colour (a highlight) as it shows on the canvas.
    const int ground = rgba[3] < 1 ? ResolvedRgb("Canvas") : 0;
    int rgb = 0;
    for (int k = 0; k < 3; ++k) {
        const double under = ground >> (16 - 8 * k) & 0xFF;
        rgb = rgb << 8 | static_cast<int>(rgba[3] * rgba[k] + (1 - rgba[3]) * under + 0.5);
    }
    return rgb;
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
