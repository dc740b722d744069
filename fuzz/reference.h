#pragma once
// Independent checks for the fuzz targets: a second reading of the
// leading-number rule built on the C library's strtod, and the grammar and
// rounding of a result text. Written apart from the code under test so that
// the two must agree by construction, not by sharing code.

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzcheck {

// The C library's conversions follow the process locale. These read and write
// as the "C" locale does whatever locale is selected, so that the reference
// never depends on the machine it runs on.
inline locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}
inline double ReadC(const std::string& text) {
    return strtod_l(text.c_str(), nullptr, CLocale());
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

// A double rounded to 15 significant digits, as its digit string without
// trailing zeros and the decimal exponent of its first digit.
struct Rounded15 {
    double value;        // the 15-digit decimal read back as a double
    std::string digits;  // 1 to 15 digits, first one non-zero
    int exponent;
};

inline Rounded15 RoundTo15Digits(double x) {
    char buf[64];
    const locale_t selected = uselocale(CLocale());
    std::snprintf(buf, sizeof buf, "%.14e", x);
    uselocale(selected);
    Rounded15 r{ReadC(buf), "", 0};
    const char* p = buf;
    if (*p == '-') ++p;
    for (; *p != 'e'; ++p)
        if (*p != '.') r.digits += *p;
    r.exponent = std::atoi(p + 1);
    while (r.digits.size() > 1 && r.digits.back() == '0') r.digits.pop_back();
    return r;
}

// Checks a non-empty result text against the value it should show, in
// microfarads. Returns an empty string when it passes, else what is wrong.
//   - grammar: optional '-', digits, at most one separator (the given one)
//     with digits after it, optional "E", a sign and two or more digits;
//   - at most 15 significant digits, no trailing zero after the separator;
//   - exponent form exactly when the plain form would need 16 or more digits
//     before the separator or more than 15 after it;
//   - read back, it is the value rounded to 15 significant digits.
inline std::string CheckResultText(std::string_view text, char separator, double microfarads) {
    if (!std::isfinite(microfarads) || microfarads == 0.0) return "value has no text";
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    const std::size_t intStart = i;
    while (i < text.size() && IsDec(text[i])) ++i;
    const std::string_view intPart = text.substr(intStart, i - intStart);
    std::string_view fracPart;
    bool hasSeparator = false;
    if (i < text.size() && text[i] == separator) {
        hasSeparator = true;
        const std::size_t start = ++i;
        while (i < text.size() && IsDec(text[i])) ++i;
        fracPart = text.substr(start, i - start);
    }
    bool hasExponent = false;
    std::string_view expDigits;
    char expSign = 0;
    if (i < text.size() && text[i] == 'E') {
        hasExponent = true;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) expSign = text[i++];
        const std::size_t start = i;
        while (i < text.size() && IsDec(text[i])) ++i;
        expDigits = text.substr(start, i - start);
    }
    if (i != text.size()) return "unexpected character";
    if (intPart.empty()) return "no digit before the separator";
    if (hasSeparator && fracPart.empty()) return "separator without digits";
    if (!fracPart.empty() && fracPart.back() == '0') return "trailing zero";
    if (hasExponent && (expSign == 0 || expDigits.size() < 2)) return "bad exponent";
    if (negative != (microfarads < 0)) return "wrong sign";

    std::string significant = std::string(intPart) + std::string(fracPart);
    significant.erase(0, std::min(significant.find_first_not_of('0'), significant.size()));
    if (significant.size() > 15) return "more than 15 significant digits";

    const Rounded15 r = RoundTo15Digits(microfarads);
    const int n = static_cast<int>(r.digits.size());
    const int before = r.exponent + 1;
    const int after = n - before > 0 ? n - before : 0;
    const bool wantExponent = before >= 16 || after > 15;
    if (hasExponent != wantExponent)
        return wantExponent ? "should be exponent form" : "should be plain";
    if (hasExponent) {
        if (intPart.size() != 1 || intPart[0] == '0') return "mantissa not normalized";
        const int e = r.exponent < 0 ? -r.exponent : r.exponent;
        std::string want = std::to_string(e);
        if (want.size() < 2) want.insert(0, "0");
        if (expDigits != want || (expSign == '-') != (r.exponent < 0)) return "wrong exponent";
    } else if (intPart.size() > 1 && intPart[0] == '0') {
        return "leading zero";
    }

    std::string readable(text);
    for (char& c : readable)
        if (c == separator) c = '.';
    if (ReadC(readable) != r.value) return "value differs";
    return {};
}

}  // namespace fuzzcheck
