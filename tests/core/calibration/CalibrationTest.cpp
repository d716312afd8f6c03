#include "core/calibration/Calibration.h"
#include "core/common/Errors.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <tuple>
#include <utility>

namespace lineora {
namespace {

using test::Ref;
using test::TestSettings;
using test::WorkedCalibration;

constexpr Extended kPi = std::numbers::pi_v<Extended>;

void ExpectNear(const ChartPoint& value, Extended x, Extended y) {
    EXPECT_NEAR(static_cast<double>(value.X), static_cast<double>(x),
                1e-12 * std::fabs(static_cast<double>(x)) + 1e-12);
    EXPECT_NEAR(static_cast<double>(value.Y), static_cast<double>(y),
                1e-12 * std::fabs(static_cast<double>(y)) + 1e-12);
}

// Logarithmic scales take the typed values as exponents.
TEST(Calibration, WorkedExampleConvertsToTheTypedValues) {
    const std::tuple<ScaleKind, ScaleKind, PicturePoint, Extended, Extended> cases[] = {
        {ScaleKind::Linear, ScaleKind::None, {300, 250}, 5, 1.5L}, // reads as linear
        {ScaleKind::Linear, ScaleKind::Log10, {300, 250}, 5, std::pow(10.0L, 1.5L)},
        {ScaleKind::Linear, ScaleKind::Ln, {300, 250}, 5, std::exp(1.5L)},
        {ScaleKind::Linear, ScaleKind::Linear, {60, 500}, -1, -1},
        {ScaleKind::Log10, ScaleKind::Linear, {300, 400}, 1e5L, 0},
        {ScaleKind::Ln, ScaleKind::Linear, {500, 400}, std::exp(10.0L), 0},
    };
    for (const auto& [scaleX, scaleY, picture, expectX, expectY] : cases) {
        Settings settings = TestSettings();
        settings.ScaleX = scaleX;
        settings.ScaleY = scaleY;
        Calibration cal = WorkedCalibration(settings);
        ExpectNear(PictureToChart(cal, settings, picture.X, picture.Y, 1), expectX, expectY);
    }
}

// The worked example with its X axis turned by atan(3/4): frame (200, 150) lies at (570, 360).
TEST(Calibration, FrameRemovesTheRotationOfTheAxes) {
    Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    test::PlaceReferences(cal, {{{500, 600}, {820, 360}, {320, 360}}});
    ComputeAxisLengths(cal);
    ComputeAxisAngles(cal, settings);
    ExpectNear(PictureToChart(cal, settings, 570, 360, 1), 5, 1.5L);
    EXPECT_EQ(PicturePoint(cal.FrameX, cal.FrameY), PicturePoint(200, 150));

    // Snapping goes through the same frame.
    cal.CursorValueX = 4.6L;
    cal.CursorValueY = 1.5L;
    settings.StepX = 5;
    SnapToStepX(cal, settings);
    EXPECT_EQ(PicturePoint(cal.SnapPicX, cal.SnapPicY), PicturePoint(570, 360));
}

// The sign of a polar angle follows the side drawn above the X axis, whichever way the axis is
// drawn and whichever side the Y axis was put on; placing by value is the inverse.
TEST(Calibration, PolarAnglesArePositiveAboveTheXAxisInBothDirections) {
    struct Case {
        std::int32_t xMaxX; // the zero point is (300, 300)
        std::int32_t direction;
        PicturePoint picture;
        Extended angle, radius;
    };
    constexpr Extended kDiagonal = 141 * 50.0L / 200;
    const Case cases[] = {
        {500, 1, {400, 200}, 45, kDiagonal},   {500, -1, {400, 400}, -45, kDiagonal},
        {100, 1, {200, 200}, 45, kDiagonal},   {100, -1, {200, 400}, -45, kDiagonal},
        {100, -1, {400, 200}, 135, kDiagonal}, {500, 1, {20, 300}, 180, 70},
        {500, 1, {300, 380}, -90, 20},         {500, 1, {300, 300}, 180, 0}, // the zero point
    };
    for (const Case& c : cases) {
        Settings settings = TestSettings();
        settings.TypeOfCurve = 2;
        settings.XDirection = c.direction;
        Calibration cal;
        test::PlaceReferences(cal, {{{300, 300}, {c.xMaxX, 300}, {0, 0}}});
        cal.AxisPolarMax = 50;
        ComputeAxisAngles(cal, settings);
        const ChartPoint value = PictureToChart(cal, settings, c.picture.X, c.picture.Y, 1);
        SCOPED_TRACE(testing::Message() << c.xMaxX << " " << c.direction << " " << c.picture.X);
        ExpectNear(value, c.angle, c.radius);
        if (c.radius > 0) {
            EXPECT_EQ(ChartToPicture(cal, settings, value.X, value.Y), c.picture);
        }
    }
}

TEST(Calibration, VerticalXAxisAngles) {
    Calibration cal;
    test::PlaceReferences(cal, {{{50, 300}, {50, 100}, {0, 0}}}); // X-max straight up
    const Settings settings = TestSettings();
    ComputeAxisAngles(cal, settings);
    EXPECT_EQ(std::pair(cal.AxisAngleX, cal.AxisAngleY), std::pair(kPi / 2, kPi));
    cal.XMaxPointY = 500; // down
    ComputeAxisAngles(cal, settings);
    EXPECT_EQ(cal.AxisAngleX, -kPi / 2);
}

TEST(Calibration, ReferencePointsStepOffEachOther) {
    const Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    cal.YMaxPointX = 105; // so that the first shift lands on it
    cal.YMaxPointY = 400;
    SetXMaxPoint(cal, settings, true, 100, 400);
    EXPECT_EQ(PicturePoint(cal.XMaxPointX, cal.MousePicX), PicturePoint(110, 110));

    cal = WorkedCalibration(settings);
    SetYMaxPoint(cal, settings, true, 100, 400);
    EXPECT_EQ(PicturePoint(cal.MousePicX, cal.YMaxPointY), PicturePoint(105, 400));

    cal = WorkedCalibration(settings);
    SetZeroPoint(cal, settings, false, 500, 400);
    EXPECT_EQ(cal.ZeroPointX, 505);
}

TEST(Calibration, MovingTheXAxisKeepsTheYAxisPerpendicular) {
    const Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    // X-max straight above the zero point: the Y axis turns to point left, length kept 300.
    SetXMaxPoint(cal, settings, false, 100, 0);
    EXPECT_EQ(Ref(cal)[2], (PicturePoint{-200, 400}));
    EXPECT_NEAR(static_cast<double>(cal.AxisAngleY), static_cast<double>(kPi), 1e-15);

    // The Y-max point keeps the direction of the Y axis and takes the clicked distance.
    SetYMaxPoint(cal, settings, false, 100, 250); // 150 from the zero point
    EXPECT_EQ(Ref(cal)[2], (PicturePoint{-50, 400}));

    // Moving the zero point re-measures both axes from there.
    cal = WorkedCalibration(settings);
    SetZeroPoint(cal, settings, false, 50, 400); // 304.1 from the old Y-max point
    EXPECT_EQ(Ref(cal)[2], (PicturePoint{50, 96}));
}

TEST(Calibration, LevelledAxesMoveTogether) {
    const Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    SetZeroPoint(cal, settings, true, 110, 420);
    EXPECT_EQ(Ref(cal), (test::RefPoints{{{110, 420}, {510, 420}, {110, 120}}}));
    SetXMaxPoint(cal, settings, true, 600, 300);
    EXPECT_EQ(Ref(cal)[1], (PicturePoint{600, 420}));

    cal.XMaxPointY = 430;
    cal.AxisAngleX = 0.1L;
    int draws = 0;
    LevelAxes(cal, [&] { ++draws; });
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(cal.AxisAngleX, 0);
    EXPECT_EQ(Ref(cal), (test::RefPoints{{{110, 420}, {600, 420}, {110, 120}}}));
}

TEST(Calibration, YAxisOnTheLeftStillReadsTheTypedValues) {
    Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    SetXDirection(cal, settings, -1);
    EXPECT_EQ(Ref(cal)[2], (PicturePoint{100, 700}));
    ExpectNear(PictureToChart(cal, settings, 100, 700, 1), 0, 3);
    EXPECT_EQ(ChartToPicture(cal, settings, 5, 1.5L), PicturePoint(300, 550));
}

TEST(Calibration, ChartToPictureInvertsPictureToChart) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> position(100, 900);
    std::uniform_int_distribution<int> length(50, 900);
    std::uniform_real_distribution<double> angle(-3.14, 3.14);
    std::uniform_real_distribution<double> axisValue(-1000, 1000);
    for (int trial = 0; trial < 300; ++trial) {
        Calibration cal;
        Settings settings;
        settings.XDirection = trial % 2 == 0 ? 1 : -1;
        settings.TypeOfCurve = trial % 5 == 0 ? 2 : 1;
        cal.ZeroPointX = position(random);
        cal.ZeroPointY = position(random);
        const double a = angle(random);
        const int lenX = length(random);
        cal.XMaxPointX = cal.ZeroPointX + static_cast<int>(std::lround(std::cos(a) * lenX));
        cal.XMaxPointY = cal.ZeroPointY - static_cast<int>(std::lround(std::sin(a) * lenX));
        if (cal.XMaxPointX == cal.ZeroPointX && cal.XMaxPointY == cal.ZeroPointY) {
            continue;
        }
        ComputeAxisAngles(cal, settings);
        // Placed on the perpendicular by the setter.
        SetYMaxPoint(cal, settings, false, cal.ZeroPointX + 7, cal.ZeroPointY - length(random));
        cal.AxisXMin = axisValue(random);
        cal.AxisXMax = cal.AxisXMin + 1 + std::fabs(axisValue(random));
        cal.AxisYMin = axisValue(random);
        cal.AxisYMax = cal.AxisYMin - 1 - std::fabs(axisValue(random));
        cal.AxisPolarMax = 1 + std::fabs(axisValue(random));
        const PicturePoint picture{position(random), position(random)};
        const ChartPoint value = PictureToChart(cal, settings, picture.X, picture.Y, 1);
        const PicturePoint back = ChartToPicture(cal, settings, value.X, value.Y);
        ASSERT_LE(std::max(std::abs(back.X - picture.X), std::abs(back.Y - picture.Y)), 1)
            << "trial " << trial;
    }
}

TEST(Calibration, StepXGoesToTheNearestStepAndTiesGoUp) {
    const Settings settings = TestSettings();
    const std::pair<Extended, Extended> cases[] = {{25, 30}, {24.9L, 20}, {-25, -20}};
    for (const auto& [cursorX, snapped] : cases) {
        Calibration cal = WorkedCalibration(settings);
        cal.AxisXMax = 100; // 4 pixels a unit
        ComputeAxisLengths(cal);
        cal.CursorValueX = cursorX;
        cal.CursorValueY = 1.5L;
        SnapToStepX(cal, settings);
        EXPECT_EQ(std::pair(cal.SnapValueX, cal.SnapValueY), std::pair(snapped, 1.5L));
        EXPECT_EQ(PicturePoint(cal.SnapPicX, cal.SnapPicY),
                  PicturePoint(static_cast<std::int32_t>(100 + snapped * 4), 250));
    }
}

TEST(Calibration, RefusalsLeaveTheRecordAsItWas) {
    const Settings settings = TestSettings();
    Settings polar = settings, log = settings, noStep = settings;
    polar.TypeOfCurve = 2;
    log.ScaleY = ScaleKind::Log10;
    noStep.StepX = 0;
    Calibration cal = WorkedCalibration(settings);
    cal.XMaxPointX = cal.ZeroPointX;
    cal.XMaxPointY = cal.ZeroPointY;
    const Calibration before = cal;
    EXPECT_THROW(PictureToChart(cal, settings, 10, 10, 1), CalcError);
    EXPECT_EQ(std::tuple(cal.AxisLenX, cal.FrameX, cal.PointAngle),
              std::tuple(before.AxisLenX, before.FrameX, before.PointAngle));

    cal = WorkedCalibration(settings);
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, polar, 0, 1), CalcError);        // AxisPolarMax 0
    EXPECT_THROW(ChartToPicture(cal, settings, 1e300, 0), CalcError); // outside int32
    EXPECT_THROW(SnapToStepX(cal, noStep), CalcError);
    EXPECT_EQ(cal.SnapPicX, 0);
    cal.AxisYMax = 1e6; // 10^(1e6) leaves every floating-point range
    EXPECT_THROW(PictureToChart(cal, log, 100, 100, 1), CalcError);
    cal.AxisXMax = cal.AxisXMin;
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, settings, 1, 1), CalcError);
    EXPECT_THROW(SnapToStepX(cal, settings), CalcError);

    cal = WorkedCalibration(settings);
    cal.ZeroPointX = 2147483645; // stepping 5 pixels off it leaves int32
    EXPECT_THROW(SetYMaxPoint(cal, settings, true, 2147483645, 400), CalcError);
    EXPECT_EQ(PicturePoint(cal.MousePicX, cal.YMaxPointY), PicturePoint(0, 100));
}

} // namespace
} // namespace lineora
