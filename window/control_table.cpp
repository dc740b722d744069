#include "control_table.h"

namespace lpf {
namespace {

constexpr DesignFont Arial12Bold{"Arial", 12, true};
constexpr DesignFont SansSerif825{"MS Sans Serif", 8.25, false};
constexpr DesignFont SansSerif975{"MS Sans Serif", 9.75, false};
constexpr Colour Lavender = Rgb(128, 128, 255);
constexpr Colour Navy = Rgb(0, 0, 128);
constexpr Colour ScrollBarGrey = Sys(0);
using enum Kind;
using enum Presence;

// clang-format off
constexpr ControlRow kControls[] = {
// name        kind          in        text                           left   top  width height font                          back           fore             shown  tab checked presence
{"Command6",  PushButton,   nullptr,  "Close",                       6600,  360, 1095,  375, {"Arial", 9.75, true},        Lavender,      Usual,           true,  42, false, Presented},
{"Picture1",  PictureBox,   nullptr,  ":/art/help_sheet.bmp",        2220,   45, 5775, 3255, WindowFont,                   Rgb(255,255,255), Usual,        true,  43, false, Presented},
{"Text7",     MaskBox,      nullptr,  "        ",                    4005, 1950, 1860,  285, WindowFont,                   Usual,         Usual,           true,  45, false, Decoration},
{"Text6",     MaskBox,      nullptr,  "      ",                      3090, 1920, 2145,  390, WindowFont,                   Usual,         Usual,           true,  44, false, Decoration},
{"Command5",  PushButton,   nullptr,  "Help",                         240, 1605, 1575,  405, Arial12Bold,                  Lavender,      Usual,           true,  41, false, Presented},
{"Text5",     TextBox,      nullptr,  "1000",                         360, 5160, 2055,  360, WindowFont,                   Usual,         Usual,           true,  38, false, Presented},
{"Text4",     TextBox,      nullptr,  "",                            4440, 5160, 2655,  375, WindowFont,                   Usual,         Usual,           true,  28, false, Presented},
{"HScroll1",  ScrollBar,    nullptr,  "",                             360, 3120, 2415,  255, WindowFont,                   Usual,         Usual,           true,  13, false, Presented},
{"Text3",     TextBox,      nullptr,  "",                            4440, 4680, 2655,  375, WindowFont,                   Usual,         Usual,           true,  12, false, Presented},
{"Text1",     TextBox,      nullptr,  "1000",                        5520, 3240, 1575,  375, WindowFont,                   Usual,         Usual,           true,  10, false, Presented},
{"Command1",  PushButton,   nullptr,  "Design",                       240, 1080, 1575,  435, Arial12Bold,                  Rgb(0,192,0),  Usual,           true,   4, false, Presented},
{"Frame1",    Frame,        nullptr,  "Filter Selection",             240,  120, 1575,  855, {"MS Sans Serif", 8.25, true}, ScrollBarGrey, Navy,           true,   2, false, Presented},
{"Option1",   OptionButton, "Frame1", "Two Poles",                    120,  240, 1215,  255, SansSerif825,                 ScrollBarGrey, Usual,           true,   3, false, Presented},
{"Option2",   OptionButton, "Frame1", "Three Poles",                  105,  480, 1215,  255, SansSerif825,                 ScrollBarGrey, Usual,           true,   0, true, Presented},
{"Command2",  PushButton,   nullptr,  "EXIT",                         240, 2100, 1575,  450, Arial12Bold,                  Rgb(255,0,0),  Usual,           true,   1, false, Presented},
{"Command4",  PushButton,   nullptr,  "Reset",                       2880, 3120,  855,  495, SansSerif975,                 Usual,         Usual,           true,  23, false, Presented},
{"Frame2",    Frame,        nullptr,  "Increment",                    360, 3600, 3375, 1095, WindowFont,                   ScrollBarGrey, Usual,           true,  14, false, Presented},
{"Option9",   OptionButton, "Frame2", "500",                         1680,  720,  855,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  21, false, Presented},
{"Option8",   OptionButton, "Frame2", "100",                          840,  720,  735,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  20, false, Presented},
{"Option7",   OptionButton, "Frame2", "50",                           120,  720,  735,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  19, false, Presented},
{"Option6",   OptionButton, "Frame2", "25",                          2520,  360,  615,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  18, false, Presented},
{"Option5",   OptionButton, "Frame2", "10",                          1680,  360,  615,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  17, false, Presented},
{"Option4",   OptionButton, "Frame2", "5",                            840,  360,  615,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  16, false, Presented},
{"Option3",   OptionButton, "Frame2", "1",                            120,  360,  615,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  15, true, Presented},
{"Option10",  OptionButton, "Frame2", "1000",                        2520,  720,  735,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  22, false, Presented},
{"Text2",     TextBox,      nullptr,  "",                            4440, 4200, 2655,  375, WindowFont,                   Usual,         Usual,           true,  11, false, Presented},
{"Image1",    Image,        nullptr,  ":/art/two_pole.bmp",          2805,   75, 4590, 2355, WindowFont,                   Usual,         Usual,           false, -1, false, Presented},
{"Label7",    Label,        nullptr,  "",                            8040,    0,  135, 6135, WindowFont,                   Navy,          Usual,           true,   5, false, Decoration},
{"Image2",    Image,        nullptr,  ":/art/three_pole.bmp",        1950,   75, 6030, 2205, WindowFont,                   Usual,         Usual,           true,  -1, false, Presented},
{"Label20",   Label,        nullptr,  "Click \"Design\" to refresh", 4440, 3960, 2895,  255, {"Verdana", 9.75, true},      ScrollBarGrey, Rgb(255,0,0),    true,  40, false, Announced},
{"Label19",   Label,        nullptr,  "Enter frequency (Hz)",         360, 4920, 2295,  255, WindowFont,                   ScrollBarGrey, Sys(13),         true,  39, false, Presented},
{"Label18",   Label,        nullptr,  "uF",                          7200, 5280,  375,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  37, false, Presented},
{"Label17",   Label,        nullptr,  "uF",                          7200, 4800,  375,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  36, false, Presented},
{"Label16",   Label,        nullptr,  "uF",                          7200, 4320,  375,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  35, false, Presented},
{"Label15",   Label,        nullptr,  "Ohm",                         7200, 3360,  495,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  34, false, Presented},
{"Label14",   Label,        nullptr,  "Select R3",                    375, 2850, 1095,  255, WindowFont,                   ScrollBarGrey, Navy,            true,  33, false, Presented},
{"Label13",   Label,        nullptr,  "Select R1",                    375, 2850, 1095,  255, WindowFont,                   ScrollBarGrey, Rgb(192,0,0),    true,  32, false, Presented},
{"Label12",   Label,        nullptr,  "C5 =",                        3960, 5280,  495,  375, SansSerif975,                 ScrollBarGrey, Usual,           true,  31, false, Presented},
{"Label11",   Label,        nullptr,  "C4 =",                        3960, 4800,  390,  240, SansSerif975,                 ScrollBarGrey, Usual,           true,  30, false, Presented},
{"Label10",   Label,        nullptr,  "C3 =",                        3960, 4320,  495,  375, SansSerif975,                 ScrollBarGrey, Usual,           true,  29, false, Presented},
{"Label6",    Label,        nullptr,  "C2 =",                        3960, 4800,  495,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  27, false, Presented},
{"Label5",    Label,        nullptr,  "C1 =",                        3960, 4320,  495,  375, SansSerif975,                 ScrollBarGrey, Usual,           true,  26, false, Presented},
{"Label4",    Label,        nullptr,  "R1 = R2 =",                   4560, 3360,  975,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  25, false, Presented},
{"Label1",    Label,        nullptr,  "R3 = R4 = R5 =",              4080, 3360, 1335,  255, SansSerif975,                 ScrollBarGrey, Usual,           true,  24, false, Presented},
{"Label3",    Label,        nullptr,  "",                            1845, 2625, 5775,  255, SansSerif975,                 ScrollBarGrey, Navy,            true,   9, false, Presented},
{"Label9",    Label,        nullptr,  "",                             105, 5775, 8055,  375, WindowFont,                   Navy,          Usual,           true,   7, false, Decoration},
{"Label8",    Label,        nullptr,  "",                               0,    0,  135, 6375, WindowFont,                   Navy,          Usual,           true,   6, false, Decoration},
{"Label2",    Label,        nullptr,  "",                            1860,   60, 6135, 2475, WindowFont,                   Sys(9),        Usual,           true,   8, false, Decoration},
};
// clang-format on

}  // namespace

std::span<const ControlRow> ControlTable() {
    return kControls;
}

}  // namespace lpf
