#pragma once
// The DOM elements of each kind of control, made from its row of the control
// table: placed, in its font, shown or hidden as the table says; their
// colours follow the user's scheme (scheme.cpp).
// The page's style sheet dresses each kind by its class.

#include <emscripten/val.h>

#include "control_table.h"

namespace lpf::web {

using emscripten::val;

struct Elements {
    val box;    // placed in its container
    val input;  // takes the focus and holds the value: the box, or an input inside it
};

Elements MakeControl(const ControlRow& row);

// The property of a text box or a label that holds its text.
const char* TextProperty(Kind kind);

}  // namespace lpf::web
