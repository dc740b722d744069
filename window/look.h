#pragma once
// How the window's named fonts and colours appear on a Linux desktop.

#include <QColor>
#include <QFont>

class QApplication;

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

}  // namespace lpf
