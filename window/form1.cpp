#include "form1.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "accessibility.h"
#include "look.h"
#include "picture_view.h"
#include "rules.h"
#include "scroll_bar.h"

using lpf::ControlId;
using lpf::ControlRow;
using lpf::Kind;

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                         Qt::MSWindowsFixedSizeDialogHint;

// An option button answers a click anywhere in its rectangle, not only on its
// mark and caption, so a click that focuses it always selects it too.
class OptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QString ColouredFaceStyle(const QColor& face) {
    // A style sheet face shows exactly the colour asked for; the bevel is
    // drawn in shades of the same colour.
    return QStringLiteral(
               "QPushButton { background-color: %1; border: 2px outset %2; }"
               "QPushButton:focus { border: 2px outset %3; }"
               "QPushButton:pressed { border-style: inset; }")
        .arg(face.name(), face.lighter(130).name(), face.darker(250).name());
}

QWidget* MakeWidget(const ControlRow& c, QWidget* container) {
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
        case Kind::PushButton:
            return new QPushButton(text, container);
        case Kind::TextBox:
            return new QLineEdit(text, container);
        case Kind::MaskBox:
            return new lpf::MaskBox(text, container);
        case Kind::ScrollBar:
            return new lpf::HorizontalScrollBar(container);
        case Kind::Frame:
            return new QGroupBox(text, container);
        case Kind::OptionButton:
            return new OptionButton(text, container);
        case Kind::Label:
            if (lpf::AnnouncesItself(c.id)) return new lpf::AnnouncedLabel(text, container);
            if (c.presence == lpf::Presence::Decoration)
                return new lpf::DecorationLabel(text, container);
            return new QLabel(text, container);
        case Kind::Image:
        case Kind::PictureBox:
            return new lpf::PictureView(c.id, container);
    }
    return nullptr;
}

void Dress(QWidget* w, const ControlRow& c) {
    w->setObjectName(QString::fromLatin1(c.name));
    w->setGeometry(lpf::Px(c.left), lpf::Px(c.top), lpf::Px(c.width), lpf::Px(c.height));
    if (c.font.face) w->setFont(lpf::MappedFont(c.font));
    w->setVisible(c.shown);

    QPalette palette = w->palette();
    const QColor back = lpf::Resolve(lpf::BackColour(c));
    const QColor fore = lpf::Resolve(lpf::ForeColour(c));
    if (back.isValid() && c.kind != Kind::PushButton) {
        palette.setColor(QPalette::Window, back);
        w->setAutoFillBackground(true);  // opaque: fills its whole rectangle
    }
    if (fore.isValid()) {
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::ButtonText, fore);
    }
    w->setPalette(palette);

    switch (c.kind) {
        case Kind::PushButton:
            if (back.isValid()) w->setStyleSheet(ColouredFaceStyle(back));
            break;
        case Kind::Frame:
            // The etched line runs through the middle of the title, so the
            // options just below it never cover it.
            w->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 2px groove palette(mid); margin-top: 0.5em; }"
                "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
            break;
        case Kind::PictureBox:
            w->setEnabled(false);  // the help sheet takes no mouse or keyboard input
            break;
        case Kind::MaskBox: {
            auto* mask = static_cast<QLineEdit*>(w);
            mask->setFrame(false);
            mask->setReadOnly(true);
            mask->setFocusPolicy(Qt::NoFocus);
            break;
        }
        case Kind::ScrollBar: {
            auto* bar = static_cast<QScrollBar*>(w);
            bar->setRange(lpf::kHScroll1.minimum, lpf::kHScroll1.maximum);
            bar->setValue(lpf::kHScroll1.value);
            bar->setSingleStep(lpf::kHScroll1.smallStep);
            bar->setPageStep(lpf::kHScroll1.largeStep);
            bar->setTracking(false);  // report the value once it has settled, not mid-drag
            bar->setFocusPolicy(Qt::StrongFocus);
            break;
        }
        case Kind::OptionButton:
            static_cast<QRadioButton*>(w)->setChecked(c.checked);
            break;
        case Kind::Label: {
            auto* label = static_cast<QLabel*>(w);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        }
        default:
            break;
    }
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, kWindowFlags) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(lpf::kForm1.title));
    setFont(lpf::MappedFont(lpf::kForm1.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, lpf::Resolve(lpf::kForm1.back));
    setPalette(palette);
    setAutoFillBackground(true);
    // Manual placement: the client area at its place on the screen.
    const QRect client(lpf::Px(lpf::kForm1.left), lpf::Px(lpf::kForm1.top),
                       lpf::Px(lpf::kForm1.width), lpf::Px(lpf::kForm1.height));
    setFixedSize(client.size());
    setGeometry(client);

    lpf::InstallAccessibility();
    BuildControls();
    ReportUserActions();
    form_.Open();
    Widget(form_.StartFocus())->setFocus();
}

void Form1::BuildControls() {
    for (const ControlRow& c : lpf::ControlTable()) {
        QWidget* w = MakeWidget(c, ContainerOf(c));
        Dress(w, c);
        widgets_[lpf::Index(c.id)] = w;
        if (c.kind == Kind::OptionButton) w->installEventFilter(this);
    }
    // Raised from the bottom of the stacking order up, so each control ends
    // above the ones beneath it.
    const auto stacking = lpf::StackingOrder();
    for (auto id = stacking.rbegin(); id != stacking.rend(); ++id) Widget(*id)->raise();
}

