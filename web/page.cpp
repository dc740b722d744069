#include "page.h"

#include <string>

#include "browser.h"
#include "look.h"
#include "rules.h"

namespace lpf::web {

// The window as a desktop draws it: a caption bar with the title and a close
// box above the client area; and a live region that speaks what appears.
constexpr char kFrame[] =
    R"(<div class="frame"><div class="caption"><span></span>)"
    R"(<button class="close-box" tabindex="-1" aria-label="Close"></button></div>)"
    R"(<div id="Form1" class="client"></div></div>)"
    R"(<div class="announcer" role="status"></div>)";

Page::Page() : decimalSeparator_(LanguageSeparator()) {
    BuildFrame();
    BuildControls();
    FollowScheme();
    FitScreen();
    Listen();
    form_.Open();
}

// The window at its place on the screen.
void Page::BuildFrame() {
    document_.set("title", kForm1.title);
    document_["body"].call<void>("insertAdjacentHTML", val("beforeend"), val(kFrame));
    window_ = document_.call<val>("getElementById", val("Form1"));
    announcer_ = document_.call<val>("querySelector", val(".announcer"));
    val frame = window_["parentElement"];
    frame["style"].call<void>("setProperty", val("--left"), val(CssPixels(kForm1.left)));
    frame["style"].call<void>("setProperty", val("--top"), val(CssPixels(kForm1.top)));
    frame.call<val>("querySelector", val(".caption > span")).set("textContent", kForm1.title);
    window_["style"].set("width", CssPixels(kForm1.width));
    window_["style"].set("height", CssPixels(kForm1.height));
    window_["style"].set("font", CssFont(kForm1.font));
    window_["style"].set("background", CssColour(kForm1.back));
}

void Page::BuildControls() {
    for (const ControlRow& c : ControlTable()) {
        controls_.push_back(MakeControl(c));
        (c.container ? Box(*c.container) : window_).call<void>("append", Box(c.id));
    }
    // A screen reader's browse cursor walks a frame's options in the page's
    // order.
    for (ControlId id : ReadingOrder()) Box(*Row(id).container).call<void>("append", Box(id));
    // Stacking: the first in the order lies on top.
    const auto order = StackingOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        Box(order[i])["style"].set("zIndex", static_cast<int>(order.size() - i));
}

// What the form's handlers change and read.

void Page::DoSetVisible(ControlId id, bool visible) {
    Box(id).set("hidden", !visible);
}

// A live region speaks what is put into it. The words go in a moment after
// the change that shows them: changing the order rewrites many texts at
// once, and a screen reader that sees a burst of text changes (Orca 48)
// drops the live region's along with the rest.
constexpr int kAnnounceDelayMs = 300;

void Page::DoAnnounce(ControlId, const std::string& words) {
    val::global("clearTimeout")(announceTimer_);
    announceTimer_ = val::global("setTimeout")(val::global("Reflect")["set"], kAnnounceDelayMs,
                                               announcer_, val("textContent"), val(words));
}

void Page::DoSetText(ControlId id, const std::string& text) {
    Input(id).set(TextProperty(Row(id).kind), text);
}

std::string Page::DoText(ControlId id) const {
    return Input(id)[TextProperty(Row(id).kind)].as<std::string>();
}

void Page::DoSetForeColour(ControlId id, Colour) {
    Box(id)["style"].set("color", CssColour(ColourShown(id, Layer::Fore)));
}

// The browser draws every change by itself.
void Page::DoRepaint(ControlId) {}
void Page::DoRepaintWindow() {}

bool Page::DoSelected(ControlId option) const {
    return Input(option)["checked"].as<bool>();
}

void Page::DoSelect(ControlId option) {
    Input(option).set("checked", true);  // the others of its name clear themselves
}

int Page::DoScrollValue(ControlId bar) const {
    return std::stoi(Input(bar)["value"].as<std::string>());
}

void Page::DoSetScrollMinimum(ControlId bar, int minimum) {
    Input(bar).set("min", minimum);
}

// Chromium tells a screen reader of a range input's new value only at the
// next change of anything else (the focus, say), so the value also goes into
// the attribute it reports at once: the bar is heard as it moves.
void Page::DoSetScrollValue(ControlId bar, int value) {
    Input(bar).set("value", value);
    Input(bar).call<void>("setAttribute", val("aria-valuetext"), val(std::to_string(value)));
}

void Page::DoFocus(ControlId id, FocusMove) {
    Input(id).call<void>("focus");
}

void Page::DoSelectAllText(ControlId box) {
    Input(box).call<void>("select");
}

void Page::DoSetAccessibleName(ControlId id, const std::string& name) {
    Input(id).call<void>("setAttribute", val("aria-label"), val(name));
}

void Page::DoSetLabelFor(ControlId caption, ControlId box) {
    if (Input(box)["id"].as<std::string>().empty())
        Input(box).set("id", std::string(Row(box).name) + "-value");
    Box(caption).set("htmlFor", Input(box)["id"]);
}

std::string Page::DoDecimalSeparator() const {
    return decimalSeparator_;
}

// The program ends: its window goes, and the page says so.
void Page::DoQuit() {
    window_["parentElement"].call<void>("remove");
    val::global("clearTimeout")(announceTimer_);
    announcer_.call<void>("replaceChildren");
    val body = document_["body"];
    body.call<void>("insertAdjacentHTML", val("afterbegin"), val(R"(<p class="ended"></p>)"));
    body["firstElementChild"].set(
        "textContent",
        std::string(kForm1.title) + " has ended. Reload the page to start it again.");
}

}  // namespace lpf::web
