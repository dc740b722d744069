// "Two Poles" (Option1) and "Three Poles" (Option2): re-dress the window for
// the chosen circuit. They compute nothing; Design does that.

#include "form.h"
#include "words.h"

namespace lpf {
namespace {

using enum ControlId;

enum class Set { Shown, Hidden, Blanked, ShownThenBlanked };

struct OrderRow {
    ControlId control;
    Set twoPoles;
    Set threePoles;
};

// Applied top to bottom.
constexpr OrderRow kOrderRows[] = {
    {Label20, Set::Shown, Set::Shown},   // "Click "Design" to refresh"
    {Label4, Set::Shown, Set::Hidden},   // "R1 = R2 ="
    {Label1, Set::Hidden, Set::Shown},   // "R3 = R4 = R5 ="
    {Label13, Set::Shown, Set::Hidden},  // "Select R1"
    {Label14, Set::Hidden, Set::Shown},  // "Select R3"
    {Label5, Set::Shown, Set::Hidden},   // "C1 ="
    {Label6, Set::Shown, Set::Hidden},   // "C2 ="
    {Label10, Set::Hidden, Set::Shown},  // "C3 ="
    {Label11, Set::Hidden, Set::Shown},  // "C4 ="
    {Label12, Set::Hidden, Set::Shown},  // "C5 ="
    {Label15, Set::Shown, Set::Shown},   // "Ohm"
    {Label16, Set::Shown, Set::Shown},   // "uF", first result
    {Label17, Set::Shown, Set::Shown},   // "uF", second result
    {Label18, Set::Hidden, Set::Shown},  // "uF", third result
    {Text1, Set::Shown, Set::Shown},     {Text2, Set::Blanked, Set::Blanked},
    {Text3, Set::Blanked, Set::Blanked}, {Text4, Set::Hidden, Set::ShownThenBlanked},
};

struct OrderLook {
    Colour captionColour;
    const char* caption;
    ControlId schematic;
    ControlId otherSchematic;
    ControlId mask;
    ControlId otherMask;
};

constexpr OrderLook kTwoPoles{DarkRed, kSecondOrderCaption, Image1, Image2, Text6, Text7};
constexpr OrderLook kThreePoles{Navy, kThirdOrderCaption, Image2, Image1, Text7, Text6};

// A result box is blanked with one space, not emptied.
constexpr const char* kBlank = " ";

}  // namespace

void Form::ApplyOrder(bool twoPoles) {
    for (const OrderRow& row : kOrderRows) {
        switch (twoPoles ? row.twoPoles : row.threePoles) {
            case Set::Shown:
                view_.SetVisible(row.control, true);
                break;
            case Set::Hidden:
                view_.SetVisible(row.control, false);
                break;
            case Set::Blanked:
                view_.SetText(row.control, kBlank);
                break;
            case Set::ShownThenBlanked:
                view_.SetVisible(row.control, true);
                view_.SetText(row.control, kBlank);
                break;
        }
    }

    const OrderLook& look = twoPoles ? kTwoPoles : kThreePoles;
    view_.SetForeColour(Label3, look.captionColour);
    view_.SetText(Label3, look.caption);

    // The other schematic goes first, so the two are never on show together.
    view_.SetVisible(look.otherSchematic, false);
    view_.SetVisible(look.schematic, true);
    view_.SetVisible(look.mask, true);
    view_.SetVisible(look.otherMask, false);
    NameBoxesByCaptions();
}

void Form::Option1_Click() {
    ApplyOrder(true);
}

void Form::Option2_Click() {
    ApplyOrder(false);
}

}  // namespace lpf
