#include "calibration/Calibration.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace lineora {
namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

// Zero (100,400), X-max (500,400), Y-max (100,100); X 0..10, Y 0..3.
Calibration WorkedExample() {
    Calibration cal;
    cal.ZeroPointX = 100;
    cal.ZeroPointY = 400;
    cal.XMaxPointX = 500;
    cal.XMaxPointY = 400;
    cal.YMaxPointX = 100;
    cal.YMaxPointY = 100;
    cal.AxisXMax = 10;
    cal.AxisYMax = 3;
    return cal;
}

Settings RightHanded() {
    Settings settings;
    settings.XDirection = 1;
    return settings;
}

struct ScaleCase {
    const char* name;
    ScaleKind scaleY;
    PicturePoint picture;
    Extended expectX;
    Extended expectY;
};

class WorkedExampleScales : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(WorkedExampleScales, ConvertsToTheTypedValues) {
    const ScaleCase& c = GetParam();
    Calibration cal = WorkedExample();
    Settings settings = RightHanded();
    settings.ScaleY = c.scaleY;
    const ChartPoint value = PictureToChart(cal, settings, c.picture.X, c.picture.Y, 1);
    EXPECT_NEAR(static_cast<double>(value.X), static_cast<double>(c.expectX), 1e-12) << c.name;
    EXPECT_NEAR(static_cast<double>(value.Y), static_cast<double>(c.expectY),
                1e-12 * std::fabs(static_cast<double>(c.expectY)) + 1e-15)
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Values, WorkedExampleScales,
    ::testing::Values(
        ScaleCase{"linear middle", ScaleKind::Linear, {300, 250}, 5, 1.5L},
        ScaleCase{"no scale kind reads as linear", ScaleKind::None, {300, 250}, 5, 1.5L},
        ScaleCase{"log10 middle", ScaleKind::Log10, {300, 250}, 5, std::pow(10.0L, 1.5L)},
        ScaleCase{"log10 zero point", ScaleKind::Log10, {100, 400}, 0, 1},
        ScaleCase{"log10 Y-max point", ScaleKind::Log10, {100, 100}, 0, 1000},
        ScaleCase{"ln middle", ScaleKind::Ln, {300, 250}, 5, std::exp(1.5L)},
        ScaleCase{"below and left of zero", ScaleKind::Linear, {60, 500}, -1, -1}));

TEST(Calibration, LogarithmicXUsesTheExponentsTyped) {
    Calibration cal = WorkedExample();
    Settings settings = RightHanded();
    settings.ScaleX = ScaleKind::Log10;
    EXPECT_NEAR(static_cast<double>(PictureToChart(cal, settings, 300, 400, 1).X), 1e5, 1e-7);
    settings.ScaleX = ScaleKind::Ln;
    EXPECT_NEAR(static_cast<double>(PictureToChart(cal, settings, 500, 400, 1).X), std::exp(10.0),
                1e-9);
}

TEST(Calibration, FrameRemovesTheRotationOfTheAxes) {
    // The X axis turned by atan(3/4): unit vectors (0.8, 0.6) and (-0.6, 0.8), y upward.
    Calibration cal;
    cal.ZeroPointX = 500;
    cal.ZeroPointY = 600;
    cal.XMaxPointX = 820;
    cal.XMaxPointY = 360;
    cal.YMaxPointX = 320;
    cal.YMaxPointY = 360;
    cal.AxisXMax = 10;
    cal.AxisYMax = 3;
    const Settings settings = RightHanded();
    ComputeAxisAngles(cal, settings);
    // Frame (200, 150) lies at (570, 360) on the picture.
    const ChartPoint value = PictureToChart(cal, settings, 570, 360, 1);
    EXPECT_NEAR(static_cast<double>(value.X), 5, 1e-12);
    EXPECT_NEAR(static_cast<double>(value.Y), 1.5, 1e-12);
    EXPECT_EQ(cal.FrameX, 200);
    EXPECT_EQ(cal.FrameY, 150);
}

struct PolarCase {
    PicturePoint picture;
    Extended angle;
    Extended radius;
};

class PolarDirections : public ::testing::TestWithParam<PolarCase> {};

