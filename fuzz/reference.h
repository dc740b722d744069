#pragma once
// Independent checks for the fuzz targets: a second reading of the
// leading-number rule built on the C library's strtod, and the rounding of a
// result text, on top of the result format the random window runs check.
// Written apart from the code under test so that the two must agree by
// construction, not by sharing code.

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "c_number.h"
#include "result_text_check.h"

namespace fuzzcheck {

// Read as the "C" locale reads, whatever locale is selected, so that the
// reference never depends on the machine it runs on.
inline double ReadC(const std::string& text) {
    return lpf_random::ReadCNumber(text);
}

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
inline bool IsDec(char c) {
    return c >= '0' && c <= '9';
}
inline bool IsHex(char c) {
    return IsDec(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
inline bool IsOct(char c) {
    return c >= '0' && c <= '7';
}

// Exact value of an octal digit string, correctly rounded: the digits are
// turned into a decimal string through a small base-1e9 big integer and
// handed to strtod. More than 342 significant octal digits make at least
// 2^1026, past the double range.
inline double OctalValue(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    if (digits.empty()) return 0.0;
    if (digits.size() > 342) return HUGE_VAL;
    std::vector<std::uint32_t> limbs{0};  // little-endian, base 1e9
    for (char c : digits) {
        std::uint64_t carry = static_cast<std::uint64_t>(c - '0');
        for (auto& limb : limbs) {
            const std::uint64_t v = std::uint64_t{limb} * 8 + carry;
            limb = static_cast<std::uint32_t>(v % 1000000000);
            carry = v / 1000000000;
        }
        if (carry) limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    std::string text = std::to_string(limbs.back());
    for (std::size_t i = limbs.size() - 1; i-- > 0;) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%09u", static_cast<unsigned>(limbs[i]));
        text += buf;
    }
    return ReadC(text);
}

// The leading number of a text: blanks, tabs and line feeds dropped
// everywhere; "&H"/"&O" whole numbers; otherwise sign, digits with at most
// one period, and an exponent (E or D) that counts only with digits.
inline double ReferenceLeadingNumber(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!IsBlank(c)) s += c;

    if (s.size() >= 2 && s[0] == '&' &&
        (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const bool hex = s[1] == 'H' || s[1] == 'h';
        std::size_t end = 2;
        while (end < s.size() && (hex ? IsHex(s[end]) : IsOct(s[end]))) ++end;
        const std::string digits = s.substr(2, end - 2);
        if (digits.empty()) return 0.0;
        if (!hex) return OctalValue(digits);
        return ReadC("0x" + digits);
    }

    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    std::size_t digitCount = 0;
    while (i < s.size() && IsDec(s[i])) number += s[i++], ++digitCount;
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && IsDec(s[i])) number += s[i++], ++digitCount;
    }
    if (digitCount == 0) return 0.0;
    if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        const std::size_t first = j;
        while (j < s.size() && IsDec(s[j])) exponent += s[j++];
        if (j > first) number += exponent;
    }
    return ReadC(number);
}

// A double rounded to 15 significant digits, read back as a double.
inline double RoundedTo15Digits(double x) {
    char buf[64];
    const locale_t selected = uselocale(lpf_random::CLocale());
    std::snprintf(buf, sizeof buf, "%.14e", x);
    uselocale(selected);
    return ReadC(buf);
}

// Checks a non-empty result text against the value it should show, in
// microfarads. Returns an empty string when it passes, else what is wrong:
// the text must be in the result format (lpf_random::ResultTextProblem:
// grammar, at most 15 significant digits, plain or exponent form by the
// digits it needs) and, read back, be the value rounded to 15 significant
// digits. Decimals of at most 15 significant digits each read back to a
// double of their own, so this also fixes every digit of the text.
inline std::string CheckResultText(std::string_view text, char separator, double microfarads) {
    if (!std::isfinite(microfarads) || microfarads == 0.0) return "value has no text";
    if (const auto why = lpf_random::ResultTextProblem(text, separator)) return *why;
    if (lpf_random::ResultTextValue(text, separator) != RoundedTo15Digits(microfarads))
        return "value differs";
    return {};
}

}  // namespace fuzzcheck
