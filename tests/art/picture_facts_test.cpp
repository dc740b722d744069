// Facts about the committed pictures, read straight from the BMP files: the
// header fields, the colours, and the places of wires, parts, labels, the
// help sheet's frame and text, and the blank areas under the masks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "bmp_file.h"

namespace lpf::art::test {
namespace {

constexpr std::uint32_t W = 0xFFFFFF;
constexpr std::uint32_t B = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x004080;

std::string PathOf(const char* name) {
    return std::string(LPF_ART_DIR) + "/" + name;
}

const BmpFile& TwoPole() {
    static const BmpFile f = ReadBmp(PathOf("two_pole.bmp"));
    return f;
}
const BmpFile& ThreePole() {
    static const BmpFile f = ReadBmp(PathOf("three_pole.bmp"));
    return f;
}
const BmpFile& HelpSheet() {
    static const BmpFile f = ReadBmp(PathOf("help_sheet.bmp"));
    return f;
}

std::string Hex(std::uint32_t c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%06X", c);
    return buf;
}

// ---------------------------------------------------------------- headers

struct HeaderCase {
    const char* file;
    int width;
    int height;
};

class HeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderTest, IsUncompressed24BitAt96Dpi) {
    const HeaderCase& c = GetParam();
    const BmpFile f = ReadBmp(PathOf(c.file));
    ASSERT_GE(f.bytes.size(), 54u) << c.file;
    EXPECT_EQ(f.magic[0], 'B');
    EXPECT_EQ(f.magic[1], 'M');
    EXPECT_EQ(f.fileSize, f.bytes.size());
    EXPECT_EQ(f.reserved, 0u);
    EXPECT_EQ(f.dataOffset, 54u) << "no colour table between header and pixels";
    EXPECT_EQ(f.infoSize, 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(f.width, c.width);
    EXPECT_EQ(f.height, c.height) << "positive height: bottom-up rows";
    EXPECT_EQ(f.planes, 1);
    EXPECT_EQ(f.bitsPerPixel, 24);
    EXPECT_EQ(f.compression, 0u);
    EXPECT_EQ(f.xPixelsPerMetre, 3780);
    EXPECT_EQ(f.yPixelsPerMetre, 3780);
    EXPECT_EQ(f.coloursUsed, 0u);
    EXPECT_EQ(f.importantColours, 0u);
    const std::size_t rowBytes = (static_cast<std::size_t>(c.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(f.bytes.size(), 54 + rowBytes * static_cast<std::size_t>(c.height));
    EXPECT_TRUE(f.imageSize == 0 || f.imageSize == rowBytes * static_cast<std::size_t>(c.height));
}

INSTANTIATE_TEST_SUITE_P(Pictures, HeaderTest,
                         ::testing::Values(HeaderCase{"two_pole.bmp", 306, 157},
                                           HeaderCase{"three_pole.bmp", 402, 147},
                                           HeaderCase{"help_sheet.bmp", 387, 212}),
                         [](const ::testing::TestParamInfo<HeaderCase>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// ---------------------------------------------------------------- colours

std::set<std::uint32_t> ColoursOf(const BmpFile& f) {
    std::set<std::uint32_t> seen;
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) seen.insert(f.Pixel(x, y));
    return seen;
}

TEST(ColourTest, SchematicsAreBlackAndWhiteOnly) {
    const std::set<std::uint32_t> both{B, W};
    EXPECT_EQ(ColoursOf(TwoPole()), both);
    EXPECT_EQ(ColoursOf(ThreePole()), both);
}

TEST(ColourTest, HelpSheetUsesWhiteRedBlackAndDarkBlue) {
    const std::set<std::uint32_t> four{W, kRed, B, kBlue};
    EXPECT_EQ(ColoursOf(HelpSheet()), four);
}

// ---------------------------------------------------------------- helpers

struct Probe {
    int x;
    int y;
    std::uint32_t colour;
    const char* what;
};

void ExpectProbes(const BmpFile& f, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes) {
        EXPECT_EQ(Hex(f.Pixel(p.x, p.y)), Hex(p.colour))
            << p.what << " at (" << p.x << ", " << p.y << ")";
    }
}

// Every pixel of the inclusive rectangle has the colour.
void ExpectArea(const BmpFile& f, int left, int top, int right, int bottom, std::uint32_t colour,
                const char* what) {
    int wrong = 0;
    int firstX = -1;
    int firstY = -1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (f.Pixel(x, y) != colour) {
                if (wrong++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0) << what << ": first other pixel at (" << firstX << ", " << firstY << ")";
}

struct Box {
    int left = 1 << 20;
    int top = 1 << 20;
    int right = -1;
    int bottom = -1;
    int count = 0;
    bool Empty() const { return count == 0; }
};

// Bounds of the pixels of one colour in a rectangle; pred filters positions.
template <class Pred>
Box InkBox(const BmpFile& f, int left, int top, int right, int bottom, std::uint32_t colour,
           Pred pred) {
    Box box;
    for (int y = std::max(top, 0); y <= std::min(bottom, f.height - 1); ++y) {
        for (int x = std::max(left, 0); x <= std::min(right, f.width - 1); ++x) {
            if (f.Pixel(x, y) != colour || !pred(x, y)) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
            ++box.count;
        }
    }
    return box;
}

Box InkBox(const BmpFile& f, int left, int top, int right, int bottom, std::uint32_t colour) {
    return InkBox(f, left, top, right, bottom, colour, [](int, int) { return true; });
}

// Runs of black pixels in one row between two columns.
int RunsInRow(const BmpFile& f, int y, int left, int right) {
    int runs = 0;
    bool inRun = false;
    for (int x = left; x <= right; ++x) {
        const bool black = f.Pixel(x, y) == B;
        if (black && !inRun) ++runs;
        inRun = black;
    }
    return runs;
}

struct Label {
    const char* text;
    int left;
    int right;
    int top;
    int bottom;
};

// The ink of a label fills its box exactly (capitals 12 pixels tall, no
// descenders), and nothing else lies within three pixels of the box.
void ExpectLabels(const BmpFile& f, std::initializer_list<Label> labels) {
    for (const Label& l : labels) {
        const Box ink = InkBox(f, l.left - 3, l.top - 3, l.right + 3, l.bottom + 3, B);
        ASSERT_FALSE(ink.Empty()) << l.text;
        EXPECT_EQ(ink.left, l.left) << l.text << " left";
        EXPECT_EQ(ink.right, l.right) << l.text << " right";
        EXPECT_EQ(ink.top, l.top) << l.text << " top";
        EXPECT_EQ(ink.bottom, l.bottom) << l.text << " bottom";
    }
}

struct Area {
    int left;
    int top;
    int right;
    int bottom;
};

// The credit line lies under its mask with room to spare: its ink fills
// exactly the given box, which holds capitals capHeight pixels tall (the
// first letter's stem) and descenders below them, and the rest of the area
// the mask covers is white.
void ExpectCreditLine(const BmpFile& f, Area mask, Area line, int capHeight) {
    const Box ink = InkBox(f, mask.left, mask.top, mask.right, mask.bottom, B);
    ASSERT_FALSE(ink.Empty()) << "a credit line under the mask";
    EXPECT_EQ(ink.left, line.left);
    EXPECT_EQ(ink.right, line.right);
    EXPECT_EQ(ink.top, line.top);
    EXPECT_EQ(ink.bottom, line.bottom);
    const Box stem = InkBox(f, line.left, mask.top, line.left, mask.bottom, B);
    EXPECT_EQ(stem.top, line.top);
    EXPECT_EQ(stem.bottom - stem.top + 1, capHeight) << "capitals " << capHeight << " tall";
    EXPECT_EQ(stem.count, capHeight) << "first letter's stem unbroken";
    EXPECT_GT(line.bottom, line.top + capHeight - 1) << "descenders below the capitals";
    ExpectArea(f, mask.left, mask.top, mask.right, line.top - 1, W, "mask area above the line");
    ExpectArea(f, mask.left, line.bottom + 1, mask.right, mask.bottom, W,
               "mask area below the line");
    ExpectArea(f, mask.left, mask.top, line.left - 1, mask.bottom, W, "mask area left of the line");
    ExpectArea(f, line.right + 1, mask.top, mask.right, mask.bottom, W,
               "mask area right of the line");
}

// A resistor zigzag between two columns: 16 pixels high (y 60 to 75), three
// points at the bottom and three at the top, the first stroke going down.
void ExpectZigzag(const BmpFile& f, int left, int right, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(f.Pixel(left, 67), B) << "signal line reaches the zigzag";
    EXPECT_EQ(f.Pixel(right, 67), B) << "signal line leaves the zigzag";
    const Box zig = InkBox(f, left - 5, 58, right + 5, 77, B, [](int, int y) { return y != 67; });
    EXPECT_EQ(zig.top, 60);
    EXPECT_EQ(zig.bottom, 75);
    EXPECT_GE(zig.left, left);
    EXPECT_LE(zig.left, left + 3);
    EXPECT_LE(zig.right, right);
    EXPECT_GE(zig.right, right - 3);
    EXPECT_EQ(RunsInRow(f, 75, left, right), 3) << "points below the line";
    EXPECT_EQ(RunsInRow(f, 60, left, right), 3) << "points above the line";
    const Box low = InkBox(f, left, 75, right, 75, B);
    const Box high = InkBox(f, left, 60, right, 60, B);
    EXPECT_LT(low.left, high.left) << "first stroke goes down";
}

// The curved plate of a capacitor whose lead is at x: crest at crestY on the
// lead, ends (x - 11 and x + 12) bent away from the straight plate, which
// lies 6 pixels above the crest.
void ExpectCurvedPlate(const BmpFile& f, int x, int crestY, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(f.Pixel(x, crestY), B) << "crest";
    for (int y = crestY - 5; y < crestY; ++y) EXPECT_EQ(f.Pixel(x, y), W) << "gap at y " << y;
    EXPECT_EQ(f.Pixel(x - 11, crestY), W) << "left end lower than the crest";
    EXPECT_EQ(f.Pixel(x + 12, crestY), W) << "right end lower than the crest";
    const Box plate =
        InkBox(f, x - 14, crestY, x + 15, crestY + 8, B, [x](int px, int) { return px != x; });
    EXPECT_EQ(plate.left, x - 11) << "24 pixels wide";
    EXPECT_EQ(plate.right, x + 12) << "24 pixels wide";
    EXPECT_EQ(plate.top, crestY);
}

// Straight plate: one row, 24 pixels from x - 11 to x + 12.
void ExpectStraightPlate(const BmpFile& f, int x, int y, const char* name) {
    SCOPED_TRACE(name);
    ExpectArea(f, x - 11, y, x + 12, y, B, "straight plate");
    EXPECT_EQ(f.Pixel(x - 12, y), W);
    EXPECT_EQ(f.Pixel(x + 13, y), W);
    EXPECT_EQ(f.Pixel(x - 5, y - 1), W) << "plate is one pixel thick";
    EXPECT_EQ(f.Pixel(x - 5, y + 1), W) << "plate is one pixel thick";
}

// Ground triangle under the lead at x: top edge at y top from x - 11 to
// x + 12, point 12 pixels lower, outlined.
void ExpectGround(const BmpFile& f, int x, int top, const char* name) {
    SCOPED_TRACE(name);
    ExpectArea(f, x - 11, top, x + 12, top, B, "top edge");
    EXPECT_EQ(f.Pixel(x - 12, top), W);
    EXPECT_EQ(f.Pixel(x + 13, top), W);
    EXPECT_EQ(f.Pixel(x, top - 1), B) << "lead meets the triangle";
    const Box point = InkBox(f, x - 3, top + 12, x + 4, top + 12, B);
    EXPECT_FALSE(point.Empty()) << "point at y " << top + 12;
    ExpectArea(f, x - 14, top + 13, x + 15, top + 15, W, "nothing below the point");
    EXPECT_EQ(f.Pixel(x, top + 5), W) << "outlined, not filled";
    EXPECT_EQ(f.Pixel(x - 11, top + 6), W) << "sides slope inwards";
}

// Amplifier with its left side at x = left: corners at y 31 and 78, apex 36
// pixels right at y 55; inside only a 4 x 2 "-" near y 43 and an 8 x 8 "+"
// with 2-pixel strokes near y 67.
void ExpectAmplifier(const BmpFile& f, int left) {
    const int apex = left + 36;
    ExpectArea(f, left, 31, left, 78, B, "left side");
    EXPECT_EQ(f.Pixel(left, 30), W) << "top corner at y 31";
    EXPECT_EQ(f.Pixel(left, 79), W) << "bottom corner at y 78";
    EXPECT_EQ(f.Pixel(apex, 55), B) << "apex";
    EXPECT_EQ(f.Pixel(left + 18, 43), B) << "upper side halfway";
    EXPECT_EQ(f.Pixel(apex - 4, 45), W) << "outside, above the upper side";
    EXPECT_EQ(f.Pixel(apex - 4, 62), W) << "outside, below the lower side";
    EXPECT_EQ(f.Pixel(apex + 1, 54), W) << "apex is the right-most point";
    EXPECT_EQ(f.Pixel(apex + 1, 56), W) << "apex is the right-most point";

    // Strictly inside, two pixels clear of the sides.
    auto inside = [left](int x, int y) {
        const double upper = left + (y - 31) * 36.0 / 24.0;
        const double lower = left + (78 - y) * 36.0 / 23.0;
        return x > left && x < std::min(upper, lower) - 2;
    };
    const Box minus = InkBox(f, left + 1, 32, apex, 54, B, inside);
    EXPECT_EQ(minus.count, 8) << "\"-\" is 4 x 2 pixels";
    EXPECT_EQ(minus.right - minus.left + 1, 4);
    EXPECT_EQ(minus.bottom - minus.top + 1, 2);
    EXPECT_TRUE(minus.top == 43 || minus.bottom == 43) << "\"-\" beside the input at y 43";

    const Box plus = InkBox(f, left + 1, 56, apex, 77, B, inside);
    EXPECT_EQ(plus.right - plus.left + 1, 8) << "\"+\" is 8 x 8 pixels";
    EXPECT_EQ(plus.bottom - plus.top + 1, 8);
    EXPECT_EQ(plus.count, 28) << "two strokes of 8 x 2 crossing";
    EXPECT_TRUE(plus.top <= 67 && plus.bottom >= 67) << "\"+\" beside the input at y 67";
    EXPECT_EQ(f.Pixel(plus.left, plus.top), W) << "a cross, not a square";
}

// ---------------------------------------------------------------- two poles

TEST(TwoPoleTest, InputAndSignalLine) {
    const BmpFile& f = TwoPole();
    ExpectProbes(f, {
                        {9, 67, B, "input dot centre"},
                        {7, 67, B, "input dot"},
                        {11, 67, B, "input dot"},
                        {9, 66, B, "input dot"},
                        {9, 68, B, "input dot"},
                        {2, 67, W, "left of the input dot"},
                        {9, 61, W, "above the input dot"},
                        {9, 73, W, "below the input dot"},
                        {30, 67, B, "signal line Vin to R1"},
                        {30, 66, W, "signal line one pixel thick"},
                        {30, 68, W, "signal line one pixel thick"},
                        {95, 67, B, "signal line R1 to junction A"},
                        {105, 67, B, "junction A"},
                        {120, 67, B, "signal line A to R2"},
                        {180, 67, B, "signal line R2 to junction B"},
                        {189, 67, B, "junction B"},
                        {212, 67, B, "signal line into the + input"},
                        {200, 66, W, "signal line one pixel thick"},
                        {200, 68, W, "signal line one pixel thick"},
                    });
    ExpectZigzag(f, 44, 82, "R1");
    ExpectZigzag(f, 128, 166, "R2");
}

TEST(TwoPoleTest, Capacitors) {
    const BmpFile& f = TwoPole();
    // C1 rises from junction A to the top wire.
    ExpectProbes(f, {
                        {105, 8, B, "C1 upper lead"},
                        {105, 29, B, "C1 upper lead"},
                        {105, 50, B, "C1 lower lead"},
                        {104, 50, W, "lead one pixel thick"},
                        {106, 50, W, "lead one pixel thick"},
                    });
    ExpectStraightPlate(f, 105, 30, "C1");
    ExpectCurvedPlate(f, 105, 36, "C1");
    // C2 falls from junction B to ground.
    ExpectProbes(f, {
                        {189, 80, B, "C2 upper lead"},
                        {189, 102, B, "C2 upper lead"},
                        {189, 125, B, "C2 lower lead"},
                        {189, 55, W, "no wire between the drop and junction B"},
                    });
    ExpectStraightPlate(f, 189, 103, "C2");
    ExpectCurvedPlate(f, 189, 109, "C2");
    ExpectGround(f, 189, 139, "C2 ground");
}

TEST(TwoPoleTest, FeedbackAmplifierAndOutput) {
    const BmpFile& f = TwoPole();
    ExpectProbes(f, {
                        {105, 7, B, "top wire starts above junction A"},
                        {104, 7, W, "nothing left of the top wire"},
                        {150, 7, B, "top wire"},
                        {150, 6, W, "top wire one pixel thick"},
                        {150, 8, W, "top wire one pixel thick"},
                        {261, 7, B, "top wire corner"},
                        {262, 7, W, "top wire ends at the corner"},
                        {261, 30, B, "feedback down to the output"},
                        {261, 55, B, "feedback meets the output line"},
                        {261, 56, W, "feedback stops at the output line"},
                        {189, 7, B, "drop leaves the top wire"},
                        {189, 25, B, "inverting-input drop"},
                        {189, 43, B, "drop turns right"},
                        {189, 44, W, "drop ends at y 43"},
                        {200, 43, B, "wire into the - input"},
                        {212, 43, B, "wire into the - input"},
                        {200, 42, W, "one pixel thick"},
                        {200, 44, W, "one pixel thick"},
                        {250, 55, B, "output line"},
                        {275, 55, B, "output line"},
                        {275, 54, W, "output line one pixel thick"},
                        {275, 56, W, "output line one pixel thick"},
                        {292, 55, B, "output dot left"},
                        {297, 55, B, "output dot right"},
                        {298, 55, W, "right of the output dot"},
                        {294, 54, B, "output dot"},
                        {294, 56, B, "output dot"},
                        {294, 50, W, "above the output dot"},
                        {294, 60, W, "below the output dot"},
                    });
    ExpectAmplifier(f, 213);
}

TEST(TwoPoleTest, Labels) {
    ExpectLabels(TwoPole(), {
                                {"Vin", 4, 23, 48, 59},
                                {"R1", 53, 69, 84, 95},
                                {"C1", 71, 87, 30, 41},
                                {"R2", 137, 155, 84, 95},
                                {"C2", 209, 227, 102, 113},
                                {"Vout", 269, 299, 36, 47},
                            });
}

TEST(TwoPoleTest, CreditLineUnderTheMask) {
    ExpectCreditLine(TwoPole(), {19, 123, 161, 148}, {27, 129, 156, 141}, 10);
}

TEST(TwoPoleTest, BlankAreas) {
    const BmpFile& f = TwoPole();
    ExpectArea(f, 0, 0, 305, 5, W, "above the top wire");
    ExpectArea(f, 0, 152, 305, 156, W, "below the ground point");
    ExpectArea(f, 302, 0, 305, 156, W, "right of Vout and the output dot");
}

// ---------------------------------------------------------------- three poles

TEST(ThreePoleTest, InputAndSignalLine) {
    const BmpFile& f = ThreePole();
    ExpectProbes(f, {
                        {8, 67, B, "input dot centre"},
                        {6, 67, B, "input dot"},
                        {10, 67, B, "input dot"},
                        {8, 66, B, "input dot"},
                        {8, 68, B, "input dot"},
                        {1, 67, W, "left of the input dot"},
                        {8, 61, W, "above the input dot"},
                        {8, 73, W, "below the input dot"},
                        {25, 67, B, "signal line Vin to R3"},
                        {25, 66, W, "signal line one pixel thick"},
                        {25, 68, W, "signal line one pixel thick"},
                        {95, 67, B, "signal line R3 to junction A"},
                        {109, 67, B, "junction A"},
                        {125, 67, B, "signal line A to R4"},
                        {190, 67, B, "signal line R4 to junction B"},
                        {200, 67, B, "junction B"},
                        {212, 67, B, "signal line B to R5"},
                        {270, 67, B, "signal line R5 to junction C"},
                        {284, 67, B, "junction C"},
                        {307, 67, B, "signal line into the + input"},
                        {295, 66, W, "signal line one pixel thick"},
                        {295, 68, W, "signal line one pixel thick"},
                    });
    ExpectZigzag(f, 42, 80, "R3");
    ExpectZigzag(f, 138, 177, "R4");
    ExpectZigzag(f, 223, 261, "R5");
}

TEST(ThreePoleTest, Capacitors) {
    const BmpFile& f = ThreePole();
    // C4 falls from junction A to ground.
    ExpectProbes(f, {
                        {109, 80, B, "C4 upper lead"},
                        {109, 115, B, "C4 lower lead"},
                        {109, 60, W, "nothing above junction A"},
                    });
    ExpectStraightPlate(f, 109, 91, "C4");
    ExpectCurvedPlate(f, 109, 97, "C4");
    ExpectGround(f, 109, 127, "C4 ground");
    // C3 rises from junction B to the top wire.
    ExpectProbes(f, {
                        {200, 8, B, "C3 upper lead"},
                        {200, 29, B, "C3 upper lead"},
                        {200, 50, B, "C3 lower lead"},
                        {200, 75, W, "nothing below junction B"},
                    });
    ExpectStraightPlate(f, 200, 30, "C3");
    ExpectCurvedPlate(f, 200, 36, "C3");
    // C5 falls from junction C to ground.
    ExpectProbes(f, {
                        {284, 80, B, "C5 upper lead"},
                        {284, 115, B, "C5 lower lead"},
                        {284, 55, W, "no wire between the drop and junction C"},
                    });
    ExpectStraightPlate(f, 284, 91, "C5");
    ExpectCurvedPlate(f, 284, 97, "C5");
    ExpectGround(f, 284, 127, "C5 ground");
}

TEST(ThreePoleTest, FeedbackAmplifierAndOutput) {
    const BmpFile& f = ThreePole();
    ExpectProbes(f, {
                        {200, 7, B, "top wire starts above junction B"},
                        {199, 7, W, "nothing left of the top wire"},
                        {250, 7, B, "top wire"},
                        {250, 6, W, "top wire one pixel thick"},
                        {250, 8, W, "top wire one pixel thick"},
                        {356, 7, B, "top wire corner"},
                        {357, 7, W, "top wire ends at the corner"},
                        {356, 30, B, "feedback down to the output"},
                        {356, 55, B, "feedback meets the output line"},
                        {356, 56, W, "feedback stops at the output line"},
                        {284, 7, B, "drop leaves the top wire"},
                        {284, 25, B, "inverting-input drop"},
                        {284, 43, B, "drop turns right"},
                        {284, 44, W, "drop ends at y 43"},
                        {295, 43, B, "wire into the - input"},
                        {307, 43, B, "wire into the - input"},
                        {345, 55, B, "output line"},
                        {370, 55, B, "output line"},
                        {370, 54, W, "output line one pixel thick"},
                        {370, 56, W, "output line one pixel thick"},
                        {387, 55, B, "output dot left"},
                        {391, 55, B, "output dot right"},
                        {392, 55, W, "right of the output dot"},
                        {389, 54, B, "output dot"},
                        {389, 56, B, "output dot"},
                        {389, 50, W, "above the output dot"},
                        {389, 60, W, "below the output dot"},
                    });
    ExpectAmplifier(f, 308);
}

TEST(ThreePoleTest, Labels) {
    ExpectLabels(ThreePole(), {
                                  {"Vin", 9, 28, 48, 59},
                                  {"R3", 52, 70, 84, 95},
                                  {"C4", 124, 142, 108, 119},
                                  {"R4", 148, 166, 84, 95},
                                  {"C3", 166, 184, 30, 41},
                                  {"R5", 232, 250, 84, 95},
                                  {"C5", 299, 317, 108, 119},
                                  {"Vout", 365, 395, 36, 47},
                              });
}

TEST(ThreePoleTest, CreditLineUnderTheMask) {
    ExpectCreditLine(ThreePole(), {137, 125, 260, 143}, {147, 129, 251, 138}, 8);
}

TEST(ThreePoleTest, BlankAreas) {
    const BmpFile& f = ThreePole();
    ExpectArea(f, 0, 0, 401, 5, W, "above the top wire");
    ExpectArea(f, 0, 140, 401, 146, W, "below the ground points");
    ExpectArea(f, 398, 0, 401, 146, W, "right of Vout");
}

// ---------------------------------------------------------------- help sheet

TEST(HelpSheetTest, FrameBars) {
    const BmpFile& f = HelpSheet();
    ExpectArea(f, 5, 5, 14, 207, kRed, "left bar");
    ExpectArea(f, 370, 5, 379, 207, kRed, "right bar");
    ExpectArea(f, 5, 196, 379, 207, kRed, "bottom bar");
    ExpectArea(f, 5, 5, 108, 13, kRed, "top bar left of the title");
    ExpectArea(f, 275, 5, 379, 13, kRed, "top bar right of the title");
    ExpectProbes(f, {
                        {15, 100, W, "inside the left bar"},
                        {369, 100, W, "inside the right bar"},
                        {100, 14, W, "below the top bar"},
                        {200, 195, W, "above the bottom bar"},
                        {109, 13, W, "title break starts at x 109"},
                        {274, 13, W, "title break ends at x 274"},
                    });
}

TEST(HelpSheetTest, NothingOutsideTheFrame) {
    const BmpFile& f = HelpSheet();
    ExpectArea(f, 0, 0, 386, 3, W, "above y 4");
    ExpectArea(f, 0, 0, 4, 211, W, "left margin");
    ExpectArea(f, 380, 0, 386, 211, W, "right margin");
    ExpectArea(f, 0, 208, 386, 211, W, "bottom margin");
    // Row 4 holds only the tops of the title's capitals.
    const Box row4 = InkBox(f, 0, 4, 386, 4, kBlue);
    EXPECT_FALSE(row4.Empty());
    EXPECT_GE(row4.left, 109);
    EXPECT_LE(row4.right, 274);
    EXPECT_EQ(InkBox(f, 0, 4, 386, 4, kRed).count, 0);
    EXPECT_EQ(InkBox(f, 0, 4, 386, 4, B).count, 0);
}

TEST(HelpSheetTest, TitleInTheBreak) {
    const BmpFile& f = HelpSheet();
    EXPECT_EQ(InkBox(f, 109, 5, 274, 13, kRed).count, 0) << "break holds no red";
    EXPECT_EQ(InkBox(f, 109, 4, 274, 13, B).count, 0) << "title is not black";
    const Box all = InkBox(f, 0, 0, 386, 211, kBlue);
    const Box caps = InkBox(f, 0, 0, 386, 13, kBlue);
    EXPECT_EQ(all.left, 121) << "title centred on the break";
    EXPECT_EQ(all.right, 262) << "title centred on the break";
    EXPECT_EQ(caps.top, 4) << "capitals from y 4";
    EXPECT_EQ(all.top, 4);
    EXPECT_LE(all.bottom, 18) << "only descenders below the bar";
    EXPECT_GT(InkBox(f, 109, 13, 274, 13, kBlue).count, 0) << "capitals stand on y 13";
    // The "L" that starts it: a bold stem, two columns of 10 pixels.
    for (int x : {121, 122}) {
        const Box stem = InkBox(f, x, 0, x, 20, kBlue);
        EXPECT_EQ(stem.top, 4) << "x " << x;
        EXPECT_EQ(stem.bottom, 13) << "x " << x;
        EXPECT_EQ(stem.count, 10) << "x " << x;
    }
    EXPECT_EQ(InkBox(f, 109, 4, 119, 20, kBlue).count, 0);
    EXPECT_EQ(InkBox(f, 264, 4, 274, 20, kBlue).count, 0);
}

TEST(HelpSheetTest, CloseButtonAreaStaysWhite) {
    ExpectArea(HelpSheet(), 290, 19, 364, 45, W, "under the Close button");
}

struct TextLine {
    int capTop;
    int capHeight;
    const char* what;
};

TEST(HelpSheetTest, TextLinesStartAtX18) {
    const BmpFile& f = HelpSheet();
    const TextLine lines[] = {
        {26, 12, "heading"},       {48, 10, "step 1"},        {64, 10, "step 2"},
        {80, 10, "step 3"},        {96, 10, "step 4"},        {128, 10, "closing sentence"},
        {160, 10, "note, line 1"}, {176, 10, "note, line 2"},
    };
    for (const TextLine& line : lines) {
        SCOPED_TRACE(line.what);
        // The capitals' rows, bounded by the frame.
        const Box ink = InkBox(f, 15, line.capTop - 1, 369, line.capTop + line.capHeight - 1, B);
        ASSERT_FALSE(ink.Empty());
        EXPECT_EQ(ink.left, 18);
        EXPECT_EQ(ink.top, line.capTop);
        EXPECT_LE(ink.right, 364) << "four pixels clear of the right bar";
        EXPECT_GT(InkBox(f, 15, line.capTop + line.capHeight - 1, 369,
                         line.capTop + line.capHeight - 1, B)
                      .count,
                  0)
            << "capitals " << line.capHeight << " pixels tall";
    }
    EXPECT_EQ(InkBox(f, 15, 14, 369, 25, B).count, 0) << "nothing above the heading";
    EXPECT_EQ(InkBox(f, 15, 111, 369, 126, B).count, 0) << "empty line before the sentence";
    EXPECT_EQ(InkBox(f, 15, 143, 369, 158, B).count, 0) << "empty line before the note";
    EXPECT_EQ(InkBox(f, 15, 190, 369, 195, B).count, 0) << "nothing below the note";
    EXPECT_EQ(InkBox(f, 15, 14, 17, 195, B).count, 0) << "nothing left of x 18";
}

TEST(HelpSheetTest, HeadingIsBold) {
    const BmpFile& f = HelpSheet();
    // The "I" that starts "Instructions": a bold stem two pixels wide.
    EXPECT_EQ(f.Pixel(18, 30), B);
    EXPECT_EQ(f.Pixel(19, 30), B);
}

}  // namespace
}  // namespace lpf::art::test
