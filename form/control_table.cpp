#include "control_table.h"

namespace lpf {
namespace {

constexpr DesignFont Arial12Bold{"Arial", 12, true};
constexpr DesignFont SansSerif825{"MS Sans Serif", 8.25, false};
constexpr DesignFont SansSerif975{"MS Sans Serif", 9.75, false};
constexpr Colour Periwinkle = Rgb(128, 128, 255);
constexpr Colour ScrollBarGrey = Sys(SystemColour::ScrollBar);
constexpr Colour Highlight = Sys(SystemColour::Highlight);
constexpr Colour TitleText = Sys(SystemColour::ActiveCaptionText);

// The start values as the boxes show them, written from the numbers.
template <int N>
struct DigitsOf {
    char text[12]{};
    constexpr DigitsOf() {
        char reversed[12]{};
        int n = 0;
        for (int v = N; n == 0 || v > 0; v /= 10) reversed[n++] = static_cast<char>('0' + v % 10);
        for (int i = 0; i < n; ++i) text[i] = reversed[n - 1 - i];
    }
};
constexpr DigitsOf<kStartFreq> kStartFreqDigits;
constexpr DigitsOf<kStartRval> kStartRvalDigits;
constexpr const char* kStartFreqText = kStartFreqDigits.text;
constexpr const char* kStartRvalText = kStartRvalDigits.text;

using enum ControlId;
using enum Kind;
using enum Picture;
using enum Presence;

// clang-format off
constexpr ControlRow kControls[] = {
// id      name        kind          in      text                           picture             left   top  width height font                           back              fore           shown tab checked presence
{Command6, "Command6", PushButton,   OnForm, "Close",                       None,               6600,  360, 1095,  375, {"Arial", 9.75, true},         Periwinkle,       Usual,         true, 42, false, Presented},
{Picture1, "Picture1", PictureBox,   OnForm, "",                            HelpSheet,          2220,   45, 5775, 3255, WindowFont,                    Rgb(255,255,255), Usual,         true, 43, false, Announced},
{Text7,    "Text7",    MaskBox,      OnForm, "        ",                    None,               4005, 1950, 1860,  285, WindowFont,                    Usual,            Usual,         true, 45, false, Decoration},
{Text6,    "Text6",    MaskBox,      OnForm, "      ",                      None,               3090, 1920, 2145,  390, WindowFont,                    Usual,            Usual,         true, 44, false, Decoration},
{Command5, "Command5", PushButton,   OnForm, "Help",                        None,                240, 1605, 1575,  405, Arial12Bold,                   Periwinkle,       Usual,         true, 41, false, Presented},
{Text5,    "Text5",    TextBox,      OnForm, kStartFreqText,                None,                360, 5160, 2055,  360, WindowFont,                    Usual,            Usual,         true, 38, false, Presented},
{Text4,    "Text4",    TextBox,      OnForm, "",                            None,               4440, 5160, 2655,  375, WindowFont,                    Usual,            Usual,         true, 28, false, Presented},
{HScroll1, "HScroll1", ScrollBar,    OnForm, "",                            None,                360, 3120, 2415,  255, WindowFont,                    Usual,            Usual,         true, 13, false, Presented},
{Text3,    "Text3",    TextBox,      OnForm, "",                            None,               4440, 4680, 2655,  375, WindowFont,                    Usual,            Usual,         true, 12, false, Presented},
{Text1,    "Text1",    TextBox,      OnForm, kStartRvalText,                None,               5520, 3240, 1575,  375, WindowFont,                    Usual,            Usual,         true, 10, false, Presented},
{Command1, "Command1", PushButton,   OnForm, "Design",                      None,                240, 1080, 1575,  435, Arial12Bold,                   Rgb(0,192,0),     Usual,         true, 4,  false, Presented},
{Frame1,   "Frame1",   Frame,        OnForm, "Filter Selection",            None,                240,  120, 1575,  855, {"MS Sans Serif", 8.25, true}, ScrollBarGrey,    Navy,          true, 2,  false, Presented},
{Option1,  "Option1",  OptionButton, Frame1, "Two Poles",                   None,                120,  240, 1215,  255, SansSerif825,                  ScrollBarGrey,    Usual,         true, 3,  false, Presented},
{Option2,  "Option2",  OptionButton, Frame1, "Three Poles",                 None,                105,  480, 1215,  255, SansSerif825,                  ScrollBarGrey,    Usual,         true, 0,  true,  Presented},
{Command2, "Command2", PushButton,   OnForm, "EXIT",                        None,                240, 2100, 1575,  450, Arial12Bold,                   Rgb(255,0,0),     Usual,         true, 1,  false, Presented},
{Command4, "Command4", PushButton,   OnForm, "Reset",                       None,               2880, 3120,  855,  495, SansSerif975,                  Usual,            Usual,         true, 23, false, Presented},
{Frame2,   "Frame2",   Frame,        OnForm, "Increment",                   None,                360, 3600, 3375, 1095, WindowFont,                    ScrollBarGrey,    Usual,         true, 14, false, Presented},
{Option9,  "Option9",  OptionButton, Frame2, "500",                         None,               1680,  720,  855,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 21, false, Presented},
{Option8,  "Option8",  OptionButton, Frame2, "100",                         None,                840,  720,  735,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 20, false, Presented},
{Option7,  "Option7",  OptionButton, Frame2, "50",                          None,                120,  720,  735,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 19, false, Presented},
{Option6,  "Option6",  OptionButton, Frame2, "25",                          None,               2520,  360,  615,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 18, false, Presented},
{Option5,  "Option5",  OptionButton, Frame2, "10",                          None,               1680,  360,  615,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 17, false, Presented},
{Option4,  "Option4",  OptionButton, Frame2, "5",                           None,                840,  360,  615,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 16, false, Presented},
{Option3,  "Option3",  OptionButton, Frame2, "1",                           None,                120,  360,  615,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 15, true,  Presented},
{Option10, "Option10", OptionButton, Frame2, "1000",                        None,               2520,  720,  735,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 22, false, Presented},
{Text2,    "Text2",    TextBox,      OnForm, "",                            None,               4440, 4200, 2655,  375, WindowFont,                    Usual,            Usual,         true, 11, false, Presented},
{Image1,   "Image1",   Image,        OnForm, "",                            TwoPoleSchematic,   2805,   75, 4590, 2355, WindowFont,                    Usual,            Usual,        false, -1, false, Presented},
{Label7,   "Label7",   Label,        OnForm, "",                            None,               8040,    0,  135, 6135, WindowFont,                    Navy,             Usual,         true, 5,  false, Decoration},
{Image2,   "Image2",   Image,        OnForm, "",                            ThreePoleSchematic, 1950,   75, 6030, 2205, WindowFont,                    Usual,            Usual,         true, -1, false, Presented},
{Label20,  "Label20",  Label,        OnForm, "Click \"Design\" to refresh", None,               4440, 3960, 2895,  255, {"Verdana", 9.75, true},       ScrollBarGrey,    Rgb(255,0,0),  true, 40, false, Announced},
{Label19,  "Label19",  Label,        OnForm, "Enter frequency (Hz)",        None,                360, 4920, 2295,  255, WindowFont,                    ScrollBarGrey,    Highlight,     true, 39, false, Presented},
{Label18,  "Label18",  Label,        OnForm, "uF",                          None,               7200, 5280,  375,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 37, false, Presented},
{Label17,  "Label17",  Label,        OnForm, "uF",                          None,               7200, 4800,  375,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 36, false, Presented},
{Label16,  "Label16",  Label,        OnForm, "uF",                          None,               7200, 4320,  375,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 35, false, Presented},
{Label15,  "Label15",  Label,        OnForm, "Ohm",                         None,               7200, 3360,  495,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 34, false, Presented},
{Label14,  "Label14",  Label,        OnForm, "Select R3",                   None,                375, 2850, 1095,  255, WindowFont,                    ScrollBarGrey,    Navy,          true, 33, false, Presented},
{Label13,  "Label13",  Label,        OnForm, "Select R1",                   None,                375, 2850, 1095,  255, WindowFont,                    ScrollBarGrey,    DarkRed,       true, 32, false, Presented},
{Label12,  "Label12",  Label,        OnForm, "C5 =",                        None,               3960, 5280,  495,  375, SansSerif975,                  ScrollBarGrey,    Usual,         true, 31, false, Presented},
{Label11,  "Label11",  Label,        OnForm, "C4 =",                        None,               3960, 4800,  390,  240, SansSerif975,                  ScrollBarGrey,    Usual,         true, 30, false, Presented},
{Label10,  "Label10",  Label,        OnForm, "C3 =",                        None,               3960, 4320,  495,  375, SansSerif975,                  ScrollBarGrey,    Usual,         true, 29, false, Presented},
{Label6,   "Label6",   Label,        OnForm, "C2 =",                        None,               3960, 4800,  495,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 27, false, Presented},
{Label5,   "Label5",   Label,        OnForm, "C1 =",                        None,               3960, 4320,  495,  375, SansSerif975,                  ScrollBarGrey,    Usual,         true, 26, false, Presented},
{Label4,   "Label4",   Label,        OnForm, "R1 = R2 =",                   None,               4560, 3360,  975,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 25, false, Presented},
{Label1,   "Label1",   Label,        OnForm, "R3 = R4 = R5 =",              None,               4080, 3360, 1335,  255, SansSerif975,                  ScrollBarGrey,    Usual,         true, 24, false, Presented},
{Label3,   "Label3",   Label,        OnForm, "",                            None,               1845, 2625, 5775,  255, SansSerif975,                  ScrollBarGrey,    Navy,          true, 9,  false, Presented},
{Label9,   "Label9",   Label,        OnForm, "",                            None,                105, 5775, 8055,  375, WindowFont,                    Navy,             Usual,         true, 7,  false, Decoration},
{Label8,   "Label8",   Label,        OnForm, "",                            None,                  0,    0,  135, 6375, WindowFont,                    Navy,             Usual,         true, 6,  false, Decoration},
{Label2,   "Label2",   Label,        OnForm, "",                            None,               1860,   60, 6135, 2475, WindowFont,                    TitleText,        Usual,         true, 8,  false, Decoration},
};
// clang-format on

constexpr bool RowsInIdOrder() {
    for (std::size_t i = 0; i < std::size(kControls); ++i)
        if (Index(kControls[i].id) != i) return false;
    return std::size(kControls) == kControlCount;
}
static_assert(RowsInIdOrder(), "each row stands at the index of its ControlId");

constexpr bool WholePixels(int left, int top, int width, int height) {
    return left % kTwipsPerPixel == 0 && top % kTwipsPerPixel == 0 && width % kTwipsPerPixel == 0 &&
           height % kTwipsPerPixel == 0;
}
constexpr bool EveryRectangleInWholePixels() {
    for (const ControlRow& row : kControls)
        if (!WholePixels(row.left, row.top, row.width, row.height)) return false;
    return WholePixels(kForm1.left, kForm1.top, kForm1.width, kForm1.height);
}
static_assert(EveryRectangleInWholePixels(), "at 96 dpi no rectangle is rounded");

}  // namespace

std::span<const ControlRow> ControlTable() {
    return kControls;
}

const ControlRow& Row(ControlId id) {
    return kControls[Index(id)];
}

std::optional<ControlId> ControlNamed(std::string_view name) {
    for (const ControlRow& row : kControls)
        if (name == row.name) return row.id;
    return std::nullopt;
}

}  // namespace lpf
