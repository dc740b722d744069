#include "controls.h"

#include <string>

#include "look.h"
#include "rules.h"
#include "words.h"

namespace lpf::web {
namespace {

val Element(const char* tag, const char* className = nullptr) {
    val element = val::global("document").call<val>("createElement", val(tag));
    if (className) element.set("className", className);
    return element;
}

std::string PxText(int twips) {
    return std::to_string(Px(twips)) + "px";
}

Elements MakePushButton(const ControlRow& c) {
    val button = Element("button", "control");
    button.set("type", "button");
    button.set("textContent", c.text);
    return {button, button};
}

Elements MakeTextBox(const ControlRow& c) {
    val box = Element("input", "control");
    box.set("type", "text");
    box.set("value", c.text);
    box.set("spellcheck", false);
    box.set("autocomplete", "off");
    return {box, box};
}

// Holds the same text as a label; looks like a box.
Elements MakeMaskBox(const ControlRow& c) {
    val mask = Element("div", "control mask");
    mask.set("textContent", c.text);
    return {mask, mask};
}

// Its two arrow buttons around a range input.
Elements MakeScrollBar(const ControlRow&) {
    val bar = Element("div", "control scrollbar");
    val input = Element("input");
    input.set("type", "range");
    input.set("min", kHScroll1.minimum);
    input.set("max", kHScroll1.maximum);
    input.set("step", 1);  // the form moves it by its steps, not on a grid
    input.set("value", kHScroll1.value);
    for (int part : {-1, 1}) {
        val arrow = Element("button", part < 0 ? "arrow left" : "arrow right");
        arrow.set("tabIndex", -1);
        arrow.call<void>("setAttribute", val("aria-hidden"), val("true"));
        arrow.call<void>("setAttribute", val("data-part"), val(std::to_string(part)));
        bar.call<void>(part < 0 ? "prepend" : "append", arrow);
        if (part < 0) bar.call<void>("append", input);
    }
    return {bar, input};
}

Elements MakeFrame(const ControlRow& c) {
    val frame = Element("fieldset", "control");
    val legend = Element("legend");
    legend.set("textContent", c.text);
    frame.call<void>("append", legend);
    return {frame, frame};
}

// A label around its radio input.
Elements MakeOptionButton(const ControlRow& c) {
    val option = Element("label", "control option");
    val input = Element("input");
    input.set("type", "radio");
    input.set("name", Row(*c.container).name);
    input.set("checked", c.checked);
    option.call<void>("append", input, val(c.text));
    return {option, input};
}

Elements MakeLabel(const ControlRow& c) {
    val label = Element("label", "control");
    label.set("textContent", c.text);
    return {label, label};
}

// A box holding the image, which keeps its natural size; drawn in the
// user's scheme (scheme.cpp).
Elements MakePicture(const ControlRow& c) {
    val box = Element("div", "control picture");
    val image = Element("img");
    image.set("alt", PictureName(c.picture));
    image.call<void>("setAttribute", val("aria-description"), val(PictureDescription(c.picture)));
    box.call<void>("append", image);
    return {box, box};
}

using Maker = Elements (*)(const ControlRow&);

Maker MakerOf(Kind kind) {
    switch (kind) {
        case Kind::PushButton:
            return MakePushButton;
        case Kind::TextBox:
            return MakeTextBox;
        case Kind::MaskBox:
            return MakeMaskBox;
        case Kind::ScrollBar:
            return MakeScrollBar;
        case Kind::Frame:
            return MakeFrame;
        case Kind::OptionButton:
            return MakeOptionButton;
        case Kind::Label:
            return MakeLabel;
        case Kind::Image:
        case Kind::PictureBox:
            break;
    }
    return MakePicture;
}

}  // namespace

Elements MakeControl(const ControlRow& c) {
    Elements made = MakerOf(c.kind)(c);
    val& box = made.box;
    box.set("id", c.name);
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
    return made;
}

}  // namespace lpf::web
