#include "core/picture/Overlay.h"

#include "core/common/Rounding.h"
#include "core/curves/PointStore.h"
#include "core/picture/OverlayPainting.h"
#include "core/picture/PixelAccess.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace lineora {

namespace {

constexpr TColor kRed = 255;
constexpr TColor kPureBlue = 0x00FF0000;

struct Point64 {
    std::int64_t X = 0;
    std::int64_t Y = 0;
};

// The reference points in 64 bits, so painting arithmetic near a far-off point cannot wrap.
struct ReferencePoints64 {
    Point64 Zero, XMax, YMax;
};

ReferencePoints64 ReferencesOf(const Calibration& cal) {
    return {{cal.ZeroPointX, cal.ZeroPointY},
            {cal.XMaxPointX, cal.XMaxPointY},
            {cal.YMaxPointX, cal.YMaxPointY}};
}

void Line(QPainter& painter, Point64 from, Point64 to) {
    overlay::Line(painter, from.X, from.Y, to.X, to.Y);
}

// The point reflected through `centre`.
Point64 Mirror(Point64 point, Point64 centre) {
    return {2 * centre.X - point.X, 2 * centre.Y - point.Y};
}

// The small X beside the X-max point that tells the two axes apart.
void DrawLetterX(QPainter& painter, Point64 xMax) {
    overlay::Line(painter, xMax.X + 10, xMax.Y + 10, xMax.X + 22, xMax.Y + 22);
    overlay::Line(painter, xMax.X + 20, xMax.Y + 10, xMax.X + 10, xMax.Y + 22);
}

void DrawCartesian(QPainter& painter, const ReferencePoints64& p, const Settings& settings) {
    if (!settings.NewAxesLook) {
        Line(painter, p.Zero, p.YMax);
        Line(painter, p.Zero, p.XMax);
    } else {
        for (const Point64& centre : {p.XMax, p.YMax, p.Zero}) {
            overlay::EllipseInBox(painter, centre.X - 5, centre.Y - 5, centre.X + 6, centre.Y + 6);
        }
        Line(painter, p.Zero, Mirror(p.XMax, p.Zero));
        Line(painter, p.Zero, Mirror(p.Zero, p.XMax));
        Line(painter, p.Zero, Mirror(p.YMax, p.Zero));
        Line(painter, p.Zero, Mirror(p.Zero, p.YMax));
    }
    if (settings.MetkaX) {
        DrawLetterX(painter, p.XMax);
    }
}

// Two diameters and PolarCircleCount evenly spaced circles, the outermost through X-max.
void DrawPolar(QPainter& painter, Calibration& cal, const Settings& settings,
               const ReferencePoints64& p) {
    const std::int32_t radius = RoundHalfEven(std::hypot(
        static_cast<Extended>(p.XMax.X - p.Zero.X), static_cast<Extended>(p.XMax.Y - p.Zero.Y)));
    ComputeAxisAngles(cal, settings);
    const std::int64_t s = RoundHalfEven(std::sin(cal.AxisAngleY) * radius);
    const std::int64_t c = RoundHalfEven(std::cos(cal.AxisAngleY) * radius);
    Line(painter, {p.Zero.X - s, p.Zero.Y - c}, p.XMax);
    Line(painter, {p.Zero.X - c, p.Zero.Y + s}, {p.Zero.X + c, p.Zero.Y - s});
    const std::int32_t count = settings.PolarCircleCount;
    for (std::int32_t k = 1; k <= count; ++k) {
        const std::int64_t rk = RoundHalfEven(static_cast<Extended>(radius) / count * k);
        overlay::EllipseInBox(painter, p.Zero.X - rk, p.Zero.Y - rk, p.Zero.X + rk, p.Zero.Y + rk);
    }
    if (settings.MetkaX) {
        DrawLetterX(painter, p.XMax);
    }
}

// The box from (left, top) to (right, bottom), both included, within the picture. Far-off
// coordinates are brought near it first, so that none wraps in int.
QRect BoxWithin(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                const QRect& picture) {
    const auto near = [](std::int64_t v, int size) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -1, size));
    };
    return QRect(QPoint(near(left, picture.width()), near(top, picture.height())),
                 QPoint(near(right, picture.width()), near(bottom, picture.height())))
        .intersected(picture);
}

