#pragma once
// The calculator's window as behaviour: its state and every handler, named
// after their control and event, driving whichever toolkit's window shows it
// through the View. The handlers live in one file per group:
// form.cpp (start-up, Design), order_handlers.cpp, resistor_handlers.cpp,
// help_handlers.cpp.

#include <optional>

#include "control_table.h"
#include "design_state.h"
#include "view.h"

namespace lpf {

class Form {
  public:
    explicit Form(View& view) : view_(view) {}

    // Start-up, once before the window is first shown: Form_Load, then the
    // boxes named for the order on show.
    void Open();

    // What the user did, as the toolkit reports it. Each runs the handler of
    // that control, if it has one.
    void Clicked(ControlId control);        // a push button
    void OptionSelected(ControlId option);  // an option became the selected one
    void ScrollSettled(ControlId bar);      // the scroll bar's value has settled

    // The keyboard between controls. The Tab walk goes through the controls
    // that take the focus in the table's order, passing over those not on
    // show; an option group is one stop, its selected option. From nothing,
    // it starts at either end. The window opens with the focus on the first
    // stop.
    ControlId NextTabStop(std::optional<ControlId> from, bool backwards) const;
    ControlId StartFocus() const { return NextTabStop(std::nullopt, false); }

    DesignState& State() { return state_; }
    const DesignState& State() const { return state_; }

    void Form_Load();
    void Command1_Click();  // Design
    void Command2_Click();  // EXIT
    void Command4_Click();  // Reset
    void Command5_Click();  // Help
    void Command6_Click();  // Close
    void HScroll1_Change();
    void Option1_Click();                          // Two Poles
    void Option2_Click();                          // Three Poles
    void IncrementOption_Click(ControlId option);  // Option3 .. Option10

  private:
    void ApplyOrder(bool twoPoles);
    void NameBoxesByCaptions();

    View& view_;
    DesignState state_;
};

}  // namespace lpf
