#include "picture_view.h"

#include <QPainter>

#include "artwork.h"

namespace lpf {
namespace {

// The handful of colours a picture has, each pixel an index into them: a
// quarter of the memory of true colour. Most pixels have their left
// neighbour's colour, so that one is tried first.
QImage Shown(const art::Raster& drawn) {
    QImage image(drawn.Width(), drawn.Height(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    qsizetype index = 0;
    for (int y = 0; y < drawn.Height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < drawn.Width(); ++x) {
            const QRgb rgb = 0xFF000000 | drawn.At(x, y);
            if (colours.isEmpty() || colours.at(index) != rgb) index = colours.indexOf(rgb);
            if (index < 0) {
                index = colours.size();
                colours.append(rgb);
            }
            row[x] = static_cast<uchar>(index);
        }
    }
    image.setColorTable(colours);
    return image;
}

}  // namespace

PictureView::PictureView(Picture picture, QWidget* parent)
    : QWidget(parent), picture_(Shown(art::Draw(picture))) {}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One picture pixel per logical pixel; on a high-density screen each is
    // widened to a block of device pixels, keeping edges sharp.
    painter.drawImage(QRect(QPoint(0, 0), picture_.size()), picture_);
}

}  // namespace lpf
