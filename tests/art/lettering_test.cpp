// The artwork's hand-drawn faces are well formed (a ragged row or a letter
// standing a pixel off its line would go unnoticed in a grid of text), and
// lines of text are set as the pictures expect: letters one column apart,
// bold one column wider, word spaces widened to fill a given width.

#include "lettering.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "glyphs.h"

namespace lpf::art {
namespace {

struct FaceCase {
    const char* name;
    const PixelFace* face;
};

void PrintTo(const FaceCase& c, std::ostream* os) {
    *os << c.name;
}

class FaceTest : public ::testing::TestWithParam<FaceCase> {};

// First and last row with ink, or {-1, -1} for a blank glyph.
std::pair<int, int> InkRows(const Glyph& g) {
    int first = -1;
    int last = -1;
    int y = 0;
    for (const char* row : g.rows) {
        if (std::strchr(row, '#') != nullptr) {
            if (first < 0) first = y;
            last = y;
        }
        ++y;
    }
    return {first, last};
}

TEST_P(FaceTest, GlyphsAreRectangularGridsOfInkAndPaper) {
    const PixelFace& face = *GetParam().face;
    std::set<char> seen;
    for (const Glyph& g : face.glyphs) {
        SCOPED_TRACE(std::string("glyph '") + g.ch + "'");
        EXPECT_TRUE(seen.insert(g.ch).second) << "drawn twice";
        ASSERT_GT(g.rows.size(), 0u);
        EXPECT_LE(static_cast<int>(g.rows.size()), face.capHeight + face.descent);
        const std::size_t width = std::strlen(*g.rows.begin());
        EXPECT_GT(width, 0u);
        for (const char* row : g.rows) {
            EXPECT_EQ(std::strlen(row), width) << row;
            EXPECT_EQ(std::strspn(row, "#."), std::strlen(row)) << row;
        }
        EXPECT_NE(InkRows(g).first, -1) << "no ink";
    }
}

// Capitals and figures fill the cap height and stand on the baseline; the
// short lower-case letters share one x-height; ascenders are as tall as the
// capitals; descenders reach the face's last row.
TEST_P(FaceTest, LettersStandOnTheirLines) {
    const PixelFace& face = *GetParam().face;
    const int baseline = face.capHeight - 1;
    const std::string shortLetters = "acemnorsuvwxz";
    const std::string ascenders = "bdfhkl";
    const std::string descenders = "gpqy";
    std::set<int> xHeights;
    for (const Glyph& g : face.glyphs) {
        SCOPED_TRACE(std::string("glyph '") + g.ch + "'");
        const auto [top, bottom] = InkRows(g);
        const bool capitalOrFigure = (g.ch >= 'A' && g.ch <= 'Z') || (g.ch >= '0' && g.ch <= '9');
        if (capitalOrFigure || ascenders.find(g.ch) != std::string::npos) {
            EXPECT_EQ(top, 0);
            EXPECT_EQ(bottom, baseline);
        } else if (shortLetters.find(g.ch) != std::string::npos) {
            xHeights.insert(top);
            EXPECT_EQ(bottom, baseline);
        } else if (descenders.find(g.ch) != std::string::npos) {
            EXPECT_EQ(bottom, face.capHeight + face.descent - 1);
        }
    }
    EXPECT_EQ(xHeights.size(), 1u) << "one x-height";
}

INSTANTIATE_TEST_SUITE_P(Faces, FaceTest,
                         ::testing::Values(FaceCase{"caps12", &kFace12},
                                           FaceCase{"caps10", &kFace10},
                                           FaceCase{"caps8", &kFace8}),
                         [](const ::testing::TestParamInfo<FaceCase>& info) {
                             return std::string(info.param.name);
                         });

// Columns of the ink's top row that are inked.
std::vector<int> InkedColumns(const Ink& ink, int row) {
    std::vector<int> columns;
    for (int x = 0; x < ink.width; ++x)
        if (ink.At(x, row)) columns.push_back(x);
    return columns;
}

struct LineCase {
    const char* what;
    const char* text;
    bool bold;
    int width;  // 0: natural width
    std::vector<int> columns;
};

// "l" is a one-column stem from the top row in the 10-pixel face, whose
// word space is 4 columns: worked out by hand from those two facts.
TEST(SetLineTest, LettersSpacesBoldAndWidth) {
    const LineCase cases[] = {
        {"letters one column apart", "ll", false, 0, {0, 2}},
        {"bold stems two columns, still one apart", "ll", true, 0, {0, 1, 3, 4}},
        {"word space of 4 between two letter gaps", "l l", false, 0, {0, 7}},
        {"leading space not counted", " l", false, 0, {0}},
        {"3 extra pixels on 2 spaces: 2, then 1", "l l l", false, 18, {0, 9, 17}},
        {"4 extra pixels on 2 spaces: 2 and 2", "l l l", false, 19, {0, 9, 18}},
        {"a narrower width leaves the line alone", "l l", false, 5, {0, 7}},
        {"no space to widen", "ll", false, 10, {0, 2}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Ink ink = SetLine(c.text, {&kFace10, c.bold}, c.width);
        EXPECT_EQ(InkedColumns(ink, 0), c.columns);
        EXPECT_EQ(ink.width, c.columns.back() + 1);
        EXPECT_EQ(ink.height, 13) << "10 rows of capitals and 3 of descent";
    }
}

TEST(SetLineTest, DescendersReachTheLastRow) {
    const Ink ink = SetLine("g", {&kFace10});
    EXPECT_EQ(InkedColumns(ink, 12).empty(), false);
}

TEST(SetLineTest, MissingGlyphIsAnError) {
    EXPECT_THROW(SetLine("a@b", {&kFace10}), std::invalid_argument);
    EXPECT_THROW(SetLine("Vin", {&kFace8}), std::invalid_argument);
}

}  // namespace
}  // namespace lpf::art
