#include "core/picture/OverlayPainting.h"

#include "core/common/Color.h"

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

// Beyond this the raster engine's fixed-point arithmetic is not to be trusted; no figure the
// program draws from a readable file comes near it.
constexpr std::int64_t kSafeCoordinate = std::int64_t{1} << 24;
// Clipped lines end this far outside the picture, so a wide pen's round end stays off it.
constexpr qreal kClipMargin = 64;

bool IsSafe(std::int64_t value) {
    return value >= -kSafeCoordinate && value <= kSafeCoordinate;
}

// The part of the segment inside the rectangle (Liang-Barsky); false when none is.
bool ClipSegment(QPointF& from, QPointF& to, const QRectF& box) {
    const qreal dx = to.x() - from.x();
    const qreal dy = to.y() - from.y();
    qreal enter = 0;
    qreal leave = 1;
    const qreal p[] = {-dx, dx, -dy, dy};
    const qreal q[] = {from.x() - box.left(), box.right() - from.x(), from.y() - box.top(),
                       box.bottom() - from.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return false;
    }
    const QPointF start = from;
    from = start + QPointF(dx, dy) * enter;
    to = start + QPointF(dx, dy) * leave;
    return true;
}

QRectF DeviceBox(const QPainter& painter, qreal margin) {
    const QPaintDevice* device = painter.device();
    return QRectF(-margin, -margin, device->width() + 2 * margin, device->height() + 2 * margin);
}

} // namespace

bool TouchesDevice(const QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right,
                   std::int64_t bottom) {
    const QPaintDevice* device = painter.device();
    return right >= 0 && bottom >= 0 && left <= device->width() && top <= device->height();
}

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
    QPointF from = At(x1, y1);
    QPointF to = At(x2, y2);
    // Clipping moves the ends to fractions of a pixel, so only lines that need it are clipped:
    // every other line keeps its pixels exactly.
    if (!(IsSafe(x1) && IsSafe(y1) && IsSafe(x2) && IsSafe(y2)) &&
        !ClipSegment(from, to, DeviceBox(painter, kClipMargin))) {
        return;
    }
    painter.drawLine(from, to);
}

void EllipseInBox(QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right,
                  std::int64_t bottom) {
    // A box far beyond the picture would only strain the raster engine: its outline, if it
    // crossed the picture at all, would be a straight line there.
    if (right <= left || bottom <= top || !TouchesDevice(painter, left, top, right, bottom) ||
        !(IsSafe(left) && IsSafe(top) && IsSafe(right) && IsSafe(bottom))) {
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
