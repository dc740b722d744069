// The help sheet (Picture1) with its "Close" button (Command6) laid over the
// window by "Help" (Command5), and "EXIT" (Command2).

#include "form.h"

namespace lpf {

using enum ControlId;

void Form::Command5_Click() {
    view_.SetVisible(Picture1, true);
    view_.SetVisible(Command6, true);
}

void Form::Command6_Click() {
    view_.SetVisible(Command6, false);
    view_.SetVisible(Picture1, false);
    view_.Focus(Text1);
}

// Ends the program at once: nothing to ask, nothing to save.
void Form::Command2_Click() {
    view_.Quit();
}

}  // namespace lpf
