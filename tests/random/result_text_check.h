#pragma once
// What a result box may show once the program has written it: a number in
// the calculator's result format, checked from the outside.

#include <optional>
#include <string>
#include <string_view>

namespace lpf_random {

// Why text is not a result text, or nothing when it is one. A result text is
// an optional "-", digits, at most one separator followed by digits, and an
// optional exponent part "E", a sign and two or more digits; it carries at
// most 15 significant digits, no trailing zeros after the separator, and uses
// the exponent form exactly when the plain form would need 16 or more digits
// before the separator or more than 15 after it.
std::optional<std::string> ResultTextProblem(std::string_view text, char separator);

// The value a result text stands for (the text must be valid).
double ResultTextValue(std::string_view text, char separator);

}  // namespace lpf_random
