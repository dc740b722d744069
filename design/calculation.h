#pragma once
// The arithmetic of the calculator: capacitor values, their text in
// microfarads, and the frequency read from what the user typed.

#include <cstdint>
#include <string>
#include <string_view>

namespace lpf {

// Normalized capacitor coefficients (farads for 1 rad/s and 1 ohm), stored
// as these exact decimals rather than computed from the pole positions.
struct ButterworthTable {
    static constexpr double C1 = 1.414;   // two poles, junction to output
    static constexpr double C2 = 0.7071;  // two poles, amplifier input to ground
    static constexpr double C3 = 3.546;   // three poles, second junction to output
    static constexpr double C4 = 1.392;   // three poles, first junction to ground
    static constexpr double C5 = 0.2024;  // three poles, amplifier input to ground
};

// coefficient / (Rval * 2 * piVal * freq) in farads, rounded step by step in
// that order. Returns a non-finite value when the divisor is zero or the
// arithmetic leaves the double range; callers decide what to show then.
double ComputeCapacitance(double coefficient, std::int16_t rval, double freq, double piVal);

// The text of a result box: farads times 1000000, at most 15 significant
// digits, exponent form ("3.2E-02") when the plain form would need more than
// 15 digits after the separator or 16 or more before it.
std::string MicrofaradText(double farads, char decimalSeparator = '.');

// The leading number of a text; never fails, reads 0 where there is none.
double ParseLeadingNumber(std::string_view text);

}  // namespace lpf
