#pragma once
// What the window tells a screen reader or voice control beyond what its
// controls say by themselves. The buttons, options and frames are announced
// by their own captions; the boxes and the scroll bar by the caption beside
// them, which the form names as the order changes; every other control as
// the form presents it (RoleOf): the pictures by the form's words for them,
// the decoration not at all.

#include <QLabel>

namespace lpf {

// Makes the window's controls known to Qt's accessibility; once per program,
// before the first control is built.
void InstallAccessibility();

// A label or a mask (painted ground, as a label is), presented as the form
// says. Qt makes a control's interface as the control is built, and makes it
// again once its class is the one built: a class of its own lets the form's
// presentation take over from the plain kind's where the two differ.
class PresentedLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
};

}  // namespace lpf
