// Rotation, speck cleaning and straightening, each compared pixel for pixel with its rule
// written out plainly, on random pictures; rectifying, on a chart photographed in perspective.
#include "core/picture/Rectify.h"
#include "core/picture/Rotation.h"
#include "core/picture/SpeckCleaning.h"
#include "core/picture/Straightening.h"

#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "core/picture/PixelAccess.h"
#include "core/picture/StraightenGuide.h"
#include "support/DrawnPictures.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace lineora {
namespace {

using test::FillBox;
using test::WhitePicture;

constexpr double kPi = std::numbers::pi;

QImage RandomPicture(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, 0xFF000000 | (random() & 0xFFFFFF));
        }
    }
    return picture;
}

// The rule as written: polar radius and angle of every target pixel, each branch on its own.
QImage ReferenceRotation(const QImage& source, double theta, const RotatedFrame& f) {
    QImage target(f.Width, f.Height, QImage::Format_RGB32);
    for (int y = 0; y < f.Height; ++y) {
        for (int x = 0; x < f.Width; ++x) {
            const double px = theta < 0 ? x : f.B + x, py = theta < 0 ? f.A + y : y;
            const double r = std::sqrt(px * px + py * py), alpha = std::atan2(py, px);
            const int sx = RoundHalfEven(r * std::cos(alpha - theta));
            const int sy = RoundHalfEven(r * std::sin(alpha - theta));
            target.setPixel(x, y, source.valid(sx, sy) ? source.pixel(sx, sy) : 0xFFFFFFFF);
        }
    }
    return target;
}

// 30 degrees either way: W' = Round(W cos) + Round(H sin) = 87 + 25, H' = 93.
TEST(RotationFrame, IsTheBoundingBoxOfTheTurnedPictureAndRefusesALeftPointingAxis) {
    const struct {
        double Theta;
        RotatedFrame Expected;
    } cases[] = {{kPi / 6, {112, 93, 0, -25}},
                 {-kPi / 6, {112, 93, -50, 0}},
                 {-kPi / 2, {50, 100, -100, 0}}};
    for (const auto& c : cases) {
        const RotatedFrame f = RotatedFrameOf(100, 50, c.Theta);
        EXPECT_EQ(std::tie(f.Width, f.Height, f.A, f.B),
                  std::tie(c.Expected.Width, c.Expected.Height, c.Expected.A, c.Expected.B));
    }
    for (const auto& [w, h, theta] :
         {std::tuple{100, 50, 1.6}, {100, 50, -3.0}, {0, 50, 0.1}, {100, 0, 0.1}}) {
        EXPECT_THROW(RotatedFrameOf(w, h, theta), CalcError) << w << " x " << h << ", " << theta;
    }
}

// Sixths and quarters of a half turn put many values on or next to a half. The last is tall
// enough for both threads and several rounds of blocks.
TEST(RotationPixels, MatchThePolarRuleWithProgressFromTheCallingThreadUpToTheLastRow) {
    const struct {
        int W, H;
        double Theta;
    } cases[] = {{37, 23, 0.05236}, {37, 23, -0.05236}, {61, 43, kPi / 6}, {43, 61, -kPi / 6},
                 {49, 70, kPi / 4}, {70, 49, -kPi / 3}, {32, 65, kPi / 2}, {65, 32, -kPi / 2},
                 {1, 1, 0.3},       {300, 20, 1e-4},    {90, 400, -0.2}};
    unsigned seed = 0;
    for (const auto& c : cases) {
        const QImage source = RandomPicture(c.W, c.H, ++seed);
        const RotatedFrame frame = RotatedFrameOf(c.W, c.H, c.Theta);
        QImage target(frame.Width, frame.Height, QImage::Format_RGB32);
        std::vector<int> rows{0};
        std::function<void(int)> progress; // none for every other case
        if (seed % 2 == 1) {
            progress = [&, caller = std::this_thread::get_id()](int row) {
                EXPECT_EQ(std::this_thread::get_id(), caller);
                rows.push_back(row);
            };
        }
        RotatePicture(source, c.Theta, frame, target, progress);
        EXPECT_EQ(target, ReferenceRotation(source, c.Theta, frame)) << c.Theta;
        EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
        EXPECT_EQ(rows.back(), progress ? frame.Height : 0);
    }
}

