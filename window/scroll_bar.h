#pragma once
// A horizontal scroll bar that tells what the user did to it, as the form's
// actions, and leaves moving the thumb to the form. Its Left and Right keys
// act the way the arrows point: Qt's own scroll bar inverts its controls for
// the sake of vertical bars, which sends a horizontal bar's arrow keys the
// wrong way.

#include <QKeyEvent>
#include <QScrollBar>
#include <utility>

#include "scroll_model.h"

namespace lpf {

class HorizontalScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit HorizontalScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
        // Qt has moved the thumb for the action by now; it goes back, and
        // the form sets the value the action leads to.
        connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
            const int thumb = sliderPosition();
            setSliderPosition(value());
            for (const auto& [qtAction, acted] : kActions)
                if (action == qtAction) emit Acted(acted, thumb);
        });
    }

  signals:
    void Acted(lpf::ScrollAction action, int thumb);

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
            triggerAction(event->key() == Qt::Key_Right ? SliderSingleStepAdd
                                                        : SliderSingleStepSub);
            event->accept();
            return;
        }
        QScrollBar::keyPressEvent(event);
    }

  private:
    // A drag's end, the wheel and a click that jumps all leave the thumb
    // where the user put it: that is where it is released.
    static constexpr std::pair<int, ScrollAction> kActions[] = {
        {SliderSingleStepSub, ScrollAction::LineLeft},
        {SliderSingleStepAdd, ScrollAction::LineRight},
        {SliderPageStepSub, ScrollAction::PageLeft},
        {SliderPageStepAdd, ScrollAction::PageRight},
        {SliderToMinimum, ScrollAction::ToStart},
        {SliderToMaximum, ScrollAction::ToEnd},
        {SliderMove, ScrollAction::ThumbAt},
    };
};

}  // namespace lpf
