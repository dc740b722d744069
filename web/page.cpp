#include "page.h"

#include <string>

#include "browser.h"
#include "controls.h"
#include "look.h"
#include "rules.h"

namespace lpf::web {
namespace {

// The decimal separator the browser's language writes in 1.5; a language
// tag Intl refuses reads as the browser's default format.
std::string LanguageSeparator() {
    const val parts =
        val::global("Intl")["NumberFormat"].new_(BrowserLocale()).call<val>("formatToParts", 1.5);
    for (int i = 0; i < parts["length"].as<int>(); ++i)
        if (parts[i]["type"].as<std::string>() == "decimal")
            return parts[i]["value"].as<std::string>();
    return {};
}

}  // namespace

Page::Page() : decimalSeparator_(LanguageSeparator()) {
    BuildFrame();
    BuildControls();
    FollowScheme();
    FitScreen();
    Listen();
    form_.Open();
}

// The window as a desktop draws it, at its place on the screen: a caption
// bar with the title and a close box above the client area.
void Page::BuildFrame() {
    document_.set("title", kForm1.title);
    val body = document_["body"];
    val frame = document_.call<val>("createElement", val("div"));
    frame.set("className", "frame");
    frame["style"].call<void>("setProperty", val("--left"), val(CssPixels(kForm1.left)));
    frame["style"].call<void>("setProperty", val("--top"), val(CssPixels(kForm1.top)));

    val caption = document_.call<val>("createElement", val("div"));
    caption.set("className", "caption");
    val title = document_.call<val>("createElement", val("span"));
    title.set("textContent", kForm1.title);
    val close = document_.call<val>("createElement", val("button"));
    close.set("className", "close-box");
    close.set("tabIndex", -1);
    close.call<void>("setAttribute", val("aria-label"), val("Close"));
    close.call<void>("setAttribute", val("data-control"), val("-1"));
    caption.call<void>("append", title, close);

    window_ = document_.call<val>("createElement", val("div"));
    window_.set("id", "Form1");
    window_.set("className", "client");
    window_["style"].set("width", CssPixels(kForm1.width));
    window_["style"].set("height", CssPixels(kForm1.height));
    window_["style"].set("font", CssFont(kForm1.font));
    window_["style"].set("background", CssColour(kForm1.back));

    announcer_ = document_.call<val>("createElement", val("div"));
    announcer_.set("className", "announcer");
    announcer_.call<void>("setAttribute", val("role"), val("status"));

    frame.call<void>("append", caption, window_);
    body.call<void>("append", frame, announcer_);
}

void Page::BuildControls() {
    for (const ControlRow& c : ControlTable()) {
        const Elements made = MakeControl(c);
        (c.container ? Box(*c.container) : window_).call<void>("append", made.box);
        boxes_.push_back(made.box);
        inputs_.push_back(made.input);
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

// A live region speaks what is put into it.
void Page::DoAnnounce(ControlId, const std::string& words) {
    announcer_.set("textContent", words);
}

void Page::DoSetText(ControlId id, const std::string& text) {
    if (Row(id).kind == Kind::TextBox)
        Input(id).set("value", text);
    else
        Box(id).set("textContent", text);
}

std::string Page::DoText(ControlId id) const {
    if (Row(id).kind == Kind::TextBox) return Input(id)["value"].as<std::string>();
    return Box(id)["textContent"].as<std::string>();
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
    val frame = window_["parentElement"];
    frame.call<void>("remove");
    val ended = document_.call<val>("createElement", val("p"));
    ended.set("className", "ended");
    ended.set("textContent",
              std::string(kForm1.title) + " has ended. Reload the page to start it again.");
    announcer_.call<void>("replaceChildren");
    document_["body"].call<void>("prepend", ended);
}

}  // namespace lpf::web
