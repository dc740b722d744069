#pragma once
// Numbers read the way the "C" locale reads them, whatever locale the process
// has selected. QApplication selects the user's locale from the environment,
// and under a German one plain strtod stops at the period. The references stay
// with strtod rather than std::from_chars because the window reads with the
// latter: a reference on the same route would share its faults. The random
// window runs and the fuzz targets both read with this one.

#include <clocale>
#include <cstdlib>
#include <string>

namespace lpf_random {

inline locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

inline double ReadCNumber(const std::string& text) {
    return strtod_l(text.c_str(), nullptr, CLocale());
}

}  // namespace lpf_random
