#pragma once
// The words of the window that are not a control's own caption, each in one
// place: what the order caption says, what the help sheet prints, and what a
// screen reader hears for the boxes and the pictures. The art generator
// letters the help sheet from here, and each toolkit's window presents the
// same words to assistive technology.

#include <optional>
#include <span>
#include <string>

#include "control_table.h"

namespace lpf {

// The normalized caption of each order, with the coefficients of the table.
inline constexpr const char* kSecondOrderCaption =
    "Normalized 2nd order LPF C1 = 1.414 and C2 = 0.7071";
inline constexpr const char* kThirdOrderCaption =
    "Normalized 3rd order LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024.";

// The help sheet's text, in the order it is printed.
struct HelpSheetWords {
    const char* title;
    const char* heading;
    const char* steps[4];
    const char* closing;
    const char* note[2];  // printed on two lines, read as one sentence
};
inline constexpr HelpSheetWords kHelpSheet{
    "Low Pass Filter Design",
    "Instructions",
    {"1. Select the number of filter poles (order) you are designing.",
     "2. Enter the cutoff Frequency of the Low Pass Filter.",
     "3. Select the Resistor values available to you.", "4. Click on \"Design\"."},
    "Capacitors will be designed accordingly.",
    {"Note: Use the scroll bar to select resistor value. Use",
     "\"Increment\" for fast resistor value navigation."},
};

// The sheet as one text to read: a line each, the note as one sentence.
std::string HelpSheetText();

// What a picture is called and what it shows, in words: the schematics as
// the circuit they draw, the help sheet as the text it prints.
const char* PictureName(Picture picture);
std::string PictureDescription(Picture picture);

// A box or the scroll bar, named by the caption beside it for each order and
// the unit printed after it.
struct CaptionedBox {
    ControlId box;
    ControlId twoPolesCaption;
    ControlId threePolesCaption;
    std::optional<ControlId> unit;  // none where the caption names the unit itself
};
std::span<const CaptionedBox> CaptionedBoxes();

// "C3 (uF)": the caption's words without the "=", then the unit.
std::string BoxName(const CaptionedBox& row, bool twoPoles);

// What a control that announces itself says as it appears: a picture its
// name and what it shows, a label its caption.
std::string Announcement(ControlId id);

}  // namespace lpf
