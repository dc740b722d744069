#include "form1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "accessibility.h"
#include "controls.h"
#include "look.h"
#include "rules.h"

using lpf::ControlId;

// A title and a close box, no maximize: the window has one size.
Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(lpf::kForm1.title));
    setFont(lpf::MappedFont(lpf::kForm1.font));
    lpf::Paint(this, lpf::Resolve(lpf::kForm1.back), QColor());
    // Manual placement: the client area at its place on the screen.
    const QRect client(lpf::Px(lpf::kForm1.left), lpf::Px(lpf::kForm1.top),
                       lpf::Px(lpf::kForm1.width), lpf::Px(lpf::kForm1.height));
    setFixedSize(client.size());
    setGeometry(client);

    lpf::InstallAccessibility();
    for (const lpf::ControlRow& c : lpf::ControlTable())
        widgets_[lpf::Index(c.id)] = lpf::MakeControl(c, c.container ? Widget(*c.container) : this);
    // Raised from the bottom of the stacking order up, so each control ends
    // above the ones beneath it.
    const auto stacking = lpf::StackingOrder();
    for (auto id = stacking.rbegin(); id != stacking.rend(); ++id) Widget(*id)->raise();
    ReportUserActions();
    form_.Open();
}

// What the form's handlers change and read. Qt signals a change made by the
// program as it does one made by the user; the form wants only the user's,
// so the program's own changes are made with the control's signals blocked.

void Form1::DoSetVisible(ControlId id, bool visible) {
    Widget(id)->setVisible(visible);
}

// Text boxes and labels both hold their text as the property "text".
void Form1::DoSetText(ControlId id, const std::string& text) {
    Widget(id)->setProperty("text", QString::fromStdString(text));
}

std::string Form1::DoText(ControlId id) const {
    return Widget(id)->property("text").toString().toStdString();
}

void Form1::DoSetForeColour(ControlId id, lpf::Colour colour) {
    lpf::Paint(Widget(id), QColor(), lpf::Resolve(colour));
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
    const QSignalBlocker quiet(Widget(option));
    static_cast<QRadioButton*>(Widget(option))->setChecked(true);
}

int Form1::DoScrollValue(ControlId bar) const {
    return static_cast<QScrollBar*>(Widget(bar))->value();
}

void Form1::DoSetScrollMinimum(ControlId bar, int minimum) {
    const QSignalBlocker quiet(Widget(bar));
    static_cast<QScrollBar*>(Widget(bar))->setMinimum(minimum);
}

void Form1::DoSetScrollValue(ControlId bar, int value) {
    const QSignalBlocker quiet(Widget(bar));
    static_cast<QScrollBar*>(Widget(bar))->setValue(value);
}

// The form moves the bar; Qt's own step serves the wheel and assistive
// technology.
void Form1::DoSetScrollStep(ControlId bar, int smallStep) {
    static_cast<QScrollBar*>(Widget(bar))->setSingleStep(smallStep);
}

// Qt draws a focus that came by the keyboard as such.
void Form1::DoFocus(ControlId id, lpf::FocusMove move) {
    Widget(id)->setFocus(move == lpf::FocusMove::Direct    ? Qt::OtherFocusReason
                         : move == lpf::FocusMove::Forward ? Qt::TabFocusReason
                                                           : Qt::BacktabFocusReason);
}

// A box the keyboard focuses has selected its text already; selecting it
// again would tell a screen reader of a selection that is not new.
void Form1::DoSelectAllText(ControlId box) {
    auto* edit = static_cast<QLineEdit*>(Widget(box));
    if (edit->selectedText() != edit->text()) edit->selectAll();
}

// An announced control is a notification, which a screen reader reads out,
// by the words its accessible gives, as it shows.
void Form1::DoAnnounce(ControlId, const std::string&) {}

void Form1::DoSetAccessibleName(ControlId id, const std::string& name) {
    Widget(id)->setAccessibleName(QString::fromStdString(name));
}

void Form1::DoSetLabelFor(ControlId caption, ControlId box) {
    static_cast<QLabel*>(Widget(caption))->setBuddy(Widget(box));
}

std::string Form1::DoDecimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

void Form1::DoQuit() {
    QCoreApplication::exit(0);
}
