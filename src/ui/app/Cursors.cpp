#include "ui/app/Cursors.h"

#include "ui/app/Shapes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <functional>

namespace lineora {

namespace {

constexpr int kSide = 32;
// Crosshairs are centred on a pixel, so their hotspot is exactly the pixel a click acts on.
// They are drawn without antialiasing, on whole pixels, so that their lines stay crisp.
constexpr double kMid = 15.0;
const QPoint kCentre(15, 15);

// Black strokes on a white halo read on dark and light pictures alike.
void HaloStroke(QPainter& p, const QPainterPath& path, double width = 1.0) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.strokePath(path, QPen(Qt::white, width + 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.strokePath(path, QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.restore();
}

// Filled figures: white body, black edge, white halo around the edge.
void HaloFigure(QPainter& p, const QPainterPath& path, const QBrush& body = Qt::white) {
    p.strokePath(path, QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, body);
    p.strokePath(path, QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void HaloText(QPainter& p, const QString& text, QPointF baseline, int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    QPainterPath path;
    path.addText(baseline, font, text);
    p.strokePath(path, QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, Qt::black);
}

// Four arms from `gap` to `reach` pixels off the centre, upright or diagonal.
QPainterPath CrossArms(double gap, double reach, bool diagonal) {
    QPainterPath arms;
    const double s = diagonal ? 0.7071 : 1.0;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double dx = diagonal ? ((quarter == 0 || quarter == 3) ? 1 : -1)
                                   : (quarter == 0   ? 1
                                      : quarter == 2 ? -1
                                                     : 0);
        const double dy = diagonal ? ((quarter < 2) ? 1 : -1)
                                   : (quarter == 1   ? 1
                                      : quarter == 3 ? -1
                                                     : 0);
        arms.moveTo(kMid + dx * gap * s, kMid + dy * gap * s);
        arms.lineTo(kMid + dx * reach * s, kMid + dy * reach * s);
    }
    return arms;
}

QPainterPath Circle(QPointF centre, double radius) {
    QPainterPath circle;
    circle.addEllipse(centre, radius, radius);
    return circle;
}

void DrawDiag(QPainter& p) {
    HaloStroke(p, CrossArms(3, 15, true));
}

void DrawVert(QPainter& p) {
    HaloStroke(p, CrossArms(3, 15, false));
}

void DrawPointingHand(QPainter& p) {
    HaloFigure(p, PointingHandOutline());
}

void DrawCircleSight(QPainter& p) {
    QPainterPath sight = Circle({kMid, kMid}, 7.5);
    sight.addPath(CrossArms(4, 14, false));
    HaloStroke(p, sight);
}

void DrawArrowSight(QPainter& p) {
    HaloFigure(p, ArrowOutline({1, 1}, 22), Qt::black);
}

void DrawPanHand(QPainter& p) {
    HaloFigure(p, OpenHandOutline());
}

void DrawEraser(QPainter& p) {
    HaloFigure(p, EraserBody(), QColor(40, 40, 40));
    HaloFigure(p, EraserFace());
}

void DrawPipette(QPainter& p) {
    HaloFigure(p, PipetteTube());
    HaloFigure(p, PipetteBulb(), Qt::black);
}

void DrawZoomGlass(QPainter& p) {
    QPainterPath handle;
    handle.moveTo(18, 18);
    handle.lineTo(28, 28);
    p.strokePath(handle, QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(handle, QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
    HaloFigure(p, Circle({12, 12}, 8.5));
    QPainterPath plus;
    plus.moveTo(8, 12);
    plus.lineTo(16, 12);
    plus.moveTo(12, 8);
    plus.lineTo(12, 16);
    p.strokePath(plus, QPen(Qt::black, 2));
}

void DrawLabelledCross(QPainter& p, const QString& label) {
    HaloStroke(p, CrossArms(2, 15, false));
    HaloText(p, label, {19, 30}, 11);
}

void DrawZoneBrush(QPainter& p) {
    // The circle has the radius of a zone circle on the picture at 1:1.
    QPainterPath brush = Circle({kMid, kMid}, 10);
    brush.addPath(CrossArms(0, 2.5, false));
    HaloStroke(p, brush);
}

void DrawTestSight(QPainter& p) {
    QPainterPath sight;
    sight.addRect(kMid - 5, kMid - 5, 10, 10);
    sight.addPath(CrossArms(7, 14, false));
    HaloStroke(p, sight);
}

void DrawMovePoint(QPainter& p) {
    HaloFigure(p, FourWayArrow({kMid, kMid}, 14), Qt::black);
}

struct CursorDrawing {
    std::function<void(QPainter&)> draw;
    QPoint hotSpot;
};

// Index = cursor number; an empty drawing means a system cursor.
const std::array<CursorDrawing, kCursorCount>& Drawings() {
    static const std::array<CursorDrawing, kCursorCount> drawings{{
        {nullptr, {}},
        {DrawDiag, kCentre},
        {DrawVert, kCentre},
        {DrawPointingHand, {12, 1}},
        {DrawCircleSight, kCentre},
        {DrawArrowSight, {1, 1}},
        {DrawPanHand, {16, 16}},
        {DrawEraser, {8, 24}},
        {DrawPipette, {2, 29}},
        {nullptr, {}},
        {DrawZoomGlass, {12, 12}},
        {[](QPainter& p) { DrawLabelledCross(p, QStringLiteral("0")); }, kCentre},
        {[](QPainter& p) { DrawLabelledCross(p, QStringLiteral("X")); }, kCentre},
        {[](QPainter& p) { DrawLabelledCross(p, QStringLiteral("Y")); }, kCentre},
        {DrawZoneBrush, kCentre},
        {DrawTestSight, kCentre},
        {DrawMovePoint, kCentre},
    }};
    return drawings;
}

bool Drawn(int id) {
    return id > 0 && id < kCursorCount && Drawings()[static_cast<std::size_t>(id)].draw;
}

} // namespace

QPixmap CursorImage(int id) {
    if (!Drawn(id)) {
        return {};
    }
    QPixmap image(kSide, kSide);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    Drawings()[static_cast<std::size_t>(id)].draw(painter);
    return image;
}

QPoint CursorHotSpot(int id) {
    return Drawn(id) ? Drawings()[static_cast<std::size_t>(id)].hotSpot : QPoint();
}

QCursor PictureCursor(int id) {
    static std::array<QCursor, kCursorCount> cache;
    static std::array<bool, kCursorCount> made{};
    if (!Drawn(id)) {
        return QCursor(Qt::ArrowCursor);
    }
    const auto index = static_cast<std::size_t>(id);
    if (!made[index]) {
        const QPoint hot = CursorHotSpot(id);
        cache[index] = QCursor(CursorImage(id), hot.x(), hot.y());
        made[index] = true;
    }
    return cache[index];
}

} // namespace lineora
