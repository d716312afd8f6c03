#include "core/picture/Magnifier.h"

#include <QPainter>

namespace lineora {

void DrawMagnifier(const QImage& working, std::int32_t x, std::int32_t y, QImage& target,
                   int size) {
    if (target.size() != QSize(size, size) || target.format() != QImage::Format_RGB32) {
        target = QImage(size, size, QImage::Format_RGB32);
    }
    // Nearest-neighbour replication: destination pixel d shows source pixel d * 31 / size, so
    // every picture pixel becomes a block of three or four screen pixels.
    const int left = x - kMagnifierSource / 2;
    const int top = y - kMagnifierSource / 2;
    const QRect bounds = working.rect();
    for (int dy = 0; dy < size; ++dy) {
        const int sy = top + dy * kMagnifierSource / size;
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(dy));
        const bool rowInside = sy >= 0 && sy < bounds.height();
        const auto* in =
            rowInside ? reinterpret_cast<const QRgb*>(working.constScanLine(sy)) : nullptr;
        for (int dx = 0; dx < size; ++dx) {
            const int sx = left + dx * kMagnifierSource / size;
            out[dx] =
                (in != nullptr && sx >= 0 && sx < bounds.width()) ? in[sx] : qRgb(255, 255, 255);
        }
    }
    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    const int middle = size / 2;
    painter.drawLine(1, middle, size, middle);
    painter.drawLine(middle, 1, middle, size);
}

} // namespace lineora