// A flat chart: a 3-pixel frame (60, 40) .. (340, 240) and a 3-pixel sine curve.
QImage FlatChart() {
    QImage chart = WhitePicture(400, 300);
    QPainter painter(&chart);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRect(60, 40, 280, 200);
    painter.end();
    for (int x = 60; x < 340; ++x) {
        FillBox(chart,
                QRect(x, static_cast<int>(std::lround(140 + 50 * std::sin(x / 80.0))) - 1, 1, 3));
    }
    return chart;
}

// The chart photographed: warped so that its frame's corners land on `photo`, 420 x 320.
QImage Photographed(const QImage& chart, const Quad& photo) {
    QTransform toChart;
    EXPECT_TRUE(QTransform::quadToQuad(QPolygonF({photo[0], photo[1], photo[2], photo[3]}),
                                       QPolygonF({{60, 40}, {340, 40}, {340, 240}, {60, 240}}),
                                       toChart));
    QImage shot = WhitePicture(420, 320);
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QPoint p = toChart.map(QPointF(x, y)).toPoint();
            shot.setPixel(x, y, pixels::RgbAt(chart, p.x(), p.y()));
        }
    }
    return shot;
}

// The middle of the dark pixels within 6 of `guess` along a column (or a row), or -1.
double DarkMiddle(const QImage& picture, int line, double guess, bool column) {
    std::vector<int> dark;
    for (int at = static_cast<int>(guess) - 6; at <= static_cast<int>(guess) + 6; ++at) {
        const QRgb rgb =
            column ? pixels::RgbAt(picture, line, at) : pixels::RgbAt(picture, at, line);
        if (qGray(rgb) < 128) {
            dark.push_back(at);
        }
    }
    return dark.empty() ? -1 : (dark.front() + dark.back()) / 2.0;
}

TEST(Rectify, SquaresAPhotographedChartWithCornersInAnyOrder) {
    const Quad photo{QPointF(110, 60), QPointF(300, 45), QPointF(385, 270), QPointF(30, 255)};
    const QImage chart = FlatChart();
    const RectifyPlan plan = PlanRectify({photo[2], photo[0], photo[3], photo[1]}, 420, 320);
    EXPECT_EQ(plan.Corners, photo);
    QImage result(plan.Size, QImage::Format_RGB32);
    std::vector<int> reports;
    RectifyPicture(Photographed(chart, photo), plan, result,
                   [&](int rows) { reports.push_back(rows); });
    EXPECT_EQ(reports.back(), plan.Size.height());
    // The frame comes back square; the curve where the flat chart's, scaled, has it.
    const QRect f = plan.Frame;
    for (double t = 0.05; t < 0.96; t += 0.05) {
        const int x = static_cast<int>(std::lround(f.left() + t * f.width()));
        const int y = static_cast<int>(std::lround(f.top() + t * f.height()));
        SCOPED_TRACE(t);
        EXPECT_NEAR(DarkMiddle(result, x, f.top(), true), f.top(), 1);
        EXPECT_NEAR(DarkMiddle(result, x, f.bottom() + 1, true), f.bottom() + 1, 1);
        EXPECT_NEAR(DarkMiddle(result, y, f.left(), false), f.left(), 1);
        EXPECT_NEAR(DarkMiddle(result, y, f.right() + 1, false), f.right() + 1, 1);
        const double chartX = 60 + (x - f.left()) * 280.0 / f.width();
        const double flat = DarkMiddle(chart, static_cast<int>(std::lround(chartX)),
                                       140 + 50 * std::sin(chartX / 80), true);
        const double curve = f.top() + (flat - 40) * f.height() / 200;
        EXPECT_NEAR(DarkMiddle(result, x, curve, true), curve, 1);
    }
    // What the photograph does not cover is white paper.
    EXPECT_EQ(result.pixel(0, 0), 0xFFFFFFFF);
}

