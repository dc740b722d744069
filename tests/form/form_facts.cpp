// Prints the window's facts as the form states them, as one JSON object, for
// the harnesses that check a window from outside (Wine, the browsers): every
// row of the control table, the client area and every rectangle in client
// pixels at the dpis the Windows window is tested at, the stacking order, and
// for each order what is on show and the Tab walk from the start focus. The
// harnesses compare what a window shows with this; what a user must see
// whatever the form says (the digits, the Tab walk as names) they keep
// written out on their own.

#include <cstdio>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "control_table.h"
#include "form.h"
#include "rules.h"

namespace {

using lpf::ControlId;

constexpr int kDpis[] = {96, 120, 144, 192};

// The kinds and presences by their names in the code, in enum order.
const char* KindName(lpf::Kind kind) {
    static constexpr const char* kNames[] = {"PushButton",   "PictureBox", "TextBox",
                                             "MaskBox",      "ScrollBar",  "Frame",
                                             "OptionButton", "Image",      "Label"};
    static_assert(std::size(kNames) == static_cast<int>(lpf::Kind::Label) + 1);
    return kNames[static_cast<int>(kind)];
}

const char* PresenceName(lpf::Presence presence) {
    static constexpr const char* kNames[] = {"Presented", "Decoration", "Announced"};
    static_assert(std::size(kNames) == static_cast<int>(lpf::Presence::Announced) + 1);
    return kNames[static_cast<int>(presence)];
}

std::string Quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string Name(ControlId id) {
    return Quoted(lpf::Row(id).name);
}

template <typename T, typename F>
std::string List(const T& items, F each) {
    std::string out = "[";
    for (const auto& item : items) out += (out.size() > 1 ? ", " : "") + each(item);
    return out + "]";
}

std::string Numbers(std::vector<int> values) {
    return List(values, [](int v) { return std::to_string(v); });
}

// A rectangle in client pixels at a dpi: an option's frame adds its corner,
// each scaled on its own as a window places a child in its frame.
std::vector<int> RectAt(const lpf::ControlRow& row, int dpi) {
    std::vector<int> px{lpf::PixelsAt(row.left, dpi), lpf::PixelsAt(row.top, dpi),
                        lpf::PixelsAt(row.width, dpi), lpf::PixelsAt(row.height, dpi)};
    if (row.container) {
        const std::vector<int> frame = RectAt(lpf::Row(*row.container), dpi);
        px[0] += frame[0], px[1] += frame[1];
    }
    return px;
}

template <typename F>
std::string PerDpi(F at) {
    std::string out = "{";
    for (int dpi : kDpis)
        out += (out.size() > 1 ? ", " : "") + Quoted(std::to_string(dpi)) + ": " + at(dpi);
    return out + "}";
}

std::string RowJson(const lpf::ControlRow& row) {
    const lpf::DesignFont font = row.font.face ? row.font : lpf::kForm1.font;
    char points[32];
    std::snprintf(points, sizeof points, "%g", font.points);
    const auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    return "{\"name\": " + Quoted(row.name) + ", \"kind\": " + Quoted(KindName(row.kind)) +
           ", \"container\": " + (row.container ? Name(*row.container) : "null") +
           ", \"text\": " + Quoted(row.text) +
           ", \"picture\": " + Quoted(lpf::PictureFile(row.picture)) +
           ", \"twips\": " + Numbers({row.left, row.top, row.width, row.height}) +
           ", \"font\": {\"face\": " + Quoted(font.face) + ", \"points\": " + points +
           ", \"bold\": " + flag(font.bold) + "}, \"shown\": " + flag(row.shown) +
           ", \"tab\": " + std::to_string(row.tab) + ", \"checked\": " + flag(row.checked) +
           ", \"presence\": " + Quoted(PresenceName(row.presence)) +
           ", \"rect\": " + PerDpi([&](int dpi) { return Numbers(RectAt(row, dpi)); }) + "}";
}

// A window with nothing to draw: it keeps what the form sets, so that the
// form can be asked what is on show and where Tab goes.
class Headless : public lpf::View {
  public:
    Headless() {
        for (const lpf::ControlRow& row : lpf::ControlTable()) {
            texts_[row.id] = row.text;
            if (row.checked) selected_[*row.container] = row.id;
        }
    }

  private:
    static ControlId Group(ControlId option) { return *lpf::Row(option).container; }

    void DoSetVisible(ControlId, bool) override {}
    void DoSetText(ControlId id, const std::string& text) override { texts_[id] = text; }
    std::string DoText(ControlId id) const override { return texts_.at(id); }
    void DoSetForeColour(ControlId, lpf::Colour) override {}
    void DoRepaint(ControlId) override {}
    void DoRepaintWindow() override {}
    bool DoSelected(ControlId option) const override {
        return selected_.at(Group(option)) == option;
    }
    void DoSelect(ControlId option) override { selected_[Group(option)] = option; }
    int DoScrollValue(ControlId) const override { return lpf::kHScroll1.value; }
    void DoSetScrollMinimum(ControlId, int) override {}
    void DoSetScrollValue(ControlId, int) override {}
    void DoSetScrollStep(ControlId, int) override {}
    void DoFocus(ControlId, lpf::FocusMove) override {}
    void DoSelectAllText(ControlId) override {}
    void DoAnnounce(ControlId, const std::string&) override {}
    void DoSetAccessibleName(ControlId, const std::string&) override {}
    void DoSetLabelFor(ControlId, ControlId) override {}
    std::string DoDecimalSeparator() const override { return "."; }
    void DoQuit() override {}

    std::map<ControlId, std::string> texts_;
    std::map<ControlId, ControlId> selected_;  // frame: its selected option
};

// What is on show and the Tab walk, once round from the start focus.
std::string OrderJson(const Headless& view, const lpf::Form& form) {
    std::vector<ControlId> shown, walk{form.StartFocus()};
    for (const lpf::ControlRow& row : lpf::ControlTable())
        if (view.Shown(row.id)) shown.push_back(row.id);
    for (ControlId next = form.NextTabStop(walk.back(), false); next != walk.front();
         next = form.NextTabStop(next, false))
        walk.push_back(next);
    return "{\"shown\": " + List(shown, Name) + ", \"tab_walk\": " + List(walk, Name) + "}";
}

}  // namespace

int main() {
    Headless view;
    lpf::Form form(view);
    form.Open();
    const std::string threePoles = OrderJson(view, form);
    view.Select(ControlId::Option1);
    form.OptionSelected(ControlId::Option1);
    const std::string twoPoles = OrderJson(view, form);

    const lpf::WindowDesign& w = lpf::kForm1;
    const std::string client = PerDpi([&](int dpi) {
        return Numbers({lpf::PixelsAt(w.left, dpi), lpf::PixelsAt(w.top, dpi),
                        lpf::PixelsAt(w.width, dpi), lpf::PixelsAt(w.height, dpi)});
    });
    std::string rows;
    for (const lpf::ControlRow& row : lpf::ControlTable())
        rows += (rows.empty() ? "" : ",\n  ") + RowJson(row);
    std::printf(
        "{\"title\": %s,\n \"client\": %s,\n \"controls\": [\n  %s],\n"
        " \"stacking\": %s,\n \"orders\": {\"three\": %s,\n  \"two\": %s}}\n",
        Quoted(w.title).c_str(), client.c_str(), rows.c_str(),
        List(lpf::StackingOrder(), Name).c_str(), threePoles.c_str(), twoPoles.c_str());
}
