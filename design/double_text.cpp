#include "double_text.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace lpf {

namespace {

// The C library reads the locale's decimal point; the texts read here have
// none. It answers a value beyond the double range with infinity or zero.
double ReadWithC(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace

#if defined(__cpp_lib_to_chars)

std::string ScientificText(double value, int precision) {
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision);
    return std::string(buf, end);
}

double ReadDecimal(std::string_view digits) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return ec == std::errc::result_out_of_range ? ReadWithC(std::string(digits)) : value;
}

double ReadHex(std::string_view digits) {
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                           std::chars_format::hex);
    return ec == std::errc::result_out_of_range ? ReadWithC("0x" + std::string(digits)) : value;
}

#else

// The locale's decimal point may stand between the digits; callers read
// the digits around it.
std::string ScientificText(double value, int precision) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.*e", precision, value);
    return std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
}

double ReadDecimal(std::string_view digits) {
    return ReadWithC(std::string(digits));
}

double ReadHex(std::string_view digits) {
    return ReadWithC("0x" + std::string(digits));
}

#endif

}  // namespace lpf
