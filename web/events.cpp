// What the user does in the page, as one listener on the window's frame
// hears it: clicks, changes of an option or the scroll bar, and keys; and
// the screen's changes of size, heard on the browser's window.

#include <emscripten/bind.h>

#include <memory>
#include <string>

#include "page.h"
#include "rules.h"
#include "scroll_model.h"

namespace lpf::web {
namespace {

// The control an element belongs to: -1 for the close box.
std::optional<int> ControlOf(const val& element) {
    if (element.isNull() || element.isUndefined()) return std::nullopt;
    val owner = element.call<val>("closest", val("[data-control]"));
    if (owner.isNull()) return std::nullopt;
    return std::stoi(owner.call<std::string>("getAttribute", val("data-control")));
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
            // The range input moves itself when dragged or clicked; its arrow
            // buttons are the form's to carry out.
            if (type == "change") form_.ScrollSettled(id);
            if (type == "click" && target.call<bool>("hasAttribute", val("data-part"))) {
                Focus(id);
                const bool left =
                    target.call<std::string>("getAttribute", val("data-part")) == "-1";
                form_.Scrolled(id, left ? ScrollAction::LineLeft : ScrollAction::LineRight);
            }
            break;
        default:
            break;
    }
}

// Tab and Shift+Tab walk the form's stops; the arrows move within an option
// group; on the scroll bar the arrows, Page Up and Down, Home and End are
// the form's actions.
bool Page::TakeKey(const val& event) {
    struct KeyAction {
        const char* key;
        Arrow arrow;
        ScrollAction action;
    };
    static constexpr KeyAction kKeys[] = {
        {"ArrowLeft", Arrow::Left, ScrollAction::LineLeft},
        {"ArrowUp", Arrow::Up, ScrollAction::LineLeft},
        {"ArrowRight", Arrow::Right, ScrollAction::LineRight},
        {"ArrowDown", Arrow::Down, ScrollAction::LineRight},
    };
    static constexpr std::pair<const char*, ScrollAction> kBarKeys[] = {
        {"PageUp", ScrollAction::PageLeft},
        {"PageDown", ScrollAction::PageRight},
        {"Home", ScrollAction::ToStart},
        {"End", ScrollAction::ToEnd},
    };
    const std::string key = event["key"].as<std::string>();
    if (key == "Tab") {
        form_.TabPressed(FocusedControl(), event["shiftKey"].as<bool>());
        return true;
    }
    const std::optional<ControlId> focus = FocusedControl();
    if (!focus) return false;
    const bool onBar = Row(*focus).kind == Kind::ScrollBar;
    for (const KeyAction& k : kKeys) {
        if (key != k.key) continue;
        if (!onBar) return form_.ArrowPressed(*focus, k.arrow);
        form_.Scrolled(*focus, k.action);
        return true;
    }
    for (const auto& [name, action] : kBarKeys) {
        if (onBar && key == name) {
            form_.Scrolled(*focus, action);
            return true;
        }
    }
    return false;
}

std::optional<ControlId> Page::FocusedControl() const {
    const std::optional<int> control = ControlOf(document_["activeElement"]);
    if (!control || *control < 0) return std::nullopt;
    return static_cast<ControlId>(*control);
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