TEST_P(PolarDirections, GiveAngleAndRadius) {
    Calibration cal = WorkedExample();
    cal.AxisPolarMax = 50;
    Settings settings = RightHanded();
    settings.TypeOfCurve = 2;
    ComputeAxisAngles(cal, settings);
    const ChartPoint value =
        PictureToChart(cal, settings, GetParam().picture.X, GetParam().picture.Y, 1);
    EXPECT_NEAR(static_cast<double>(value.X), static_cast<double>(GetParam().angle), 1e-12);
    EXPECT_NEAR(static_cast<double>(value.Y), static_cast<double>(GetParam().radius), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Values, PolarDirections,
                         ::testing::Values(PolarCase{{300, 400}, 0, 25},    // on the X axis
                                           PolarCase{{500, 400}, 0, 50},    // X-max distance
                                           PolarCase{{20, 400}, 180, 10},   // straight left
                                           PolarCase{{100, 480}, -90, 10},  // straight below
                                           PolarCase{{100, 320}, 90, 10},   // straight above
                                           PolarCase{{100, 400}, 180, 0})); // the zero point

TEST(Calibration, VerticalXAxisAngles) {
    Calibration cal;
    cal.ZeroPointX = 50;
    cal.ZeroPointY = 300;
    cal.XMaxPointX = 50;
    cal.XMaxPointY = 100; // up
    const Settings settings = RightHanded();
    ComputeAxisAngles(cal, settings);
    EXPECT_EQ(cal.AxisAngleX, kPi / 2);
    EXPECT_EQ(cal.AxisAngleY, kPi);
    cal.XMaxPointY = 500; // down
    ComputeAxisAngles(cal, settings);
    EXPECT_EQ(cal.AxisAngleX, -kPi / 2);
}

TEST(Calibration, ReferencePointsStepOffEachOther) {
    const Settings settings = RightHanded();
    Calibration cal = WorkedExample();
    cal.YMaxPointX = 105; // so that the first shift lands on it
    cal.YMaxPointY = 400;
    cal.MousePicX = 100;
    SetXMaxPoint(cal, settings, true, 100, 400);
    EXPECT_EQ(cal.XMaxPointX, 110);
    EXPECT_EQ(cal.MousePicX, 110);

    cal = WorkedExample();
    SetYMaxPoint(cal, settings, true, 100, 400);
    EXPECT_EQ(cal.MousePicX, 105);
    EXPECT_EQ(cal.YMaxPointY, 400);

    cal = WorkedExample();
    SetZeroPoint(cal, settings, false, 500, 400);
    EXPECT_EQ(cal.ZeroPointX, 505);
}

TEST(Calibration, MovingTheXAxisKeepsTheYAxisPerpendicular) {
    Calibration cal = WorkedExample();
    const Settings settings = RightHanded();
    ComputeAxisAngles(cal, settings);
    // X-max straight above the zero point: the Y axis turns to point left, length kept 300.
    SetXMaxPoint(cal, settings, false, 100, 0);
    EXPECT_EQ(cal.YMaxPointX, -200);
    EXPECT_EQ(cal.YMaxPointY, 400);
    EXPECT_NEAR(static_cast<double>(cal.AxisAngleY), static_cast<double>(kPi), 1e-15);

    // The Y-max point keeps the direction of the Y axis and takes the clicked distance.
    SetYMaxPoint(cal, settings, false, 100, 250); // 150 from the zero point
    EXPECT_EQ(cal.YMaxPointX, -50);
    EXPECT_EQ(cal.YMaxPointY, 400);

    // Moving the zero point re-measures both axes from there.
    cal = WorkedExample();
    ComputeAxisAngles(cal, settings);
    SetZeroPoint(cal, settings, false, 50, 400); // 304.1 from the old Y-max point
    EXPECT_EQ(cal.YMaxPointX, 50);
    EXPECT_EQ(cal.YMaxPointY, 96);
}

TEST(Calibration, LevelledAxesMoveTogether) {
    Calibration cal = WorkedExample();
    const Settings settings = RightHanded();
    SetZeroPoint(cal, settings, true, 110, 420);
    EXPECT_EQ(PicturePoint(cal.XMaxPointX, cal.XMaxPointY), PicturePoint(510, 420));
    EXPECT_EQ(PicturePoint(cal.YMaxPointX, cal.YMaxPointY), PicturePoint(110, 120));
    SetXMaxPoint(cal, settings, true, 600, 300);
    EXPECT_EQ(PicturePoint(cal.XMaxPointX, cal.XMaxPointY), PicturePoint(600, 420));

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
    Calibration cal = WorkedExample();
    Settings settings = RightHanded();
    ComputeAxisAngles(cal, settings);
    SetXDirection(cal, settings, -1);
    EXPECT_EQ(settings.XDirection, -1);
    EXPECT_EQ(PicturePoint(cal.YMaxPointX, cal.YMaxPointY), PicturePoint(100, 700));
    const ChartPoint yMax = PictureToChart(cal, settings, 100, 700, 1);
    EXPECT_NEAR(static_cast<double>(yMax.Y), 3, 1e-12);
    const ChartPoint zero = PictureToChart(cal, settings, 100, 400, 1);
    EXPECT_NEAR(static_cast<double>(zero.Y), 0, 1e-12);
    const PicturePoint back = ChartToPicture(cal, settings, 5, 1.5L);
    EXPECT_EQ(back, PicturePoint(300, 550));
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

TEST(Calibration, ReferencePointsConvertBackToThemselves) {
    Calibration cal = WorkedExample();
    const Settings settings = RightHanded();
    ComputeAxisLengths(cal);
    ComputeAxisAngles(cal, settings);
    EXPECT_EQ(ChartToPicture(cal, settings, 0, 0), PicturePoint(100, 400));
    EXPECT_EQ(ChartToPicture(cal, settings, 10, 0), PicturePoint(500, 400));
    EXPECT_EQ(ChartToPicture(cal, settings, 0, 3), PicturePoint(100, 100));
}

struct SnapCase {
    Extended cursorX;
    Extended snapped;
};

class StepXSnapping : public ::testing::TestWithParam<SnapCase> {};

TEST_P(StepXSnapping, GoesToTheNearestStepAndTiesGoUp) {
    Calibration cal = WorkedExample();
    cal.AxisXMax = 100; // 4 pixels a unit
    const Settings settings = RightHanded();
    ComputeAxisLengths(cal);
    ComputeAxisAngles(cal, settings);
    cal.CursorValueX = GetParam().cursorX;
    cal.CursorValueY = 1.5L;
    SnapToStepX(cal, settings);
    EXPECT_EQ(cal.SnapValueX, GetParam().snapped);
    EXPECT_EQ(cal.SnapValueY, 1.5L);
    EXPECT_EQ(cal.SnapPicX, static_cast<std::int32_t>(100 + GetParam().snapped * 4));
    EXPECT_EQ(cal.SnapPicY, 250);
}

INSTANTIATE_TEST_SUITE_P(Values, StepXSnapping,
                         ::testing::Values(SnapCase{27, 30}, SnapCase{25, 30}, SnapCase{24.9L, 20},
                                           SnapCase{25.1L, 30}, SnapCase{35, 40},
                                           SnapCase{-25, -20}, SnapCase{0, 0}));

TEST(Calibration, SnappingOnARotatedAxisGoesThroughTheFrame) {
    Calibration cal;
    cal.ZeroPointX = 500;
    cal.ZeroPointY = 600;
    cal.XMaxPointX = 820;
    cal.XMaxPointY = 360;
    cal.YMaxPointX = 320;
    cal.YMaxPointY = 360;
    cal.AxisXMax = 10;
    cal.AxisYMax = 3;
    const Settings settings = RightHanded();
    ComputeAxisLengths(cal);
    ComputeAxisAngles(cal, settings);
    cal.CursorValueX = 4.6L;
    cal.CursorValueY = 1.5L;
    Settings step = settings;
    step.StepX = 5;
    SnapToStepX(cal, step);
    EXPECT_EQ(PicturePoint(cal.SnapPicX, cal.SnapPicY), PicturePoint(570, 360));
}

TEST(Calibration, RefusalsLeaveTheRecordAsItWas) {
    const Settings settings = RightHanded();
    Calibration cal = WorkedExample();
    cal.XMaxPointX = cal.ZeroPointX;
    cal.XMaxPointY = cal.ZeroPointY;
    const Calibration before = cal;
    EXPECT_THROW(PictureToChart(cal, settings, 10, 10, 1), CalcError);
    EXPECT_EQ(cal.AxisLenX, before.AxisLenX);
    EXPECT_EQ(cal.FrameX, before.FrameX);
    EXPECT_EQ(cal.PointAngle, before.PointAngle);

    cal = WorkedExample();
    cal.AxisXMax = cal.AxisXMin;
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, settings, 1, 1), CalcError);
    EXPECT_THROW(SnapToStepX(cal, settings), CalcError);

    cal = WorkedExample();
    Settings polar = settings;
    polar.TypeOfCurve = 2;
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, polar, 0, 1), CalcError); // AxisPolarMax 0

    Settings log = settings;
    log.ScaleY = ScaleKind::Log10;
    cal = WorkedExample();
    cal.AxisYMax = 1e6; // 10^(1e6) leaves every floating-point range
    EXPECT_THROW(PictureToChart(cal, log, 100, 100, 1), CalcError);

    cal = WorkedExample();
    ComputeAxisLengths(cal);
    EXPECT_THROW(ChartToPicture(cal, settings, 1e300, 0), CalcError); // outside int32

    Settings zeroStep = settings;
    zeroStep.StepX = 0;
    cal = WorkedExample();
    EXPECT_THROW(SnapToStepX(cal, zeroStep), CalcError);
    EXPECT_EQ(cal.SnapPicX, 0);

    cal = WorkedExample();
    cal.ZeroPointX = 2147483645; // stepping 5 pixels off it leaves int32
    const Calibration far = cal;
    EXPECT_THROW(SetYMaxPoint(cal, settings, true, 2147483645, 400), CalcError);
    EXPECT_EQ(cal.MousePicX, far.MousePicX);
    EXPECT_EQ(cal.YMaxPointY, far.YMaxPointY);
}

TEST(Calibration, DoubleAxisModeTakesItsOwnRanges) {
    Calibration cal = WorkedExample();
    Settings settings = RightHanded();
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
