#pragma once
// What the form's handlers may change in a window, and what they read from
// it. Each toolkit's window implements this over its own controls, built
// from the control table.
//
// A View never calls back into the form for a change made through it: setting
// a scroll bar's value or selecting an option runs no handler. The handler
// that makes such a change runs what must follow itself. The toolkit reports
// only what the user does, through Form::Clicked, Form::OptionSelected and
// Form::ScrollSettled.

#include <string>

#include "control_table.h"

namespace lpf {

class View {
  public:
    virtual ~View() = default;

    virtual void SetVisible(ControlId id, bool visible) = 0;
    virtual void SetText(ControlId id, const std::string& text) = 0;  // UTF-8
    virtual std::string Text(ControlId id) const = 0;
    virtual void SetForeColour(ControlId id, Colour colour) = 0;
    virtual void Repaint(ControlId id) = 0;  // Form1: the whole window

    // Option buttons. Selecting one clears the others of its frame.
    virtual bool Selected(ControlId option) const = 0;
    virtual void Select(ControlId option) = 0;

    // The scroll bar, in ohms.
    virtual int ScrollValue(ControlId bar) const = 0;
    virtual void SetScrollMinimum(ControlId bar, int minimum) = 0;
    virtual void SetScrollValue(ControlId bar, int value) = 0;
    virtual void SetScrollStep(ControlId bar, int smallStep) = 0;

    virtual void Focus(ControlId id) = 0;

    // What a screen reader calls a control; a caption may also be named as
    // the label of the box it stands beside.
    virtual void SetAccessibleName(ControlId id, const std::string& name) = 0;
    virtual void SetLabelFor(ControlId caption, ControlId box) = 0;

    // The separator of the user's number format, for the results.
    virtual char DecimalSeparator() const = 0;

    // Ends the program at once.
    virtual void Quit() = 0;
};

}  // namespace lpf
