#pragma once

#include "core/common/Color.h"
#include "core/common/Types.h"

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <vector>

namespace lineora::test {

// Small pictures the picture tests draw for themselves.

inline QImage WhitePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

// A picture where neighbouring pixels differ in every component, so that an inverting pen
// drawn once can never leave a pixel as it was by chance.
inline QImage PatternPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] = qRgb((x * 7 + y * 3) & 0xFF, (x * 5 + y * 11) & 0xFF, (x * 13 + y) & 0xFF);
        }
    }
    return picture;
}

inline TColor ColorAt(const QImage& picture, int x, int y) {
    return FromQRgb(picture.pixel(x, y));
}

// Thin black lines, antialiasing off, both ends painted.
inline void DrawInk(QImage& picture, const std::vector<QPoint>& polyline,
                    QColor color = Qt::black) {
    QPainter painter(&picture);
    painter.setPen(QPen(color, 1));
    painter.drawPolyline(polyline.data(), static_cast<int>(polyline.size()));
}

inline void FillRows(QImage& picture, int fromY, int toY, QColor color = Qt::black) {
    QPainter painter(&picture);
    painter.fillRect(0, fromY, picture.width(), toY - fromY + 1, color);
}

inline void FillBox(QImage& picture, QRect box, QColor color = Qt::black) {
    QPainter painter(&picture);
    painter.fillRect(box, color);
}

inline std::vector<QPoint> ChangedPixels(const QImage& before, const QImage& after) {
    std::vector<QPoint> changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                changed.emplace_back(x, y);
            }
        }
    }
    return changed;
}

} // namespace lineora::test
