#pragma once
// The rules of the window that follow from the control table, answered once
// here and asked by every toolkit's window: what lies beneath, which
// controls take the focus and in which order, where an arrow key moves in an
// option group, each kind's usual colours, and what announces itself. The
// Tab walk, which also depends on what is on show, is Form::NextTabStop.

#include <optional>
#include <span>
#include <string_view>

#include "control_table.h"

namespace lpf {

// Push buttons, text boxes, the scroll bar and option buttons.
bool TakesFocus(Kind kind);

// Every control but the picture box takes the mouse and the keyboard: the
// help sheet lies over the window and answers neither.
bool TakesInput(Kind kind);

// Labels and pictures are painted on the window's own surface in the design,
// so they lie beneath every other control whatever their place in the table.
bool LiesBeneath(Kind kind);

// Every control from the top of the stacking order down: first all that do
// not lie beneath, then those that do, each in table order. A frame comes
// before the options it holds.
std::span<const ControlId> StackingOrder();

// The controls that take the focus, in the order of the Tab walk.
std::span<const ControlId> TabOrder();

// The controls inside frames, frame by frame, each frame's in the order the
// eye reads them: row by row, left to right. A screen reader's cursor walks
// them in the order the window holds them, which the table's order, made
// for the stacking, does not give.
std::span<const ControlId> ReadingOrder();

// A row's colours with its kind's usual colour filled in where the design
// leaves it to the kind: captions (labels, frames, option buttons) write in
// the button-text colour, and a mask is its picture's ground. What is
// still Usual after this is the toolkit's own default for that kind.
Colour ForeColour(const ControlRow& row);
Colour BackColour(const ControlRow& row);

// The font a row is drawn in: its own, or the window's where the row names
// none (WindowFont).
const DesignFont& DrawnFont(const DesignFont& font);

// The free face drawn where a design face is not installed, and its height
// in pixels at 96 dpi, so that every caption fits its rectangle. Liberation
// Sans has Arial's metrics, so Arial keeps its pixel size; DejaVu Sans shares
// Verdana's wide proportions. MS Sans Serif is a bitmap face: at 9.75 pt it
// draws its 10-point glyphs, whose line widths match Liberation Sans one
// pixel smaller than the point size gives. No face: the window font's.
struct StandInFont {
    const char* family;
    int pixels;
};
StandInFont StandIn(const DesignFont& font);

// Within an option group the arrow keys move the selection to the nearest
// option in their direction: one in line with this one first (nearest along
// the arrow, then across it), else the nearest by distance. None where no
// option of the group lies that way.
enum class Arrow { Left, Right, Up, Down };
std::optional<ControlId> ArrowNeighbour(ControlId option, Arrow arrow);

// The same rule over the places of any one group's options, in twips as the
// table gives them: the index of the option the arrow moves to from `from`.
struct OptionPlace {
    int left, top, width, height;
};
std::optional<std::size_t> NeighbourAmong(std::span<const OptionPlace> group, std::size_t from,
                                          Arrow arrow);

// A control that speaks up to a screen reader each time it appears.
bool AnnouncesItself(ControlId id);

// What assistive technology is told a control is: decoration nothing at all,
// a control that announces itself an alert (the help sheet too, though it is
// a picture), a picture an image named and described by its words
// (PictureName, PictureDescription), any other control what its kind is.
enum class AccessibleRole { OfItsKind, Image, Alert, None };
AccessibleRole RoleOf(ControlId id);

// The results' decimal separator from the one the user's locale writes
// (UTF-8, as the toolkit reports it): that one where it is a single plain
// ASCII character, which the results can hold; else, and where the locale
// says nothing, the period.
char DecimalSeparatorOf(std::string_view localeSeparator);

}  // namespace lpf
