// The resistor selector: the scroll bar HScroll1 holds the value, Text1 shows
// it, the "Increment" options set how far an arrow click moves it, and
// "Reset" (Command4) puts it back to its start.

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "control_table.h"
#include "form1.h"

namespace {

struct IncrementOption {
    const char* control;
    int smallStep;  // ohms per arrow click
};

constexpr IncrementOption kIncrementOptions[] = {
    {"Option3", 1},  {"Option4", 5},   {"Option5", 10},  {"Option6", 25},
    {"Option7", 50}, {"Option8", 100}, {"Option9", 500}, {"Option10", 1000},
};

}  // namespace

void Form1::ConnectIncrementOptions() {
    for (const IncrementOption& option : kIncrementOptions) {
        const int step = option.smallStep;
        connect(Control<QRadioButton>(option.control), &QRadioButton::toggled, this,
                [this, step](bool on) {
                    if (on) IncrementOption_Click(step);
                });
    }
}

// The value has settled (arrow, trough, key, end of a drag, or set by code).
// Text1 only ever shows the value; nothing reads it back.
void Form1::HScroll1_Change(int value) {
    state_.Rval = static_cast<std::int16_t>(value);
    Control<QLineEdit>("Text1")->setText(QString::number(state_.Rval));
}

void Form1::IncrementOption_Click(int smallStep) {
    Control<QScrollBar>("HScroll1")->setSingleStep(smallStep);
}

// The frequency, the order and the results stay as they are.
void Form1::Command4_Click() {
    auto* bar = Control<QScrollBar>("HScroll1");
    bar->setMinimum(lpf::kHScroll1.minimum);
    bar->setValue(lpf::kHScroll1.value);  // a change runs HScroll1_Change
    bar->update();
    Control<QRadioButton>("Option3")->setChecked(true);  // its Click sets the step to 1
    update();
}
