#pragma once
// Doubles to and from text, rounded correctly. The C++ library's
// std::to_chars/std::from_chars do it where the library has them for double;
// where it does not (the libc++ of Debian's emscripten), the C library's
// snprintf and strtod give the same bytes and the same values.

#include <string>
#include <string_view>

namespace lpf {

// The value's digits in scientific form, `precision` digits after the first:
// "d.ddde+XX".
std::string ScientificText(double value, int precision);

// Reads digits with an optional exponent ("123e-4"), or hexadecimal digits
// alone ("1f"); every character must belong to the number. Out of the double
// range: infinity above it, zero below.
double ReadDecimal(std::string_view digits);
double ReadHex(std::string_view digits);

}  // namespace lpf
