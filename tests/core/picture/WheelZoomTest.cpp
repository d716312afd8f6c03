#include "core/picture/WheelZoom.h"

#include "core/picture/Pictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace lineora::test {
namespace {

constexpr QSize kViewport{800, 500};

Extended ScaleAt(int index) {
    return ViewScaleOf(QString::fromLatin1(kScaleCaptions[static_cast<std::size_t>(index)]));
}

// Ctrl+wheel from 1:1 to `scale` on a 6000 x 4000 picture with the mouse at `mouse`.
QPoint ZoomedScroll(QPoint scroll, QPoint mouse, Extended scale) {
    return ScrollKeepingPoint(PictureUnderMouse(scroll, mouse, 1), mouse, scale,
                              ScrollLimits(ScaledPictureSize(6000, 4000, scale), kViewport));
}

// A point well inside the picture stays under the mouse at each of the seven scales, to within
// half a screen pixel (the rounding of a scroll position).
TEST(WheelZoom, PointUnderTheMouseStaysAtEveryScale) {
    const QPoint scroll(2300, 1700);
    for (const QPoint mouse : {QPoint(0, 0), QPoint(401, 250), QPoint(799, 499)}) {
        for (int index = 1; index <= 7; ++index) {
            const Extended scale = ScaleAt(index);
            const QPoint after = ZoomedScroll(scroll, mouse, scale);
            const QPointF moved =
                PictureUnderMouse(after, mouse, scale) - PictureUnderMouse(scroll, mouse, 1);
            const double slack = 0.5 / static_cast<double>(scale);
            EXPECT_LE(std::abs(moved.x()), slack) << index << ' ' << mouse.x();
            EXPECT_LE(std::abs(moved.y()), slack) << index << ' ' << mouse.y();
        }
    }
}

// Near an edge the picture moves only as far as the box can scroll.
TEST(WheelZoom, ScrollIsHeldToTheBox) {
    struct Case {
        QPoint scroll, mouse;
        int index;
        QPoint expected;
    };
    for (const Case& c : std::vector<Case>{
             {{0, 0}, {300, 200}, 7, {0, 0}},               // reduced: would go negative
             {{5200, 3500}, {790, 490}, 6, {2200, 1500}},   // reduced: beyond the end
             {{5200, 3500}, {799, 499}, 1, {29196, 19496}}, // enlarged: no hold needed
             {{5000, 3000}, {400, 250}, 7, {1200, 833}}}) { // 1:3, just wider than the box
        EXPECT_EQ(ZoomedScroll(c.scroll, c.mouse, ScaleAt(c.index)), c.expected) << c.index;
    }
    // A picture smaller than the box does not scroll at all.
    EXPECT_EQ(ScrollKeepingPoint({50, 40}, {10, 10}, 1, ScrollLimits({100, 80}, kViewport)),
              QPoint(0, 0));
}

TEST(WheelZoom, NotchesGatherFinePartsAndATurnBackStartsAfresh) {
    struct Case {
        const char* name;
        std::vector<int> deltas, notches;
    };
    for (const Case& c :
         std::vector<Case>{{"Notched", {120, 120, -120}, {1, 1, -1}},
                           {"HighResolution", {40, 40, 40, 40}, {0, 0, 1, 0}},
                           {"Fast", {360}, {3}},
                           {"RestKept", {100, 30, 110}, {0, 1, 1}},
                           {"TurnBack", {100, -60, -60}, {0, 0, -1}},
                           {"Touchpad", {-7, -7, -7, -7, -100}, {0, 0, 0, 0, -1}}}) {
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
