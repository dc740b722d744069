#include "design_command.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "calculation.h"

namespace lpf {
namespace {

// One order's capacitors and their texts. All of them or none: a partial set
// of values would mislead.
template <std::size_t N>
std::optional<std::vector<std::string>> DesignOrder(DesignState& state,
                                                    const std::array<double, N>& coefficients,
                                                    const std::array<double*, N>& stored,
                                                    char separator) {
    const double freq = AsDouble(state.Freq);
    std::array<double, N> farads{};
    std::vector<std::string> texts(N);
    for (std::size_t i = 0; i < N; ++i) {
        farads[i] = ComputeCapacitance(coefficients[i], state.Rval, freq, state.PiVal);
        texts[i] = MicrofaradText(farads[i], separator);
        if (!std::isfinite(farads[i]) || texts[i].empty()) return std::nullopt;
    }
    for (std::size_t i = 0; i < N; ++i) *stored[i] = farads[i];
    return texts;
}

}  // namespace

std::optional<std::vector<std::string>> Design(DesignState& state, std::string_view frequencyText,
                                               FilterOrder order, char separator) {
    state.Freq = ParseLeadingNumber(frequencyText);
    state.PiVal = kPiVal;
    switch (order) {
        case FilterOrder::TwoPoles:
            return DesignOrder<2>(state, {ButterworthTable::C1, ButterworthTable::C2},
                                  {&state.C1, &state.C2}, separator);
        case FilterOrder::ThreePoles:
            return DesignOrder<3>(
                state, {ButterworthTable::C3, ButterworthTable::C4, ButterworthTable::C5},
                {&state.C3, &state.C4, &state.C5}, separator);
        case FilterOrder::None:
            break;
    }
    return std::vector<std::string>{};
}

}  // namespace lpf
