#pragma once
// The calculator's one window in a web page: DOM elements built from the
// control table (controls.cpp), showing what the form's handlers ask for
// (page.cpp). All behaviour is in form/; this class draws it in the DOM and
// reports the user's actions, which reach it through one listener
// (events.cpp).

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "control_table.h"
#include "controls.h"
#include "form.h"
#include "view.h"

namespace lpf::web {

using emscripten::val;

class Page : public View {
  public:
    Page();

    // Every event the page listens to, from any element.
    void Handle(const val& event);

  private:
    // lpf::View
    void DoSetVisible(ControlId id, bool visible) override;
    void DoSetText(ControlId id, const std::string& text) override;
    std::string DoText(ControlId id) const override;
    void DoSetForeColour(ControlId id, Colour colour) override;
    void DoRepaint(ControlId id) override;
    void DoRepaintWindow() override;
    bool DoSelected(ControlId option) const override;
    void DoSelect(ControlId option) override;
    int DoScrollValue(ControlId bar) const override;
    void DoSetScrollMinimum(ControlId bar, int minimum) override;
    void DoSetScrollValue(ControlId bar, int value) override;
    void DoFocus(ControlId id, FocusMove move) override;
    void DoSelectAllText(ControlId box) override;
    void DoAnnounce(ControlId id, const std::string& words) override;
    void DoSetAccessibleName(ControlId id, const std::string& name) override;
    void DoSetLabelFor(ControlId caption, ControlId box) override;
    std::string DoDecimalSeparator() const override;
    void DoQuit() override;

    void BuildFrame();
    void BuildControls();
    // The window's place and scale on the screen, now and whenever the
    // screen's size changes (browser.cpp).
    void FitScreen();
    // Every control's colours and the pictures in the user's scheme (scheme.cpp).
    void FollowScheme();
    // References, not copies: each copy of a handle is a call into the
    // browser.
    val& Box(ControlId id) { return controls_[Index(id)].box; }
    // The element that takes the focus and holds the value: the box itself,
    // or the input inside an option button or the scroll bar.
    val& Input(ControlId id) { return controls_[Index(id)].input; }
    const val& Input(ControlId id) const { return controls_[Index(id)].input; }

    // Every event the page needs, to Handle (events.cpp).
    void Listen();
    // The keyboard between and within controls.
    bool TakeKey(const val& event);

    val document_ = val::global("document");
    val window_ = val::null();        // the client area, parent of every control
    val announcer_ = val::null();     // a live region that speaks what appears
    val announceTimer_ = val::undefined();  // puts its next words in once the page settles
    std::vector<Elements> controls_;  // by ControlId
    // The browser's high-contrast setting.
    val forcedColours_ =
        val::global("window").call<val>("matchMedia", val("(forced-colors: active)"));
    std::string decimalSeparator_;  // of the browser's language
    Form form_{*this};
};

}  // namespace lpf::web
