#include "look.h"

#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "rules.h"
#include "text.h"

namespace lpf::win32 {
namespace {

std::map<COLORREF, HBRUSH> keptBrushes;

}  // namespace

HFONT FontOf(const DesignFont& font, UINT dpi) {
    static std::map<std::tuple<std::string, double, bool, UINT>, HFONT> kept;
    const DesignFont& d = DrawnFont(font);
    HFONT& made = kept[{d.face, d.points, d.bold, dpi}];
    if (made) return made;
    // A negative height asks for the character height, as a point size does:
    // 8.25 pt is 11 px at 96 dpi, which picks MS Sans Serif's 8-point bitmaps.
    const int pixels = static_cast<int>(std::lround(d.points * dpi / 72));
    made = CreateFontW(-pixels, 0, 0, 0, d.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, Widened(d.face).c_str());
    return made;
}

COLORREF ColourRef(Colour colour) {
    if (colour.source == Colour::Source::Rgb)
        return RGB(colour.Red(), colour.Green(), colour.Blue());
    if (colour.source == Colour::Source::System)
        return GetSysColor(static_cast<int>(colour.system));
    return CLR_INVALID;
}

Scheme DesktopScheme() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
                    (setting.dwFlags & HCF_HIGHCONTRASTON);
    return on ? Scheme::HighContrast : Scheme::Design;
}

static_assert(static_cast<int>(Picture::TwoPoleSchematic) == 1 &&
                  static_cast<int>(Picture::ThreePoleSchematic) == 2 &&
                  static_cast<int>(Picture::HelpSheet) == 3,
              "pictures.rc numbers the pictures as Picture does");

// The resources hold 24-bit rows, which a DIB section gives to be rewritten
// in place; in the design's colours the picture is loaded as it is.
HBITMAP PictureIn(Scheme scheme, Picture picture) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);  // the program's own
    const wchar_t* resource = MAKEINTRESOURCEW(static_cast<int>(picture));
    if (scheme == Scheme::Design) return LoadBitmapW(instance, resource);
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(instance, resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
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
            const COLORREF ink = ColourRef(PictureInk(Rgb(pixel[2], pixel[1], pixel[0]), scheme));
            pixel[0] = GetBValue(ink);
            pixel[1] = GetGValue(ink);
            pixel[2] = GetRValue(ink);
        }
    }
    return bitmap;
}

HBRUSH BrushOf(COLORREF colour) {
    HBRUSH& brush = keptBrushes[colour];
    if (!brush) brush = CreateSolidBrush(colour);
    return brush;
}

void ForgetBrushes() {
    for (const auto& [colour, brush] : keptBrushes) DeleteObject(brush);
    keptBrushes.clear();
}

}  // namespace lpf::win32
