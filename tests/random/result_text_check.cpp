#include "result_text_check.h"

#include "c_number.h"

namespace lpf_random {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - from;
}

}  // namespace

std::optional<std::string> ResultTextProblem(std::string_view text, char separator) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;

    const std::string_view whole = text.substr(i, DigitRun(text, i));
    if (whole.empty()) return "no digits where the number begins";
    i += whole.size();

    std::string_view fraction;
    if (i < text.size() && text[i] == separator) {
        ++i;
        fraction = text.substr(i, DigitRun(text, i));
        if (fraction.empty()) return "no digits after the separator";
        if (fraction.back() == '0') return "a trailing zero after the separator";
        i += fraction.size();
    }

    bool exponentForm = false;
    int exponent = 0;
    if (i < text.size() && text[i] == 'E') {
        exponentForm = true;
        ++i;
        if (i >= text.size() || (text[i] != '+' && text[i] != '-')) return "no sign after the E";
        const bool down = text[i] == '-';
        ++i;
        const std::string_view digits = text.substr(i, DigitRun(text, i));
        if (digits.size() < 2) return "fewer than two exponent digits";
        if (digits.size() > 2 && digits[0] == '0') return "a padded exponent of three digits";
        i += digits.size();
        for (char c : digits) exponent = exponent * 10 + (c - '0');
        if (down) exponent = -exponent;
    }
    if (i != text.size()) return "characters after the number";

    if (exponentForm) {
        if (whole.size() != 1 || whole[0] == '0') return "the mantissa is not one non-zero digit";
        const int significant = 1 + static_cast<int>(fraction.size());
        if (significant > 15) return "more than 15 significant digits";
        // Digits the plain form would need before and after the separator.
        const int before = exponent + 1;
        const int after = significant > before ? significant - before : 0;
        if (before < 16 && after <= 15) return "exponent form where the plain form fits";
        return std::nullopt;
    }

    if (whole.size() > 1 && whole[0] == '0') return "a leading zero";
    if (whole.size() >= 16) return "16 or more digits before the separator";
    if (fraction.size() > 15) return "more than 15 digits after the separator";
    std::string digits(whole);
    digits += fraction;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        if (negative) return "a negative zero";
        return std::nullopt;
    }
    const auto last = digits.find_last_not_of('0');
    if (last - first + 1 > 15) return "more than 15 significant digits";
    return std::nullopt;
}

double ResultTextValue(std::string_view text, char separator) {
    std::string c(text);
    for (char& ch : c)
        if (ch == separator) ch = '.';
    return ReadCNumber(c);
}

}  // namespace lpf_random
