// The resistor selector: the scroll bar HScroll1 holds the value, Text1 shows
// it, the "Increment" options set how far an arrow click moves it, and
// "Reset" (Command4) puts it back to its start.

#include <string>

#include "form.h"

namespace lpf {
namespace {

using enum ControlId;

struct IncrementOption {
    ControlId option;
    int smallStep;  // ohms per arrow click
};

constexpr IncrementOption kIncrementOptions[] = {
    {Option3, 1},  {Option4, 5},   {Option5, 10},  {Option6, 25},
    {Option7, 50}, {Option8, 100}, {Option9, 500}, {Option10, 1000},
};

}  // namespace

// The value has settled (arrow, trough, key, end of a drag, or Reset).
// Text1 only ever shows the value; nothing reads it back.
void Form::HScroll1_Change() {
    state_.Rval = static_cast<std::int16_t>(view_.ScrollValue(HScroll1));
    view_.SetText(Text1, std::to_string(state_.Rval));
}

void Form::IncrementOption_Click(ControlId option) {
    for (const IncrementOption& row : kIncrementOptions)
        if (row.option == option) {
            resistorBar_.SetSmallStep(row.smallStep);
            view_.SetScrollStep(HScroll1, row.smallStep);
        }
}

// The frequency, the order and the results stay as they are.
void Form::Command4_Click() {
    resistorBar_.SetMinimum(kHScroll1.minimum);
    view_.SetScrollMinimum(HScroll1, kHScroll1.minimum);
    // Only a position that actually changes counts as a change: at the start
    // value already, Text1 keeps whatever it holds.
    if (view_.ScrollValue(HScroll1) != kHScroll1.value) {
        view_.SetScrollValue(HScroll1, kHScroll1.value);
        HScroll1_Change();
    }
    view_.Repaint(HScroll1);
    // Selecting "1" runs its Click, which sets the step back to 1; selecting
    // it again when it already is selected runs nothing.
    if (!view_.Selected(Option3)) {
        view_.Select(Option3);
        IncrementOption_Click(Option3);
    }
    view_.RepaintWindow();
}

}  // namespace lpf
