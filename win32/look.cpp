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
            return GetSysColor(static_cast<int>(colour.system));
        case Colour::Source::KindDefault:
            break;
    }
    return CLR_INVALID;
}

Scheme DesktopScheme() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
                    (setting.dwFlags & HCF_HIGHCONTRASTON);
    return on ? Scheme::HighContrast : Scheme::Design;
}

// The resources are numbered as the pictures (pictures.rc) and hold 24-bit
// rows, which a DIB section gives to be rewritten in place.
HBITMAP PictureInHighContrast(HINSTANCE instance, Picture picture) {
    const auto bitmap =
        static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(static_cast<int>(picture)),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib{};
    if (!bitmap) return nullptr;
    if (GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 24) {
        DeleteObject(bitmap);
        return nullptr;
    }
    GdiFlush();
    for (int y = 0; y < dib.dsBm.bmHeight; ++y) {
        BYTE* pixel = static_cast<BYTE*>(dib.dsBm.bmBits) + y * dib.dsBm.bmWidthBytes;
        for (int x = 0; x < dib.dsBm.bmWidth; ++x, pixel += 3) {
            const COLORREF ink =
                ColourRef(PictureInk(Rgb(pixel[2], pixel[1], pixel[0]), Scheme::HighContrast));
            pixel[0] = GetBValue(ink);
            pixel[1] = GetGValue(ink);
            pixel[2] = GetRValue(ink);
        }
    }
    return bitmap;
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
