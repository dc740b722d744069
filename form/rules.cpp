#include "rules.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <tuple>

#include "high_contrast.h"

namespace lpf {
namespace {

template <class Keep, class Less>
constexpr auto IdsWhere(Keep keep, Less less) {
    std::array<ControlId, kControlCount> ids{};
    std::size_t n = 0;
    for (const ControlRow& row : ControlTable())
        if (keep(row)) ids[n++] = row.id;
    std::stable_sort(ids.begin(), ids.begin() + n, less);
    return std::pair{ids, n};
}

// A control's rectangle in twips, corners doubled so that its centre is a
// whole number.
struct Box {
    int left, top, right, bottom;
    int CentreX() const { return left + right; }
    int CentreY() const { return top + bottom; }
};
Box BoxOf(const OptionPlace& place) {
    return {2 * place.left, 2 * place.top, 2 * (place.left + place.width),
            2 * (place.top + place.height)};
}

// Options that touch by less than a pixel's width are not in line.
constexpr int kPixel = 2 * kTwipsPerPixel;

bool Overlap(int lowA, int highA, int lowB, int highB) {
    return lowA < highB - kPixel && lowB < highA - kPixel;
}

}  // namespace

bool TakesFocus(Kind kind) {
    return kind == Kind::PushButton || kind == Kind::TextBox || kind == Kind::ScrollBar ||
           kind == Kind::OptionButton;
}

bool TakesInput(Kind kind) {
    return kind != Kind::PictureBox;
}

bool LiesBeneath(Kind kind) {
    return kind == Kind::Label || kind == Kind::Image;
}

std::span<const ControlId> StackingOrder() {
    static const auto order =
        IdsWhere([](const ControlRow&) { return true; },
                 [](ControlId a, ControlId b) {
                     return !LiesBeneath(Row(a).kind) && LiesBeneath(Row(b).kind);
                 });
    return {order.first.data(), order.second};
}

std::span<const ControlId> TabOrder() {
    static const auto order =
        IdsWhere([](const ControlRow& row) { return TakesFocus(row.kind); },
                 [](ControlId a, ControlId b) { return Row(a).tab < Row(b).tab; });
    return {order.first.data(), order.second};
}

std::span<const ControlId> ReadingOrder() {
    static const auto order =
        IdsWhere([](const ControlRow& row) { return row.container.has_value(); },
                 [](ControlId a, ControlId b) {
                     const auto place = [](const ControlRow& r) {
                         return std::tuple(Index(*r.container), r.top, r.left);
                     };
                     return place(Row(a)) < place(Row(b));
                 });
    return {order.first.data(), order.second};
}

Colour ForeColour(const ControlRow& row) {
    const bool caption =
        row.kind == Kind::Label || row.kind == Kind::Frame || row.kind == Kind::OptionButton;
    if (row.fore.source == Colour::Source::KindDefault && caption)
        return Sys(SystemColour::ButtonText);
    return row.fore;
}

Colour BackColour(const ControlRow& row) {
    if (row.kind == Kind::MaskBox) return PictureGround;
    return row.back;
}

std::optional<std::size_t> NeighbourAmong(std::span<const OptionPlace> group, std::size_t from,
                                          Arrow arrow) {
    const Box here = BoxOf(group[from]);
    const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
    std::optional<std::size_t> best;
    long long bestScore = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (i == from) continue;
        const Box there = BoxOf(group[i]);
        const long long dx = there.CentreX() - here.CentreX();
        const long long dy = there.CentreY() - here.CentreY();
        const bool ahead = (arrow == Arrow::Up && dy < 0) || (arrow == Arrow::Down && dy > 0) ||
                           (arrow == Arrow::Left && dx < 0) || (arrow == Arrow::Right && dx > 0);
        if (!ahead) continue;
        const bool inColumn = Overlap(here.left, here.right, there.left, there.right);
        const bool inRow = Overlap(here.top, here.bottom, there.top, there.bottom);
        long long score;
        if (vertical && inColumn)
            score = (std::abs(dy) << 20) + std::abs(dx);
        else if (!vertical && inRow)
            score = (std::abs(dx) << 20) + std::abs(dy);
        else
            score = (1LL << 40) + dx * dx + dy * dy;
        if (score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

std::optional<ControlId> ArrowNeighbour(ControlId option, Arrow arrow) {
    const ControlRow& from = Row(option);
    if (from.kind != Kind::OptionButton) return std::nullopt;
    std::array<OptionPlace, kControlCount> places{};
    std::array<ControlId, kControlCount> ids{};
    std::size_t n = 0;
    std::size_t here = 0;
    for (const ControlRow& row : ControlTable()) {
        if (row.kind != Kind::OptionButton || row.container != from.container) continue;
        if (row.id == option) here = n;
        places[n] = {row.left, row.top, row.width, row.height};
        ids[n++] = row.id;
    }
    const auto to = NeighbourAmong({places.data(), n}, here, arrow);
    return to ? std::optional(ids[*to]) : std::nullopt;
}

const DesignFont& DrawnFont(const DesignFont& font) {
    return font.face ? font : kForm1.font;
}

StandInFont StandIn(const DesignFont& font) {
    struct FaceAtSize {
        const char* face;
        double points;
        StandInFont standIn;
    };
    static constexpr FaceAtSize kFaces[] = {
        {"MS Sans Serif", 8.25, {"Liberation Sans", 11}},
        {"MS Sans Serif", 9.75, {"Liberation Sans", 12}},
        {"Arial", 9.75, {"Liberation Sans", 13}},
        {"Arial", 12, {"Liberation Sans", 16}},
        {"Verdana", 9.75, {"DejaVu Sans", 13}},
    };
    const DesignFont& f = DrawnFont(font);
    for (const FaceAtSize& m : kFaces)
        if (std::strcmp(m.face, f.face) == 0 && m.points == f.points) return m.standIn;
    return {"Liberation Sans", static_cast<int>(f.points * 96 / 72 + 0.5)};
}

bool AnnouncesItself(ControlId id) {
    return Row(id).presence == Presence::Announced;
}

AccessibleRole RoleOf(ControlId id) {
    const ControlRow& row = Row(id);
    if (row.presence == Presence::Decoration) return AccessibleRole::None;
    if (AnnouncesItself(id)) return AccessibleRole::Alert;
    if (row.picture != Picture::None) return AccessibleRole::Image;
    return AccessibleRole::OfItsKind;
}

char DecimalSeparatorOf(std::string_view localeSeparator) {
    if (localeSeparator.size() == 1 && static_cast<unsigned char>(localeSeparator[0]) < 0x80)
        return localeSeparator[0];
    return '.';
}

}  // namespace lpf
