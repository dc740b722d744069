// What the user does in the page, as one listener on the window's frame
// hears it: clicks, changes of an option or the scroll bar, and keys; and
// the screen's changes of size, heard on the browser's window.

#include <emscripten/bind.h>

#include <memory>
#include <string>

#include "page.h"
#include "rules.h"

namespace lpf::web {
namespace {

// The control an element belongs to: -1 for the close box.
std::optional<int> ControlOf(const val& element) {
    if (element.isNull() || element.isUndefined()) return std::nullopt;
    val owner = element.call<val>("closest", val("[data-control]"));
    if (owner.isNull()) return std::nullopt;
    return std::stoi(owner.call<std::string>("getAttribute", val("data-control")));
}

// A number the DOM holds as text.
int IntOf(const val& text) {
    return std::stoi(text.as<std::string>());
}

}  // namespace

void Page::Handle(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "resize") {
        FitScreen();
        return;
    }
    if (type == "keydown") {
        if (TakeKey(event)) event.call<void>("preventDefault");
        return;
    }
    const val target = event["target"];
    const std::optional<int> control = ControlOf(target);
    if (!control) return;
    if (*control < 0) {
        if (type == "click") Quit();
        return;
    }
    const ControlId id = static_cast<ControlId>(*control);
    switch (Row(id).kind) {
        case Kind::PushButton:
            if (type == "click") form_.Clicked(id);
            break;
        case Kind::OptionButton:
            if (type == "change" && Selected(id)) form_.OptionSelected(id);
            break;
        case Kind::ScrollBar:
            if (type == "change") form_.ScrollSettled(id);
            if (type == "click" && target.call<bool>("hasAttribute", val("data-part"))) {
                const int part = IntOf(target.call<val>("getAttribute", val("data-part")));
                Focus(id);
                MoveScrollBar(id, ScrollValue(id) + part * scrollStep_);
            }
            break;
        default:
            break;
    }
}

// Tab and Shift+Tab walk the form's stops; the arrows move within an option
// group; the scroll bar takes its arrows by the step, Page Up and Down by the
// large step, Home and End to its ends.
bool Page::TakeKey(const val& event) {
    const std::string key = event["key"].as<std::string>();
    if (key == "Tab") {
        TabWalk(event["shiftKey"].as<bool>());
        return true;
    }
    const std::optional<ControlId> focus = FocusedControl();
    if (!focus) return false;
    const bool arrow =
        key == "ArrowLeft" || key == "ArrowRight" || key == "ArrowUp" || key == "ArrowDown";
    if (Row(*focus).kind == Kind::OptionButton && arrow) {
        MoveInGroup(*focus, key);
        return true;
    }
    if (Row(*focus).kind != Kind::ScrollBar) return false;
    const int value = ScrollValue(*focus);
    if (key == "ArrowLeft" || key == "ArrowUp")
        MoveScrollBar(*focus, value - scrollStep_);
    else if (key == "ArrowRight" || key == "ArrowDown")
        MoveScrollBar(*focus, value + scrollStep_);
    else if (key == "PageUp")
        MoveScrollBar(*focus, value - kHScroll1.largeStep);
    else if (key == "PageDown")
        MoveScrollBar(*focus, value + kHScroll1.largeStep);
    else if (key == "Home")
        MoveScrollBar(*focus, IntOf(Input(*focus)["min"]));
    else if (key == "End")
        MoveScrollBar(*focus, kHScroll1.maximum);
    else
        return false;
    return true;
}

std::optional<ControlId> Page::FocusedControl() const {
    const std::optional<int> control = ControlOf(document_["activeElement"]);
    if (!control || *control < 0) return std::nullopt;
    return static_cast<ControlId>(*control);
}

void Page::TabWalk(bool backwards) {
    const ControlId next = form_.NextTabStop(FocusedControl(), backwards);
    Focus(next);
    if (Row(next).kind == Kind::TextBox) Input(next).call<void>("select");
}

void Page::MoveInGroup(ControlId option, const std::string& key) {
    const Arrow arrow = key == "ArrowLeft"    ? Arrow::Left
                        : key == "ArrowRight" ? Arrow::Right
                        : key == "ArrowUp"    ? Arrow::Up
                                              : Arrow::Down;
    const std::optional<ControlId> neighbour = ArrowNeighbour(option, arrow);
    if (!neighbour) return;
    Focus(*neighbour);
    if (!Selected(*neighbour)) {
        Select(*neighbour);
        form_.OptionSelected(*neighbour);
    }
}

// Clamped to the bar's ends; a move that changes nothing is no change.
void Page::MoveScrollBar(ControlId bar, int to) {
    const int minimum = IntOf(Input(bar)["min"]);
    const int value = to < minimum ? minimum : to > kHScroll1.maximum ? kHScroll1.maximum : to;
    if (value == ScrollValue(bar)) return;
    SetScrollValue(bar, value);
    form_.ScrollSettled(bar);
}

namespace {

std::unique_ptr<Page> thePage;

void OnEvent(val event) {
    if (thePage) thePage->Handle(event);
}

void OnSchemeChange(val) {
    if (thePage) thePage->SchemeChanged();
}

}  // namespace

}  // namespace lpf::web

EMSCRIPTEN_BINDINGS(lowpass) {
    emscripten::function("onEvent", &lpf::web::OnEvent);
    emscripten::function("onSchemeChange", &lpf::web::OnSchemeChange);
}

int main() {
    lpf::web::thePage = std::make_unique<lpf::web::Page>();
}
