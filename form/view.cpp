#include "view.h"

#include <algorithm>
#include <cassert>

#include "rules.h"

namespace lpf {

std::array<bool, kControlCount> View::ShownAtStart() {
    std::array<bool, kControlCount> shown{};
    for (const ControlRow& row : ControlTable()) shown[Index(row.id)] = row.shown;
    return shown;
}

void View::Focus(ControlId id) {
    if (TakesFocus(Row(id).kind))
        DoFocus(id);
    else
        OutsideContract("Focus", id);
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
