#include "form.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string>

#include "design_command.h"
#include "rules.h"
#include "words.h"

namespace lpf {
namespace {

using enum ControlId;

// The result boxes in the order Design returns their texts: C1 and C2, or C3
// to C5 (the captions beside them say which).
constexpr ControlId kTwoPoleResults[] = {Text2, Text3};
constexpr ControlId kThreePoleResults[] = {Text2, Text3, Text4};

std::span<const ControlId> ResultBoxes(FilterOrder order) {
    switch (order) {
        case FilterOrder::TwoPoles:
            return kTwoPoleResults;
        case FilterOrder::ThreePoles:
            return kThreePoleResults;
        case FilterOrder::None:
            break;
    }
    return {};
}

}  // namespace

void Form::Open() {
    Form_Load();
    NameBoxesByCaptions();
    view_.Focus(StartFocus());
}

// Which handler each control has. Controls not named here have none.
void Form::Clicked(ControlId control) {
    switch (control) {
        case Command1:
            return Command1_Click();
        case Command2:
            return Command2_Click();
        case Command4:
            return Command4_Click();
        case Command5:
            return Command5_Click();
        case Command6:
            return Command6_Click();
        default:
            if (Row(control).kind == Kind::OptionButton) ChooseOption(control);
            return;
    }
}

void Form::ChooseOption(ControlId option) {
    if (view_.Selected(option)) return;
    view_.Select(option);
    OptionSelected(option);
}

void Form::OptionSelected(ControlId option) {
    switch (option) {
        case Option1:
            return Option1_Click();
        case Option2:
            return Option2_Click();
        case Option3:
        case Option4:
        case Option5:
        case Option6:
        case Option7:
        case Option8:
        case Option9:
        case Option10:
            return IncrementOption_Click(option);
        default:
            return;
    }
}

void Form::ScrollSettled(ControlId bar) {
    if (bar == HScroll1) HScroll1_Change();
}

void Form::Scrolled(ControlId bar, ScrollAction action, int thumb) {
    if (bar != HScroll1) return;
    const int old = view_.ScrollValue(bar);
    const int value = resistorBar_.Moved(old, action, thumb);
    // A move that cannot change the value (the left arrow at the minimum)
    // is no change: nothing is reported.
    if (value == old) return;
    view_.SetScrollValue(bar, value);
    HScroll1_Change();
}

void Form::TabPressed(std::optional<ControlId> from, bool backwards) {
    view_.Focus(NextTabStop(from, backwards), backwards ? FocusMove::Backward : FocusMove::Forward);
}

bool Form::ArrowPressed(ControlId focus, Arrow arrow) {
    if (Row(focus).kind != Kind::OptionButton) return false;
    const std::optional<ControlId> to = ArrowNeighbour(focus, arrow);
    if (!to) return true;
    ChooseOption(*to);
    view_.Focus(
        *to, arrow == Arrow::Left || arrow == Arrow::Up ? FocusMove::Backward : FocusMove::Forward);
    return true;
}

ControlId Form::NextTabStop(std::optional<ControlId> from, bool backwards) const {
    const std::span<const ControlId> walk = TabOrder();
    const int n = static_cast<int>(walk.size());
    const auto at = from ? std::find(walk.begin(), walk.end(), *from) : walk.end();
    const int start = at != walk.end() ? static_cast<int>(at - walk.begin()) : backwards ? n : -1;
    for (int step = 1; step <= n; ++step) {
        const ControlId id = walk[((start + (backwards ? -step : step)) % n + n) % n];
        if (!view_.Shown(id)) continue;
        if (Row(id).kind == Kind::OptionButton && !view_.Selected(id)) continue;
        return id;
    }
    return walk.front();
}

// Start-up, once before the window is first shown. Everything else keeps the
// value the control table gives it.
void Form::Form_Load() {
    state_.Rval = kStartRval;
    state_.Freq = kStartFreq;
    view_.SetVisible(Picture1, false);
    view_.SetVisible(Command6, false);
    for (ControlId twoPole : {Label4, Label5, Label6, Text6}) view_.SetVisible(twoPole, false);
    view_.SetText(Label3, kThirdOrderCaption);
}

// Design. The prompt goes before the boxes appear; an order that cannot be
// computed shows its boxes empty. The two orders share one option group, so
// at most one is selected.
void Form::Command1_Click() {
    const std::string frequency = view_.Text(Text5);
    view_.SetVisible(Label20, false);
    const FilterOrder order = view_.Selected(Option1)   ? FilterOrder::TwoPoles
                              : view_.Selected(Option2) ? FilterOrder::ThreePoles
                                                        : FilterOrder::None;
    const auto texts = Design(state_, frequency, order, view_.DecimalSeparator());
    const std::span<const ControlId> boxes = ResultBoxes(order);
    for (ControlId box : boxes) view_.SetVisible(box, true);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        view_.SetText(boxes[i], texts ? (*texts)[i] : "");
}

// Each box and the scroll bar is named after the caption on show beside it,
// with its unit. A caption that stays with its box whatever the order is the
// box's label too; a screen reader speaks the label's name in place of the
// box's, so it carries the unit as well. Captions that change with the order
// are no label: no event tells a screen reader that a label changed, and
// Orca keeps the old one for up to a minute, announcing the other circuit's
// parts. Their boxes are known by name alone.
void Form::NameBoxesByCaptions() {
    const bool twoPoles = view_.Selected(Option1);
    for (const CaptionedBox& row : CaptionedBoxes()) {
        const std::string name = BoxName(row, twoPoles);
        if (row.twoPolesCaption == row.threePolesCaption) {
            view_.SetLabelFor(row.twoPolesCaption, row.box);
            view_.SetAccessibleName(row.twoPolesCaption, name);
        }
        view_.SetAccessibleName(row.box, name);
    }
}

}  // namespace lpf
