#pragma once
// The Click handler of "Design" (Command1): the one place that computes.

#include <string>

#include "design_state.h"

namespace lpf {

enum class ResultBox { Text2, Text3, Text4 };

// What the Design command reads from and writes to the window.
class DesignWindow {
  public:
    virtual ~DesignWindow() = default;
    virtual std::string FrequencyText() const = 0;  // Text5
    virtual bool TwoPolesSelected() const = 0;      // Option1
    virtual bool ThreePolesSelected() const = 0;    // Option2
    virtual char DecimalSeparator() const = 0;      // the user's locale
    virtual void HideRefreshPrompt() = 0;           // Label20
    virtual void ShowResultBox(ResultBox box) = 0;
    virtual void SetResultText(ResultBox box, const std::string& text) = 0;
};

// When an order cannot be computed (a frequency that reads as zero, or values
// beyond the double range) its result boxes are shown empty and the stored
// capacitor values keep what they held: no box ever shows a number that does
// not belong to the inputs, nor "inf" or "nan".
void Command1_Click(DesignState& state, DesignWindow& window);

}  // namespace lpf
