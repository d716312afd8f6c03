#include "core/picture/Overlay.h"

#include "core/curves/PointStore.h"
#include "support/DrawnPictures.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace lineora {
namespace {

using test::ChangedPixels;
using test::ColorAt;
using test::PatternPicture;
using test::WhitePicture;

constexpr TColor kWhite = 0x00FFFFFF;
constexpr TColor kBlack = 0x00000000;
constexpr TColor kRed = 0x000000FF;
constexpr TColor kGreen = 0x0000FF00;
constexpr TColor kPureBlue = 0x00FF0000;

// Zero point (50, 150), X-max (150, 150), Y-max (50, 50) on a 200 x 200 picture.
Calibration SquareAxes() {
    Calibration cal;
    test::PlaceReferences(cal, {{{50, 150}, {150, 150}, {50, 50}}});
    return cal;
}

struct InvertingFigure {
    std::string Name;
    std::function<void(QImage&)> Draw;
    std::set<std::pair<int, int>> KeptRed; // pixels painted red outright, not inverted
};

// The square axes drawn with the not-xor pen or with the copy pen.
void DrawSquareAxes(QImage& picture, bool invert, const std::function<void(Settings&)>& adjust) {
    Settings settings = test::TestSettings();
    settings.AxesInvert = invert;
    adjust(settings);
    Calibration cal = SquareAxes();
    DrawAxes(picture, cal, settings);
}

std::function<void(QImage&)> Axes(std::function<void(Settings&)> adjust) {
    return [adjust](QImage& picture) { DrawSquareAxes(picture, true, adjust); };
}

const std::set<std::pair<int, int>> kReferencePixels = {{50, 150}, {150, 150}, {50, 50}};

class OverlayInverting : public ::testing::TestWithParam<InvertingFigure> {};

TEST_P(OverlayInverting, DrawingTwiceRestoresEveryPixel) {
    const InvertingFigure& figure = GetParam();
    const QImage original = PatternPicture(200, 200);
    QImage picture = original;
    figure.Draw(picture);
    EXPECT_GT(ChangedPixels(original, picture).size(), figure.KeptRed.size() + 8);
    figure.Draw(picture);
    for (const QPoint& p : ChangedPixels(original, picture)) {
        EXPECT_TRUE(figure.KeptRed.count({p.x(), p.y()}))
            << "pixel (" << p.x() << ", " << p.y() << ") not restored";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, OverlayInverting,
    ::testing::Values(
        InvertingFigure{"NewLookAxes", Axes([](Settings&) {}), kReferencePixels},
        InvertingFigure{"PlainAxes", Axes([](Settings& s) { s.NewAxesLook = false; }),
                        kReferencePixels},
        InvertingFigure{"PolarAxes", Axes([](Settings& s) {
                            s.TypeOfCurve = 2;
                            s.PolarCircleCount = 4;
                        }),
                        kReferencePixels},
        InvertingFigure{"SelectionCircle",
                        [](QImage& picture) { DrawSelectionCircle(picture, 60, 70, 4); },
                        {}},
        InvertingFigure{"ZoneCircle", [](QImage& picture) { DrawZoneCircle(picture, 199, 3); }, {}},
        InvertingFigure{
            "StepCrosshair", [](QImage& picture) { DrawStepCrosshair(picture, 100, 100); }, {}}),
    [](const auto& info) { return info.param.Name; });

TEST(OverlayFigureColours, InvertingPensShowTheirColourOnWhitePaper) {
    QImage picture = WhitePicture(60, 60);
    DrawSelectionCircle(picture, 15, 15, 5);
    EXPECT_EQ(ColorAt(picture, 10, 15), kPureBlue);
    EXPECT_EQ(ColorAt(picture, 20, 15), kPureBlue);
    EXPECT_EQ(ColorAt(picture, 15, 15), kWhite);

    DrawZoneCircle(picture, 40, 40);
    EXPECT_EQ(ColorAt(picture, 30, 40), kRed);
    EXPECT_EQ(ColorAt(picture, 40, 30), kRed);
    EXPECT_EQ(ColorAt(picture, 40, 40), kWhite);

    DrawStepCrosshair(picture, 40, 15);
    EXPECT_EQ(ColorAt(picture, 35, 15), kBlack);
    EXPECT_EQ(ColorAt(picture, 40, 11), kBlack);
}

struct LookCase {
    std::string Name;
    bool NewLook;
    bool MetkaX;
    bool Extensions; // (20, 150) on the X axis continued backwards, (50, 170) below zero
    bool EndCircle;  // (45, 50): left edge of the circle around Y-max
    bool Letter;     // (165, 165) and (170, 160): on the X beside X-max
};

class OverlayAxesLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(OverlayAxesLook, DrawsTheFiguresOfTheChosenLook) {
    const LookCase& param = GetParam();
    QImage picture = WhitePicture(200, 200);
    DrawSquareAxes(picture, false, [&](Settings& s) {
        s.AxesColor = kBlack;
        s.NewAxesLook = param.NewLook;
        s.MetkaX = param.MetkaX;
    });
    auto drawn = [&](int x, int y) { return ColorAt(picture, x, y) == kBlack; };
    EXPECT_EQ(drawn(20, 150), param.Extensions);
    EXPECT_EQ(drawn(50, 170), param.Extensions);
    EXPECT_EQ(drawn(180, 150), param.Extensions);
    EXPECT_EQ(drawn(45, 50), param.EndCircle);
    EXPECT_EQ(drawn(165, 165), param.Letter);
    EXPECT_EQ(drawn(170, 160), param.Letter);
    EXPECT_TRUE(drawn(100, 150));
}

INSTANTIATE_TEST_SUITE_P(Looks, OverlayAxesLook,
                         ::testing::Values(LookCase{"Plain", false, false, false, false, false},
                                           LookCase{"PlainWithX", false, true, false, false, true},
                                           LookCase{"New", true, false, true, true, false}),
                         [](const auto& info) { return info.param.Name; });

TEST(OverlayPolarAxes, CirclesAreEvenlySpacedOutToTheXMaxPoint) {
    QImage picture = WhitePicture(200, 200);
    Settings settings = test::TestSettings();
    settings.TypeOfCurve = 2;
    settings.PolarCircleCount = 3;
    settings.AxesInvert = false;
    settings.AxesColor = kBlack;
    settings.MetkaX = false;
    Calibration cal;
    test::PlaceReferences(cal, {{{100, 100}, {190, 100}, {100, 40}}});
    DrawAxes(picture, cal, settings);

    EXPECT_EQ(ColorAt(picture, 15, 100), kBlack); // the diameter along X, both halves
    EXPECT_EQ(ColorAt(picture, 170, 100), kBlack);
    EXPECT_EQ(ColorAt(picture, 100, 15), kBlack); // the perpendicular one
    EXPECT_EQ(ColorAt(picture, 100, 185), kBlack);
    EXPECT_EQ(ColorAt(picture, 190, 100), kRed);

    const std::array<double, 3> radii{30, 60, 90};
    std::array<int, 3> onCircle{};
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (x == 100 || y == 100 || ColorAt(picture, x, y) != kBlack) {
                continue;
            }
            // The circles' boxes end one pixel short on the right and bottom.
            const double r = std::hypot(x - 99.5, y - 99.5);
            int k = 0;
            while (k < 3 && std::abs(r - radii[k]) > 1.5) {
                ++k;
            }
            ASSERT_LT(k, 3) << "stray pixel (" << x << ", " << y << ") at radius " << r;
            ++onCircle[k];
        }
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_GT(onCircle[k], 5 * radii[k]) << "circle of radius " << radii[k];
    }
}

