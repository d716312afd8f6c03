#include "ui/app/Shapes.h"

#include <QPolygonF>
#include <QTransform>

namespace lineora {

namespace {

QPainterPath Rounded(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(x, y, w, h, r, r);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

// A path laid out along the x axis, turned to run from `origin` up and to the right at 45
// degrees (the way the eraser and the pipette are held).
QPainterPath Diagonal(const QPainterPath& along, QPointF origin) {
    QTransform turn;
    turn.translate(origin.x(), origin.y());
    turn.rotate(-45);
    return turn.map(along);
}

} // namespace

QPainterPath ArrowOutline(QPointF tip, double size) {
    const double k = size / 20.0;
    const auto at = [&](double x, double y) { return QPointF(tip.x() + x * k, tip.y() + y * k); };
    return Polygon({at(0, 0), at(0, 17), at(4, 13.2), at(7, 19.5), at(9.6, 18.4), at(6.8, 12.2),
                    at(12, 12.2)});
}

QPainterPath PointingHandOutline() {
    QPainterPath hand = Rounded(10, 1, 4.6, 17, 2.3);
    hand = hand.united(Rounded(14.4, 9, 4.4, 10, 2.2));
    hand = hand.united(Rounded(18.6, 10, 4.4, 9, 2.2));
    hand = hand.united(Rounded(22.8, 11.5, 4.2, 8, 2.1));
    hand = hand.united(Rounded(10, 14, 17, 14, 4));
    hand = hand.united(Polygon({{10.5, 23}, {4.5, 16.5}, {6.8, 14.2}, {11.5, 18}}));
    return hand.simplified();
}

QPainterPath OpenHandOutline() {
    QPainterPath hand = Rounded(9, 5, 3.9, 13, 1.95);
    hand = hand.united(Rounded(12.9, 2.5, 3.9, 15, 1.95));
    hand = hand.united(Rounded(16.8, 3.5, 3.9, 14, 1.95));
    hand = hand.united(Rounded(20.7, 6.5, 3.7, 11, 1.85));
    hand = hand.united(Rounded(9, 14, 15.4, 14, 4));
    hand = hand.united(Polygon({{9.5, 23}, {3.5, 15}, {5.8, 13}, {11, 18}}));
    return hand.simplified();
}

QPainterPath EraserBody() {
    QPainterPath body;
    body.addRect(0, -5.5, 23, 11);
    return Diagonal(body, {8, 24});
}

QPainterPath EraserFace() {
    QPainterPath face;
    face.addRect(0, -5.5, 8, 11);
    return Diagonal(face, {8, 24});
}

QPainterPath PipetteTube() {
    QPainterPath tube;
    tube.addPolygon(QPolygonF({QPointF(0, 0), QPointF(4, -1.6), QPointF(4, 1.6)}));
    tube.closeSubpath();
    tube.addRect(4, -2.4, 15, 4.8);
    tube.addRect(19, -4, 3, 8);
    return Diagonal(tube.simplified(), {2, 29});
}

QPainterPath PipetteBulb() {
    QPainterPath bulb;
    bulb.addRoundedRect(22, -3.6, 9, 7.2, 3.5, 3.5);
    return Diagonal(bulb, {2, 29});
}

QPainterPath FourWayArrow(QPointF centre, double arm) {
    const double shaft = arm * 0.17;
    const double head = arm * 0.42;
    const double neck = arm - head * 0.9;
    QPainterPath right = Polygon({{0, -shaft},
                                  {neck, -shaft},
                                  {neck, -head},
                                  {arm, 0},
                                  {neck, head},
                                  {neck, shaft},
                                  {0, shaft}});
    QPainterPath arrow;
    for (int quarter = 0; quarter < 4; ++quarter) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(90.0 * quarter);
        arrow = arrow.united(turn.map(right));
    }
    return arrow.simplified();
}

} // namespace lineora
