#pragma once
// The calculator's window as behaviour: its state and every handler, named
// after their control and event, driving whichever toolkit's window shows it
// through the View. The handlers live in one file per group:
// form.cpp (start-up, Design), order_handlers.cpp, resistor_handlers.cpp,
// help_handlers.cpp.

#include <optional>

#include "control_table.h"
#include "design_state.h"
#include "rules.h"
#include "scroll_model.h"
#include "view.h"

namespace lpf {

class Form {
  public:
    explicit Form(View& view) : view_(view) {}

    // Start-up, once before the window is first shown: Form_Load, the boxes
    // named for the order on show, and the focus on the first Tab stop.
    void Open();

    // What the user did, as the toolkit reports it. Each runs the handler of
    // that control, if it has one.
    // A push button, or an option the window leaves to the form to select:
    // selected, it runs its Click unless it was selected already.
    void Clicked(ControlId control);
    void OptionSelected(ControlId option);  // an option became the selected one
    void ScrollSettled(ControlId bar);      // the scroll bar's value has settled
    // The user acted on the scroll bar: the form moves it where the action
    // takes it and, when that changes its value, runs its Change.
    void Scrolled(ControlId bar, ScrollAction action, int thumb = 0);

    // Tab (or Shift+Tab, `backwards`) pressed with the focus on `from`, or
    // on nothing the walk knows: the focus moves to the next stop.
    void TabPressed(std::optional<ControlId> from, bool backwards);
    // An arrow key pressed with the focus on `focus`. In an option group it
    // selects the option that way (running its Click) and then moves the
    // focus there, so that a screen reader hears the option as selected;
    // with none that way it does nothing. False for any other control: the
    // key is the control's own.
    bool ArrowPressed(ControlId focus, Arrow arrow);

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
    void ChooseOption(ControlId option);
    void ApplyOrder(bool twoPoles);
    void NameBoxesByCaptions();

    View& view_;
    DesignState state_;
    ScrollModel resistorBar_;  // HScroll1
};

}  // namespace lpf
