// What the user does in the window, told to the form in its own words:
// clicks on push buttons, options becoming selected, actions on the scroll
// bar, Tab and the arrow keys. Where the focus goes, what a key changes and
// where the bar's thumb goes, the form decides.

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "form1.h"

using lpf::ControlId;
using lpf::Kind;
using lpf::ScrollAction;

namespace {

// A drag's end, the wheel and a click that jumps all leave the thumb where
// the user put it: that is where it is released.
constexpr std::pair<int, ScrollAction> kScrollActions[] = {
    {QAbstractSlider::SliderSingleStepSub, ScrollAction::LineLeft},
    {QAbstractSlider::SliderSingleStepAdd, ScrollAction::LineRight},
    {QAbstractSlider::SliderPageStepSub, ScrollAction::PageLeft},
    {QAbstractSlider::SliderPageStepAdd, ScrollAction::PageRight},
    {QAbstractSlider::SliderToMinimum, ScrollAction::ToStart},
    {QAbstractSlider::SliderToMaximum, ScrollAction::ToEnd},
    {QAbstractSlider::SliderMove, ScrollAction::ThumbAt},
};

}  // namespace

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
            auto* bar = static_cast<QScrollBar*>(w);
            // Qt has moved the thumb for the action by now; it goes back, and
            // the form sets the value the action leads to.
            connect(bar, &QAbstractSlider::actionTriggered, this, [this, id, bar](int action) {
                const int thumb = bar->sliderPosition();
                bar->setSliderPosition(bar->value());
                for (const auto& [qtAction, acted] : kScrollActions)
                    if (action == qtAction) form_.Scrolled(id, acted, thumb);
            });
            // Set from outside the window's own events (a screen reader
            // setting the value): it has settled there.
            connect(bar, &QScrollBar::valueChanged, this, [this, id] { form_.ScrollSettled(id); });
            w->installEventFilter(this);
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
    // On the bar each arrow moves it the way it points, Up as Left: Qt's own
    // scroll bar turns Left and Right round for the sake of vertical bars.
    static constexpr struct {
        int key;
        lpf::Arrow arrow;
        ScrollAction onBar;
    } kArrows[] = {
        {Qt::Key_Left, lpf::Arrow::Left, ScrollAction::LineLeft},
        {Qt::Key_Up, lpf::Arrow::Up, ScrollAction::LineLeft},
        {Qt::Key_Right, lpf::Arrow::Right, ScrollAction::LineRight},
        {Qt::Key_Down, lpf::Arrow::Down, ScrollAction::LineRight},
    };
    const auto id = IdOf(watched);
    if (!id) return false;
    for (const auto& k : kArrows) {
        if (key->key() != k.key) continue;
        if (lpf::Row(*id).kind == Kind::ScrollBar) {
            form_.Scrolled(*id, k.onBar);
            return true;
        }
        return key->modifiers() == Qt::NoModifier && form_.ArrowPressed(*id, k.arrow);
    }
    return false;
}
