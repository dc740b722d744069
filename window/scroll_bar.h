#pragma once
// A horizontal scroll bar whose Left and Right keys move the thumb the way
// the arrows point. Qt's own scroll bar inverts its controls for the sake of
// vertical bars, which sends a horizontal bar's arrow keys the wrong way.

#include <QKeyEvent>
#include <QScrollBar>

namespace lpf {

class HorizontalScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit HorizontalScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

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
};

}  // namespace lpf
