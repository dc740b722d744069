// The two schematics. Both share the heights of the main lines (top wire,
// amplifier, output, signal line, resistors) so the circuit stays put when the
// window swaps one for the other; each is described by a layout table and
// drawn by the same code.

#include <cmath>
#include <vector>

#include "artwork.h"
#include "lettering.h"

namespace lpf::art {

namespace {

constexpr int kTopWireY = 7;
constexpr int kOutputY = 55;
constexpr int kSignalY = 67;

// Resistor zigzags stand across the signal line from y 60 to y 75.
constexpr int kZigzagTop = 60;
constexpr int kZigzagBottom = 75;
constexpr int kResistorLabelTop = 84;

// Capacitor plates are 24 pixels wide: 11 pixels left of the lead, 12 right.
constexpr int kPlateLeft = -11;
constexpr int kPlateRight = 12;
constexpr int kPlateGap = 6;      // straight plate to crest of the curved plate
constexpr int kCurveDrop = 4;     // how far the ends of the curved plate bend away
constexpr int kUpperPlateY = 30;  // capacitors rising to the top wire
constexpr int kGroundHeight = 12;

// Amplifier: left side from y 31 to y 78, apex 36 pixels to the right.
constexpr int kAmpTop = 31;
constexpr int kAmpBottom = 78;
constexpr int kAmpDepth = 36;
constexpr int kInvertingY = 43;

// The small print under each circuit, which the window's masks always hide.
// It credits the team, not a person.
constexpr char kCreditText[] = "Drawn by the filter team";

struct LabelBox {
    const char* text;
    int left;
    int right;
    int top;  // top of the capitals
};

struct ResistorPart {
    int left;
    int right;
    const char* label;
    int labelLeft;
    int labelRight;
};

// One line of small text below the circuit, set to fill its columns exactly.
// The window always covers it with a mask.
struct CreditLine {
    const char* text;
    const TextStyle* style;
    int left;
    int right;
    int top;  // top of the capitals
};

enum class Lead { kToTopWire, kToGround };

struct CapacitorPart {
    int x;  // lead, at its junction on the signal line
    Lead lead;
    int plateY;     // straight plate
    int groundTop;  // top edge of the ground triangle (capacitors to ground)
    LabelBox label;
};

struct SchematicLayout {
    int width;
    int height;
    int inputDotLeft;
    int inputDotRight;
    LabelBox vin;
    std::vector<ResistorPart> resistors;    // left to right along the signal line
    std::vector<CapacitorPart> capacitors;  // the first one rising to the top wire
    int topWireLeft;
    int dropX;  // inverting input, above the junction at the + input
    int ampLeft;
    int outputCornerX;  // where the top wire turns down to the output line
    int outputDotLeft;
    int outputDotRight;
    LabelBox vout;
    CreditLine credit;
};

const SchematicLayout kTwoPole{
    306,
    157,
    6,
    11,
    {"Vin", 4, 23, 48},
    {{44, 82, "R1", 53, 69}, {128, 166, "R2", 137, 155}},
    {{105, Lead::kToTopWire, kUpperPlateY, 0, {"C1", 71, 87, 30}},
     {189, Lead::kToGround, 103, 139, {"C2", 209, 227, 102}}},
    105,
    189,
    213,
    261,
    292,
    297,
    {"Vout", 269, 299, 36},
    {kCreditText, &kCreditStyle, 27, 156, 129},
};

const SchematicLayout kThreePole{
    402,
    147,
    5,
    10,
    {"Vin", 9, 28, 48},
    {{42, 80, "R3", 52, 70}, {138, 177, "R4", 148, 166}, {223, 261, "R5", 232, 250}},
    {{200, Lead::kToTopWire, kUpperPlateY, 0, {"C3", 166, 184, 30}},
     {109, Lead::kToGround, 91, 127, {"C4", 124, 142, 108}},
     {284, Lead::kToGround, 91, 127, {"C5", 299, 317, 108}}},
    200,
    284,
    308,
    356,
    387,
    391,
    {"Vout", 365, 395, 36},
    {kCreditText, &kSmallCreditStyle, 147, 251, 129},
};

void DrawLabel(Raster& r, const LabelBox& label) {
    PlaceInkCentred(r, SetLine(label.text, kLabelStyle), label.left, label.right, label.top,
                    kBlack);
}

// A filled round dot whose row centred on the wire is the fourth of a
// six-pixel dot or the third of a five-pixel one.
void DrawDot(Raster& r, int left, int right, int wireY) {
    const int size = right - left + 1;
    const int top = wireY - size / 2;
    const int bottom = top + size - 1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool corner = (x == left || x == right) && (y == top || y == bottom);
            if (!corner) r.Set(x, y, kBlack);
        }
    }
}

