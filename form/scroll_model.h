#pragma once
// Where the user's actions on the scroll bar take its value. Each window maps
// its native events to these actions and draws the value the form sets; none
// works out a step, an end or a clamp of its own.

#include "control_table.h"

namespace lpf {

// What the user did to the bar: an arrow (click or key), the trough beside
// the thumb (or Page Up and Page Down), Home or End, or a dragged thumb
// released at a value.
enum class ScrollAction { LineLeft, LineRight, PageLeft, PageRight, ToStart, ToEnd, ThumbAt };

// The bar's ends and its small step. The maximum and the large step are the
// design's and never change; Reset sets the minimum, the "Increment" options
// the small step.
class ScrollModel {
  public:
    // The value `action` takes a bar at `value` to, within the ends. `thumb`
    // is where a dragged thumb was released (ThumbAt only).
    int Moved(int value, ScrollAction action, int thumb = 0) const;

    int SmallStep() const { return smallStep_; }
    void SetSmallStep(int smallStep) { smallStep_ = smallStep; }
    void SetMinimum(int minimum) { minimum_ = minimum; }

  private:
    int minimum_ = kHScroll1.minimum;
    int smallStep_ = kHScroll1.smallStep;
};

}  // namespace lpf
