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

using test::TestSettings;
using test::WorkedCalibration;

constexpr Extended kPi = std::numbers::pi_v<Extended>;

// The worked example with its X axis turned by atan(3/4): unit vectors (0.8, 0.6) and
// (-0.6, 0.8), y upward; frame (200, 150) lies at (570, 360) on the picture.
Calibration RotatedAxes(const Settings& settings) {
    Calibration cal = WorkedCalibration(settings);
    test::PlaceReferences(cal, {{{500, 600}, {820, 360}, {320, 360}}});
    ComputeAxisLengths(cal);
    ComputeAxisAngles(cal, settings);
    return cal;
}

// Logarithmic scales take the typed values as exponents.
TEST(Calibration, WorkedExampleConvertsToTheTypedValues) {
    const std::tuple<ScaleKind, ScaleKind, PicturePoint, Extended, Extended> cases[] = {
        {ScaleKind::Linear, ScaleKind::Linear, {300, 250}, 5, 1.5L},
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
        const ChartPoint value = PictureToChart(cal, settings, picture.X, picture.Y, 1);
        EXPECT_NEAR(static_cast<double>(value.X), static_cast<double>(expectX),
                    1e-12 * std::fabs(static_cast<double>(expectX)) + 1e-12);
        EXPECT_NEAR(static_cast<double>(value.Y), static_cast<double>(expectY),
                    1e-12 * std::fabs(static_cast<double>(expectY)) + 1e-15);
    }
}

TEST(Calibration, FrameRemovesTheRotationOfTheAxes) {
    const Settings settings = TestSettings();
    Calibration cal = RotatedAxes(settings);
    const ChartPoint value = PictureToChart(cal, settings, 570, 360, 1);
    EXPECT_NEAR(static_cast<double>(value.X), 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(value.Y), 1.5, 1e-12);
    EXPECT_EQ(cal.FrameX, 200);
    EXPECT_EQ(cal.FrameY, 150);

    // Snapping goes through the same frame.
    cal.CursorValueX = 4.6L;
    cal.CursorValueY = 1.5L;
    Settings step = settings;
    step.StepX = 5;
    SnapToStepX(cal, step);
    EXPECT_EQ(PicturePoint(cal.SnapPicX, cal.SnapPicY), PicturePoint(570, 360));
}

TEST(Calibration, PolarGivesAngleAndRadiusInEveryDirection) {
    Settings settings = TestSettings();
    settings.TypeOfCurve = 2;
    const std::tuple<PicturePoint, Extended, Extended> cases[] = {
        {{300, 400}, 0, 25},   // on the X axis
        {{20, 400}, 180, 10},  // straight left
        {{100, 480}, -90, 10}, // straight below
        {{100, 320}, 90, 10},  // straight above
        {{100, 400}, 180, 0},  // the zero point
    };
    for (const auto& [picture, angle, radius] : cases) {
        Calibration cal = WorkedCalibration(settings);
        cal.AxisPolarMax = 50;
        const ChartPoint value = PictureToChart(cal, settings, picture.X, picture.Y, 1);
        EXPECT_NEAR(static_cast<double>(value.X), static_cast<double>(angle), 1e-12);
        EXPECT_NEAR(static_cast<double>(value.Y), static_cast<double>(radius), 1e-12);
    }
}

// The sign of a polar angle follows the side drawn above the X axis, whichever way the axis is
// drawn and whichever side the Y axis was put on; placing by value is the inverse.
TEST(Calibration, PolarAnglesArePositiveAboveTheXAxisInBothDirections) {
    struct Case {
        std::int32_t xMaxX; // the zero point is (300, 300)
        std::int32_t direction;
        PicturePoint picture;
        Extended angle;
    };
    const Case cases[] = {
        {500, 1, {400, 200}, 45},   {500, 1, {400, 400}, -45},  {500, -1, {400, 200}, 45},
        {500, -1, {400, 400}, -45}, {100, 1, {200, 200}, 45},   {100, 1, {200, 400}, -45},
        {100, -1, {200, 200}, 45},  {100, -1, {200, 400}, -45}, {100, -1, {400, 200}, 135},
    };
    for (const Case& c : cases) {
        Settings settings = TestSettings();
        settings.TypeOfCurve = 2;
        settings.XDirection = c.direction;
        Calibration cal;
        cal.ZeroPointX = 300;
        cal.ZeroPointY = 300;
        cal.XMaxPointX = c.xMaxX;
        cal.XMaxPointY = 300;
        cal.AxisPolarMax = 50;
        ComputeAxisAngles(cal, settings);
        const ChartPoint value = PictureToChart(cal, settings, c.picture.X, c.picture.Y, 1);
        EXPECT_NEAR(static_cast<double>(value.X), static_cast<double>(c.angle), 1e-12)
            << c.xMaxX << " " << c.direction << " " << c.picture.Y;
        EXPECT_NEAR(static_cast<double>(value.Y), 141 * 50.0 / 200, 1e-12);
        EXPECT_EQ(ChartToPicture(cal, settings, value.X, value.Y), c.picture)
            << c.xMaxX << " " << c.direction << " " << c.picture.Y;
    }
}

