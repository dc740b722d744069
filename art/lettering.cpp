#include "lettering.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace lpf::art {

namespace {

constexpr char kFontDir[] = "/usr/share/fonts/truetype/liberation/";
constexpr char kFamily[] = "Liberation Sans";

QFont MakeFont(const TextStyle& style) {
    QFont font(QString::fromLatin1(kFamily));
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    font.setStretch(style.stretch);
    // Solid one-colour pixels, and the same hinting on every machine rather
    // than the desktop's default.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(style.hinting);
    font.setKerning(false);
    if (style.letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, style.letterSpacing);
    return font;
}

struct Box {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

// Draws the text black on white with its baseline at y = baseline and
// returns the image and the bounds of its ink.
QImage DrawScratch(const QString& text, const QFont& font, int baseline, Box& box) {
    const int width = 40 + text.size() * font.pixelSize();
    QImage image(width, 3 * font.pixelSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(10, baseline, text);
    painter.end();

    box = Box{image.width(), image.height(), -1, -1};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return image;
}

}  // namespace

bool LoadLetteringFonts() {
    const QString dir = QString::fromLatin1(kFontDir);
    return QFontDatabase::addApplicationFont(dir + "LiberationSans-Regular.ttf") >= 0 &&
           QFontDatabase::addApplicationFont(dir + "LiberationSans-Bold.ttf") >= 0;
}

Ink RenderInk(const QString& text, const TextStyle& style) {
    const QFont font = MakeFont(style);
    const int baseline = 2 * style.pixelSize;
    Box capital;
    DrawScratch(QStringLiteral("H"), font, baseline, capital);
    Box box;
    const QImage image = DrawScratch(text, font, baseline, box);

    Ink ink;
    if (box.right < box.left) return ink;
    ink.width = box.right - box.left + 1;
    ink.height = box.bottom - box.top + 1;
    ink.capTop = capital.top - box.top;
    ink.on.resize(static_cast<std::size_t>(ink.width * ink.height));
    for (int y = 0; y < ink.height; ++y) {
        for (int x = 0; x < ink.width; ++x) {
            const bool set = (image.pixel(box.left + x, box.top + y) & 0xFFFFFF) != 0xFFFFFF;
            ink.on[static_cast<std::size_t>(y * ink.width + x)] = set;
        }
    }
    return ink;
}

void PlaceInk(Raster& raster, const Ink& ink, int left, int capTop, Rgb colour, int clipTop) {
    const int top = capTop - ink.capTop;
    for (int y = 0; y < ink.height; ++y) {
        if (top + y < clipTop) continue;
        for (int x = 0; x < ink.width; ++x) {
            if (ink.on[static_cast<std::size_t>(y * ink.width + x)]) {
                raster.Set(left + x, top + y, colour);
            }
        }
    }
}

void PlaceInkCentred(Raster& raster, const Ink& ink, int left, int right, int capTop, Rgb colour,
                     int clipTop) {
    const int spare = (right - left + 1) - ink.width;
    // Halving towards minus infinity keeps an odd spare pixel on the right.
    const int offset = spare >= 0 ? spare / 2 : -((-spare + 1) / 2);
    PlaceInk(raster, ink, left + offset, capTop, colour, clipTop);
}

}  // namespace lpf::art