// Three points below and three above the line, starting downwards; the two
// half strokes at the ends rejoin the signal line.
void DrawZigzag(Raster& r, int left, int right) {
    int x = left;
    int y = kSignalY;
    for (int k = 1; k <= 11; k += 2) {
        const int nextX = left + static_cast<int>(std::lround((right - left) * k / 12.0));
        const int nextY = (k / 2) % 2 == 0 ? kZigzagBottom : kZigzagTop;
        r.Line(x, y, nextX, nextY, kBlack);
        x = nextX;
        y = nextY;
    }
    r.Line(x, y, right, kSignalY, kBlack);
}

// An arch over the plate's 24 columns, highest at the lead.
void DrawCurvedPlate(Raster& r, int leadX, int crestY) {
    const double middle = leadX + 0.5;
    const double halfWidth = (kPlateRight - kPlateLeft) / 2.0;
    int prevX = leadX + kPlateLeft;
    int prevY = -1;
    for (int x = leadX + kPlateLeft; x <= leadX + kPlateRight; ++x) {
        const double t = (x - middle) / halfWidth;
        const int y = crestY + static_cast<int>(std::lround(kCurveDrop * t * t));
        if (prevY >= 0) {
            r.Line(prevX, prevY, x, y, kBlack);
        } else {
            r.Set(x, y, kBlack);
        }
        prevX = x;
        prevY = y;
    }
}

void DrawGround(Raster& r, int leadX, int top) {
    const int left = leadX + kPlateLeft;
    const int right = leadX + kPlateRight;
    r.HLine(left, right, top, kBlack);
    r.Line(left, top, leadX, top + kGroundHeight, kBlack);
    r.Line(right, top, leadX + 1, top + kGroundHeight, kBlack);
}

void DrawCapacitor(Raster& r, const CapacitorPart& c) {
    const int crestY = c.plateY + kPlateGap;
    r.HLine(c.x + kPlateLeft, c.x + kPlateRight, c.plateY, kBlack);
    DrawCurvedPlate(r, c.x, crestY);
    if (c.lead == Lead::kToTopWire) {
        r.VLine(c.x, kTopWireY, c.plateY, kBlack);
        r.VLine(c.x, crestY, kSignalY, kBlack);
    } else {
        r.VLine(c.x, kSignalY, c.plateY, kBlack);
        r.VLine(c.x, crestY, c.groundTop, kBlack);
        DrawGround(r, c.x, c.groundTop);
    }
    DrawLabel(r, c.label);
}

void DrawAmplifier(Raster& r, int left) {
    const int apexX = left + kAmpDepth;
    r.VLine(left, kAmpTop, kAmpBottom, kBlack);
    r.Line(left, kAmpTop, apexX, kOutputY, kBlack);
    r.Line(left, kAmpBottom, apexX, kOutputY, kBlack);
    // "-" at the inverting input: 4 x 2 pixels.
    r.FillRect(left + 4, kInvertingY - 1, left + 7, kInvertingY, kBlack);
    // "+" at the non-inverting input: 8 x 8 pixels, strokes 2 thick.
    r.FillRect(left + 3, kSignalY - 1, left + 10, kSignalY, kBlack);
    r.FillRect(left + 6, kSignalY - 4, left + 7, kSignalY + 3, kBlack);
}

Raster DrawSchematic(const SchematicLayout& s) {
    Raster r(s.width, s.height, kWhite);

    DrawDot(r, s.inputDotLeft, s.inputDotRight, kSignalY);
    DrawLabel(r, s.vin);

    // The signal line runs from the input dot to the + input, broken by the
    // resistors.
    int lineStart = s.inputDotRight;
    for (const ResistorPart& res : s.resistors) {
        r.HLine(lineStart, res.left, kSignalY, kBlack);
        DrawZigzag(r, res.left, res.right);
        DrawLabel(r, {res.label, res.labelLeft, res.labelRight, kResistorLabelTop});
        lineStart = res.right;
    }
    r.HLine(lineStart, s.ampLeft, kSignalY, kBlack);

    for (const CapacitorPart& c : s.capacitors) DrawCapacitor(r, c);

    // Feedback: top wire to the output corner, inverting input dropped from it.
    r.HLine(s.topWireLeft, s.outputCornerX, kTopWireY, kBlack);
    r.VLine(s.outputCornerX, kTopWireY, kOutputY, kBlack);
    r.VLine(s.dropX, kTopWireY, kInvertingY, kBlack);
    r.HLine(s.dropX, s.ampLeft, kInvertingY, kBlack);

    DrawAmplifier(r, s.ampLeft);

    r.HLine(s.ampLeft + kAmpDepth, s.outputDotRight, kOutputY, kBlack);
    DrawDot(r, s.outputDotLeft, s.outputDotRight, kOutputY);
    DrawLabel(r, s.vout);

    const CreditLine& c = s.credit;
    PlaceInk(r, SetLine(c.text, *c.style, c.right - c.left + 1), c.left, c.top, kBlack);
    return r;
}

}  // namespace

Raster DrawTwoPoleSchematic() {
    return DrawSchematic(kTwoPole);
}

Raster DrawThreePoleSchematic() {
    return DrawSchematic(kThreePole);
}

}  // namespace lpf::art
