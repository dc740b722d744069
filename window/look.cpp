#include "look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include "control_table.h"
#include "rules.h"

namespace lpf {
namespace {

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
    const DesignFont& d = DrawnFont(design);
    const StandInFont standIn = StandIn(d);
    QFont font;
    font.setFamily(QString::fromLatin1(standIn.family));
    font.setPixelSize(standIn.pixels);
    font.setBold(d.bold);
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
    // The desktop scheme's colours, as the palette names them.
    const QPalette p = StandardPalette();
    switch (colour.system) {
        case SystemColour::ScrollBar:
            return p.color(QPalette::Window);
        case SystemColour::Window:
            return p.color(QPalette::Base);
        case SystemColour::WindowText:
            return p.color(QPalette::Text);
        case SystemColour::ActiveCaptionText:
            return p.color(QPalette::HighlightedText);
        case SystemColour::Highlight:
            return p.color(QPalette::Highlight);
        case SystemColour::ButtonFace:
            return p.color(QPalette::Button);
        case SystemColour::ButtonText:
            return p.color(QPalette::ButtonText);
    }
    return {};
}

}  // namespace lpf
