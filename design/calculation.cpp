#include "calculation.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "double_text.h"

namespace lpf {

double ComputeCapacitance(double coefficient, std::int16_t rval, double freq, double piVal) {
    // Each step is rounded to a double before the next; this order decides
    // the last digits of the 15-digit result.
    const std::int32_t d1 = std::int32_t{rval} * 2;
    const double d2 = d1 * piVal;
    const double d3 = d2 * freq;
    if (d3 == 0.0 || !std::isfinite(d3)) return std::nan("");
    return coefficient / d3;
}

namespace {

// 15 significant digits as a digit string (trailing zeros dropped) and the
// decimal exponent of the first digit, both after rounding.
struct Decimal15 {
    std::string digits;
    int exponent = 0;
};

Decimal15 RoundTo15(double magnitude) {
    const std::string text = ScientificText(magnitude, 14);  // "d.dddddddddddddde+XX"
    const auto e = text.find('e');
    Decimal15 d;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9') d.digits += c;
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

}  // namespace

std::string MicrofaradText(double farads, char decimalSeparator) {
    const double microfarads = farads * 1000000;
    if (!std::isfinite(microfarads)) return {};
    if (microfarads == 0.0) return "0";

    const Decimal15 d = RoundTo15(std::fabs(microfarads));
    const int n = static_cast<int>(d.digits.size());
    const int before = d.exponent + 1;  // digits before the separator in plain form
    const int after = n > before ? n - before : 0;

    std::string out = microfarads < 0 ? "-" : "";
    if (before >= 16 || after > 15) {
        out += d.digits[0];
        if (n > 1) (out += decimalSeparator) += d.digits.substr(1);
        const int e = d.exponent;
        out += e < 0 ? "E-" : "E+";
        const std::string exp = std::to_string(e < 0 ? -e : e);
        if (exp.size() < 2) out += '0';
        return out + exp;
    }
    if (before <= 0) {
        out += '0';
        out += decimalSeparator;
        out.append(-before, '0');
        return out + d.digits;
    }
    if (n <= before) return out + d.digits + std::string(before - n, '0');
    return out + d.digits.substr(0, before) + decimalSeparator + d.digits.substr(before);
}

}  // namespace lpf