TEST(Rectify, RefusesCornersOfNoConvexQuadrilateral) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [corners, why] : {
             std::pair{Quad{QPointF(0, 0), {10, 0}, {10, 10}, {10, 10}}, "same point"},
             {Quad{QPointF(0, 0), {5, 0}, {10, 0}, {5, 8}}, "on one line"},
             {Quad{QPointF(0, 0), {20, 0}, {10, 20}, {10, 5}}, "inside the triangle"},
             {Quad{QPointF(0, 0), {20, 0}, {20, 20}, {nan, 5}}, "not a finite"},
         }) {
        try {
            OrderCorners(corners);
            ADD_FAILURE() << why;
        } catch (const CalcError& error) {
            EXPECT_NE(std::string(error.what()).find(why), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(PlanRectify({QPointF(0, 0), {0.3, 0}, {0.3, 0.3}, {0, 0.3}}, 50, 50), CalcError);
}

// The scan as written: column by column, in place, every neighbour read from the picture.
void ReferenceClean(QImage& p, const InkLimits& ink) {
    const auto isInk = [&](int x, int y) {
        const QRgb c = p.pixel(x, y);
        return qRed(c) <= ink.Red && qGreen(c) <= ink.Green && qBlue(c) <= ink.Blue;
    };
    for (int x = 2; x <= p.width() - 2; ++x) {
        for (int y = 2; y <= p.height() - 2; ++y) {
            int n = -1;
            for (int i = 0; i < 9; ++i) {
                n += isInk(x + i % 3 - 1, y + i / 3 - 1);
            }
            if (isInk(x, y) && n < 2) {
                p.setPixel(x, y, 0xFFFFFFFF);
            }
        }
    }
}

// Limits from sparse to dense ink, each component on both sides of its limit.
TEST(SpeckCleaning, MatchesTheInPlaceColumnScan) {
    const struct {
        int W, H;
        InkLimits Ink;
    } cases[] = {{37, 29, {60, 70, 80}}, {60, 40, {150, 180, 210}}, {40, 60, {230, 220, 240}},
                 {50, 30, {}},           {4, 4, {250, 250, 250}},   {5, 3, {250, 250, 250}}};
    for (const auto& c : cases) {
        QImage expected = RandomPicture(c.W, c.H, static_cast<unsigned>(c.W * c.H));
        QImage cleaned = expected.copy();
        ReferenceClean(expected, c.Ink);
        CleanSpecks(cleaned, c.Ink);
        EXPECT_EQ(cleaned, expected) << c.W << " x " << c.H;
    }
}

Calibration Axis(std::int32_t x0, std::int32_t y0, std::int32_t yTop, Extended theta = 0) {
    Calibration cal;
    cal.Points() = {x0, y0, 0, 0, x0, yTop};
    cal.AxisAngleX = theta;
    return cal;
}

// Each strip's top, bottom, centre x and y, then the one radius and the end x.
std::vector<std::int32_t> Flat(const StripGeometry& g) {
    const auto& s = g.Strips;
    return {s[1].Top,     s[1].Bottom,  s[1].CentreX, s[1].CentreY, s[2].Top,
            s[2].Bottom,  s[2].CentreX, s[2].CentreY, s[3].Top,     s[3].Bottom,
            s[3].CentreX, s[3].CentreY, g.ArcRadius,  g.EndX};
}

// Level: Y0 - Ytop = 352 with g 26 gives strips of 100, the middle one from Ytop + 126 to
// Y0 - 126; the one radius is the middle strip's, sqrt(560^2 + 50^2). TooShortForTheGaps:
// (44 - 52) / 3 = -2.67 truncates to -2 and the strips invert. AbovePictureTop: middles -72.5
// and -1.5 truncate toward zero.
TEST(StripGeometry, StripsCentresAndRadius) {
    EXPECT_EQ(Flat(ComputeStrips(Axis(100, 400, 48), 26, 560)),
              (std::vector<std::int32_t>{48, 148, 660, 98, 174, 274, 660, 224, 300, 400, 660, 350,
                                         562, 100}));
    EXPECT_EQ(Flat(ComputeStrips(Axis(100, 400, 48, -0.1L), 26, 560)),
              (std::vector<std::int32_t>{48, 148, 657, 153, 174, 274, 657, 279, 300, 400, 657, 405,
                                         566, 100}));
    EXPECT_EQ(Flat(ComputeStrips(Axis(100, 400, 356), 26, 100)),
              (std::vector<std::int32_t>{356, 354, 200, 355, 380, 376, 200, 378, 402, 400, 200, 401,
                                         100, 100}));
    EXPECT_EQ(Flat(ComputeStrips(Axis(100, 100, -103), 10, 50)),
              (std::vector<std::int32_t>{-103, -42, 150, -72, -32, 29, 150, -1, 39, 100, 150, 69,
                                         58, 100}));
}

// The rule written out pixel by pixel: the picture widened by the centre shift plus 2, the
// clean picture at the left; then strips 1, 2, 3, each row of a band whitened and every clean
// pixel moved right by its shift plus 2 (off-picture sources white, off-picture targets lost).
QImage ReferenceStraightened(const QImage& clean, const StripGeometry& strips) {
    const Strip& bottom = strips.Strips[3];
    const std::int64_t r = strips.ArcRadius;
    const auto shiftAt = [&](std::int64_t i) -> std::int64_t {
        if (std::abs(i) > bottom.CentreY - bottom.Top + strips.Gap) {
            return 0;
        }
        const std::int64_t s =
            strips.EndX - bottom.CentreX +
            static_cast<std::int64_t>(std::trunc(std::sqrt(double(r * r - i * i))));
        return s > 1 ? s - 1 : s;
    };
    const int width = clean.width() + static_cast<int>(shiftAt(0)) + 2;
    QImage out = WhitePicture(width, clean.height());
    QPainter(&out).drawImage(0, 0, clean);
    for (int n = 1; n <= 3; ++n) {
        const Strip& strip = strips.Strips[n];
        for (int y = std::max(0, strip.Top - strips.Gap / 2);
             y <= std::min(clean.height() - 1, strip.Bottom + strips.Gap / 2); ++y) {
            test::FillRows(out, y, y, Qt::white);
            for (std::int64_t x = 0; x <= width; ++x) {
                const std::int64_t target = x + shiftAt(y - strip.CentreY) + 2;
                if (target >= 0 && target < width) {
                    out.setPixel(static_cast<int>(target), y, pixels::RgbAt(clean, x, y));
                }
            }
        }
    }
    return out;
}

TEST(StraightenRows, MatchesTheRuleOnRandomPicturesAndLayouts) {
    std::mt19937 random(20240517);
    const auto in = [&random](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    int straightened = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const int width = in(5, 40);
        const int height = in(5, 80);
        const Extended theta = in(0, 4) == 0 ? in(-314, 314) / 100.0L : in(-30, 30) / 100.0L;
        const Calibration cal =
            Axis(in(-10, width + 10), in(0, height + 20), in(-20, height), theta);
        const StripGeometry strips = ComputeStrips(cal, in(-6, 20), in(1, 200));
        const QImage clean = RandomPicture(width, height, random());
        SCOPED_TRACE("trial " + std::to_string(trial));
        RowShiftTable shifts;
        try {
            shifts = BuildRowShift(strips, height);
        } catch (const CalcError&) {
            const Strip& bottom = strips.Strips[3];
            EXPECT_GT(bottom.CentreY - bottom.Top + strips.Gap, strips.ArcRadius);
            continue;
        }
        if (StraightenedWidth(width, shifts) < 1) {
            continue;
        }
        QImage result = WhitePicture(3, 3); // a buffer of the wrong size is replaced
        StraightenRows(clean, strips, shifts, result);
        ASSERT_EQ(result, ReferenceStraightened(clean, strips));
        ++straightened;
    }
    EXPECT_GT(straightened, 100);
}

// With K 100 on the level example the centres lie 100 right of the axis, radius 111.
TEST(StraightenGuide, ArcsBulgeLeftOfTheAxisInPureBlue) {
    const StripGeometry strips = ComputeStrips(Axis(100, 400, 48), 26, 100);
    QImage picture = WhitePicture(300, 450);
    DrawStraightenGuide(picture, strips);
    for (const QPoint& p : test::ChangedPixels(WhitePicture(300, 450), picture)) {
        EXPECT_LE(p.x(), 101) << p.x() << "," << p.y();
        EXPECT_EQ(picture.pixel(p), qRgb(0, 0, 255));
    }
    for (int n = 1; n <= 3; ++n) { // each arc's leftmost pixel, 11 left of the axis, and ends
        const Strip& strip = strips.Strips[n];
        EXPECT_EQ(picture.pixel(89, strip.CentreY), qRgb(0, 0, 255)) << n;
        for (const int end : {strip.Top, strip.Bottom}) {
            EXPECT_NE(picture.copy(99, end - 1, 3, 3), WhitePicture(3, 3)) << n << " at " << end;
        }
    }
    // Strips of no height: both ends in one direction close the circle.
    const StripGeometry flat = ComputeStrips(Axis(100, 400, 348), 26, 100);
    ASSERT_EQ(flat.Strips[2].Top, flat.Strips[2].Bottom);
    QImage circles = WhitePicture(400, 450);
    DrawStraightenGuide(circles, flat);
    EXPECT_EQ(circles.pixel(flat.Strips[2].CentreX + flat.ArcRadius, flat.Strips[2].CentreY),
              qRgb(0, 0, 255));
}

} // namespace
} // namespace lineora
