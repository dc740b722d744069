#pragma once
// What the form's handlers may change in a window, and what they read from
// it: the contract every toolkit's window keeps. The form calls the public
// methods; each checks that the call is one the contract allows for that
// kind of control, then passes it to the window's Do... override. A call
// outside the contract is a fault in the form: it is not passed on, and
// OutsideContract() reports it.
//
// A View never calls back into the form for a change made through it: setting
// a scroll bar's value or selecting an option runs no handler. The handler
// that makes such a change runs what must follow itself. The toolkit reports
// only what the user does, through Form::Clicked, Form::OptionSelected and
// Form::ScrollSettled.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "control_table.h"
#include "high_contrast.h"

namespace lpf {

// How the focus came to a control: put there by the program, or by the
// keyboard's walk forward (Tab, Right, Down) or backward (Shift+Tab, Left,
// Up).
enum class FocusMove { Direct, Forward, Backward };

class View {
  public:
    virtual ~View() = default;

    // Any control: shows or hides it. A control that announces itself
    // (AnnouncesItself) is announced to assistive technology, with the words
    // of Announcement(), each time it appears after being hidden.
    void SetVisible(ControlId id, bool visible);
    // Whether a control is on show: as the table creates it, until the form
    // shows or hides it.
    bool Shown(ControlId id) const { return shown_[Index(id)]; }

    // Text boxes and labels: the text, UTF-8. A label shows it as plain text.
    void SetText(ControlId id, const std::string& text) {
        if (Allows("SetText", id, {Kind::TextBox, Kind::Label})) DoSetText(id, text);
    }
    std::string Text(ControlId id) const {
        return Allows("Text", id, {Kind::TextBox, Kind::Label}) ? DoText(id) : std::string();
    }

    // Labels: the colour the text is written in from now on.
    void SetForeColour(ControlId id, Colour colour);

    // The colour a control shows on `layer` now, in the user's scheme as the
    // window last set it: its designed colour with its kind's usual one
    // filled in, or the one a handler gave its text, through the
    // high-contrast rule. The window keeps no colour of its own to follow a
    // change of scheme with.
    Colour ColourShown(ControlId id, Layer layer) const;
    void SetScheme(Scheme scheme) { scheme_ = scheme; }

    // Any control, or the whole window: draw it again now. A window that is
    // always up to date has nothing new to draw, and then this shows no
    // change; Reset asks for it all the same, as its last steps.
    void Repaint(ControlId id) {
        if (Allows("Repaint", id, kAnyKind)) DoRepaint(id);
    }
    void RepaintWindow() { DoRepaintWindow(); }

    // Option buttons. Selecting one clears the others of its frame.
    bool Selected(ControlId option) const {
        return Allows("Selected", option, {Kind::OptionButton}) && DoSelected(option);
    }
    void Select(ControlId option) {
        if (Allows("Select", option, {Kind::OptionButton})) DoSelect(option);
    }

    // The scroll bar, in ohms. The step is how far an arrow click or arrow
    // key moves it. Reset sets the design's minimum, which nothing else
    // changes: the bar looks the same after it, as intended.
    int ScrollValue(ControlId bar) const {
        return Allows("ScrollValue", bar, {Kind::ScrollBar}) ? DoScrollValue(bar) : 0;
    }
    void SetScrollMinimum(ControlId bar, int minimum) {
        if (Allows("SetScrollMinimum", bar, {Kind::ScrollBar})) DoSetScrollMinimum(bar, minimum);
    }
    void SetScrollValue(ControlId bar, int value) {
        if (Allows("SetScrollValue", bar, {Kind::ScrollBar})) DoSetScrollValue(bar, value);
    }
    void SetScrollStep(ControlId bar, int smallStep) {
        if (Allows("SetScrollStep", bar, {Kind::ScrollBar})) DoSetScrollStep(bar, smallStep);
    }

    // Controls that take the focus (TakesFocus): the keyboard focus moves
    // there. A text box the keyboard's walk reaches has its whole text
    // selected, ready to be typed over; one the program focuses keeps its
    // selection.
    void Focus(ControlId id, FocusMove move = FocusMove::Direct);

    // Text boxes, the scroll bar and labels: what a screen reader calls the
    // control. A label may also be named as the label of the text box or
    // scroll bar it stands beside.
    void SetAccessibleName(ControlId id, const std::string& name) {
        if (Allows("SetAccessibleName", id, {Kind::TextBox, Kind::ScrollBar, Kind::Label}))
            DoSetAccessibleName(id, name);
    }
    void SetLabelFor(ControlId caption, ControlId box) {
        if (Allows("SetLabelFor", caption, {Kind::Label}) &&
            Allows("SetLabelFor", box, {Kind::TextBox, Kind::ScrollBar}))
            DoSetLabelFor(caption, box);
    }

    // The separator of the user's number format, for the results: the
    // locale's as the window reads it, by DecimalSeparatorOf.
    char DecimalSeparator() const;

    // Ends the program at once.
    void Quit() { DoQuit(); }

  protected:
    // A call the contract does not allow for this control. Debug builds stop
    // here; a test's View records it.
    virtual void OutsideContract(const char* call, ControlId id) const;

  private:
    static constexpr std::initializer_list<Kind> kAnyKind{};  // empty: every kind
    static std::array<bool, kControlCount> ShownAtStart();
    static std::array<Colour, kControlCount> ForeAtStart();
    bool Allows(const char* call, ControlId id, std::initializer_list<Kind> kinds) const;

    std::array<bool, kControlCount> shown_ = ShownAtStart();
    std::array<Colour, kControlCount> fore_ = ForeAtStart();
    Scheme scheme_ = Scheme::Design;

    virtual void DoSetVisible(ControlId id, bool visible) = 0;
    virtual void DoSetText(ControlId id, const std::string& text) = 0;
    virtual std::string DoText(ControlId id) const = 0;
    virtual void DoSetForeColour(ControlId id, Colour colour) = 0;
    virtual void DoRepaint(ControlId id) = 0;
    virtual void DoRepaintWindow() = 0;
    virtual bool DoSelected(ControlId option) const = 0;
    virtual void DoSelect(ControlId option) = 0;
    virtual int DoScrollValue(ControlId bar) const = 0;
    virtual void DoSetScrollMinimum(ControlId bar, int minimum) = 0;
    virtual void DoSetScrollValue(ControlId bar, int value) = 0;
    // A bar that the form moves step by step, not the toolkit, needs no step.
    virtual void DoSetScrollStep(ControlId, int) {}
    // The window's own way of moving the focus, told how it came (a toolkit
    // may draw keyboard focus differently).
    virtual void DoFocus(ControlId id, FocusMove move) = 0;
    virtual void DoSelectAllText(ControlId box) = 0;
    // Tells assistive technology that the control has just appeared, to be
    // read out with these words.
    virtual void DoAnnounce(ControlId id, const std::string& words) = 0;
    virtual void DoSetAccessibleName(ControlId id, const std::string& name) = 0;
    virtual void DoSetLabelFor(ControlId caption, ControlId box) = 0;
    // The user's locale's decimal separator, UTF-8, as the toolkit gives it.
    virtual std::string DoDecimalSeparator() const = 0;
    virtual void DoQuit() = 0;
};

}  // namespace lpf
