// What the user does in the window, told to the form in its own words:
// clicks on push buttons, options becoming selected, actions on the scroll
// bar, Tab and the arrow keys in an option group. Where the focus goes and
// what a key changes, the form decides.

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "form1.h"
#include "scroll_bar.h"

using lpf::ControlId;
using lpf::Kind;

void Form1::ReportUserActions() {
    for (const lpf::ControlRow& c : lpf::ControlTable()) {
        QWidget* w = Widget(c.id);
        const ControlId id = c.id;
        if (c.kind == Kind::PushButton)
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                    [this, id] { form_.Clicked(id); });
        if (c.kind == Kind::OptionButton) {
            connect(static_cast<QRadioButton*>(w), &QRadioButton::toggled, this,
                    [this, id](bool on) {
                        if (on) form_.OptionSelected(id);
                    });
            w->installEventFilter(this);
        }
        if (c.kind == Kind::ScrollBar) {
            auto* bar = static_cast<lpf::HorizontalScrollBar*>(w);
            connect(bar, &lpf::HorizontalScrollBar::Acted, this,
                    [this, id](lpf::ScrollAction action, int thumb) {
                        form_.Scrolled(id, action, thumb);
                    });
            // Set from outside the window's own events (a screen reader
            // setting the value): it has settled there.
            connect(bar, &QScrollBar::valueChanged, this, [this, id] { form_.ScrollSettled(id); });
        }
    }
}

namespace {

// The control a widget is, by the name it was built with.
std::optional<ControlId> IdOf(const QObject* widget) {
    return widget ? lpf::ControlNamed(widget->objectName().toStdString()) : std::nullopt;
}

}  // namespace

bool Form1::focusNextPrevChild(bool next) {
    form_.TabPressed(IdOf(focusWidget()), !next);
    return true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    static constexpr std::pair<int, lpf::Arrow> kArrows[] = {
        {Qt::Key_Left, lpf::Arrow::Left},
        {Qt::Key_Right, lpf::Arrow::Right},
        {Qt::Key_Up, lpf::Arrow::Up},
        {Qt::Key_Down, lpf::Arrow::Down},
    };
    const auto id = IdOf(watched);
    if (!id || key->modifiers() != Qt::NoModifier) return false;
    for (const auto& [qtKey, arrow] : kArrows)
        if (key->key() == qtKey) return form_.ArrowPressed(*id, arrow);
    return false;
}