PointStore StoreWith(std::initializer_list<std::tuple<int, int, int>> points) {
    PointStore store;
    for (const auto& [c, x, y] : points) {
        AppendPoint(store, c, x, y);
    }
    return store;
}

TEST(OverlayNoAxes, OtherChartKindsDrawNoAxesButStillTheMarks) {
    for (const int type : {0, 3}) {
        QImage picture = WhitePicture(200, 200);
        Settings settings = test::TestSettings();
        settings.TypeOfCurve = type;
        settings.AxesInvert = false;
        Calibration cal = SquareAxes();
        DrawAxes(picture, cal, settings);
        EXPECT_EQ(picture, WhitePicture(200, 200)) << "TypeOfCurve " << type;
        RedrawMarks(picture, StoreWith({{1, 100, 100}}), settings);
        EXPECT_EQ(ColorAt(picture, 100, 100), kBlack);
        EXPECT_EQ(ColorAt(picture, 103, 100), settings.LineColors[1]);
    }
}

TEST(OverlayMark, CircleOfTheCurveColourAroundABlackCentre) {
    for (const auto& [r, filled] : {std::pair{3, true}, std::pair{6, false}}) {
        QImage picture = WhitePicture(40, 40);
        DrawMark(picture, 20, 20, r, kGreen, filled);
        EXPECT_EQ(ColorAt(picture, 20, 20), kBlack);
        for (const QPoint& edge :
             {QPoint(20 - r, 20), QPoint(20 + r, 20), QPoint(20, 20 - r), QPoint(20, 20 + r)}) {
            EXPECT_EQ(ColorAt(picture, edge.x(), edge.y()), kGreen) << edge.x() << ", " << edge.y();
        }
        for (const QPoint& outside :
             {QPoint(19 - r, 20), QPoint(21 + r, 20), QPoint(20, 19 - r), QPoint(20, 21 + r)}) {
            EXPECT_EQ(ColorAt(picture, outside.x(), outside.y()), kWhite);
        }
        EXPECT_EQ(ColorAt(picture, 21, 20), filled ? kGreen : kWhite);
    }
}

