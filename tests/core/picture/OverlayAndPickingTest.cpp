// The figures drawn over the picture, and the picking aids that find ink around a click or
// inside the zone circles.
#include "core/picture/AssistedPicking.h"
#include "core/picture/Overlay.h"

#include "core/curves/PointStore.h"
#include "support/DrawnPictures.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace lineora {
namespace {

using test::ColorAt;
using test::DrawInk;
using test::FillRows;
using test::PatternPicture;
using test::WhitePicture;

constexpr TColor kWhite = 0x00FFFFFF;
constexpr TColor kBlack = 0x00000000;
constexpr TColor kRed = 0x000000FF;
constexpr TColor kGreen = 0x0000FF00;
constexpr TColor kPureBlue = 0x00FF0000;

// By default zero point (50, 150), X-max (150, 150), Y-max (50, 50) on a 200 x 200 picture;
// the not-xor pen unless `invert` is false.
void DrawSquareAxes(QImage& picture, bool invert, const std::function<void(Settings&)>& adjust,
                    const test::RefPoints& refs = {{{50, 150}, {150, 150}, {50, 50}}}) {
    Settings settings = test::TestSettings();
    settings.AxesInvert = invert;
    adjust(settings);
    Calibration cal;
    test::PlaceReferences(cal, refs);
    DrawAxes(picture, cal, settings);
}

std::function<void(QImage&)> Axes(std::function<void(Settings&)> adjust) {
    return [adjust](QImage& picture) { DrawSquareAxes(picture, true, adjust); };
}

// The three axes figures paint the reference points red outright, the others only invert.
TEST(OverlayInverting, DrawingTwiceRestoresEveryPixelButTheRedReferencePoints) {
    const std::set<std::pair<int, int>> red = {{50, 150}, {150, 150}, {50, 50}};
    const std::function<void(QImage&)> figures[] = {
        Axes([](Settings&) {}),
        Axes([](Settings& s) { s.NewAxesLook = false; }),
        Axes([](Settings& s) { s.TypeOfCurve = 2; }),
        [](QImage& p) { DrawSelectionCircle(p, 60, 70, 4); },
        [](QImage& p) { DrawZoneCircle(p, 199, 3); },
        [](QImage& p) { DrawStepCrosshair(p, 100, 100); }};
    for (std::size_t i = 0; i < std::size(figures); ++i) {
        const QImage original = PatternPicture(200, 200);
        QImage picture = original;
        figures[i](picture);
        EXPECT_GT(test::ChangedPixels(original, picture).size(), 11U) << "figure " << i;
        figures[i](picture);
        for (const QPoint& p : test::ChangedPixels(original, picture)) {
            EXPECT_TRUE(i < 3 && red.count({p.x(), p.y()}))
                << "figure " << i << ": (" << p.x() << ", " << p.y() << ") not restored";
        }
    }
}

TEST(OverlayFigureColours, InvertingPensShowTheirColourOnWhitePaper) {
    QImage picture = WhitePicture(60, 60);
    DrawSelectionCircle(picture, 15, 15, 5);
    DrawZoneCircle(picture, 40, 40);
    DrawStepCrosshair(picture, 40, 15);
    const std::tuple<int, int, TColor> expected[] = {
        {10, 15, kPureBlue}, {20, 15, kPureBlue}, {15, 15, kWhite}, {30, 40, kRed},
        {40, 30, kRed},      {40, 40, kWhite},    {35, 15, kBlack}, {40, 11, kBlack},
        {34, 15, kWhite},    {44, 15, kBlack},    {45, 15, kWhite}, {40, 20, kWhite}};
    for (const auto& [x, y, colour] : expected) {
        EXPECT_EQ(ColorAt(picture, x, y), colour) << x << ", " << y;
    }
}

// Pixels: (20, 150) and (180, 150) on the X axis continued, (50, 170) below zero, (45, 50) on
// the circle around Y-max, (165, 165) and (170, 160) on the X beside X-max.
TEST(OverlayAxesLook, DrawsTheFiguresOfTheChosenLookAndNoneForOtherChartKinds) {
    const struct {
        bool NewLook, MetkaX, Extensions, EndCircle, Letter;
    } looks[] = {{false, false, false, false, false},
                 {false, true, false, false, true},
                 {true, false, true, true, false}};
    for (const auto& look : looks) {
        QImage picture = WhitePicture(200, 200);
        DrawSquareAxes(picture, false, [&](Settings& s) {
            s.AxesColor = kBlack;
            s.NewAxesLook = look.NewLook;
            s.MetkaX = look.MetkaX;
        });
        auto drawn = [&](int x, int y) { return ColorAt(picture, x, y) == kBlack; };
        SCOPED_TRACE(look.NewLook * 2 + look.MetkaX);
        const std::vector<bool> seen{drawn(20, 150), drawn(50, 170),  drawn(180, 150),
                                     drawn(45, 50),  drawn(165, 165), drawn(170, 160)};
        EXPECT_EQ(seen, (std::vector<bool>{look.Extensions, look.Extensions, look.Extensions,
                                           look.EndCircle, look.Letter, look.Letter}));
        EXPECT_TRUE(drawn(100, 150));
    }
    // Other chart kinds draw no axes.
    for (const int type : {0, 3}) {
        QImage picture = WhitePicture(200, 200);
        DrawSquareAxes(picture, false, [&](Settings& s) { s.TypeOfCurve = type; });
        EXPECT_EQ(picture, WhitePicture(200, 200)) << "TypeOfCurve " << type;
    }
}

// Three circles 30 apart out to X-max, whose boxes end one pixel short on the right and
// bottom, and the two diameters.
TEST(OverlayPolarAxes, CirclesAreEvenlySpacedOutToTheXMaxPoint) {
    QImage picture = WhitePicture(200, 200);
    DrawSquareAxes(picture, false,
                   [](Settings& s) {
                       s.TypeOfCurve = 2;
                       s.PolarCircleCount = 3;
                       s.AxesColor = kBlack;
                       s.MetkaX = false;
                   },
                   {{{100, 100}, {190, 100}, {100, 40}}});
    EXPECT_EQ(ColorAt(picture, 190, 100), kRed);
    std::array<int, 4> onCircle{}; // [0]: on a diameter
    for (const QPoint& p : test::ChangedPixels(WhitePicture(200, 200), picture)) {
        const double r = std::hypot(p.x() - 99.5, p.y() - 99.5);
        const long k = p.x() == 100 || p.y() == 100 ? 0 : std::lround(r / 30);
        ASSERT_TRUE(k == 0 || (k <= 3 && std::abs(r - 30 * k) <= 1.5)) << p.x() << ", " << p.y();
        ++onCircle[k];
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_GT(onCircle[k], k == 0 ? 350 : 150 * k) << "circle " << k;
    }
}

PointStore StoreWith(std::initializer_list<std::tuple<int, int, int>> points) {
    PointStore store;
    for (const auto& [c, x, y] : points) {
        AppendPoint(store, c, x, y);
    }
    return store;
}

TEST(OverlayMark, CircleOfTheCurveColourAroundABlackCentre) {
    for (const auto& [r, filled] : {std::pair{3, true}, std::pair{6, false}}) {
        QImage picture = WhitePicture(40, 40);
        DrawMark(picture, 20, 20, r, kGreen, filled);
        EXPECT_EQ(ColorAt(picture, 20, 20), kBlack);
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            EXPECT_EQ(ColorAt(picture, 20 + dx * r, 20 + dy * r), kGreen) << dx << ", " << dy;
            EXPECT_EQ(ColorAt(picture, 20 + dx * (r + 1), 20 + dy * (r + 1)), kWhite);
        }
        EXPECT_EQ(ColorAt(picture, 21, 20), filled ? kGreen : kWhite);
    }
}