TEST(Calibration, VerticalXAxisAngles) {
    Calibration cal;
    test::PlaceReferences(cal, {{{50, 300}, {50, 100}, {0, 0}}}); // X-max straight up
    const Settings settings = TestSettings();
    ComputeAxisAngles(cal, settings);
    EXPECT_EQ(cal.AxisAngleX, kPi / 2);
    EXPECT_EQ(cal.AxisAngleY, kPi);
    cal.XMaxPointY = 500; // down
    ComputeAxisAngles(cal, settings);
    EXPECT_EQ(cal.AxisAngleX, -kPi / 2);
}

TEST(Calibration, ReferencePointsStepOffEachOther) {
    const Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    cal.YMaxPointX = 105; // so that the first shift lands on it
    cal.YMaxPointY = 400;
    cal.MousePicX = 100;
    SetXMaxPoint(cal, settings, true, 100, 400);
    EXPECT_EQ(cal.XMaxPointX, 110);
    EXPECT_EQ(cal.MousePicX, 110);

    cal = WorkedCalibration(settings);
    SetYMaxPoint(cal, settings, true, 100, 400);
    EXPECT_EQ(cal.MousePicX, 105);
    EXPECT_EQ(cal.YMaxPointY, 400);

    cal = WorkedCalibration(settings);
    SetZeroPoint(cal, settings, false, 500, 400);
    EXPECT_EQ(cal.ZeroPointX, 505);
}

TEST(Calibration, MovingTheXAxisKeepsTheYAxisPerpendicular) {
    const Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    // X-max straight above the zero point: the Y axis turns to point left, length kept 300.
    SetXMaxPoint(cal, settings, false, 100, 0);
    EXPECT_EQ(test::Ref(cal)[2], (PicturePoint{-200, 400}));
    EXPECT_NEAR(static_cast<double>(cal.AxisAngleY), static_cast<double>(kPi), 1e-15);

    // The Y-max point keeps the direction of the Y axis and takes the clicked distance.
    SetYMaxPoint(cal, settings, false, 100, 250); // 150 from the zero point
    EXPECT_EQ(test::Ref(cal)[2], (PicturePoint{-50, 400}));

    // Moving the zero point re-measures both axes from there.
    cal = WorkedCalibration(settings);
    SetZeroPoint(cal, settings, false, 50, 400); // 304.1 from the old Y-max point
    EXPECT_EQ(test::Ref(cal)[2], (PicturePoint{50, 96}));
}

TEST(Calibration, LevelledAxesMoveTogether) {
    const Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    SetZeroPoint(cal, settings, true, 110, 420);
    EXPECT_EQ(test::Ref(cal)[1], (PicturePoint{510, 420}));
    EXPECT_EQ(test::Ref(cal)[2], (PicturePoint{110, 120}));
    SetXMaxPoint(cal, settings, true, 600, 300);
    EXPECT_EQ(test::Ref(cal)[1], (PicturePoint{600, 420}));

    cal.XMaxPointY = 430;
    cal.AxisAngleX = 0.1L;
    int draws = 0;
    LevelAxes(cal, [&] { ++draws; });
    EXPECT_EQ(draws, 2);
    EXPECT_EQ(cal.AxisAngleX, 0);
    EXPECT_EQ(cal.XMaxPointY, cal.ZeroPointY);
    EXPECT_EQ(cal.YMaxPointX, cal.ZeroPointX);
}

TEST(Calibration, YAxisOnTheLeftStillReadsTheTypedValues) {
    Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    SetXDirection(cal, settings, -1);
    EXPECT_EQ(settings.XDirection, -1);
    EXPECT_EQ(test::Ref(cal)[2], (PicturePoint{100, 700}));
    EXPECT_NEAR(static_cast<double>(PictureToChart(cal, settings, 100, 700, 1).Y), 3, 1e-12);
    EXPECT_NEAR(static_cast<double>(PictureToChart(cal, settings, 100, 400, 1).Y), 0, 1e-12);
    EXPECT_EQ(ChartToPicture(cal, settings, 5, 1.5L), PicturePoint(300, 550));
}

