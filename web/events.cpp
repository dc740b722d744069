// What the user does in the page, as one listener hears it: clicks, changes
// of an option or the scroll bar, and keys on the window's frame; the
// screen's changes of size on the browser's window; and the switches of the
// user's colours.

#include <emscripten/bind.h>

#include <memory>
#include <string>

#include "page.h"
#include "rules.h"
#include "scroll_model.h"

namespace lpf::web {
namespace {

// The control an element belongs to, if any.
std::optional<ControlId> ControlOf(const val& element) {
    if (element.isNull() || element.isUndefined()) return std::nullopt;
    const val owner = element.call<val>("closest", val("[data-control]"));
    if (owner.isNull()) return std::nullopt;
    const std::string index = owner.call<std::string>("getAttribute", val("data-control"));
    return static_cast<ControlId>(std::stoi(index));
}

}  // namespace

// Forced colours switch high contrast on and off; a light or dark
// preference changes the forced palette the pictures are drawn in.
void Page::Listen() {
    const val onEvent = val::module_property("onEvent");
    for (const char* type : {"click", "change", "keydown"})
        window_["parentElement"].call<void>("addEventListener", val(type), onEvent);
    val::global("window").call<void>("addEventListener", val("resize"), onEvent);
    const val darkPreference =
        val::global("window").call<val>("matchMedia", val("(prefers-color-scheme: dark)"));
    for (val list : {forcedColours_, darkPreference})
        list.call<void>("addEventListener", val("change"), onEvent);
}

void Page::Handle(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "resize") return FitScreen();
    if (event["media"].isString()) return FollowScheme();  // a media query's change
    if (type == "keydown") {
        if (TakeKey(event)) event.call<void>("preventDefault");
        return;
    }
    const val target = event["target"];
    if (type == "click" && target.call<bool>("matches", val(".close-box"))) return Quit();
    const std::optional<ControlId> id = ControlOf(target);
    if (!id) return;
    const Kind kind = Row(*id).kind;
    if (kind == Kind::PushButton && type == "click") form_.Clicked(*id);
    if (kind == Kind::OptionButton && type == "change" && Selected(*id)) form_.OptionSelected(*id);
    // The range input moves itself when dragged or clicked; its arrow
    // buttons are the form's to carry out.
    if (kind == Kind::ScrollBar && type == "change") form_.ScrollSettled(*id);
    if (kind == Kind::ScrollBar && type == "click" && target.call<bool>("matches", val(".arrow"))) {
        Focus(*id);
        const bool left = target.call<bool>("matches", val(".left"));
        form_.Scrolled(*id, left ? ScrollAction::LineLeft : ScrollAction::LineRight);
    }
}

// Tab and Shift+Tab walk the form's stops; the arrows move within an option
// group; on the scroll bar the arrows, Page Up and Down, Home and End are
// the form's actions.
bool Page::TakeKey(const val& event) {
    struct KeyAction {
        const char* key;
        std::optional<Arrow> arrow;  // none: a key for the scroll bar alone
        ScrollAction action;
    };
    static constexpr KeyAction kKeys[] = {
        {"ArrowLeft", Arrow::Left, ScrollAction::LineLeft},
        {"ArrowUp", Arrow::Up, ScrollAction::LineLeft},
        {"ArrowRight", Arrow::Right, ScrollAction::LineRight},
        {"ArrowDown", Arrow::Down, ScrollAction::LineRight},
        {"PageUp", std::nullopt, ScrollAction::PageLeft},
        {"PageDown", std::nullopt, ScrollAction::PageRight},
        {"Home", std::nullopt, ScrollAction::ToStart},
        {"End", std::nullopt, ScrollAction::ToEnd},
    };
    const std::string key = event["key"].as<std::string>();
    const std::optional<ControlId> focus = ControlOf(document_["activeElement"]);
    if (key == "Tab") {
        form_.TabPressed(focus, event["shiftKey"].as<bool>());
        return true;
    }
    for (const KeyAction& k : kKeys) {
        if (!focus || key != k.key) continue;
        if (Row(*focus).kind == Kind::ScrollBar) {
            form_.Scrolled(*focus, k.action);
            return true;
        }
        return k.arrow && form_.ArrowPressed(*focus, *k.arrow);
    }
    return false;
}

namespace {

std::unique_ptr<Page> thePage;

void OnEvent(val event) {
    if (thePage) thePage->Handle(event);
}

}  // namespace

}  // namespace lpf::web

EMSCRIPTEN_BINDINGS(lowpass) {
    emscripten::function("onEvent", &lpf::web::OnEvent);
}

int main() {
    lpf::web::thePage = std::make_unique<lpf::web::Page>();
}
