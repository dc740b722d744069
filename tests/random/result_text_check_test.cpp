// The result-format check used by the random window runs, on texts written
// out by hand.

#include "result_text_check.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

struct Case {
    const char* text;
    char separator;
    bool valid;
};

constexpr Case kCases[] = {
    {"0", '.', true},
    {"2", '.', true},
    {"0.225079079039277", '.', true},  // 15 digits after the separator
    {"3.22142337024416E-02", '.', true},
    {"-0.5", '.', true},
    {"123456789012345", '.', true},  // 15 digits before
    {"1E+15", '.', true},            // 16 digits before: exponent form
    {"1.5E+300", '.', true},
    {"5E-324", '.', true},
    {"0.000000000000001", '.', true},  // 15 after
    {"1.23456789012345E-02", '.', true},
    {"0,5", ',', true},
    {"-4.5E+120", '.', true},
    {"", '.', false},
    {" ", '.', false},
    {"inf", '.', false},
    {"nan", '.', false},
    {"-nan", '.', false},
    {"1.", '.', false},
    {".5", '.', false},
    {"1.50", '.', false},
    {"01", '.', false},
    {"1E5", '.', false},
    {"1E+5", '.', false},  // fits in plain form
    {"1.2E-2", '.', false},
    {"12.5E+20", '.', false},
    {"1,5", '.', false},
    {"0.5", ',', false},
    {"1234567890123456", '.', false},
    {"0.0000000000000001", '.', false},  // 16 after: must be exponent form
    {"1.234567890123456", '.', false},   // 16 significant
    {"123456789012345.6", '.', false},   // 16 significant
    {"-0", '.', false},
    {"1e+20", '.', false},
    {"1E+020", '.', false},
    {"+1", '.', false},
    {"1 ", '.', false},
    {"0.5E-01", '.', false},
    {"1.0000000000000001E-20", '.', false},  // 17 significant
};

TEST(ResultTextCheck, AcceptsExactlyTheResultFormat) {
    for (const Case& c : kCases) {
        const auto problem = lpf_random::ResultTextProblem(c.text, c.separator);
        EXPECT_EQ(!problem.has_value(), c.valid)
            << "text [" << c.text << "] separator " << c.separator << ": "
            << problem.value_or("accepted");
    }
}

TEST(ResultTextCheck, ReadsTheValueBack) {
    EXPECT_EQ(lpf_random::ResultTextValue("0,25", ','), 0.25);
    EXPECT_EQ(lpf_random::ResultTextValue("-3.5E-02", '.'), -0.035);
    EXPECT_EQ(lpf_random::ResultTextValue("2", '.'), 2.0);
}

// The window test runs inside QApplication, which selects the user's locale;
// where that locale writes a comma, a period must still read as one.
TEST(ResultTextCheck, ReadsTheSameUnderACommaLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
        GTEST_SKIP() << "de_DE.UTF-8 is not generated on this machine";
    const double period = lpf_random::ResultTextValue("30.0561020466619", '.');
    const double comma = lpf_random::ResultTextValue("30,0561020466619", ',');
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(period, 30.0561020466619);
    EXPECT_EQ(comma, 30.0561020466619);
}

}  // namespace
