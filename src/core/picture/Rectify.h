#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

#include <array>
#include <functional>

namespace lineora {

// Four corners of a quadrilateral: top-left, top-right, bottom-right, bottom-left as the
// picture shows them.
using Quad = std::array<QPointF, 4>;

// The corners clicked in any order, put in order around their centre. Throws CalcError, saying
// why, when they are not the corners of a strictly convex quadrilateral: two coincide, three
// lie on a line, one lies inside the triangle of the others, or one is not a finite number.
Quad OrderCorners(const Quad& clicked);

// How a picture is squared: the quadrilateral becomes the axis-aligned rectangle `Frame`
// (its corners are the pixels (left, top) .. (left + width, top + height), so the result
// must be one pixel larger than the frame's lengths) in a result of `Size`.
struct RectifyPlan {
    Quad Corners;
    // The frame is as wide as the mean of the top and bottom sides and as high as the mean of
    // the left and right sides.
    QRect Frame;
    // The picture's size, grown where the frame would not fit, so that what lies around the
    // frame (axis labels) stays in view; the frame is centred where the quadrilateral's centre
    // was, moved inside.
    QSize Size;
    // From a result pixel to the source position it shows, projective.
    QTransform ResultToSource;
};

// The plan for the corners clicked on a width x height picture. Throws CalcError as
// OrderCorners does, and when the frame would be empty or too large for a picture.
RectifyPlan PlanRectify(const Quad& clicked, int width, int height);

// Fills `target` (plan.Size, 32 bits per pixel, allocated by the caller) with `source`
// squared: each pixel takes the source pixel nearest to the position it maps to (each
// coordinate rounded half to even), white where that lies off the source. Rows are shared
// between two threads; `progress` gets the rows done so far, a few times in all, from the
// calling thread while no row is being written.
void RectifyPicture(const QImage& source, const RectifyPlan& plan, QImage& target,
                    const std::function<void(int row)>& progress = {});

} // namespace lineora
