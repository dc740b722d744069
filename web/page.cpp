#include "page.h"

#include <string>

#include "browser.h"
#include "look.h"
#include "rules.h"
#include "words.h"

namespace lpf::web {
namespace {

// The elements each kind of control is made of. Push buttons, text boxes
// and labels are one element; an option button is a label around its radio
// input; the scroll bar a box holding its two arrow buttons around a range
// input; a picture a box holding the image, which keeps its natural size.
const char* TagOf(Kind kind) {
    switch (kind) {
        case Kind::PushButton:
            return "button";
        case Kind::TextBox:
            return "input";
        case Kind::Frame:
            return "fieldset";
        case Kind::OptionButton:
        case Kind::Label:
            return "label";
        default:
            return "div";
    }
}

// The page's style sheet dresses each kind by its class.
const char* ClassOf(Kind kind) {
    switch (kind) {
        case Kind::ScrollBar:
            return "control scrollbar";
        case Kind::OptionButton:
            return "control option";
        case Kind::Image:
        case Kind::PictureBox:
            return "control picture";
        case Kind::MaskBox:
            return "control mask";
        default:
            return "control";
    }
}

std::string PxText(int twips) {
    return std::to_string(Px(twips)) + "px";
}

}  // namespace

// The results' decimal separator is the one the browser's language writes
// in 1.5.
Page::Page() {
    const val locale = BrowserLocale();
    const std::string one =
        val::global("Intl")["NumberFormat"].new_(locale).call<std::string>("format", 1.5);
    if (one.size() == 3 && one[0] == '1' && one[2] == '5') decimalSeparator_ = one[1];

    BuildFrame();
    BuildControls();
    // Forced colours switch high contrast on and off; a light or dark
    // preference changes the forced palette the pictures are drawn in.
    for (const char* query : {"(forced-colors: active)", "(prefers-color-scheme: dark)"}) {
        val list = val::global("window").call<val>("matchMedia", val(query));
        list.call<void>("addEventListener", val("change"), val::module_property("onSchemeChange"));
        if (forcedColours_.isNull()) forcedColours_ = list;
    }
    FollowScheme();
    FollowScreen();
    form_.Open();
    Focus(form_.StartFocus());
}

// The window as a desktop draws it, at its place on the screen: a caption
// bar with the title and a close box above the client area.
void Page::BuildFrame() {
    document_.set("title", kForm1.title);
    val body = document_["body"];
    val frame = document_.call<val>("createElement", val("div"));
    frame.set("className", "frame");
    frame["style"].call<void>("setProperty", val("--left"), val(PxText(kForm1.left)));
    frame["style"].call<void>("setProperty", val("--top"), val(PxText(kForm1.top)));

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
    window_["style"].set("width", PxText(kForm1.width));
    window_["style"].set("height", PxText(kForm1.height));
    window_["style"].set("font", CssFont(kForm1.font));
    window_["style"].set("background", CssColour(kForm1.back));

    announcer_ = document_.call<val>("createElement", val("div"));
    announcer_.set("className", "announcer");
    announcer_.call<void>("setAttribute", val("role"), val("status"));

    frame.call<void>("append", caption, window_);
    body.call<void>("append", frame, announcer_);
    for (const char* type : {"click", "change", "keydown"})
        frame.call<void>("addEventListener", val(type), val::module_property("onEvent"));
}

void Page::BuildControls() {
    const auto table = ControlTable();
    for (const ControlRow& c : table) {
        val box = document_.call<val>("createElement", val(TagOf(c.kind)));
        val input = box;
        box.set("id", c.name);
        box.set("className", ClassOf(c.kind));
        box.call<void>("setAttribute", val("data-control"), val(std::to_string(Index(c.id))));
        val style = box["style"];
        style.set("left", PxText(c.left));
        style.set("top", PxText(c.top));
        style.set("width", PxText(c.width));
        style.set("height", PxText(c.height));
        style.set("font", CssFont(c.font));
        box.set("hidden", !c.shown);
        if (c.presence == Presence::Decoration)
            box.call<void>("setAttribute", val("aria-hidden"), val("true"));

        switch (c.kind) {
            case Kind::PushButton:
                box.set("type", "button");
                box.set("textContent", c.text);
                break;
            case Kind::TextBox:
                box.set("type", "text");
                box.set("value", c.text);
                box.set("spellcheck", false);
                box.set("autocomplete", "off");
                break;
            case Kind::Frame: {
                val legend = document_.call<val>("createElement", val("legend"));
                legend.set("textContent", c.text);
                box.call<void>("append", legend);
                break;
            }
            case Kind::OptionButton:
                input = document_.call<val>("createElement", val("input"));
                input.set("type", "radio");
                input.set("name", Row(*c.container).name);
                input.set("checked", c.checked);
                box.call<void>("append", input, val(c.text));
                break;
            case Kind::ScrollBar: {
                input = document_.call<val>("createElement", val("input"));
                input.set("type", "range");
                input.set("min", kHScroll1.minimum);
                input.set("max", kHScroll1.maximum);
                input.set("step", 1);  // the program's steps are kept here, not on a grid
                input.set("value", kHScroll1.value);
                for (int part : {-1, 1}) {
                    val arrow = document_.call<val>("createElement", val("button"));
                    arrow.set("className", part < 0 ? "arrow left" : "arrow right");
                    arrow.set("tabIndex", -1);
                    arrow.call<void>("setAttribute", val("aria-hidden"), val("true"));
                    arrow.call<void>("setAttribute", val("data-part"), val(std::to_string(part)));
                    box.call<void>(part < 0 ? "prepend" : "append", arrow);
                    if (part < 0) box.call<void>("append", input);
                }
                scrollStep_ = kHScroll1.smallStep;
                break;
            }
            case Kind::Image:
            case Kind::PictureBox: {
                val image = document_.call<val>("createElement", val("img"));
                image.set("alt", PictureName(c.picture));
                image.call<void>("setAttribute", val("aria-description"),
                                 val(PictureDescription(c.picture)));
                box.call<void>("append", image);
                break;
            }
            case Kind::MaskBox:
            case Kind::Label:
                box.set("textContent", c.text);
                break;
        }
        val parent = c.container ? Box(*c.container) : window_;
        parent.call<void>("append", box);
        boxes_.push_back(box);
        inputs_.push_back(input);
        fore_.push_back(ForeColour(c));
    }

    // Stacking: the first in the order lies on top.
    const auto order = StackingOrder();
    for (std::size_t i = 0; i < order.size(); ++i)
        Box(order[i])["style"].set("zIndex", static_cast<int>(order.size() - i));
}

// What the form's handlers change and read.

void Page::DoSetVisible(ControlId id, bool visible) {
    const bool wasVisible = !Box(id)["hidden"].as<bool>();
    Box(id).set("hidden", !visible);
    if (visible && !wasVisible && AnnouncesItself(id)) Announce(id);
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

void Page::DoSetForeColour(ControlId id, Colour colour) {
    fore_[Index(id)] = colour;
    Box(id)["style"].set("color", CssColour(InScheme(id, Layer::Fore, colour, scheme_)));
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

void Page::DoSetScrollValue(ControlId bar, int value) {
    Input(bar).set("value", value);
}

void Page::DoSetScrollStep(ControlId, int smallStep) {
    scrollStep_ = smallStep;
}

void Page::DoFocus(ControlId id) {
    Input(id).call<void>("focus");
}

void Page::DoSetAccessibleName(ControlId id, const std::string& name) {
    Input(id).call<void>("setAttribute", val("aria-label"), val(name));
}

void Page::DoSetLabelFor(ControlId caption, ControlId box) {
    if (Input(box)["id"].as<std::string>().empty())
        Input(box).set("id", std::string(Row(box).name) + "-value");
    Box(caption).set("htmlFor", Input(box)["id"]);
}

char Page::DoDecimalSeparator() const {
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

// A live region speaks what is put into it: the announced control's words.
void Page::Announce(ControlId id) {
    const ControlRow& row = Row(id);
    const std::string words =
        row.picture == Picture::None
            ? Text(id)
            : std::string(PictureName(row.picture)) + ". " + PictureDescription(row.picture);
    announcer_.set("textContent", words);
}

}  // namespace lpf::web
