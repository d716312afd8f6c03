#include "picture/OverlayPainting.h"

#include "common/Color.h"

#include <QPen>

#include <algorithm>

namespace lineora::overlay {

namespace {

QPainter::CompositionMode CompositionOf(PenMode mode) {
    switch (mode) {
    case PenMode::NotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case PenMode::Not:
        return QPainter::RasterOp_NotDestination;
    case PenMode::Copy:
        break;
    }
    return QPainter::CompositionMode_Source;
}

QPointF At(std::int64_t x, std::int64_t y) {
    return {static_cast<qreal>(x), static_cast<qreal>(y)};
}

} // namespace

void UsePen(QPainter& painter, PenMode mode, TColor color, std::int32_t width) {
    width = std::max(width, 1);
    // Wide pens end round, as the platform's wide pens did; a thin line stops short of its end.
    QPen pen(QColor::fromRgb(ToQRgb(color)), width, Qt::SolidLine,
             width == 1 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(CompositionOf(mode));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
}

void Line(QPainter& painter, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    painter.drawLine(At(x1, y1), At(x2, y2));
}

void EllipseInBox(QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom) {
    if (right <= left || bottom <= top) {
        return;
    }
    // An outline of a QRectF of width w covers w + 1 pixels; the box's right bound is exclusive.
    painter.drawEllipse(QRectF(At(left, top), At(right - 1, bottom - 1)));
}

void ZoneCircle(QPainter& painter, std::int32_t x, std::int32_t y) {
    constexpr std::int32_t kRadius = 10;
    constexpr TColor kRed = 255;
    UsePen(painter, PenMode::NotXor, kRed, 1);
    EllipseInBox(painter, std::int64_t{x} - kRadius, std::int64_t{y} - kRadius,
                 std::int64_t{x} + kRadius, std::int64_t{y} + kRadius);
}

} // namespace lineora::overlay
