#include "core/picture/WheelZoom.h"

#include "core/picture/Pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace lineora::test {
namespace {

constexpr QSize kPicture{6000, 4000};
constexpr QSize kViewport{800, 500};

QSize LimitsAt(Extended scale) {
    return ScrollLimits(ScaledPictureSize(kPicture.width(), kPicture.height(), scale), kViewport);
}

Extended ScaleOfIndex(int index) {
    return ViewScaleOf(QString::fromLatin1(kScaleCaptions[static_cast<std::size_t>(index)]));
}

// From 1:1 to each of the seven scales, a point well inside the picture stays under the mouse
// to within half a screen pixel (the rounding of a scroll position).
TEST(WheelZoom, PointUnderTheMouseStaysAtEveryScale) {
    const QPoint scroll(2300, 1700);
    for (const QPoint mouse : {QPoint(0, 0), QPoint(401, 250), QPoint(799, 499)}) {
        const QPointF point = PictureUnderMouse(scroll, mouse, 1);
        for (int index = 1; index <= 7; ++index) {
            const Extended scale = ScaleOfIndex(index);
            const QPoint after = ScrollKeepingPoint(point, mouse, scale, LimitsAt(scale));
            const QPointF underMouse = PictureUnderMouse(after, mouse, scale);
            const double slack = 0.5 / static_cast<double>(scale);
            EXPECT_LE(std::abs(underMouse.x() - point.x()), slack) << index << ' ' << mouse.x();
            EXPECT_LE(std::abs(underMouse.y() - point.y()), slack) << index << ' ' << mouse.y();
        }
    }
}

struct EdgeCase {
    const char* name;
    QPoint scroll, mouse;
    int index;
    QPoint expected;
};

// Near an edge the picture moves only as far as the box can scroll.
TEST(WheelZoom, ScrollIsHeldToTheBox) {
    const std::vector<EdgeCase> cases{
        // Reducing at the top left would need negative positions.
        {"TopLeftReduced", {0, 0}, {300, 200}, 7, {0, 0}},
        // Reducing at the far corner asks beyond the end.
        {"BottomRightReduced", {5200, 3500}, {790, 490}, 6, {2200, 1500}},
        // Enlarging never needs the hold while the point lies on the picture.
        {"BottomRightEnlarged", {5200, 3500}, {799, 499}, 1, {29196, 19496}},
        // At 1:3 the picture (2000 x 1333) is wider than the box but only just: the limit is
        // small.
        {"SmallLimit", {5000, 3000}, {400, 250}, 7, {1200, 833}},
    };
    for (const EdgeCase& edge : cases) {
        const Extended scale = ScaleOfIndex(edge.index);
        const QPoint after = ScrollKeepingPoint(PictureUnderMouse(edge.scroll, edge.mouse, 1),
                                                edge.mouse, scale, LimitsAt(scale));
        EXPECT_EQ(after, edge.expected) << edge.name;
        EXPECT_GE(after.x(), 0) << edge.name;
        EXPECT_LE(after.x(), LimitsAt(scale).width()) << edge.name;
        EXPECT_LE(after.y(), LimitsAt(scale).height()) << edge.name;
    }
    // A picture smaller than the box does not scroll at all.
    EXPECT_EQ(ScrollKeepingPoint({50, 40}, {10, 10}, 1, ScrollLimits({100, 80}, kViewport)),
              QPoint(0, 0));
}

TEST(WheelZoom, NotchesGatherFinePartsAndATurnBackStartsAfresh) {
    struct Case {
        const char* name;
        std::vector<int> deltas;
        std::vector<int> notches;
    };
    const std::vector<Case> cases{
        {"Notched", {120, 120, -120}, {1, 1, -1}},
        {"HighResolution", {40, 40, 40, 40}, {0, 0, 1, 0}},
        {"Fast", {360}, {3}},
        {"RestKept", {100, 30, 110}, {0, 1, 1}},
        {"TurnBack", {100, -60, -60}, {0, 0, -1}},
        {"Touchpad", {-7, -7, -7, -7, -100}, {0, 0, 0, 0, -1}},
    };
    for (const Case& c : cases) {
        WheelNotches wheel;
        std::vector<int> got;
        for (const int delta : c.deltas) {
            got.push_back(wheel.Add(delta));
        }
        EXPECT_EQ(got, c.notches) << c.name;
    }
}

} // namespace
} // namespace lineora::test
