#include "look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <memory>
#include <utility>

#include "control_table.h"
#include "rules.h"

namespace lpf {
namespace {

QPalette StandardPalette() {
    static const QPalette palette =
        std::unique_ptr<QStyle>(QStyleFactory::create(QStringLiteral("Fusion")))->standardPalette();
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
    if (colour.source == Colour::Source::KindDefault) return {};
    if (colour.source == Colour::Source::Rgb)
        return QColor::fromRgb(colour.Red(), colour.Green(), colour.Blue());
    // The desktop scheme's colours, as the palette names them.
    static constexpr std::pair<SystemColour, QPalette::ColorRole> kRoles[] = {
        {SystemColour::ScrollBar, QPalette::Window},
        {SystemColour::Window, QPalette::Base},
        {SystemColour::WindowText, QPalette::Text},
        {SystemColour::ActiveCaptionText, QPalette::HighlightedText},
        {SystemColour::Highlight, QPalette::Highlight},
        {SystemColour::ButtonFace, QPalette::Button},
        {SystemColour::ButtonText, QPalette::ButtonText},
    };
    for (const auto& [system, role] : kRoles)
        if (colour.system == system) return StandardPalette().color(role);
    return {};
}

void Paint(QWidget* w, const QColor& ground, const QColor& caption) {
    QPalette palette = w->palette();
    if (ground.isValid()) {
        palette.setColor(QPalette::Window, ground);
        w->setAutoFillBackground(true);
    }
    if (caption.isValid()) {
        palette.setColor(QPalette::WindowText, caption);
        palette.setColor(QPalette::ButtonText, caption);
    }
    w->setPalette(palette);
}

}  // namespace lpf
