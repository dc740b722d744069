// "Two Poles" (Option1) and "Three Poles" (Option2): re-dress the window for
// the chosen circuit. They compute nothing; Design does that.

#include <QLabel>
#include <QLineEdit>

#include "accessibility.h"
#include "control_table.h"
#include "form1.h"
#include "look.h"

namespace {

enum class Set { Shown, Hidden, Blanked, ShownThenBlanked };

struct OrderRow {
    const char* control;
    Set twoPoles;
    Set threePoles;
};

// Applied top to bottom.
constexpr OrderRow kOrderRows[] = {
    {"Label20", Set::Shown, Set::Shown},   // "Click "Design" to refresh"
    {"Label4", Set::Shown, Set::Hidden},   // "R1 = R2 ="
    {"Label1", Set::Hidden, Set::Shown},   // "R3 = R4 = R5 ="
    {"Label13", Set::Shown, Set::Hidden},  // "Select R1"
    {"Label14", Set::Hidden, Set::Shown},  // "Select R3"
    {"Label5", Set::Shown, Set::Hidden},   // "C1 ="
    {"Label6", Set::Shown, Set::Hidden},   // "C2 ="
    {"Label10", Set::Hidden, Set::Shown},  // "C3 ="
    {"Label11", Set::Hidden, Set::Shown},  // "C4 ="
    {"Label12", Set::Hidden, Set::Shown},  // "C5 ="
    {"Label15", Set::Shown, Set::Shown},   // "Ohm"
    {"Label16", Set::Shown, Set::Shown},   // "uF", first result
    {"Label17", Set::Shown, Set::Shown},   // "uF", second result
    {"Label18", Set::Hidden, Set::Shown},  // "uF", third result
    {"Text1", Set::Shown, Set::Shown},     {"Text2", Set::Blanked, Set::Blanked},
    {"Text3", Set::Blanked, Set::Blanked}, {"Text4", Set::Hidden, Set::ShownThenBlanked},
};

struct OrderLook {
    lpf::Colour captionColour;
    const char* caption;
    const char* schematic;
    const char* otherSchematic;
    const char* mask;
    const char* otherMask;
};

constexpr OrderLook kTwoPoles{
    lpf::ColourNumber(192), lpf::kSecondOrderCaption, "Image1", "Image2", "Text6", "Text7"};
constexpr OrderLook kThreePoles{
    lpf::ColourNumber(0x800000), lpf::kThirdOrderCaption, "Image2", "Image1", "Text7", "Text6"};

const QString kBlank = QStringLiteral(" ");

}  // namespace

void Form1::ApplyOrder(bool twoPoles) {
    for (const OrderRow& row : kOrderRows) {
        auto* control = Control<QWidget>(row.control);
        switch (twoPoles ? row.twoPoles : row.threePoles) {
            case Set::Shown:
                control->show();
                break;
            case Set::Hidden:
                control->hide();
                break;
            case Set::Blanked:
                static_cast<QLineEdit*>(control)->setText(kBlank);
                break;
            case Set::ShownThenBlanked:
                control->show();
                static_cast<QLineEdit*>(control)->setText(kBlank);
                break;
        }
    }

    const OrderLook& look = twoPoles ? kTwoPoles : kThreePoles;
    auto* caption = Control<QLabel>("Label3");
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, lpf::Resolve(look.captionColour));
    caption->setPalette(palette);
    caption->setText(QString::fromLatin1(look.caption));

    // The other schematic goes first, so the two are never on show together.
    Control<QWidget>(look.otherSchematic)->hide();
    Control<QWidget>(look.schematic)->show();
    Control<QWidget>(look.mask)->show();
    Control<QWidget>(look.otherMask)->hide();
    lpf::NameBoxesByCaptions(*this);
}

void Form1::Option1_Click() {
    ApplyOrder(true);
}

void Form1::Option2_Click() {
    ApplyOrder(false);
}