TEST(Calibration, ChartToPictureInvertsPictureToChart) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> position(100, 900);
    std::uniform_int_distribution<int> length(50, 900);
    std::uniform_real_distribution<double> angle(-3.14, 3.14);
    std::uniform_real_distribution<double> axisValue(-1000, 1000);
    for (int trial = 0; trial < 2000; ++trial) {
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
        cal.YMaxPointX = cal.ZeroPointX + 7; // placed on the perpendicular by the setter
        cal.YMaxPointY = cal.ZeroPointY - length(random);
        SetYMaxPoint(cal, settings, false, cal.YMaxPointX, cal.YMaxPointY);
        ComputeAxisAngles(cal, settings);
        SetYMaxPoint(cal, settings, false, cal.YMaxPointX, cal.YMaxPointY);
        cal.AxisXMin = axisValue(random);
        cal.AxisXMax = cal.AxisXMin + 1 + std::fabs(axisValue(random));
        cal.AxisYMin = axisValue(random);
        cal.AxisYMax = cal.AxisYMin - 1 - std::fabs(axisValue(random));
        cal.AxisPolarMax = 1 + std::fabs(axisValue(random));
        const PicturePoint picture{position(random), position(random)};
        const ChartPoint value = PictureToChart(cal, settings, picture.X, picture.Y, 1);
        const PicturePoint back = ChartToPicture(cal, settings, value.X, value.Y);
        ASSERT_LE(std::abs(back.X - picture.X), 1) << "trial " << trial;
        ASSERT_LE(std::abs(back.Y - picture.Y), 1) << "trial " << trial;
    }
}

TEST(Calibration, StepXGoesToTheNearestStepAndTiesGoUp) {
    const Settings settings = TestSettings();
    const std::pair<Extended, Extended> cases[] = {{25, 30}, {24.9L, 20}, {35, 40}, {-25, -20}};
    for (const auto& [cursorX, snapped] : cases) {
        Calibration cal = WorkedCalibration(settings);
        cal.AxisXMax = 100; // 4 pixels a unit
        ComputeAxisLengths(cal);
        cal.CursorValueX = cursorX;
        cal.CursorValueY = 1.5L;
        SnapToStepX(cal, settings);
        EXPECT_EQ(cal.SnapValueX, snapped);
        EXPECT_EQ(cal.SnapValueY, 1.5L);
        EXPECT_EQ(cal.SnapPicX, static_cast<std::int32_t>(100 + snapped * 4));
        EXPECT_EQ(cal.SnapPicY, 250);
    }
}

TEST(Calibration, RefusalsLeaveTheRecordAsItWas) {
    const Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    cal.XMaxPointX = cal.ZeroPointX;
    cal.XMaxPointY = cal.ZeroPointY;
    const Calibration before = cal;
    EXPECT_THROW(PictureToChart(cal, settings, 10, 10, 1), CalcError);
    EXPECT_EQ(cal.AxisLenX, before.AxisLenX);
    EXPECT_EQ(cal.FrameX, before.FrameX);
    EXPECT_EQ(cal.PointAngle, before.PointAngle);

    cal = WorkedCalibration(settings);
    cal.AxisXMax = cal.AxisXMin;
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, settings, 1, 1), CalcError);
    EXPECT_THROW(SnapToStepX(cal, settings), CalcError);

    cal = WorkedCalibration(settings);
    Settings polar = settings;
    polar.TypeOfCurve = 2;
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, polar, 0, 1), CalcError); // AxisPolarMax 0

    Settings log = settings;
    log.ScaleY = ScaleKind::Log10;
    cal = WorkedCalibration(settings);
    cal.AxisYMax = 1e6; // 10^(1e6) leaves every floating-point range
    EXPECT_THROW(PictureToChart(cal, log, 100, 100, 1), CalcError);

    cal = WorkedCalibration(settings);
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, settings, 1e300, 0), CalcError); // outside int32

    Settings zeroStep = settings;
    zeroStep.StepX = 0;
    cal = WorkedCalibration(settings);
    EXPECT_THROW(SnapToStepX(cal, zeroStep), CalcError);
    EXPECT_EQ(cal.SnapPicX, 0);

    cal = WorkedCalibration(settings);
    cal.ZeroPointX = 2147483645; // stepping 5 pixels off it leaves int32
    const Calibration far = cal;
    EXPECT_THROW(SetYMaxPoint(cal, settings, true, 2147483645, 400), CalcError);
    EXPECT_EQ(cal.MousePicX, far.MousePicX);
    EXPECT_EQ(cal.YMaxPointY, far.YMaxPointY);
}

TEST(Calibration, DoubleAxisModeTakesItsOwnRanges) {
    Settings settings = TestSettings();
    Calibration cal = WorkedCalibration(settings);
    settings.ScaleY = ScaleKind::Log10; // ignored in that mode
    const DoubleAxisRanges ranges{100, 200, -1, 2};
    const ChartPoint first = PictureToChart(cal, settings, 300, 250, 1, &ranges);
    EXPECT_NEAR(static_cast<double>(first.X), 150, 1e-12);
    EXPECT_NEAR(static_cast<double>(first.Y), 0.5, 1e-12);
    EXPECT_EQ(cal.AxisXMin, 100); // left in the record for the curves after it
    cal.AxisXMin = 0;
    cal.AxisXMax = 10;
    const ChartPoint third = PictureToChart(cal, settings, 300, 250, 3, &ranges);
    EXPECT_NEAR(static_cast<double>(third.X), 5, 1e-12);
}

} // namespace
} // namespace lineora
