#include "view.h"

#include <algorithm>
#include <cassert>

#include "rules.h"
#include "words.h"

namespace lpf {

std::array<bool, kControlCount> View::ShownAtStart() {
    std::array<bool, kControlCount> shown{};
    for (const ControlRow& row : ControlTable()) shown[Index(row.id)] = row.shown;
    return shown;
}

std::array<Colour, kControlCount> View::ForeAtStart() {
    std::array<Colour, kControlCount> fore{};
    for (const ControlRow& row : ControlTable()) fore[Index(row.id)] = ForeColour(row);
    return fore;
}

void View::SetForeColour(ControlId id, Colour colour) {
    if (!Allows("SetForeColour", id, {Kind::Label})) return;
    fore_[Index(id)] = colour;
    DoSetForeColour(id, colour);
}

Colour View::ColourShown(ControlId id, Layer layer) const {
    const Colour designed = layer == Layer::Fore ? fore_[Index(id)] : BackColour(Row(id));
    return InScheme(id, layer, designed, scheme_);
}

void View::SetVisible(ControlId id, bool visible) {
    if (!Allows("SetVisible", id, kAnyKind)) return;
    const bool appears = visible && !shown_[Index(id)];
    shown_[Index(id)] = visible;
    DoSetVisible(id, visible);
    if (appears && AnnouncesItself(id)) DoAnnounce(id, Announcement(id));
}

void View::Focus(ControlId id, FocusMove move) {
    if (!TakesFocus(Row(id).kind)) return OutsideContract("Focus", id);
    DoFocus(id, move);
    if (move != FocusMove::Direct && Row(id).kind == Kind::TextBox) DoSelectAllText(id);
}

char View::DecimalSeparator() const {
    return DecimalSeparatorOf(DoDecimalSeparator());
}

void View::OutsideContract([[maybe_unused]] const char* call, [[maybe_unused]] ControlId id) const {
    assert(!"a View call outside its contract");
}

bool View::Allows(const char* call, ControlId id, std::initializer_list<Kind> kinds) const {
    if (Index(id) < kControlCount &&
        (kinds.size() == 0 || std::find(kinds.begin(), kinds.end(), Row(id).kind) != kinds.end()))
        return true;
    OutsideContract(call, id);
    return false;
}

}  // namespace lpf
