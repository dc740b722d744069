#pragma once
// The Qt widget of each kind of control, made from its row of the control
// table: in its container, at its place, in its font and colours, shown or
// hidden as the table says.

#include <QWidget>

#include "control_table.h"

namespace lpf {

QWidget* MakeControl(const ControlRow& row, QWidget* container);

}  // namespace lpf
