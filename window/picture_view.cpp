#include "picture_view.h"

#include <QFile>
#include <QPainter>
#include <cstdint>

namespace lpf {
namespace {

std::uint32_t Le(const uchar* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

}  // namespace

QImage ReadPicture(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < 54 || data[0] != 'B' || data[1] != 'M') return {};
    const int offset = static_cast<int>(Le(data + 10, 4));
    const int width = static_cast<int>(Le(data + 18, 4));
    const int height = static_cast<int>(Le(data + 22, 4));
    const int stride = (width * 3 + 3) / 4 * 4;
    if (Le(data + 28, 2) != 24 || Le(data + 30, 4) != 0 || width <= 0 || height <= 0 ||
        offset + qint64{stride} * height > bytes.size())
        return QImage(resource);  // not one of ours: let Qt read it

    QImage picture(width, height, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + offset + qint64{stride} * (height - 1 - y);
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            qsizetype index = colours.indexOf(rgb);
            if (index < 0) {
                if (colours.size() == 256) return QImage(resource);
                index = colours.size();
                colours.append(rgb);
            }
            out[x] = static_cast<uchar>(index);
        }
    }
    picture.setColorTable(colours);
    return picture;
}

PictureView::PictureView(Picture picture, QWidget* parent)
    : QWidget(parent),
      picture_(ReadPicture(QStringLiteral(":/art/") + QString::fromLatin1(PictureFile(picture)))) {}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // One picture pixel per logical pixel; on a high-density screen each is
    // widened to a block of device pixels, keeping edges sharp.
    painter.drawImage(QRect(QPoint(0, 0), picture_.size()), picture_);
}

}  // namespace lpf
