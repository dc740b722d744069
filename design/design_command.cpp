#include "design_command.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "calculation.h"

namespace lpf {
namespace {

// Computes one order's capacitors and fills its result boxes, in box order.
// All of them or none: a partial set of values would mislead.
template <std::size_t N>
void DesignOrder(DesignState& state, DesignWindow& window,
                 const std::array<double, N>& coefficients, const std::array<double*, N>& stored,
                 const std::array<ResultBox, N>& boxes) {
    const double freq = AsDouble(state.Freq);
    std::array<double, N> farads{};
    std::array<std::string, N> texts{};
    bool computable = true;
    for (std::size_t i = 0; i < N; ++i) {
        farads[i] = ComputeCapacitance(coefficients[i], state.Rval, freq, state.PiVal);
        texts[i] = MicrofaradText(farads[i], window.DecimalSeparator());
        computable = computable && std::isfinite(farads[i]) && !texts[i].empty();
    }
    if (computable)
        for (std::size_t i = 0; i < N; ++i) *stored[i] = farads[i];
    for (ResultBox box : boxes) window.ShowResultBox(box);
    for (std::size_t i = 0; i < N; ++i) window.SetResultText(boxes[i], computable ? texts[i] : "");
}

}  // namespace

void Command1_Click(DesignState& state, DesignWindow& window) {
    state.Freq = ParseLeadingNumber(window.FrequencyText());
    state.PiVal = kPiVal;
    window.HideRefreshPrompt();

    // Two separate tests, not either-or; the option group lets at most one run.
    if (window.TwoPolesSelected()) {
        DesignOrder<2>(state, window, {ButterworthTable::C1, ButterworthTable::C2},
                       {&state.C1, &state.C2}, {ResultBox::Text2, ResultBox::Text3});
    }
    if (window.ThreePolesSelected()) {
        DesignOrder<3>(state, window,
                       {ButterworthTable::C3, ButterworthTable::C4, ButterworthTable::C5},
                       {&state.C3, &state.C4, &state.C5},
                       {ResultBox::Text2, ResultBox::Text3, ResultBox::Text4});
    }
}

}  // namespace lpf