// The reference points themselves stay visible in red whatever the pen.
void MarkReferencePixels(QImage& working, const ReferencePoints64& p, const QRegion& only) {
    for (const Point64& point : {p.YMax, p.Zero, p.XMax}) {
        const bool inside =
            point.X >= 0 && point.Y >= 0 && point.X < working.width() && point.Y < working.height();
        if (inside && !only.isEmpty() &&
            !only.contains(QPoint(static_cast<int>(point.X), static_cast<int>(point.Y)))) {
            continue;
        }
        pixels::SetPixelIfInside(working, point.X, point.Y, kRed);
    }
}

void PaintMark(QPainter& painter, std::int32_t x, std::int32_t y, std::int32_t r) {
    const std::int64_t left = std::int64_t{x} - r;
    const std::int64_t top = std::int64_t{y} - r;
    const std::int64_t right = std::int64_t{x} + r + 1;
    const std::int64_t bottom = std::int64_t{y} + r + 1;
    // A mark off the picture paints nothing; skipping it also keeps its centre's rectangle
    // clear of the int32 limits.
    if (!overlay::TouchesDevice(painter, left, top, right, bottom)) {
        return;
    }
    overlay::EllipseInBox(painter, left, top, right, bottom);
    // The centre stays visible even inside a filled mark.
    painter.fillRect(QRect(x, y, 1, 1), Qt::black);
}

// The segments joining the marks. A path with a point far off the picture goes segment by
// segment, each clipped to the picture.
void DrawPath(QPainter& painter, const std::vector<QPoint>& path) {
    constexpr int kNear = 1 << 24;
    const bool near = std::all_of(path.begin(), path.end(), [](const QPoint& point) {
        return point.x() >= -kNear && point.x() <= kNear && point.y() >= -kNear &&
               point.y() <= kNear;
    });
    if (near) {
        painter.drawPolyline(path.data(), static_cast<int>(path.size()));
        return;
    }
    for (std::size_t i = 1; i < path.size(); ++i) {
        overlay::Line(painter, path[i - 1].x(), path[i - 1].y(), path[i].x(), path[i].y());
    }
}

void UseMarkPen(QPainter& painter, TColor color, bool filled) {
    overlay::UsePen(painter, PenMode::Copy, color, 1);
    if (filled) {
        painter.setBrush(QColor::fromRgb(ToQRgb(color)));
    }
}

} // namespace

void DrawAxes(QImage& working, Calibration& cal, const Settings& settings, const QRegion& only) {
    const bool cartesian = settings.TypeOfCurve == 1;
    const bool polar = settings.TypeOfCurve == 2;
    if (working.isNull() || (!cartesian && !polar)) {
        return;
    }
    const ReferencePoints64 points = ReferencesOf(cal);
    {
        QPainter painter(&working);
        if (!only.isEmpty()) {
            painter.setClipRegion(only);
        }
        overlay::UsePen(painter, settings.AxesInvert ? PenMode::NotXor : PenMode::Copy,
                        settings.AxesColor, settings.AxesWidth);
        if (cartesian) {
            DrawCartesian(painter, points, settings);
        } else {
            DrawPolar(painter, cal, settings, points);
        }
    }
    MarkReferencePixels(working, points, only);
}

