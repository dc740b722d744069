// Fuzzes the whole Design command: frequency text, resistor value and order
// from the input bytes, through Design, to the result texts. Every text must
// be a well-formed result showing the computed value rounded to 15
// significant digits, or, when the order cannot be computed, there must be
// no texts and the stored values kept.
//
// Input layout: byte 0 selects the order (bits 0-1: two poles, three poles,
// neither, and neither again, since one option group never has both) and the
// locale's separator (bit 2: comma); bytes 1-2 give the resistor,
// 1000 + value % 9001 ohms; the rest is the frequency text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "calculation.h"
#include "design_command.h"
#include "design_state.h"
#include "reference.h"

namespace {

struct Inputs {
    std::string frequency;
    lpf::FilterOrder order = lpf::FilterOrder::None;
    char separator = '.';
};

[[noreturn]] void Fail(const Inputs& w, int rval, const std::string& what) {
    static constexpr const char* kOrders[] = {"no order", "two poles", "three poles"};
    std::fprintf(stderr, "Design with frequency \"%s\", %d ohms, %s, separator '%c': %s\n",
                 w.frequency.c_str(), rval, kOrders[static_cast<int>(w.order)], w.separator,
                 what.c_str());
    std::abort();
}

// The capacitor in farads, step by step in the calculator's order; NaN when
// the divisor is zero or beyond the double range, which the command must
// treat as an order it cannot compute.
double Farads(double coefficient, int rval, double freq) {
    const std::int32_t d1 = rval * 2;
    const double d2 = d1 * 3.141592654;
    const double d3 = d2 * freq;
    if (d3 == 0 || !std::isfinite(d3)) return NAN;
    return coefficient / d3;
}

struct Order {
    std::vector<double> coefficients;
    std::vector<double lpf::DesignState::*> stored;
};

constexpr double kUntouched = -12345.0;  // what the stored values hold before

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    Inputs w;
    switch (data[0] & 3) {
        case 0:
            w.order = lpf::FilterOrder::TwoPoles;
            break;
        case 1:
            w.order = lpf::FilterOrder::ThreePoles;
            break;
        default:
            break;
    }
    w.separator = data[0] & 4 ? ',' : '.';
    const int rval = 1000 + (data[1] << 8 | data[2]) % 9001;
    w.frequency.assign(reinterpret_cast<const char*>(data) + 3, size - 3);

    lpf::DesignState state;
    state.Rval = static_cast<std::int16_t>(rval);
    state.C1 = state.C2 = state.C3 = state.C4 = state.C5 = kUntouched;
    const auto texts = lpf::Design(state, w.frequency, w.order, w.separator);

    const double freq = fuzzcheck::ReferenceLeadingNumber(w.frequency);
    const double* f = std::get_if<double>(&state.Freq);
    if (!f || !(*f == freq && std::signbit(*f) == std::signbit(freq))) Fail(w, rval, "Freq");
    if (state.PiVal != 3.141592654) Fail(w, rval, "PiVal");

    using S = lpf::DesignState;
    Order order;
    if (w.order == lpf::FilterOrder::TwoPoles) order = {{1.414, 0.7071}, {&S::C1, &S::C2}};
    if (w.order == lpf::FilterOrder::ThreePoles)
        order = {{3.546, 1.392, 0.2024}, {&S::C3, &S::C4, &S::C5}};

    std::vector<double> farads;
    bool computable = true;
    for (double k : order.coefficients) {
        farads.push_back(Farads(k, rval, freq));
        computable = computable && std::isfinite(farads.back() * 1000000);
    }
    // Texts in box order, one per capacitor, or none when the order fails.
    if (texts.has_value() != computable)
        Fail(w, rval, computable ? "no texts for a computable order" : "texts for a failed order");
    if (texts && texts->size() != order.coefficients.size()) Fail(w, rval, "wrong number of texts");
    for (std::size_t i = 0; i < order.coefficients.size(); ++i) {
        const double stored = state.*order.stored[i];
        if (!computable) {
            if (stored != kUntouched) Fail(w, rval, "stored value changed on failure");
            continue;
        }
        const std::string& text = (*texts)[i];
        if (stored != farads[i]) Fail(w, rval, "stored value differs");
        const double microfarads = farads[i] * 1000000;
        const std::string why = fuzzcheck::CheckResultText(text, w.separator, microfarads);
        if (!why.empty()) {
            char value[40];
            std::snprintf(value, sizeof value, "%.17g", microfarads);
            Fail(w, rval, "text \"" + text + "\" for " + value + " uF: " + why);
        }
        // Independent of the order of steps: within rounding of the formula.
        const double exact =
            static_cast<double>(order.coefficients[i] * 1e6L /
                                (2.0L * 3.141592654L * rval * static_cast<long double>(freq)));
        if (std::isnormal(farads[i]) && std::fabs(microfarads / exact - 1) > 1e-14)
            Fail(w, rval, "value far from the formula");
    }
    return 0;
}
