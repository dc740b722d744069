#include "picture_view.h"

#include <QPainter>

namespace lpf {

void PictureView::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One picture pixel per logical pixel; on a high-density screen each is
    // widened to a block of device pixels, keeping edges sharp.
    painter.drawPixmap(QRect(QPoint(0, 0), picture_.size()), picture_);
}

}  // namespace lpf
