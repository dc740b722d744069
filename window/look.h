#pragma once
// How the window's named fonts and colours appear on a Linux desktop.

#include <QColor>
#include <QFont>

class QApplication;
class QWidget;

namespace lpf {

struct DesignFont;
struct Colour;

// Fusion with its own light palette on every desktop, so the window looks
// the same whatever theme the user runs.
void PrepareApplication(QApplication& app);

// The design's faces mapped onto metric-compatible free fonts, sized in
// pixels from the 96-dpi point size so captions fit their rectangles on any
// screen. No face: the window font.
QFont MappedFont(const DesignFont& design);

// A design colour; KindDefault gives an invalid QColor.
QColor Resolve(const Colour& colour);

// Paints a control or the window: its whole rectangle in `ground`, its
// caption in `caption`. An invalid colour leaves that part as its kind draws it.
void Paint(QWidget* w, const QColor& ground, const QColor& caption);

}  // namespace lpf
