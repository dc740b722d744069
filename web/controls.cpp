#include "controls.h"

#include <iterator>
#include <string>
#include <vector>

#include "look.h"
#include "rules.h"
#include "words.h"

namespace lpf::web {
namespace {

// An option's input is the first thing in its label, and its words follow.
void NameOption(const ControlRow& c, Elements& made) {
    made.input = made.box["firstElementChild"];
    made.input.set("name", Row(*c.container).name);  // the frame's options are one group
    made.input.set("checked", c.checked);
    made.box.call<void>("append", val(c.text));
}

// The range input lies between the arrows.
void SetRange(const ControlRow&, Elements& made) {
    made.input = made.box["children"][1];
    made.input.set("min", kHScroll1.minimum);
    made.input.set("max", kHScroll1.maximum);
    made.input.set("value", kHScroll1.value);
}

void CaptionFrame(const ControlRow& c, Elements& made) {
    made.box["firstElementChild"].set("textContent", c.text);
}

void DescribePicture(const ControlRow& c, Elements& made) {
    val image = made.box["firstElementChild"];
    image.set("alt", PictureName(c.picture));
    image.call<void>("setAttribute", val("aria-description"), val(PictureDescription(c.picture)));
}

// Each kind's elements, the outermost its box; the property of the box that
// holds the row's text, if it holds it; and what else its row decides. The
// input inside an option or the scroll bar takes the focus and holds the
// value; the box does elsewhere.
struct KindElements {
    Kind kind;
    const char* html;
    const char* textProperty;
    void (*finish)(const ControlRow&, Elements&) = nullptr;
};
constexpr KindElements kKinds[] = {
    {Kind::PushButton, R"(<button class="control" type="button"></button>)", "textContent"},
    {Kind::TextBox, R"(<input class="control" type="text" spellcheck="false" autocomplete="off">)",
     "value"},
    // Holds the same text as a label; looks like a box.
    {Kind::MaskBox, R"(<div class="control mask"></div>)", "textContent"},
    // Its two arrow buttons around a range input, which the form moves by its
    // steps, not on a grid.
    {Kind::ScrollBar,
     R"(<div class="control scrollbar">)"
     R"(<button class="arrow left" tabindex="-1" aria-hidden="true"></button>)"
     R"(<input type="range" step="1">)"
     R"(<button class="arrow right" tabindex="-1" aria-hidden="true"></button>)"
     R"(</div>)",
     nullptr, SetRange},
    {Kind::Frame, R"(<fieldset class="control"><legend></legend></fieldset>)", nullptr,
     CaptionFrame},
    // A label around its radio input.
    {Kind::OptionButton, R"(<label class="control option"><input type="radio"></label>)", nullptr,
     NameOption},
    {Kind::Label, R"(<label class="control"></label>)", "textContent"},
    // A box holding the image, which keeps its natural size; drawn in the
    // user's scheme (scheme.cpp).
    {Kind::Image, R"(<div class="control picture"><img></div>)", nullptr, DescribePicture},
    {Kind::PictureBox, R"(<div class="control picture"><img></div>)", nullptr, DescribePicture},
};

const KindElements& ElementsOf(Kind kind) {
    for (const KindElements& k : kKinds)
        if (k.kind == kind) return k;
    return kKinds[0];  // not reached: every kind has its row
}

// A fresh copy of a kind's elements, parsed once for all its controls.
val Copy(const KindElements& kind) {
    static std::vector<val> parsed(std::size(kKinds), val::undefined());
    val& elements = parsed[&kind - kKinds];
    if (elements.isUndefined()) {
        const val range = val::global("document").call<val>("createRange");
        elements = range.call<val>("createContextualFragment", val(kind.html))["firstElementChild"];
    }
    return elements.call<val>("cloneNode", true);
}

}  // namespace

const char* TextProperty(Kind kind) {
    return ElementsOf(kind).textProperty;
}

Elements MakeControl(const ControlRow& c) {
    const KindElements& kind = ElementsOf(c.kind);
    val box = Copy(kind);
    Elements made{box, box};
    if (kind.textProperty) box.set(kind.textProperty, c.text);
    if (kind.finish) kind.finish(c, made);
    box.set("id", c.name);
    box.call<void>("setAttribute", val("data-control"), val(std::to_string(Index(c.id))));
    val style = box["style"];
    style.set("left", CssPixels(c.left));
    style.set("top", CssPixels(c.top));
    style.set("width", CssPixels(c.width));
    style.set("height", CssPixels(c.height));
    style.set("font", CssFont(c.font));
    box.set("hidden", !c.shown);
    if (RoleOf(c.id) == AccessibleRole::None)
        box.call<void>("setAttribute", val("aria-hidden"), val("true"));
    return made;
}

}  // namespace lpf::web
