#pragma once
// The window's working values. Plain C++: no toolkit types in here.

#include <cstdint>
#include <variant>

namespace lpf {

// Pi as the calculator has always used it: ten significant digits, not the
// full-precision constant. The difference shows in the tenth digit of results.
inline constexpr double kPiVal = 3.141592654;

// What the window starts with: the frequency in hertz and the resistor in
// ohms, as the boxes show them and the scroll bar stands.
inline constexpr std::int16_t kStartFreq = 1000;
inline constexpr std::int16_t kStartRval = 1000;

// Until the first Design the frequency is still the 16-bit integer set at
// start-up; Design stores the parsed double.
using FrequencyValue = std::variant<std::int16_t, double>;

struct DesignState {
    FrequencyValue Freq = kStartFreq;               // hertz
    std::int16_t Rval = kStartRval;                 // ohms, the scroll bar's position
    double PiVal = 0.0;                             // set on each Design
    double C1 = 0, C2 = 0, C3 = 0, C4 = 0, C5 = 0;  // farads
};

inline double AsDouble(const FrequencyValue& f) {
    return std::visit([](auto v) { return static_cast<double>(v); }, f);
}

}  // namespace lpf
