#pragma once
// Shows a bitmap at its natural size from the top-left corner, pixel for
// pixel: never scaled smoothly, never greyed when the control is disabled.

#include <QPixmap>
#include <QWidget>

namespace lpf {

class PictureView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace lpf
