// The help sheet: a red frame with the title set into a break of its top
// bar, and the instructions in black inside it. The area right of the heading
// and below the title stays blank: the window's Close button lies there.

#include "artwork.h"
#include "lettering.h"
#include "words.h"

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

// The cap tops of the lines under the heading, 16 pixels apart, with one
// empty line before the closing sentence and another before the note.
constexpr int kStepCapTop = 48;
constexpr int kClosingCapTop = 128;
constexpr int kNoteCapTop = 160;
constexpr int kLineStep = 16;

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
    const HelpSheetWords& words = kHelpSheet;
    PlaceInk(r, SetLine(words.title, kTitleStyle, kTitleRight - kTitleLeft + 1), kTitleLeft,
             kTitleCapTop, kDarkBlue);
    PlaceInk(r, SetLine(words.heading, kHeadingStyle), kTextLeft, kHeadingTop, kBlack);
    int capTop = kStepCapTop;
    for (const char* step : words.steps) {
        PlaceInk(r, SetLine(step, kBodyStyle), kTextLeft, capTop, kBlack);
        capTop += kLineStep;
    }
    PlaceInk(r, SetLine(words.closing, kBodyStyle), kTextLeft, kClosingCapTop, kBlack);
    capTop = kNoteCapTop;
    for (const char* line : words.note) {
        PlaceInk(r, SetLine(line, kBodyStyle), kTextLeft, capTop, kBlack);
        capTop += kLineStep;
    }
    return r;
}

}  // namespace lpf::art
