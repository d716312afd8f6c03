#include "core/picture/AssistedPicking.h"

#include "core/curves/PointStore.h"
#include "core/picture/Overlay.h"
#include "support/DrawnPictures.h"
#include "support/WorkedExample.h" // prints picture points

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace lineora {
namespace {

using test::DrawInk;
using test::FillRows;
using test::PatternPicture;
using test::WhitePicture;

constexpr PicturePoint kClick{50, 50};

struct InkCase {
    std::string Name;
    std::function<void(QImage&)> Draw;
    PicturePoint AutoCorrected; // first ink pixel of each ray
    PicturePoint ZoneCentre;    // every ink pixel of every ray
};

class AutoCorrectAndZoneRays : public ::testing::TestWithParam<InkCase> {};

TEST_P(AutoCorrectAndZoneRays, AverageTheInkFoundOnTheEightRays) {
    const InkCase& param = GetParam();
    QImage clean = WhitePicture(100, 100);
    param.Draw(clean);
    EXPECT_EQ(AutoCorrectPoint(clean, InkLimits{}, kClick), param.AutoCorrected);

    Zones zones;
    zones.ZoneX[1] = kClick.X;
    zones.ZoneY[1] = kClick.Y;
    zones.ZoneCount = 2;
    PointStore store;
    ZoneSearch(zones, clean, InkLimits{}, store);
    const bool found = !(param.ZoneCentre == kClick && param.AutoCorrected == kClick);
    ASSERT_EQ(PointCount(store, 1), found ? 1 : 0);
    if (found) {
        EXPECT_EQ((PicturePoint{store.PointPixels[1][1].PixX, store.PointPixels[1][1].PixY}),
                  param.ZoneCentre);
    }
}

std::function<void(QImage&)> Ink(std::vector<QPoint> line) {
    return [line](QImage& p) { DrawInk(p, line); };
}

std::function<void(QImage&)> Row(int y, QColor color = Qt::black) {
    return [y, color](QImage& p) { FillRows(p, y, y, color); };
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, AutoCorrectAndZoneRays,
    ::testing::Values(
        InkCase{"WhitePaper", [](QImage&) {}, kClick, kClick},
        // Rays 1, 2, 4, 5, 6 and 8 meet the line, at x offsets 0, -3, 3, 0, -3, 3.
        InkCase{"LineThreeBelow", Row(53), {50, 53}, {50, 53}},
        InkCase{"LineTwoRight", Ink({{52, 0}, {52, 99}}), {52, 50}, {52, 50}},
        // A line from the top ending at the click: upward rays stop at once, the two vertical
        // rays find 5 + 7 pixels. First hits average to -0.5, which rounds to the even 0.
        InkCase{"LineEndingAtTheClick", Ink({{50, 30}, {50, 50}}), {50, 50}, {50, 48}},
        // Each component must be strictly below its limit.
        InkCase{"GreyAtTheLimitIsPaper", Row(53, QColor(200, 100, 100)), kClick, kClick},
        InkCase{"GreyBelowTheLimitIsInk", Row(53, QColor(199, 199, 199)), {50, 53}, {50, 53}}),
    [](const auto& info) { return info.param.Name; });

TEST(AutoCorrectEdges, PixelsOffThePictureReadAsPaper) {
    QImage clean = WhitePicture(20, 20);
    DrawInk(clean, {{0, 2}, {19, 2}});
    // Rays 2 and 6 would meet the line at x = -2, off the picture: only (0, 2) twice and
    // (2, 2) twice count.
    EXPECT_EQ(AutoCorrectPoint(clean, InkLimits{}, {0, 0}), (PicturePoint{1, 2}));
    EXPECT_EQ(AutoCorrectPoint(clean, InkLimits{}, {-100, -100}), (PicturePoint{-100, -100}));
    EXPECT_EQ(AutoCorrectPoint(QImage(), InkLimits{}, {5, 5}), (PicturePoint{5, 5}));
}

TEST(ZoneCircles, ACircleNeedsElevenPixelsFromTheLastOne) {
    // Steps and whether each move after the first circle adds one.
    const std::tuple<int, int, std::vector<bool>> moves[] = {
        {5, 0, {false, false, true, false, false, true}},
        {11, 0, {true, true, true}},
        {-10, 0, {false, true, false, true}},
        {6, 5, {true, true}},
    };
    for (const auto& [stepX, stepY, expected] : moves) {
        SCOPED_TRACE(stepX);
        QImage working = WhitePicture(400, 200);
        Zones zones;
        ASSERT_TRUE(AddZoneCircle(zones, working, 20, 50));
        std::vector<bool> added;
        for (std::size_t i = 1; i <= expected.size(); ++i) {
            const auto n = static_cast<int>(i);
            added.push_back(AddZoneCircle(zones, working, 20 + n * stepX, 50 + n * stepY));
        }
        EXPECT_EQ(added, expected);
        const auto circles =
            static_cast<std::int32_t>(std::count(added.begin(), added.end(), true));
        EXPECT_EQ(zones.ZoneCount, 2 + circles);
        EXPECT_EQ(zones.ZoneFlag[1 + circles], 1);
        EXPECT_EQ(zones.ZoneFlag[2 + circles], 0);
    }
}

TEST(ZoneCircles, AreDrawnRecordedAndErasedWithoutForgettingThem) {
    const QImage original = PatternPicture(120, 60);
    QImage working = original;
    Zones zones;
    const std::vector<PicturePoint> centres{{20, 30}, {40, 30}, {60, 35}, {75, 30}};
    for (const PicturePoint& c : centres) {
        ASSERT_TRUE(AddZoneCircle(zones, working, c.X, c.Y));
    }
    QImage expected = original;
    for (const PicturePoint& c : centres) {
        DrawZoneCircle(expected, c.X, c.Y);
    }
    EXPECT_EQ(working, expected);

    EraseZoneCircles(zones, working);
    EXPECT_EQ(working, original);
    EXPECT_EQ(zones.ZoneCount, 5);

    ClearZones(zones);
    EXPECT_EQ(zones.ZoneCount, 1);
    EXPECT_EQ(std::count(zones.ZoneFlag.begin(), zones.ZoneFlag.end(), 0), 1002);
}

TEST(ZoneCircles, StopAtNineHundredNinetyNine) {
    QImage noPicture;
    Zones zones;
    int added = 0;
    for (int i = 0; i < 1200; ++i) {
        added += AddZoneCircle(zones, noPicture, 20 + 11 * i, 5) ? 1 : 0;
    }
    EXPECT_EQ(added, 999);
    EXPECT_EQ(zones.ZoneCount, 1000);
    EXPECT_EQ(zones.ZoneX[999], 20 + 11 * 998);
}

TEST(ZoneSearchAlongACurve, OnePointPerCircleOnTheCurveInPaintingOrder) {
    // A wavy black curve, one pixel thick, across a white picture.
    std::vector<QPoint> curve;
    for (int x = 10; x <= 410; x += 4) {
        curve.emplace_back(x, 100 + static_cast<int>(std::lround(40 * std::sin(x / 60.0))));
    }
    QImage clean = WhitePicture(420, 200);
    DrawInk(clean, curve);
    QImage working = clean;
    Zones zones;
    for (const QPoint& p : curve) {
        AddZoneCircle(zones, working, p.x(), p.y());
    }
    AddZoneCircle(zones, working, 200, 20); // a circle on white paper finds nothing
    const int circles = zones.ZoneCount - 1;
    ASSERT_GT(circles, 20);

    PointStore store;
    store.CurrentLine = 3;
    AppendPoint(store, 3, 1, 1);
    ZoneSearch(zones, clean, InkLimits{}, store);

    EXPECT_EQ(PointCount(store, 3), 1 + circles - 1);
    EXPECT_EQ(PointCount(store, 1), 0);
    for (int row = 2; row < store.LineNext[3]; ++row) {
        const PixelEntry& p = store.PointPixels[row][3];
        EXPECT_GT(p.PixX, store.PointPixels[row - 1][3].PixX) << "row " << row;
        bool nearInk = false;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                nearInk = nearInk || clean.pixel(p.PixX + dx, p.PixY + dy) == qRgb(0, 0, 0);
            }
        }
        EXPECT_TRUE(nearInk) << "row " << row << " at " << p.PixX << ", " << p.PixY;
    }
    EXPECT_EQ(zones.ZoneCount, 0);
}

TEST(ZoneSearchAlongACurve, AFullCurveTakesNoMorePoints) {
    QImage clean = WhitePicture(100, 100);
    FillRows(clean, 50, 50);
    PointStore store;
    for (int i = 0; i < kHandPickedCapacity - 1; ++i) {
        AppendPoint(store, 1, i, i);
    }
    Zones zones;
    QImage noPicture;
    for (const int x : {20, 40, 60}) {
        AddZoneCircle(zones, noPicture, x, 50);
    }
    ZoneSearch(zones, clean, InkLimits{}, store);
    EXPECT_EQ(PointCount(store, 1), kHandPickedCapacity);
    EXPECT_EQ(store.PointPixels[kHandPickedCapacity][1].PixX, 20);
}

} // namespace
} // namespace lineora
