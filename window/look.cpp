#include "look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <cstring>

#include "control_table.h"

namespace lpf {
namespace {

struct FaceMapping {
    const char* designFace;
    double points;
    const char* freeFace;
    int pixels;
};
// Liberation Sans has Arial's metrics, so Arial keeps its 96-dpi pixel size.
// DejaVu Sans shares Verdana's wide proportions. MS Sans Serif is a bitmap
// face: at 9.75 pt it draws its 10-point glyphs, whose line widths match
// Liberation Sans one pixel smaller than the point size gives.
constexpr FaceMapping kFaces[] = {
    {"MS Sans Serif", 8.25, "Liberation Sans", 11}, {"MS Sans Serif", 9.75, "Liberation Sans", 12},
    {"Arial", 9.75, "Liberation Sans", 13},         {"Arial", 12, "Liberation Sans", 16},
    {"Verdana", 9.75, "DejaVu Sans", 13},
};

QPalette StandardPalette() {
    static const QPalette palette = [] {
        QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        QPalette p = fusion->standardPalette();
        delete fusion;
        return p;
    }();
    return palette;
}

}  // namespace

void PrepareApplication(QApplication& app) {
    app.setStyle(QStringLiteral("Fusion"));
    app.setPalette(StandardPalette());
    // Every control starts out in the window font, so none is first laid out
    // in a face the window never shows.
    app.setFont(MappedFont(kForm1.font));
}

QFont MappedFont(const DesignFont& design) {
    if (!design.face) return MappedFont(kForm1.font);
    QFont font;
    for (const FaceMapping& m : kFaces) {
        if (std::strcmp(m.designFace, design.face) == 0 && m.points == design.points) {
            font.setFamily(QString::fromLatin1(m.freeFace));
            font.setPixelSize(m.pixels);
        }
    }
    font.setBold(design.bold);
    return font;
}

QColor Resolve(const Colour& colour) {
    switch (colour.source) {
        case Colour::Source::KindDefault:
            return {};
        case Colour::Source::Rgb:
            return QColor::fromRgb(colour.Red(), colour.Green(), colour.Blue());
        case Colour::Source::System:
            break;
    }
    // The desktop scheme's numbered colours, as the palette names them.
    const QPalette p = StandardPalette();
    switch (colour.value) {
        case 0:
            return p.color(QPalette::Window);  // scroll bar
        case 5:
            return p.color(QPalette::Base);  // window background
        case 8:
            return p.color(QPalette::Text);  // window text
        case 9:
            return p.color(QPalette::HighlightedText);  // active title-bar text
        case 13:
            return p.color(QPalette::Highlight);  // highlight
        case 15:
            return p.color(QPalette::Button);  // button face
        case 18:
            return p.color(QPalette::ButtonText);  // button text
        default:
            return {};
    }
}

}  // namespace lpf
