#include "ui/app/Glyphs.h"

#include "ui/app/Shapes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <functional>
#include <utility>

namespace lineora {

namespace {

const QColor kInk(35, 35, 40);
const QColor kRed(215, 35, 35);
const QColor kBlue(35, 85, 205);
const QColor kGreen(30, 150, 60);
const QColor kYellow(245, 200, 40);
const QColor kBrown(140, 90, 35);
const QColor kGrey(150, 150, 158);
const QColor kSky(175, 212, 250);

QPen Pen(const QColor& color, double width = 1.0) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Figure(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge = kInk,
            double width = 1.0) {
    p.fillPath(path, fill);
    p.strokePath(path, Pen(edge, width));
}

QPainterPath Rect(double x, double y, double w, double h, double radius = 0) {
    QPainterPath path;
    if (radius > 0) {
        path.addRoundedRect(x, y, w, h, radius, radius);
    } else {
        path.addRect(x, y, w, h);
    }
    return path;
}

QPainterPath Poly(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Disc(QPointF centre, double radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

void Line(QPainter& p, QPointF from, QPointF to, const QColor& color, double width = 1.0) {
    p.setPen(Pen(color, width));
    p.drawLine(from, to);
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& color, double width = 1.0) {
    p.strokePath(path, Pen(color, width));
}

void Label(QPainter& p, const QRectF& box, const QString& text, const QColor& color,
           int pixelSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

// An arrowhead whose tip is at `tip`, pointing along `direction` (degrees, y down).
void Head(QPainter& p, QPointF tip, double direction, const QColor& color, double size = 3.5) {
    const double a = qDegreesToRadians(direction);
    const QPointF back(tip.x() - size * qCos(a), tip.y() - size * qSin(a));
    const QPointF side(size * 0.6 * -qSin(a), size * 0.6 * qCos(a));
    p.fillPath(Poly({tip, back + side, back - side}), color);
}

QPainterPath Curve(QPointF from, QPointF c1, QPointF c2, QPointF to) {
    QPainterPath path(from);
    path.cubicTo(c1, c2, to);
    return path;
}

// The point of a curve whose x is nearest to `x`.
QPointF PointAtX(const QPainterPath& path, double x) {
    QPointF best = path.pointAtPercent(0);
    for (int i = 1; i <= 200; ++i) {
        const QPointF candidate = path.pointAtPercent(i / 200.0);
        if (qAbs(candidate.x() - x) < qAbs(best.x() - x)) {
            best = candidate;
        }
    }
    return best;
}

void Dot(QPainter& p, QPointF centre, double radius, const QColor& fill) {
    Figure(p, Disc(centre, radius), fill, kInk, 0.8);
}

// The shapes shared with the cursors are laid out in 32 pixels.
void InCursorScale(QPainter& p, const std::function<void()>& draw) {
    p.save();
    p.scale(kGlyphSize / 32.0, kGlyphSize / 32.0);
    draw();
    p.restore();
}

void Target(QPainter& p, const QString& label) {
    Stroke(p, Disc({8.5, 8.5}, 5.5), kRed, 1.6);
    Line(p, {0.5, 8.5}, {16.5, 8.5}, kInk);
    Line(p, {8.5, 0.5}, {8.5, 16.5}, kInk);
    Label(p, {10, 9, 12, 13}, label, kBlue, 12);
}

void Magnifying(QPainter& p, QPointF centre, double radius, const QColor& glass) {
    const QPointF handleStart(centre.x() + radius * 0.72, centre.y() + radius * 0.72);
    Line(p, handleStart, {20.5, 20.5}, kInk, 3.2);
    Figure(p, Disc(centre, radius), glass, kInk, 1.7);
}

void Sparkle(QPainter& p, QPointF c, double r) {
    QPainterPath star(QPointF(c.x(), c.y() - r));
    star.quadTo(c, {c.x() + r, c.y()});
    star.quadTo(c, {c.x(), c.y() + r});
    star.quadTo(c, {c.x() - r, c.y()});
    star.quadTo(c, {c.x(), c.y() - r});
    Figure(p, star, kYellow, QColor(190, 130, 0), 0.7);
}

void DrawOpenPicture(QPainter& p) {
    const QColor edge(120, 80, 20);
    Figure(p, Poly({{1.5, 4.5}, {8, 4.5}, {10, 6.5}, {18.5, 6.5}, {18.5, 17.5}, {1.5, 17.5}}),
           QColor(215, 165, 45), edge);
    Figure(p, Poly({{1.5, 17.5}, {5, 9.5}, {21, 9.5}, {18.5, 17.5}}), QColor(250, 215, 100), edge);
}

void DrawFromClipboard(QPainter& p) {
    Figure(p, Rect(3.5, 3.5, 15, 17, 1.5), QColor(180, 120, 50), QColor(100, 60, 20));
    Figure(p, Rect(5.5, 6.5, 11, 12), Qt::white, kGrey);
    p.fillRect(QRectF(6.5, 7.5, 9, 10), kSky);
    p.fillPath(Poly({{6.5, 17.5}, {9.5, 11.5}, {12, 14.5}, {13.5, 13}, {15.5, 17.5}}), kGreen);
    p.fillPath(Disc({13.5, 9.8}, 1.3), kYellow);
    Figure(p, Rect(7.5, 1.5, 7, 4, 1), QColor(195, 195, 200));
}

void DrawSavePicture(QPainter& p) {
    const QColor body(40, 80, 170);
    Figure(p, Rect(2.5, 2.5, 17, 17, 1.5), body, QColor(20, 40, 100));
    Figure(p, Rect(6.5, 2.5, 9, 6), QColor(210, 212, 222), QColor(20, 40, 100));
    p.fillRect(QRectF(12, 3.5, 2, 4), body);
    Figure(p, Rect(5.5, 11.5, 11, 8), Qt::white, QColor(20, 40, 100));
    Line(p, {7, 14}, {15, 14}, kGrey);
    Line(p, {7, 16.5}, {15, 16.5}, kGrey);
}

void DrawCopyToClipboard(QPainter& p) {
    Figure(p, Rect(2.5, 2.5, 11, 14), Qt::white);
    for (double y : {5.5, 8.0, 10.5, 13.0}) {
        Line(p, {4.5, y}, {8.5, y}, kGrey);
    }
    Figure(p, Rect(8.5, 6.5, 11, 14), Qt::white);
    for (double y : {9.5, 12.0, 14.5, 17.0}) {
        Line(p, {10.5, y}, {13, y}, kBlue, 1.2);
        Line(p, {14.5, y}, {17.5, y}, kBlue, 1.2);
    }
}

void DrawThreeClicks(QPainter& p) {
    Line(p, {4.5, 3}, {4.5, 18.5}, kInk, 1.2);
    Line(p, {4.5, 18.5}, {20, 18.5}, kInk, 1.2);
    Dot(p, {4.5, 18.5}, 2.3, kRed);
    Dot(p, {18.5, 18.5}, 2.3, kRed);
    Dot(p, {4.5, 4.5}, 2.3, kRed);
    Label(p, {8, 1, 13, 14}, QStringLiteral("3"), kBlue, 13);
}

void DrawSetPoint(QPainter& p) {
    Line(p, {11, 1}, {11, 6.5}, kInk, 1.2);
    Line(p, {11, 15.5}, {11, 21}, kInk, 1.2);
    Line(p, {1, 11}, {6.5, 11}, kInk, 1.2);
    Line(p, {15.5, 11}, {21, 11}, kInk, 1.2);
    Dot(p, {11, 11}, 3.2, kRed);
}

void DrawEraser(QPainter& p) {
    InCursorScale(p, [&] {
        Figure(p, EraserBody(), QColor(60, 110, 205), kInk, 1.4);
        Figure(p, EraserFace(), QColor(245, 160, 170), kInk, 1.4);
    });
    Line(p, {1.5, 20.5}, {9, 20.5}, kGrey, 1.2);
}

void DrawClearLine(QPainter& p) {
    Figure(p, Rect(8.5, 2, 5, 2.5), QColor(120, 120, 125));
    Figure(p, Rect(3.5, 4.5, 15, 2.5), QColor(120, 120, 125));
    Figure(p, Poly({{5, 7.5}, {17, 7.5}, {15.8, 20.5}, {6.2, 20.5}}), QColor(175, 175, 182));
    for (double x : {8.5, 11.0, 13.5}) {
        Line(p, {x, 9.5}, {x, 18.5}, QColor(95, 95, 100));
    }
}

void DrawZoneBrush(QPainter& p) {
    for (QPointF c : {QPointF(4.5, 17.5), QPointF(8, 14.5), QPointF(12, 13)}) {
        Stroke(p, Disc(c, 3.5), kRed, 1.2);
    }
    Line(p, {15, 7}, {20.5, 1.5}, kBrown, 2.6);
    Line(p, {12.8, 9.2}, {15, 7}, kGrey, 3.4);
    p.save();
    p.translate(11.3, 10.7);
    p.rotate(-45);
    Figure(p, Disc({0, 0}, 1), QColor(160, 30, 30), QColor(90, 20, 20), 0.5);
    p.fillPath(Poly({{-1.5, -2}, {1.5, -2}, {1.2, 3.5}, {0, 4.5}, {-1.2, 3.5}}),
               QColor(170, 30, 30));
    p.restore();
}

void DrawFindInZone(QPainter& p) {
    Stroke(p, Curve({1, 16}, {6, 3}, {11, 21}, {21, 7}), kBlue, 1.8);
    Magnifying(p, {8.5, 9}, 5.5, QColor(255, 255, 255, 150));
    Dot(p, {8.5, 9}, 1.6, kRed);
}

void DrawPipette(QPainter& p) {
    InCursorScale(p, [&] {
        Figure(p, PipetteTube(), QColor(225, 235, 245), kInk, 1.4);
        Figure(p, PipetteBulb(), QColor(60, 60, 65), kInk, 1.4);
    });
    p.fillPath(Disc({2.3, 19.6}, 1.8), kRed);
}

void DrawFindByColor(QPainter& p) {
    Stroke(p, Curve({1, 6}, {8, 2}, {14, 9}, {21, 4}), kBlue, 1.3);
    Stroke(p, Curve({1, 20}, {8, 15}, {14, 21}, {21, 17}), kGreen, 1.3);
    Stroke(p, Curve({1, 15}, {7, 6}, {14, 19}, {21, 10}), kRed, 2.2);
    Line(p, {11, 1}, {11, 9}, kInk, 1.2);
    Head(p, {11, 12}, 90, kInk, 3.5);
}

void DrawRotate(QPainter& p) {
    p.save();
    p.translate(11, 11);
    p.rotate(-18);
    Figure(p, Rect(-3.5, -3.5, 7, 7), kSky);
    p.restore();
    QPainterPath arc;
    const QRectF circle(3.5, 3.5, 15, 15);
    arc.arcMoveTo(circle, 60);
    arc.arcTo(circle, 60, 270);
    Stroke(p, arc, kGreen, 2.0);
    const double end = qDegreesToRadians(330.0);
    const QPointF tip(11 + 7.5 * qCos(end), 11 - 7.5 * qSin(end));
    // Counter-clockwise on screen: the tangent at angle a points to (-sin a, -cos a).
    Head(p, tip + QPointF(-qSin(end), -qCos(end)) * 2.5,
         qRadiansToDegrees(qAtan2(-qCos(end), -qSin(end))), kGreen, 5);
}

void DrawCleanPicture(QPainter& p) {
    Line(p, {20.5, 1.5}, {11.5, 10.5}, kBrown, 2.2);
    Figure(p, Poly({{10, 8.5}, {14, 12.5}, {9, 20}, {1.5, 12.5}}), QColor(230, 190, 70),
           QColor(140, 100, 30));
    Line(p, {10.5, 12}, {5, 16.5}, QColor(160, 120, 40));
    Line(p, {12, 13.5}, {7.5, 18.5}, QColor(160, 120, 40));
    Sparkle(p, {17, 16}, 4);
    Sparkle(p, {4.5, 4.5}, 3);
}

void DrawConnectPoints(QPainter& p) {
    const QPointF points[] = {{3, 17}, {8, 8}, {14, 13}, {19, 4}};
    QPainterPath line(points[0]);
    for (const QPointF& point : points) {
        line.lineTo(point);
    }
    Stroke(p, line, kBlue, 1.5);
    for (const QPointF& point : points) {
        Dot(p, point, 2.3, kRed);
    }
}

void DrawAutoCorrect(QPainter& p) {
    Stroke(p, Curve({1, 16}, {7, 3}, {14, 3}, {21, 15}), kInk, 2.2);
    Line(p, {11, 17}, {11, 11}, kGreen, 1.6);
    Head(p, {11, 7.8}, -90, kGreen, 4);
    Dot(p, {11, 18.8}, 2.3, kRed);
}

void DrawAxis90(QPainter& p) {
    Line(p, {4.5, 2}, {4.5, 18.5}, kInk, 1.6);
    Line(p, {4.5, 18.5}, {21, 18.5}, kInk, 1.6);
    Stroke(p, Rect(4.5, 13.5, 5, 5), kRed, 1.2);
    Label(p, {7, 2, 15, 10}, QStringLiteral("90"), kBlue, 9);
}

void DrawStepX(QPainter& p) {
    QPen dashed(kGrey, 1.0, Qt::DashLine);
    p.setPen(dashed);
    for (double x : {4.5, 10.5, 16.5}) {
        p.drawLine(QPointF(x, 1), QPointF(x, 21));
    }
    const QPainterPath curve = Curve({1, 16}, {7, 2}, {13, 21}, {21, 6});
    Stroke(p, curve, kBlue, 1.6);
    for (double x : {4.5, 10.5, 16.5}) {
        Dot(p, PointAtX(curve, x), 2.0, kRed);
    }
}

void DrawSetup(QPainter& p) {
    QPolygonF gear;
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double a = tooth * 45.0;
        for (auto [offset, radius] : {std::pair{-15.0, 6.8}, std::pair{-9.0, 9.6},
                                      std::pair{9.0, 9.6}, std::pair{15.0, 6.8}}) {
            const double r = qDegreesToRadians(a + offset);
            gear << QPointF(11 + radius * qCos(r), 11 + radius * qSin(r));
        }
    }
    QPainterPath wheel;
    wheel.addPolygon(gear);
    wheel.closeSubpath();
    Figure(p, wheel, QColor(135, 138, 150));
    Figure(p, Disc({11, 11}, 3), Qt::white);
}

void DrawAxisValues(QPainter& p) {
    Line(p, {3.5, 2}, {3.5, 19.5}, kBlue, 1.3);
    Line(p, {2, 18.5}, {21, 18.5}, kBlue, 1.3);
    const QRectF fields[] = {{5.5, 2.5, 9, 5}, {12, 12, 9.5, 5}, {5.5, 12, 5, 5}};
    for (const QRectF& field : fields) {
        Figure(p, Rect(field.x(), field.y(), field.width(), field.height()), Qt::white, kInk, 0.9);
        Line(p, {field.x() + 1.8, field.center().y()}, {field.right() - 1.8, field.center().y()},
             kInk, 1.1);
    }
}

void DrawTable(QPainter& p) {
    Figure(p, Rect(1.5, 3.5, 19, 15), Qt::white);
    p.fillRect(QRectF(2, 4, 18, 3.5), QColor(90, 130, 210));
    for (double y : {11.0, 14.75}) {
        Line(p, {1.5, y}, {20.5, y}, kGrey);
    }
    for (double x : {7.5, 14.0}) {
        Line(p, {x, 3.5}, {x, 18.5}, kGrey);
    }
    Stroke(p, Rect(1.5, 3.5, 19, 15), kInk);
}

void DrawTextOutput(QPainter& p) {
    Figure(p, Poly({{4.5, 1.5}, {14, 1.5}, {18.5, 6}, {18.5, 20.5}, {4.5, 20.5}}), Qt::white);
    Figure(p, Poly({{14, 1.5}, {14, 6}, {18.5, 6}}), QColor(210, 210, 215));
    const double lengths[] = {9, 6, 9, 7};
    double y = 9;
    for (double length : lengths) {
        Line(p, {7, y}, {7 + length, y}, kInk, 1.1);
        y += 3;
    }
}

void DrawMagnifierWindow(QPainter& p) {
    Figure(p, Rect(1.5, 1.5, 19, 19), Qt::white);
    p.fillRect(QRectF(2, 2, 18, 3.5), kBlue);
    // A few enlarged picture pixels under the crosshair.
    const QColor grey(120, 120, 128);
    p.fillRect(QRectF(6, 9, 4, 4), grey);
    p.fillRect(QRectF(10, 13, 4, 4), grey);
    p.fillRect(QRectF(14, 9, 4, 4), QColor(200, 200, 205));
    Line(p, {11, 6.5}, {11, 20}, kBlue, 1.0);
    Line(p, {2, 13}, {20, 13}, kBlue, 1.0);
}

void DrawPin(QPainter& p) {
    Line(p, {10, 12}, {3, 19.5}, kGrey, 1.5);
    Figure(p, Poly({{8, 9}, {13, 14}, {10.5, 15}, {7, 11.5}}), QColor(170, 30, 30));
    Figure(p, Disc({14, 8}, 4.5), kRed);
}

void DrawSpecialPoints(QPainter& p) {
    QPen dashed(kGrey, 1.0, Qt::DashLine);
    p.setPen(dashed);
    p.drawLine(QPointF(12.5, 1), QPointF(12.5, 21));
    const QColor colours[] = {kRed, kGreen, kBlue};
    double y = 5;
    for (const QColor& colour : colours) {
        const QPainterPath trace = Curve({1, y + 1}, {6, y - 3}, {12, y + 4}, {21, y - 1});
        Stroke(p, trace, colour, 1.6);
        Dot(p, PointAtX(trace, 12.5), 1.8, Qt::black);
        y += 6;
    }
}

void DrawStraightener(QPainter& p) {
    QPainterPath bent(QPointF(3, 2));
    bent.quadTo({10, 11}, {3, 20});
    Stroke(p, bent, kInk, 1.8);
    Line(p, {8.5, 11}, {13, 11}, kGreen, 1.8);
    Head(p, {16, 11}, 0, kGreen, 4);
    Line(p, {19, 2}, {19, 20}, kInk, 1.8);
}

void DrawBrightLine(QPainter& p) {
    Figure(p, Rect(1.5, 2.5, 19, 17, 1.5), QColor(30, 30, 52));
    const QPainterPath line = Curve({2.5, 15}, {7, 3}, {13, 19}, {19.5, 7});
    Stroke(p, line, QColor(245, 215, 60, 110), 4.0);
    Stroke(p, line, QColor(255, 245, 160), 1.6);
}

void DrawPolarTable(QPainter& p) {
    const QPointF centre(11, 3.5);
    for (double r : {6.0, 12.0}) {
        QPainterPath arc;
        const QRectF circle(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        arc.arcMoveTo(circle, 180);
        arc.arcTo(circle, 180, 180);
        Stroke(p, arc, QColor(115, 115, 125), 1.0);
    }
    for (double a : {45.0, 90.0, 135.0}) {
        const double r = qDegreesToRadians(a);
        Line(p, centre, centre + QPointF(12 * qCos(r), 12 * qSin(r)), kGrey, 0.8);
    }
    Line(p, {0.5, 3.5}, {21.5, 3.5}, kInk, 1.0);
    QPainterPath lobe(centre);
    lobe.cubicTo({3, 13}, {6, 20.5}, {11, 20.5});
    lobe.cubicTo({16, 20.5}, {19, 13}, centre);
    Stroke(p, lobe, kRed, 1.7);
}

void DrawDoubleAxis(QPainter& p) {
    Line(p, {1, 18.5}, {21, 18.5}, kInk, 1.3);
    Line(p, {11, 2}, {11, 18.5}, kInk, 1.3);
    for (double x : {3.5, 7.0, 15.0, 18.5}) {
        Line(p, {x, 17}, {x, 20}, kInk, 1.0);
    }
    QPainterPath bell(QPointF(1.5, 17.5));
    bell.cubicTo({7, 17}, {7, 3}, {11, 3});
    bell.cubicTo({15, 3}, {15, 17}, {20.5, 17.5});
    Stroke(p, bell, kRed, 1.7);
}

void DrawPalette(QPainter& p) {
    QPainterPath board;
    board.addEllipse(QRectF(1.5, 3.5, 19, 15));
    board = board.subtracted(Disc({7, 14.5}, 2.2));
    Figure(p, board, QColor(235, 200, 150), kBrown);
    Dot(p, {6, 8.5}, 2.1, kRed);
    Dot(p, {11, 7}, 2.1, kYellow);
    Dot(p, {16, 8.5}, 2.1, kGreen);
    Dot(p, {15.5, 13.5}, 2.1, kBlue);
}

void DrawZoomTool(QPainter& p) {
    Magnifying(p, {9, 9}, 6.5, Qt::white);
    Line(p, {5.5, 9}, {12.5, 9}, kInk, 1.8);
    Line(p, {9, 5.5}, {9, 12.5}, kInk, 1.8);
}

void DrawCursorChoice(QPainter& p) {
    Figure(p, ArrowOutline({2, 1.5}, 15), Qt::white, kInk, 1.1);
    Stroke(p, Disc({16, 16}, 2.8), kRed, 1.1);
    Line(p, {16, 10.5}, {16, 21.5}, kRed, 1.1);
    Line(p, {10.5, 16}, {21.5, 16}, kRed, 1.1);
}

void DrawProgram(QPainter& p) {
    Figure(p, Rect(0.5, 0.5, 21, 21, 2), Qt::white, kBlue);
    Line(p, {4, 3}, {4, 18}, kInk, 1.2);
    Line(p, {4, 18}, {19, 18}, kInk, 1.2);
    const QPainterPath curve = Curve({4, 16}, {9, 4}, {13, 14}, {19, 5});
    Stroke(p, curve, kRed, 1.5);
    for (double x : {7.0, 12.0, 17.0}) {
        Dot(p, PointAtX(curve, x), 1.6, kYellow);
    }
}

void DrawNoTool(QPainter& p) {
    Figure(p, ArrowOutline({0.6, 4}, 11), Qt::white, kInk, 1.0);
}

std::function<void(QPainter&)> PainterOf(Glyph glyph) {
    switch (glyph) {
    case Glyph::OpenPicture:
        return DrawOpenPicture;
    case Glyph::FromClipboard:
        return DrawFromClipboard;
    case Glyph::SavePicture:
        return DrawSavePicture;
    case Glyph::CopyToClipboard:
        return DrawCopyToClipboard;
    case Glyph::ZeroPoint:
        return [](QPainter& p) { Target(p, QStringLiteral("0")); };
    case Glyph::XMaxPoint:
        return [](QPainter& p) { Target(p, QStringLiteral("X")); };
    case Glyph::YMaxPoint:
        return [](QPainter& p) { Target(p, QStringLiteral("Y")); };
    case Glyph::ThreeClicks:
        return DrawThreeClicks;
    case Glyph::SetPoint:
        return DrawSetPoint;
    case Glyph::Eraser:
        return DrawEraser;
    case Glyph::ClearLine:
        return DrawClearLine;
    case Glyph::ZoneBrush:
        return DrawZoneBrush;
    case Glyph::FindInZone:
        return DrawFindInZone;
    case Glyph::Pipette:
        return DrawPipette;
    case Glyph::FindByColor:
        return DrawFindByColor;
    case Glyph::Rotate:
        return DrawRotate;
    case Glyph::CleanPicture:
        return DrawCleanPicture;
    case Glyph::NoTool:
        return DrawNoTool;
    case Glyph::ConnectPoints:
        return DrawConnectPoints;
    case Glyph::AutoCorrect:
        return DrawAutoCorrect;
    case Glyph::Axis90:
        return DrawAxis90;
    case Glyph::StepX:
        return DrawStepX;
    case Glyph::Setup:
        return DrawSetup;
    case Glyph::AxisValues:
        return DrawAxisValues;
    case Glyph::Table:
        return DrawTable;
    case Glyph::TextOutput:
        return DrawTextOutput;
    case Glyph::Magnifier:
        return DrawMagnifierWindow;
    case Glyph::Pin:
        return DrawPin;
    case Glyph::SpecialPoints:
        return DrawSpecialPoints;
    case Glyph::Straightener:
        return DrawStraightener;
    case Glyph::BrightLine:
        return DrawBrightLine;
    case Glyph::PolarTable:
        return DrawPolarTable;
    case Glyph::DoubleAxis:
        return DrawDoubleAxis;
    case Glyph::Palette:
        return DrawPalette;
    case Glyph::ZoomTool:
        return DrawZoomTool;
    case Glyph::CursorChoice:
        return DrawCursorChoice;
    case Glyph::Program:
        return DrawProgram;
    }
    return nullptr;
}

} // namespace

QPixmap DrawGlyph(Glyph glyph, int side) {
    const bool narrow = glyph == Glyph::NoTool;
    QPixmap pixmap(narrow ? QSize(7, 20) : QSize(side, side));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (!narrow) {
        painter.scale(side / double(kGlyphSize), side / double(kGlyphSize));
    }
    if (const auto draw = PainterOf(glyph)) {
        draw(painter);
    }
    return pixmap;
}

QIcon GlyphIcon(Glyph glyph) {
    return QIcon(DrawGlyph(glyph));
}

} // namespace lineora
