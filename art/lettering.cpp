#include "lettering.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace lpf::art {

const Glyph* FindGlyph(const PixelFace& face, char ch) {
    for (const Glyph& g : face.glyphs)
        if (g.ch == ch) return &g;
    return nullptr;
}

namespace {

int GlyphWidth(const Glyph& g) {
    return static_cast<int>(std::strlen(*g.rows.begin()));
}

// Letters stand one column apart, words one space wider.
constexpr int kLetterGap = 1;

struct Layout {
    std::vector<const Glyph*> glyphs;  // nullptr for a space
    std::vector<int> x;                // left column of each glyph's grid
    int end = 0;                       // one past the last column
};

Layout LayOut(std::string_view text, const TextStyle& style, int extraSpace) {
    const int bold = style.bold ? 1 : 0;
    const int spaces = static_cast<int>(std::count(text.begin(), text.end(), ' '));
    Layout out;
    int pen = 0;
    int spaceIndex = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0) pen += kLetterGap;
        if (text[i] == ' ') {
            // Spread the extra pixels over the spaces, the first ones first.
            const int share = extraSpace / spaces + (spaceIndex < extraSpace % spaces ? 1 : 0);
            ++spaceIndex;
            out.glyphs.push_back(nullptr);
            out.x.push_back(pen);
            pen += style.face->spaceWidth + share;
            continue;
        }
        const Glyph* g = FindGlyph(*style.face, text[i]);
        if (g == nullptr)
            throw std::invalid_argument(std::string("no glyph for '") + text[i] + "' in text \"" +
                                        std::string(text) + "\"");
        out.glyphs.push_back(g);
        out.x.push_back(pen);
        pen += GlyphWidth(*g) + bold;
    }
    out.end = pen;
    return out;
}

Ink Rasterise(const Layout& layout, const TextStyle& style) {
    const int height = style.face->capHeight + style.face->descent;
    const int bold = style.bold ? 1 : 0;
    std::vector<bool> grid(static_cast<std::size_t>(layout.end * height), false);
    int first = layout.end;
    int last = -1;
    for (std::size_t i = 0; i < layout.glyphs.size(); ++i) {
        const Glyph* g = layout.glyphs[i];
        if (g == nullptr) continue;
        int y = 0;
        for (const char* row : g->rows) {
            for (int c = 0; row[c] != '\0'; ++c) {
                if (row[c] != '#') continue;
                for (int d = 0; d <= bold; ++d) {
                    const int x = layout.x[i] + c + d;
                    grid[static_cast<std::size_t>(y * layout.end + x)] = true;
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
            ++y;
        }
    }
    Ink ink;
    if (last < first) return ink;
    ink.width = last - first + 1;
    ink.height = height;
    ink.on.resize(static_cast<std::size_t>(ink.width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < ink.width; ++x)
            ink.on[static_cast<std::size_t>(y * ink.width + x)] =
                grid[static_cast<std::size_t>(y * layout.end + first + x)];
    return ink;
}

}  // namespace

Ink SetLine(std::string_view text, const TextStyle& style, int width) {
    Ink ink = Rasterise(LayOut(text, style, 0), style);
    const bool hasSpace = text.find(' ') != std::string_view::npos;
    if (width > ink.width && hasSpace)
        ink = Rasterise(LayOut(text, style, width - ink.width), style);
    return ink;
}

void PlaceInk(Raster& raster, const Ink& ink, int left, int capTop, Rgb colour) {
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            if (ink.At(x, y)) raster.Set(left + x, capTop + y, colour);
}

void PlaceInkCentred(Raster& raster, const Ink& ink, int left, int right, int capTop, Rgb colour) {
    const int spare = (right - left + 1) - ink.width;
    // Halving towards minus infinity keeps an odd spare pixel on the right.
    const int offset = spare >= 0 ? spare / 2 : -((-spare + 1) / 2);
    PlaceInk(raster, ink, left + offset, capTop, colour);
}

}  // namespace lpf::art
