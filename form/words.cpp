#include "words.h"

namespace lpf {
namespace {

using enum ControlId;

constexpr CaptionedBox kCaptionedBoxes[] = {
    {Text5, Label19, Label19, {}},       // "Enter frequency (Hz)"
    {HScroll1, Label13, Label14, {}},    // "Select R1", "Select R3"
    {Text1, Label4, Label1, Label15},    // "R1 = R2 =", "R3 = R4 = R5 =", "Ohm"
    {Text2, Label5, Label10, Label16},   // "C1 =", "C3 =", "uF"
    {Text3, Label6, Label11, Label17},   // "C2 =", "C4 =", "uF"
    {Text4, Label12, Label12, Label18},  // "C5 =" (shown with three poles only), "uF"
};

std::string Trimmed(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

}  // namespace

std::string HelpSheetText() {
    const HelpSheetWords& w = kHelpSheet;
    std::string text = std::string(w.title) + "\n" + w.heading + "\n";
    for (const char* step : w.steps) (text += step) += "\n";
    return text + w.closing + "\n" + w.note[0] + " " + w.note[1];
}

const char* PictureName(Picture picture) {
    switch (picture) {
        case Picture::TwoPoleSchematic:
            return "Two-pole filter schematic";
        case Picture::ThreePoleSchematic:
            return "Three-pole filter schematic";
        case Picture::HelpSheet:
            return "Help";
        case Picture::None:
            break;
    }
    return "";
}

std::string PictureDescription(Picture picture) {
    switch (picture) {
        case Picture::TwoPoleSchematic:
            return "Vin feeds resistor R1. From the junction after R1, capacitor C1 goes up to "
                   "the output, and resistor R2 leads on to the amplifier's non-inverting input. "
                   "Capacitor C2 connects that input to ground. The amplifier's inverting input "
                   "is wired to its output, so it works as a unity-gain follower. The output is "
                   "Vout.";
        case Picture::ThreePoleSchematic:
            return "Vin feeds resistor R3. Capacitor C4 connects the junction after R3 to "
                   "ground. Resistor R4 leads on to a second junction, from which capacitor C3 "
                   "goes up to the output. Resistor R5 leads from the second junction to the "
                   "amplifier's non-inverting input, and capacitor C5 connects that input to "
                   "ground. The amplifier's inverting input is wired to its output, so it works "
                   "as a unity-gain follower. The output is Vout.";
        case Picture::HelpSheet:
            return HelpSheetText();
        case Picture::None:
            break;
    }
    return {};
}

std::span<const CaptionedBox> CaptionedBoxes() {
    return kCaptionedBoxes;
}

std::string BoxName(const CaptionedBox& row, bool twoPoles) {
    std::string words = Trimmed(Row(twoPoles ? row.twoPolesCaption : row.threePolesCaption).text);
    if (!words.empty() && words.back() == '=') words = Trimmed(words.substr(0, words.size() - 1));
    if (row.unit) words += std::string(" (") + Row(*row.unit).text + ")";
    return words;
}

std::string Announcement(ControlId id) {
    const ControlRow& row = Row(id);
    if (row.picture == Picture::None) return row.text;
    return std::string(PictureName(row.picture)) + ". " + PictureDescription(row.picture);
}

}  // namespace lpf
