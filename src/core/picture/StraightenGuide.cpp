#include "core/picture/StraightenGuide.h"

#include "core/picture/OverlayPainting.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace lineora {

namespace {

constexpr TColor kPureBlue = 0x00FF0000;

// Direction from the centre to a point in degrees, counterclockwise as seen on screen (y down).
qreal ScreenAngle(const Strip& strip, std::int32_t x, std::int32_t y) {
    const double dx = static_cast<double>(x) - strip.CentreX;
    const double dy = static_cast<double>(strip.CentreY) - y;
    return std::atan2(dy, dx) * 180 / std::numbers::pi;
}

// The arc from the direction of (endX, Top) counterclockwise to that of (endX, Bottom). As with
// the platform's arcs the two points only give directions, and equal directions close the
// circle.
void AddArc(QPainterPath& path, const Strip& strip, std::int32_t endX, std::int32_t radius) {
    const qreal start = ScreenAngle(strip, endX, strip.Top);
    qreal sweep = ScreenAngle(strip, endX, strip.Bottom) - start;
    while (sweep <= 0) {
        sweep += 360;
    }
    const QRectF box(static_cast<qreal>(strip.CentreX) - radius,
                     static_cast<qreal>(strip.CentreY) - radius, 2.0 * radius, 2.0 * radius);
    path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
}

} // namespace

void DrawStraightenGuide(QImage& working, const StripGeometry& strips) {
    if (working.isNull() || strips.ArcRadius <= 0) {
        return;
    }
    QPainter painter(&working);
    overlay::UsePen(painter, PenMode::NotXor, kPureBlue, 1);
    for (int number = 3; number >= 1; --number) {
        // One path per arc: an arc crossing another must invert the crossing pixel twice.
        QPainterPath path;
        AddArc(path, strips.Strips[static_cast<std::size_t>(number)], strips.EndX,
               strips.ArcRadius);
        painter.drawPath(path);
    }
}

} // namespace lineora
