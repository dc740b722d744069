#pragma once
// What the window tells a screen reader or voice control beyond what its
// controls say by themselves. The buttons, options and frames are announced
// by their own captions; the boxes and the scroll bar by the caption beside
// them, which the form names as the order changes; the pictures by the
// form's words for them; the decoration not at all.

#include <QLabel>
#include <QLineEdit>

namespace lpf {

// Makes the window's own kinds of control known to Qt's accessibility; once
// per program, before the first control is built.
void InstallAccessibility();

// A label that only colours part of the window (the edge bars, the panel
// beneath the schematics): not presented to assistive technology.
class DecorationLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
};

// A label that is announced, as a notification is, each time it appears.
class AnnouncedLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
};

// A blank box laid over a schematic's credit line. It looks like a text box
// but holds nothing to read or edit: not presented either.
class MaskBox : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;
};

}  // namespace lpf
