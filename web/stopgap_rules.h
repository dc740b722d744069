#pragma once
// TEMPORARY: stands in for form/rules.h until it is merged.
#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "control_table.h"

namespace lpf {

inline bool TakesFocus(Kind kind) {
    return kind == Kind::PushButton || kind == Kind::TextBox || kind == Kind::ScrollBar ||
           kind == Kind::OptionButton;
}
inline bool LiesBeneath(Kind kind) {
    return kind == Kind::Label || kind == Kind::Image;
}
inline std::span<const ControlId> StackingOrder() {
    static const std::vector<ControlId> order = [] {
        std::vector<ControlId> o;
        for (bool beneath : {false, true})
            for (const ControlRow& r : ControlTable())
                if (LiesBeneath(r.kind) == beneath) o.push_back(r.id);
        return o;
    }();
    return order;
}
inline Colour ForeColour(const ControlRow& row) {
    if (row.fore.source == Colour::Source::KindDefault &&
        (row.kind == Kind::Label || row.kind == Kind::Frame || row.kind == Kind::OptionButton))
        return Sys(18);
    return row.fore;
}
inline Colour BackColour(const ControlRow& row) {
    if (row.back.source == Colour::Source::KindDefault && row.kind == Kind::MaskBox) return Sys(5);
    return row.back;
}
enum class Arrow { Left, Right, Up, Down };
inline std::optional<ControlId> ArrowNeighbour(ControlId option, Arrow arrow) {
    std::vector<ControlId> group;
    for (const ControlRow& r : ControlTable())
        if (r.kind == Kind::OptionButton && r.container == Row(option).container) group.push_back(r.id);
    std::sort(group.begin(), group.end(), [](ControlId a, ControlId b) { return Row(a).tab < Row(b).tab; });
    auto it = std::find(group.begin(), group.end(), option);
    const bool back = arrow == Arrow::Left || arrow == Arrow::Up;
    if (back) return it == group.begin() ? group.back() : *(it - 1);
    return it + 1 == group.end() ? group.front() : *(it + 1);
}
inline bool AnnouncesItself(ControlId id) {
    return Row(id).presence == Presence::Announced || id == ControlId::Picture1;
}
inline std::optional<ControlId> ContainerOf(const ControlRow& row) {
    if (row.container == ControlId::Form1) return std::nullopt;
    return row.container;
}

}  // namespace lpf
