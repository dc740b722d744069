// The help sheet: a red frame with the title set into a break of its top
// bar, and the instructions in black inside it. The area right of the heading
// and below the title stays blank: the window's Close button lies there.

#include "artwork.h"
#include "lettering.h"

namespace lpf::art {

namespace {

constexpr int kWidth = 387;
constexpr int kHeight = 212;

// Frame: outer edge x 5..379, y 5..207.
constexpr int kFrameLeft = 5;
constexpr int kFrameRight = 379;
constexpr int kFrameTop = 5;
constexpr int kFrameBottom = 207;
constexpr int kLeftBar = 10;
constexpr int kRightBar = 10;
constexpr int kTopBar = 9;
constexpr int kBottomBar = 12;
constexpr int kTitleBreakLeft = 109;
constexpr int kTitleBreakRight = 274;

// The title fills x 121..262, centred on the break.
constexpr int kTitleLeft = 121;
constexpr int kTitleRight = 262;
constexpr int kTitleCapTop = 4;  // capitals stand on the bar's bottom row, y 13

constexpr int kTextLeft = 18;
constexpr int kHeadingTop = 26;

struct BodyLine {
    const char* text;
    int capTop;
};

// Lines 16 pixels apart, with one empty line before the closing sentence
// and another before the note.
constexpr BodyLine kBody[] = {
    {"1. Select the number of filter poles (order) you are designing.", 48},
    {"2. Enter the cutoff Frequency of the Low Pass Filter.", 64},
    {"3. Select the Resistor values available to you.", 80},
    {"4. Click on \"Design\".", 96},
    {"Capacitors will be designed accordingly.", 128},
    {"Note: Use the scroll bar to select resistor value. Use", 160},
    {"\"Increment\" for fast resistor value navigation.", 176},
};

void DrawFrame(Raster& r) {
    r.FillRect(kFrameLeft, kFrameTop, kFrameLeft + kLeftBar - 1, kFrameBottom, kRed);
    r.FillRect(kFrameRight - kRightBar + 1, kFrameTop, kFrameRight, kFrameBottom, kRed);
    r.FillRect(kFrameLeft, kFrameBottom - kBottomBar + 1, kFrameRight, kFrameBottom, kRed);
    const int topBarBottom = kFrameTop + kTopBar - 1;
    r.FillRect(kFrameLeft, kFrameTop, kTitleBreakLeft - 1, topBarBottom, kRed);
    r.FillRect(kTitleBreakRight + 1, kFrameTop, kFrameRight, topBarBottom, kRed);
}

}  // namespace

Raster DrawHelpSheet() {
    Raster r(kWidth, kHeight, kWhite);
    DrawFrame(r);
    // The title's word spaces widen so that it fills its columns exactly.
    PlaceInk(r, SetLine("Low Pass Filter Design", kTitleStyle, kTitleRight - kTitleLeft + 1),
             kTitleLeft, kTitleCapTop, kDarkBlue);
    PlaceInk(r, SetLine("Instructions", kHeadingStyle), kTextLeft, kHeadingTop, kBlack);
    for (const BodyLine& line : kBody)
        PlaceInk(r, SetLine(line.text, kBodyStyle), kTextLeft, line.capTop, kBlack);
    return r;
}

}  // namespace lpf::art