std::optional<QRegion> AxesArea(const Calibration& cal, const Settings& settings,
                                const QRect& picture) {
    if (settings.TypeOfCurve == 2) {
        return std::nullopt;
    }
    if (settings.TypeOfCurve != 1) {
        return QRegion();
    }
    const ReferencePoints64 p = ReferencesOf(cal);
    if (p.Zero.Y != p.XMax.Y || p.Zero.X != p.YMax.X) {
        return std::nullopt;
    }
    // Half the pen on either side of a line, and a pixel more for its rounding.
    const std::int64_t m = std::max<std::int64_t>(settings.AxesWidth, 1) + 2;
    const bool mirrored = settings.NewAxesLook;
    const Point64 xFrom = mirrored ? Mirror(p.XMax, p.Zero) : p.Zero;
    const Point64 xTo = mirrored ? Mirror(p.Zero, p.XMax) : p.XMax;
    const Point64 yFrom = mirrored ? Mirror(p.YMax, p.Zero) : p.Zero;
    const Point64 yTo = mirrored ? Mirror(p.Zero, p.YMax) : p.YMax;
    QRegion area;
    area += BoxWithin(std::min(xFrom.X, xTo.X) - m, p.Zero.Y - m, std::max(xFrom.X, xTo.X) + m,
                      p.Zero.Y + m, picture);
    area += BoxWithin(p.Zero.X - m, std::min(yFrom.Y, yTo.Y) - m, p.Zero.X + m,
                      std::max(yFrom.Y, yTo.Y) + m, picture);
    if (mirrored) {
        for (const Point64& centre : {p.XMax, p.YMax, p.Zero}) {
            area += BoxWithin(centre.X - 6 - m, centre.Y - 6 - m, centre.X + 6 + m,
                              centre.Y + 6 + m, picture);
        }
    }
    if (settings.MetkaX) {
        area += BoxWithin(p.XMax.X + 10 - m, p.XMax.Y + 10 - m, p.XMax.X + 22 + m,
                          p.XMax.Y + 22 + m, picture);
    }
    return area;
}

QRect MarkArea(std::int64_t x, std::int64_t y, std::int64_t r, const QRect& picture) {
    // The circle's box is (x - r, y - r) .. (x + r + 1, y + r + 1); one pixel more for the pen.
    return BoxWithin(x - r - 1, y - r - 1, x + r + 2, y + r + 2, picture);
}

void DrawMark(QImage& working, std::int32_t x, std::int32_t y, std::int32_t r, TColor color,
              bool filled) {
    if (working.isNull()) {
        return;
    }
    QPainter painter(&working);
    UseMarkPen(painter, color, filled);
    PaintMark(painter, x, y, r);
}

void RedrawMarks(QImage& working, const PointStore& store, const Settings& settings,
                 const QRegion& only) {
    if (working.isNull()) {
        return;
    }
    QPainter painter(&working);
    const QRect bounds = only.isEmpty() ? working.rect() : only.boundingRect();
    if (!only.isEmpty()) {
        painter.setClipRegion(only);
    }
    const std::int32_t r = store.MarkRadius;
    std::vector<QPoint> path;
    for (int c = 1; c <= kCurveCount; ++c) {
        const std::int32_t next = std::min(store.LineNext[c], kLineNextCeiling);
        if (next <= kFirstRow) {
            continue;
        }
        UseMarkPen(painter, settings.LineColors[c], settings.FillMetka);
        path.clear();
        for (std::int32_t row = kFirstRow; row < next; ++row) {
            const PixelEntry& point = store.PointPixels[row][c];
            if (std::int64_t{point.PixX} + r + 1 >= bounds.left() &&
                std::int64_t{point.PixX} - r <= bounds.right() &&
                std::int64_t{point.PixY} + r + 1 >= bounds.top() &&
                std::int64_t{point.PixY} - r <= bounds.bottom()) {
                PaintMark(painter, point.PixX, point.PixY, r);
            }
            path.emplace_back(point.PixX, point.PixY);
        }
        if (store.ConnectPoints && path.size() > 1) {
            DrawPath(painter, path);
        }
    }
}

void DrawStepCrosshair(QImage& working, std::int32_t x, std::int32_t y) {
    if (working.isNull()) {
        return;
    }
    QPainter painter(&working);
    overlay::UsePen(painter, PenMode::Not, 0, 1);
    overlay::Line(painter, std::int64_t{x} - 5, y, std::int64_t{x} + 5, y);
    overlay::Line(painter, x, std::int64_t{y} - 5, x, std::int64_t{y} + 5);
}

void DrawZoneCircle(QImage& working, std::int32_t x, std::int32_t y) {
    if (working.isNull()) {
        return;
    }
    QPainter painter(&working);
    overlay::ZoneCircle(painter, x, y);
}

void DrawSelectionCircle(QImage& working, std::int32_t x, std::int32_t y, std::int32_t r) {
    if (working.isNull()) {
        return;
    }
    QPainter painter(&working);
    overlay::UsePen(painter, PenMode::NotXor, kPureBlue, 1);
    overlay::EllipseInBox(painter, std::int64_t{x} - r, std::int64_t{y} - r,
                          std::int64_t{x} + r + 1, std::int64_t{y} + r + 1);
}

} // namespace lineora
