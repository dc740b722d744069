// The leading-number rule for the frequency box: blanks, tabs and line feeds
// count for nothing; an optional sign, digits with at most one period, and an
// optional exponent (E or D) form the number; "&H" and "&O" introduce a
// hexadecimal or octal whole number; anything else ends the reading. A comma
// is never part of a number, whatever the locale.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "calculation.h"
#include "double_text.h"

namespace lpf {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// Reads the digits of a whole number in base 16 or 8 from the start of text.
// Any length is accepted: the value is the nearest double, infinity past the
// double range.
double ParseWholeNumber(std::string_view text, int base) {
    std::string hex;  // the same number in base 16
    if (base == 16) {
        for (char c : text) {
            if (DigitValue(c) >= 16) break;
            hex += c;
        }
    } else {
        std::string bits;
        for (char c : text) {
            if (DigitValue(c) >= 8) break;
            const int v = c - '0';
            bits += {char('0' + (v >> 2 & 1)), char('0' + (v >> 1 & 1)), char('0' + (v & 1))};
        }
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        for (std::size_t i = 0; i < bits.size(); i += 4) {
            const int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                          (bits[i + 3] - '0');
            hex += "0123456789abcdef"[v];
        }
    }
    hex.erase(0, std::min(hex.find_first_not_of('0'), hex.size()));
    if (hex.empty()) return 0.0;
    return ReadHex(hex);
}

// Saturating, so that an exponent of any length cannot overflow.
std::int64_t ParseExponentDigits(std::string_view digits) {
    std::int64_t v = 0;
    for (char c : digits) v = std::min<std::int64_t>(v * 10 + (c - '0'), 1'000'000'000'000);
    return v;
}

double ParseDecimal(std::string_view s) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    std::string digits;  // integer and fraction digits, without the period
    std::int64_t pointAt = 0;
    while (i < s.size() && IsDigit(s[i])) digits += s[i++];
    pointAt = static_cast<std::int64_t>(digits.size());
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) digits += s[i++];
    }
    if (digits.empty()) return 0.0;

    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNegative = s[j++] == '-';
        const std::size_t start = j;
        while (j < s.size() && IsDigit(s[j])) ++j;
        if (j > start) {  // "1e" and "1e+" read as 1
            exponent = ParseExponentDigits(s.substr(start, j - start));
            if (expNegative) exponent = -exponent;
        }
    }

    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const double sign = negative ? -1.0 : 1.0;
    if (firstSignificant == std::string::npos) return sign * 0.0;

    // Decimal exponent of the first significant digit: far outside the double
    // range the answer is known without converting.
    const std::int64_t leadExponent =
        pointAt - static_cast<std::int64_t>(firstSignificant) - 1 + exponent;
    if (leadExponent > 400) return sign * kInfinity;
    if (leadExponent < -400) return sign * 0.0;

    // The significant digits as a whole number, scaled by a power of ten.
    const std::string significant = digits.substr(firstSignificant);
    const std::int64_t scale = leadExponent + 1 - static_cast<std::int64_t>(significant.size());
    return sign * ReadDecimal(significant + "e" + std::to_string(scale));
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s += c;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return ParseWholeNumber(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return ParseWholeNumber(std::string_view(s).substr(2), 8);
    }
    return ParseDecimal(s);
}

}  // namespace lpf
