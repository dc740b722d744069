#include "controls.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <utility>

#include "accessibility.h"
#include "look.h"
#include "picture_view.h"
#include "rules.h"

namespace lpf {
namespace {

// An option button answers a click anywhere in its rectangle, not only on its
// mark and caption, so a click that focuses it always selects it too.
class OptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QString Caption(const ControlRow& c) {
    return QString::fromUtf8(c.text);
}

// What every kind shares, before the kind's own dress: the name a user or a
// test finds it by, its place, font, colours and whether it is on show.
template <class Widget>
Widget* Dressed(Widget* w, const ControlRow& c) {
    w->setObjectName(QString::fromLatin1(c.name));
    w->setGeometry(Px(c.left), Px(c.top), Px(c.width), Px(c.height));
    if (c.font.face) w->setFont(MappedFont(c.font));
    w->setVisible(c.shown);
    w->setFocusPolicy(TakesFocus(c.kind) ? Qt::StrongFocus : Qt::NoFocus);
    w->setEnabled(TakesInput(c.kind));

    // A push button's face is its style sheet's.
    Paint(w, c.kind == Kind::PushButton ? QColor() : Resolve(BackColour(c)),
          Resolve(ForeColour(c)));
    return w;
}

QWidget* MakePushButton(const ControlRow& c, QWidget* in) {
    auto* button = Dressed(new QPushButton(Caption(c), in), c);
    // A style sheet face shows exactly the colour asked for; the bevel is
    // drawn in shades of the same colour.
    if (const QColor face = Resolve(BackColour(c)); face.isValid())
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; border: 2px "
                           "outset %2; }"
                           "QPushButton:focus { border: 2px outset %3; }"
                           "QPushButton:pressed { border-style: inset; }")
                .arg(face.name(), face.lighter(130).name(), face.darker(250).name()));
    return button;
}

QWidget* MakeTextBox(const ControlRow& c, QWidget* in) {
    return Dressed(new QLineEdit(Caption(c), in), c);
}

QWidget* MakeScrollBar(const ControlRow& c, QWidget* in) {
    auto* bar = Dressed(new QScrollBar(Qt::Horizontal, in), c);
    bar->setRange(kHScroll1.minimum, kHScroll1.maximum);
    bar->setValue(kHScroll1.value);
    bar->setSingleStep(kHScroll1.smallStep);
    bar->setPageStep(kHScroll1.largeStep);
    bar->setTracking(false);  // report the value once it has settled, not mid-drag
    return bar;
}

QWidget* MakeFrame(const ControlRow& c, QWidget* in) {
    auto* frame = Dressed(new QGroupBox(Caption(c), in), c);
    // The etched line runs through the middle of the title, so the options
    // just below it never cover it.
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 2px groove palette(mid); margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    return frame;
}

QWidget* MakeOptionButton(const ControlRow& c, QWidget* in) {
    auto* option = Dressed(new OptionButton(Caption(c), in), c);
    option->setChecked(c.checked);
    return option;
}

QWidget* MakeLabel(const ControlRow& c, QWidget* in) {
    auto* label = Dressed(new PresentedLabel(Caption(c), in), c);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* MakePicture(const ControlRow& c, QWidget* in) {
    return Dressed(new PictureView(c.picture, in), c);
}

}  // namespace

QWidget* MakeControl(const ControlRow& c, QWidget* container) {
    using Maker = QWidget* (*)(const ControlRow&, QWidget*);
    static constexpr std::pair<Kind, Maker> kMakers[] = {
        {Kind::PushButton, MakePushButton}, {Kind::TextBox, MakeTextBox},
        {Kind::MaskBox, MakeLabel},         {Kind::ScrollBar, MakeScrollBar},
        {Kind::Frame, MakeFrame},           {Kind::OptionButton, MakeOptionButton},
        {Kind::Label, MakeLabel},
    };
    for (const auto& [kind, make] : kMakers)
        if (c.kind == kind) return make(c, container);
    return MakePicture(c, container);  // an image or the help sheet
}

}  // namespace lpf
