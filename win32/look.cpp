#include "look.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "rules.h"
#include "text.h"

namespace lpf::win32 {
namespace {

struct KeptFont {
    DesignFont design;
    UINT dpi;
    HFONT font;
};

struct KeptBrush {
    COLORREF colour;
    HBRUSH brush;
};

std::vector<KeptBrush>& KeptBrushes() {
    static std::vector<KeptBrush> kept;
    return kept;
}

}  // namespace

HFONT FontOf(const DesignFont& font, UINT dpi) {
    static std::vector<KeptFont> kept;
    const DesignFont& d = DrawnFont(font);
    for (const KeptFont& k : kept)
        if (std::strcmp(k.design.face, d.face) == 0 && k.design.points == d.points &&
            k.design.bold == d.bold && k.dpi == dpi)
            return k.font;
    // A negative height asks for the character height, as a point size does:
    // 8.25 pt is 11 px at 96 dpi, which picks MS Sans Serif's 8-point bitmaps.
    const int pixels = static_cast<int>(std::lround(d.points * dpi / 72));
    HFONT created =
        CreateFontW(-pixels, 0, 0, 0, d.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, Widened(d.face).c_str());
    kept.push_back({d, dpi, created});
    return created;
}

COLORREF ColourRef(Colour colour) {
    switch (colour.source) {
        case Colour::Source::Rgb:
            return RGB(colour.Red(), colour.Green(), colour.Blue());
        case Colour::Source::System:
            return GetSysColor(colour.value);
        case Colour::Source::KindDefault:
            break;
    }
    return CLR_INVALID;
}

HBRUSH BrushOf(COLORREF colour) {
    for (const KeptBrush& k : KeptBrushes())
        if (k.colour == colour) return k.brush;
    KeptBrushes().push_back({colour, CreateSolidBrush(colour)});
    return KeptBrushes().back().brush;
}

void ForgetBrushes() {
    for (const KeptBrush& k : KeptBrushes()) DeleteObject(k.brush);
    KeptBrushes().clear();
}

}  // namespace lpf::win32
