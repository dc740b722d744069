#include "high_contrast.h"

#include <iterator>

namespace lpf {
namespace {

using enum ControlId;
using enum Layer;

struct Role {
    ControlId id;
    Layer layer;
    SystemColour colour;
};

// Each control the design colours by value, and the scheme's colour of the
// role it plays. The prompt and the order caption keep standing out from
// the other captions; the edge bars are lines, drawn as text is.
constexpr Role kRoles[] = {
    {Command1, Back, SystemColour::ButtonFace}, {Command2, Back, SystemColour::ButtonFace},
    {Command5, Back, SystemColour::ButtonFace}, {Command6, Back, SystemColour::ButtonFace},
    {Picture1, Back, SystemColour::Window},     {Text6, Back, SystemColour::Window},
    {Text7, Back, SystemColour::Window},        {Label7, Back, SystemColour::WindowText},
    {Label8, Back, SystemColour::WindowText},   {Label9, Back, SystemColour::WindowText},
    {Frame1, Fore, SystemColour::ButtonText},   {Label13, Fore, SystemColour::ButtonText},
    {Label14, Fore, SystemColour::ButtonText},  {Label20, Fore, SystemColour::Highlight},
    {Label3, Fore, SystemColour::Highlight},
};

struct Ink {
    int rgb;
    SystemColour colour;
};

// The art's colours: white ground, black lines and lettering, the help
// sheet's red border and dark blue headings.
constexpr Ink kInks[] = {
    {0xFFFFFF, SystemColour::Window},
    {0x000000, SystemColour::WindowText},
    {0xFF0000, SystemColour::Highlight},
    {0x004080, SystemColour::WindowText},
};
static_assert(kInks[0].rgb == PictureGround.rgb, "the ground comes first");

}  // namespace

Colour InScheme(ControlId id, Layer layer, Colour designed, Scheme scheme) {
    if (scheme == Scheme::Design || designed.source != Colour::Source::Rgb) return designed;
    for (const Role& role : kRoles)
        if (role.id == id && role.layer == layer) return Sys(role.colour);
    return designed;
}

Colour PictureInk(Colour pixel, Scheme scheme) {
    if (scheme == Scheme::Design) return pixel;
    for (const Ink& ink : kInks)
        if (ink.rgb == pixel.rgb) return Sys(ink.colour);
    return Sys(SystemColour::WindowText);
}

}  // namespace lpf