TEST(OverlayRedrawMarks, LaterCurvesCoverEarlierOnesAndSegmentsJoinPoints) {
    Settings settings = test::TestSettings();
    settings.LineColors = {0, kRed, kGreen, kPureBlue, kRed, kRed};
    PointStore store = StoreWith({{1, 20, 20}, {2, 20, 20}, {3, 10, 40}, {3, 50, 40}, {5, 40, 10}});
    store.MarkRadius = 4;
    QImage plain = WhitePicture(60, 60);
    RedrawMarks(plain, store, settings);
    EXPECT_EQ(ColorAt(plain, 24, 20), kGreen); // curve 2 over curve 1
    EXPECT_EQ(ColorAt(plain, 44, 10), kRed);   // the last curve too
    EXPECT_EQ(ColorAt(plain, 14, 40), kPureBlue);
    EXPECT_EQ(ColorAt(plain, 30, 40), kWhite);

    store.ConnectPoints = true;
    QImage joined = WhitePicture(60, 60);
    RedrawMarks(joined, store, settings);
    EXPECT_EQ(ColorAt(joined, 30, 40), kPureBlue);
    EXPECT_EQ(ColorAt(joined, 10, 40), kPureBlue); // the segment passes over the first centre
}

// A redraw limited to a region paints there exactly what a whole redraw paints, and nothing
// outside it, for a mark on every position across the region's edges.
TEST(OverlayRedrawMarks, ARegionRedrawPaintsInsideItWhatAWholeRedrawPaints) {
    const Settings settings = test::TestSettings();
    const QRect area(20, 20, 10, 10);
    for (int x = 12; x <= 38; ++x) {
        for (int y = 12; y <= 38; ++y) {
            PointStore store = StoreWith({{1, x, y}});
            store.MarkRadius = 4;
            QImage whole = WhitePicture(50, 50);
            QImage part = WhitePicture(50, 50);
            RedrawMarks(whole, store, settings);
            RedrawMarks(part, store, settings, QRegion(area));
            for (int py = 0; py < 50; ++py) {
                for (int px = 0; px < 50; ++px) {
                    const TColor expected = area.contains(px, py) ? ColorAt(whole, px, py) : kWhite;
                    ASSERT_EQ(ColorAt(part, px, py), expected)
                        << x << ", " << y << " at " << px << ", " << py;
                }
            }
        }
    }
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
        EXPECT_TRUE(x == 30 || ColorAt(picture, x, x) == kGreen) << x; // 30: curve 3 crosses
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

// One zone circle around (50, 50): the point its search finds, if any.
std::vector<PicturePoint> ZoneFinds(const QImage& clean) {
    Zones zones;
    zones.ZoneX[1] = 50;
    zones.ZoneY[1] = 50;
    zones.ZoneCount = 2;
    PointStore store;
    ZoneSearch(zones, clean, InkLimits{}, store);
    return test::Positions(store, 1);
}

TEST(AutoCorrectAndZoneRays, AverageTheInkFoundOnTheEightRays) {
    const struct {
        const char* Name;
        std::vector<QPoint> Ink;
        QColor Colour;
        PicturePoint AutoCorrected;          // first ink pixel of each ray
        std::vector<PicturePoint> ZoneFound; // every ink pixel of every ray
    } cases[] = {
        {"white paper", {}, Qt::black, {50, 50}, {}},
        // Rays 1, 2, 4, 5, 6 and 8 meet the line, at x offsets 0, -3, 3, 0, -3, 3.
        {"line three below", {{0, 53}, {99, 53}}, Qt::black, {50, 53}, {{50, 53}}},
        {"line two right", {{52, 0}, {52, 99}}, Qt::black, {52, 50}, {{52, 50}}},
        // A line from the top ending at the click: upward rays stop at once, the two vertical
        // rays find 5 + 7 pixels. First hits average to -0.5, which rounds to the even 0.
        {"line ending at the click", {{50, 30}, {50, 50}}, Qt::black, {50, 50}, {{50, 48}}},
        // Each component must be strictly below its limit.
        {"grey at the limit", {{0, 53}, {99, 53}}, QColor(200, 100, 100), {50, 50}, {}},
        {"grey below the limit", {{0, 53}, {99, 53}}, QColor(199, 199, 199), {50, 53}, {{50, 53}}}};
    for (const auto& c : cases) {
        QImage clean = WhitePicture(100, 100);
        DrawInk(clean, c.Ink, c.Colour);
        EXPECT_EQ(AutoCorrectPoint(clean, InkLimits{}, {50, 50}), c.AutoCorrected) << c.Name;
        EXPECT_EQ(ZoneFinds(clean), c.ZoneFound) << c.Name;
    }
}

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
    // Steps and whether each move after the first circle adds one; steps of 5 are the zone
    // brush's to show.
    const std::tuple<int, int, std::vector<bool>> moves[] = {
        {11, 0, {true, true, true}},
        {-10, 0, {false, true, false, true}},
        {6, 5, {true, true}},
    };
    for (const auto& [stepX, stepY, expected] : moves) {
        QImage noPicture;
        Zones zones;
        ASSERT_TRUE(AddZoneCircle(zones, noPicture, 20, 50));
        std::vector<bool> added;
        for (int n = 1; n <= static_cast<int>(expected.size()); ++n) {
            added.push_back(AddZoneCircle(zones, noPicture, 20 + n * stepX, 50 + n * stepY));
        }
        EXPECT_EQ(added, expected) << stepX;
        const auto circles = static_cast<int>(std::count(added.begin(), added.end(), true));
        EXPECT_EQ(zones.ZoneCount, 2 + circles);
        EXPECT_EQ(zones.ZoneFlag[1 + circles] * 2 + zones.ZoneFlag[2 + circles], 2);
    }
}

