#pragma once
// The Design command's computation: the one place that computes. It reads
// what the window holds and returns what the result boxes are to show; the
// window's form decides where that goes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design_state.h"

namespace lpf {

// The filter order on show, or none when neither order is selected.
enum class FilterOrder { None, TwoPoles, ThreePoles };

// Stores the parsed frequency in `Freq` and pi in `PiVal`, then computes the
// order's capacitors with `Rval` and stores them: C1 and C2 for two poles, C3
// to C5 for three. Returns their texts in microfarads, in the order of the
// result boxes (no text for no order). When the order cannot be computed (a
// frequency that reads as zero, or values beyond the double range) it
// returns none and the stored capacitor values keep what they held: no box
// ever shows a number that does not belong to the inputs, nor "inf" or "nan".
std::optional<std::vector<std::string>> Design(DesignState& state, std::string_view frequencyText,
                                               FilterOrder order, char separator);

}  // namespace lpf
