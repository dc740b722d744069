#pragma once
// Shows a picture at its natural size from the top-left corner, pixel for
// pixel: never scaled smoothly, never greyed when the control is disabled.

#include <QImage>
#include <QWidget>

#include "control_table.h"

namespace lpf {

class PictureView : public QWidget {
    Q_OBJECT
  public:
    // Draws the picture with the art library's own code, which also drew the
    // files the other windows embed: no file to read, no image format to
    // decode, and the same pixels.
    PictureView(Picture picture, QWidget* parent);
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace lpf