TEST(ZoneCircles, AreDrawnRecordedAndErasedWithoutForgettingThemAndStopAt999) {
    const QImage original = test::PatternPicture(120, 60);
    QImage working = original;
    QImage expected = original;
    Zones zones;
    for (const PicturePoint& c : {PicturePoint{20, 30}, {40, 30}, {60, 35}, {75, 30}}) {
        ASSERT_TRUE(AddZoneCircle(zones, working, c.X, c.Y));
        DrawZoneCircle(expected, c.X, c.Y);
    }
    EXPECT_EQ(working, expected);
    EraseZoneCircles(zones, working);
    EXPECT_EQ(working, original);
    EXPECT_EQ(zones.ZoneCount, 5);
    ClearZones(zones);
    EXPECT_EQ(zones.ZoneCount, 1);
    EXPECT_EQ(std::count(zones.ZoneFlag.begin(), zones.ZoneFlag.end(), 0), 1002);

    QImage noPicture;
    int added = 0;
    for (int i = 0; i < 1200; ++i) {
        added += AddZoneCircle(zones, noPicture, 20 + 11 * i, 5) ? 1 : 0;
    }
    EXPECT_EQ(added, 999);
    EXPECT_EQ(zones.ZoneCount, 1000);
    EXPECT_EQ(zones.ZoneX[999], 20 + 11 * 998);
}

