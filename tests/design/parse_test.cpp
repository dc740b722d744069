// The leading-number rule for the frequency box.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calculation.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();

std::string Repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += s;
    return out;
}

const std::string k400Digits = Repeat("1234567890", 40);

struct ParseRow {
    std::string text;
    double value;
};

// Expected values with many digits are Python's float() of the same text.
const ParseRow kRows[] = {
    // Everyday input.
    {"1000", 1000},
    {"1 000", 1000},
    {"1e3", 1000},
    {"2.5kHz", 2.5},
    {"1,000", 1},
    {"1,5", 1},
    {"kHz", 0},
    {"-1000", -1000},
    {"+50", 50},
    {"0.5", 0.5},
    {"00012", 12},
    {"  12  ", 12},
    {"1 . 5", 1.5},
    {"1\t0\n0\n0", 1000},
    {"\n\t 7", 7},
    {"1\r000", 1},
    {"\r1", 0},
    // No number, or the shape of one without digits.
    {"", 0},
    {"-", 0},
    {"+", 0},
    {".", 0},
    {"-.", 0},
    {"e5", 0},
    {"+.5e-1", 0.05},
    {".5", 0.5},
    {"5.", 5},
    // Where reading stops.
    {"1.2.3", 1.2},
    {"1e3e4", 1000},
    {"1e", 1},
    {"1e+", 1},
    {"1E-", 1},
    {"1e-x5", 1},
    {"1D2", 100},
    {"1d-2", 0.01},
    {"1E+2", 100},
    {"1e 3", 1000},
    {"1e-000000000000000000000000003", 0.001},
    // Hexadecimal and octal whole numbers.
    {"&H1F", 31},
    {"&h1f", 31},
    {"& H 1F", 31},
    {"&HFF.5", 255},
    {"&H", 0},
    {"&HG", 0},
    {"&O777", 511},
    {"&o17", 15},
    {"&O78", 7},
    {"&O8", 0},
    {"&", 0},
    {"&X1", 0},
    {"-&H10", 0},
    {"+&O7", 0},
    {"&H123456789ABCDEF0123456789ABCDE", 9.452287970026068e+34},  // 30 digits
    {"&HFFFFFFFFFFFFFFFFF", 2.9514790517935283e+20},              // rounds up to 2^68
    {"&O" + Repeat("7", 30), 1.2379400392853803e+27},             // 2^90 - 1 rounds to 2^90
    {"&H" + Repeat("F", 13) + "8" + Repeat("0", 242), kMax},
    {"&H" + Repeat("F", 256), kInf},
    {"&H1" + Repeat("0", 256), kInf},
    {"&H" + Repeat("0", 300) + "A", 10},
    {"&H20000000000001", 9007199254740992},  // 2^53 + 1, halfway: to even
    {"&H20000000000003", 9007199254740996},
    {"&H20000000000001" + Repeat("0", 40), 1.3164036458569648e+64},
    {"&H20000000000001" + Repeat("0", 39) + "1", 1.316403645856965e+64},  // past halfway
    {"&O400000000000000001", 9007199254740992},
    {"&O400000000000000001" + Repeat("0", 30), 1.1150372599265312e+43},
    {"&O400000000000000001" + Repeat("0", 29) + "1", 1.1150372599265314e+43},
    // Long digit strings are correctly rounded.
    {k400Digits.substr(0, 20) + "." + k400Digits.substr(20), 1.2345678901234567e+19},
    {k400Digits, kInf},
    {"-" + k400Digits, -kInf},
    {"0." + Repeat("0", 300) + "123", 1.23e-301},
    {"0." + Repeat("0", 400) + "1", 0},
    {"1" + Repeat("0", 400) + "e-400", 1},
    {"9007199254740993", 9007199254740992},  // halfway: to even
    {"9007199254740993." + Repeat("0", 380) + "1", 9007199254740994},
    // The edges of the double range.
    {"1e99999999999999999999", kInf},
    {"-1e99999999999999999999", -kInf},
    {"1e-99999999999999999999", 0},
    {"0e99999999999999999999", 0},
    {"1.7976931348623157e308", kMax},
    {"1.8e308", kInf},
    {"-1e400", -kInf},
    {"1e-310", 1e-310},
    {"3e-324", 5e-324},
    {"2e-324", 0},
    {"1e-330", 0},
};

TEST(ParseLeadingNumber, Table) {
    for (const ParseRow& row : kRows) {
        SCOPED_TRACE(::testing::PrintToString(row.text.size() > 60 ? row.text.substr(0, 60) + "..."
                                                                   : row.text));
        EXPECT_EQ(lpf::ParseLeadingNumber(row.text), row.value);
    }
}

}  // namespace