TEST(OverlayRedrawMarks, LaterCurvesCoverEarlierOnesAndSegmentsJoinPoints) {
    Settings settings = test::TestSettings();
    settings.LineColors = {0, kRed, kGreen, kPureBlue, kRed, kRed};
    PointStore store = StoreWith({{1, 20, 20}, {2, 20, 20}, {3, 10, 40}, {3, 50, 40}});
    store.MarkRadius = 4;

    QImage plain = WhitePicture(60, 60);
    RedrawMarks(plain, store, settings);
    EXPECT_EQ(ColorAt(plain, 24, 20), kGreen); // curve 2 over curve 1
    EXPECT_EQ(ColorAt(plain, 20, 20), kBlack);
    EXPECT_EQ(ColorAt(plain, 14, 40), kPureBlue);
    EXPECT_EQ(ColorAt(plain, 30, 40), kWhite);

    store.ConnectPoints = true;
    QImage joined = WhitePicture(60, 60);
    RedrawMarks(joined, store, settings);
    EXPECT_EQ(ColorAt(joined, 30, 40), kPureBlue);
    EXPECT_EQ(ColorAt(joined, 10, 40), kPureBlue); // the segment passes over the first centre
}

// Positions at the int32 limits: marks off the picture paint nothing (and overflow nothing),
// lines from and to them still cross the picture where they would.
TEST(OverlayFarPositions, MarksOffThePictureAreSkippedAndLinesClippedToIt) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    Settings settings = test::TestSettings();
    settings.LineColors = {0, kRed, kGreen, kPureBlue, kRed, kRed};
    PointStore store = StoreWith({{3, kMin, 30}, {3, kMax, 30}, {2, kMax, kMax}, {2, kMin, kMin}});
    store.ConnectPoints = true;
    QImage picture = WhitePicture(60, 60);
    RedrawMarks(picture, store, settings);
    DrawMark(picture, kMax, kMax, 5, kGreen, true);
    DrawSelectionCircle(picture, kMin, kMax, 5);
    for (int x = 0; x < 60; ++x) {
        EXPECT_EQ(ColorAt(picture, x, 30), kPureBlue) << x;
        if (x != 30) { // curve 3 crosses curve 2's diagonal there
            EXPECT_EQ(ColorAt(picture, x, x), kGreen) << x;
        }
    }
    EXPECT_EQ(ColorAt(picture, 10, 20), kWhite);

    Calibration cal;
    test::PlaceReferences(cal, {{{kMin, 10}, {kMax, 10}, {kMin, kMin}}});
    settings.AxesInvert = false;
    settings.AxesColor = kBlack;
    QImage axes = WhitePicture(60, 60);
    DrawAxes(axes, cal, settings);
    EXPECT_EQ(ColorAt(axes, 30, 10), kBlack);
}

} // namespace
} // namespace lineora