TEST(ZoneSearchAlongALine, OnePointPerCircleInPaintingOrderOnTheCurrentCurveUpToItsCapacity) {
    QImage clean = WhitePicture(100, 100);
    FillRows(clean, 50, 50);
    const auto search = [&](PointStore& store) {
        Zones zones;
        QImage noPicture;
        for (const int x : {60, 20, 40}) {
            AddZoneCircle(zones, noPicture, x, 50);
        }
        AddZoneCircle(zones, noPicture, 80, 10); // on white paper: finds nothing
        ZoneSearch(zones, clean, InkLimits{}, store);
        EXPECT_EQ(zones.ZoneCount, 0);
    };
    PointStore store;
    store.CurrentLine = 3;
    AppendPoint(store, 3, 1, 1);
    search(store);
    EXPECT_EQ(test::Positions(store, 3),
              (std::vector<PicturePoint>{{1, 1}, {60, 50}, {20, 50}, {40, 50}}));
    PointStore full;
    for (int i = 0; i < kHandPickedCapacity - 1; ++i) {
        AppendPoint(full, 1, i, i);
    }
    search(full);
    EXPECT_EQ(PointCount(full, 1), kHandPickedCapacity);
    EXPECT_EQ(full.PointPixels[kHandPickedCapacity][1].PixX, 60);
}

} // namespace
} // namespace lineora