// Push buttons report their clicks, option buttons their becoming selected
// (by mouse, arrow key), the scroll bar its settled value (arrow, trough,
// key, end of a drag).
void Form1::ReportUserActions() {
    for (const ControlRow& c : lpf::ControlTable()) {
        QWidget* w = Widget(c.id);
        const ControlId id = c.id;
        if (c.kind == Kind::PushButton)
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                    [this, id] { form_.Clicked(id); });
        if (c.kind == Kind::OptionButton)
            connect(static_cast<QRadioButton*>(w), &QRadioButton::toggled, this,
                    [this, id](bool on) {
                        if (on && !changingByProgram_) form_.OptionSelected(id);
                    });
        if (c.kind == Kind::ScrollBar)
            connect(static_cast<QScrollBar*>(w), &QScrollBar::valueChanged, this, [this, id] {
                if (!changingByProgram_) form_.ScrollSettled(id);
            });
    }
}

QWidget* Form1::ContainerOf(const ControlRow& row) {
    return row.container ? Widget(*row.container) : this;
}

std::optional<ControlId> Form1::IdOf(const QWidget* widget) const {
    for (const ControlRow& c : lpf::ControlTable())
        if (Widget(c.id) == widget) return c.id;
    return std::nullopt;
}

// The keyboard between controls, as the form's rules say: Tab to the next
// stop, the arrows to the neighbouring option. A box reached by Tab has its
// text selected, as Qt does for any Tab focus.
bool Form1::focusNextPrevChild(bool next) {
    const ControlId to = form_.NextTabStop(IdOf(focusWidget()), !next);
    Widget(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto id = IdOf(static_cast<QWidget*>(watched));
    std::optional<lpf::Arrow> arrow;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
            arrow = lpf::Arrow::Left;
            break;
        case Qt::Key_Right:
            arrow = lpf::Arrow::Right;
            break;
        case Qt::Key_Up:
            arrow = lpf::Arrow::Up;
            break;
        case Qt::Key_Down:
            arrow = lpf::Arrow::Down;
            break;
        default:
            return false;
    }
    if (!id || static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier) return false;
    if (const auto to = lpf::ArrowNeighbour(*id, *arrow)) {
        // Selected as a click selects it, which the form hears of, then
        // focused, the way Qt moves within a group.
        auto* option = static_cast<QRadioButton*>(Widget(*to));
        if (!option->isChecked()) option->click();
        option->setFocus(*arrow == lpf::Arrow::Left || *arrow == lpf::Arrow::Up
                             ? Qt::BacktabFocusReason
                             : Qt::TabFocusReason);
    }
    return true;  // no option that way: the key does nothing
}

// What the form's handlers change and read.

void Form1::DoSetVisible(ControlId id, bool visible) {
    Widget(id)->setVisible(visible);
}

void Form1::DoSetText(ControlId id, const std::string& text) {
    const QString t = QString::fromStdString(text);
    QWidget* w = Widget(id);
    if (auto* box = qobject_cast<QLineEdit*>(w)) box->setText(t);
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(t);
}

std::string Form1::DoText(ControlId id) const {
    QWidget* w = Widget(id);
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    return {};
}

void Form1::DoSetForeColour(ControlId id, lpf::Colour colour) {
    QWidget* w = Widget(id);
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, lpf::Resolve(colour));
    w->setPalette(palette);
}

void Form1::DoRepaint(ControlId id) {
    Widget(id)->update();
}

void Form1::DoRepaintWindow() {
    update();
}

bool Form1::DoSelected(ControlId option) const {
    return static_cast<QRadioButton*>(Widget(option))->isChecked();
}

void Form1::DoSelect(ControlId option) {
    const QScopedValueRollback quiet(changingByProgram_, true);
    static_cast<QRadioButton*>(Widget(option))->setChecked(true);
}

int Form1::DoScrollValue(ControlId bar) const {
    return static_cast<QScrollBar*>(Widget(bar))->value();
}

void Form1::DoSetScrollMinimum(ControlId bar, int minimum) {
    const QScopedValueRollback quiet(changingByProgram_, true);
    static_cast<QScrollBar*>(Widget(bar))->setMinimum(minimum);
}

void Form1::DoSetScrollValue(ControlId bar, int value) {
    const QScopedValueRollback quiet(changingByProgram_, true);
    static_cast<QScrollBar*>(Widget(bar))->setValue(value);
}

void Form1::DoSetScrollStep(ControlId bar, int smallStep) {
    static_cast<QScrollBar*>(Widget(bar))->setSingleStep(smallStep);
}

void Form1::DoFocus(ControlId id) {
    Widget(id)->setFocus();
}

void Form1::DoSetAccessibleName(ControlId id, const std::string& name) {
    Widget(id)->setAccessibleName(QString::fromStdString(name));
}

void Form1::DoSetLabelFor(ControlId caption, ControlId box) {
    static_cast<QLabel*>(Widget(caption))->setBuddy(Widget(box));
}

char Form1::DoDecimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.';
}

void Form1::DoQuit() {
    QCoreApplication::exit(0);
}
