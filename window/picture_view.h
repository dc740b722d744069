#pragma once
// Shows a bitmap at its natural size from the top-left corner, pixel for
// pixel: never scaled smoothly, never greyed when the control is disabled.

#include <QImage>
#include <QWidget>

#include "control_table.h"

namespace lpf {

// Reads one of the embedded pictures: an uncompressed 24-bit bottom-up BMP of
// a handful of colours, kept as 8-bit indexes into those colours. Reading it
// here spares the start-up Qt's search through its image-format plugins.
QImage ReadPicture(const QString& resource);

class PictureView : public QWidget {
    Q_OBJECT
  public:
    // Shows the picture compiled in from art/.
    PictureView(Picture picture, QWidget* parent);
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace lpf
