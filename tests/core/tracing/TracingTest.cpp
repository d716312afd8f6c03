#include "core/tracing/AutoDigitize.h"
#include "core/tracing/ColorTracing.h"

#include "core/common/Color.h"
#include "core/common/Errors.h"
#include "core/common/Rounding.h"
#include "support/DrawnPictures.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <tuple>
#include <utility>

namespace lineora::test {
namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kInvalid = 0xFFFFFFFF;

// Only these four coordinates place the band.
Calibration Refs(std::int32_t zeroX, std::int32_t zeroY, std::int32_t xMaxX, std::int32_t yMaxY) {
    Calibration cal;
    std::tie(cal.ZeroPointX, cal.ZeroPointY, cal.XMaxPointX, cal.YMaxPointY) =
        std::tuple(zeroX, zeroY, xMaxX, yMaxY);
    return cal;
}

void Put(QImage& picture, int x, int y, TColor colour) {
    picture.setPixel(x, y, ToQRgb(colour));
}

// The rule as written, one column after the other, every pixel split into its components.
TColor ReadAt(const QImage& picture, std::int64_t x, std::int64_t y) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) {
        return kInvalid;
    }
    return FromQRgb(picture.pixel(static_cast<int>(x), static_cast<int>(y)));
}

bool LiteralMatch(const QImage& picture, std::int64_t x, std::int64_t y, const TraceRequest& r) {
    const TColor c = ReadAt(picture, x, y);
    const std::int64_t red = c & 255, green = (c & 0xFF00) / 256, blue = (c & 0xFF0000) / 65536;
    switch (r.Criterion) {
    case TraceCriterion::Color:
        return red == ColorRed(r.FindColor) && green == ColorGreen(r.FindColor) &&
               blue == ColorBlue(r.FindColor);
    case TraceCriterion::Black:
        return red == 0 && green == 0 && blue == 0;
    case TraceCriterion::Special:
        return red - blue > 120 && red - green > 120;
    case TraceCriterion::Color2: {
        int count = 0;
        for (const auto& [dx, dy] :
             {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}}) {
            count += ReadAt(picture, x + dx, y + dy) == r.Color2 ? 1 : 0;
        }
        return count >= r.Neighbours;
    }
    }
    return false;
}

std::vector<PicturePoint> LiteralTrace(const QImage& picture, const Calibration& cal,
                                       const TraceRequest& r) {
    const std::int64_t left = cal.ZeroPointX + 4, right = cal.XMaxPointX - 4;
    const std::int64_t top = cal.YMaxPointY + 10, bottom = cal.ZeroPointY - 4;
    const Extended width = static_cast<Extended>(right - left);
    const std::int32_t step = std::max(RoundHalfEven(width / r.Points), 1);
    const std::int32_t columns = std::min(RoundHalfEven(width / step), 1000);
    std::vector<PicturePoint> points;
    for (std::int32_t i = 1; i <= columns; ++i) {
        const std::int64_t x = left + std::int64_t{i - 1} * step;
        for (std::int64_t y = top; y <= bottom; ++y) {
            if (LiteralMatch(picture, x, y, r)) {
                points.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
                break;
            }
        }
    }
    return points;
}

std::vector<PicturePoint> Trace(const QImage& picture, const Calibration& cal,
                                const TraceRequest& request) {
    return TraceLine(picture, TraceBandOf(cal, request.Points), request);
}

// The random comparison below meets none of these: more points than pixels, more columns than
// a curve has rows, and no points at all.
TEST(TraceBand, StepAndColumnsAtTheirLimits) {
    const TraceBand narrow = TraceBandOf(Refs(100, 400, 500, 100), 1000);
    EXPECT_EQ(std::pair(narrow.Step, narrow.Columns), std::pair(1, 392));
    const TraceBand wide = TraceBandOf(Refs(100, 400, 2308, 100), 1000); // 1100 columns
    EXPECT_EQ(std::pair(wide.Step, wide.Columns), std::pair(2, 1000));
    EXPECT_THROW(TraceBandOf(Refs(100, 400, 500, 100), 0), CalcError);
}

// The row-by-row scan against the rule as written, on random pictures, bands partly off the
// picture and every criterion.
TEST(ColorTrace, RowScanAgreesWithTheColumnByColumnRule) {
    // Beside each colour sought, one a unit off in a single component; for the red of the
    // special criterion, red exactly 120 over green or over blue, and 121 over both.
    // clang-format off
    const TColor palette[] = {kWhite, 0x000000, 0x010000, kRed, MakeColor(200, 70, 90),
                              0x20C010, 0x20C011, 0x405060, 0x405061,
                              MakeColor(200, 80, 79), MakeColor(200, 79, 80), MakeColor(201, 80, 80)};
    // clang-format on
    const std::discrete_distribution<int> pick({60, 6, 2, 6, 2, 6, 2, 10, 2, 2, 2, 2});
    std::size_t pointsCompared = 0;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        auto draw = pick;
        const auto uniform = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        QImage picture = WhitePicture(uniform(20, 70), uniform(20, 60));
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                Put(picture, x, y, palette[draw(random)]);
            }
        }
        const Calibration cal = Refs(uniform(-12, 20), uniform(10, picture.height() + 12),
                                     uniform(20, picture.width() + 12), uniform(-16, 20));
        for (const TraceCriterion criterion : {TraceCriterion::Color, TraceCriterion::Black,
                                               TraceCriterion::Special, TraceCriterion::Color2}) {
            TraceRequest request;
            request.Criterion = criterion;
            // White as either colour also meets the paper around the picture: off it a pixel
            // reads white, but a neighbour there never equals the second colour.
            request.FindColor = uniform(0, 3) == 0 ? kWhite : 0x20C010;
            request.Color2 = uniform(0, 3) == 0 ? kWhite : 0x405060;
            request.Neighbours = uniform(0, 4);
            request.Points = uniform(1, 80);
            const std::vector<PicturePoint> expected = LiteralTrace(picture, cal, request);
            EXPECT_EQ(Trace(picture, cal, request), expected)
                << "seed " << seed << " criterion " << static_cast<int>(criterion);
            pointsCompared += expected.size();
        }
    }
    EXPECT_GT(pointsCompared, 1000u); // the pictures do give points to compare
}

// The refusals of 0 and 1001 are the tracing command's.
TEST(WholeNumber, AcceptsWholeNumbersInRangeOnly) {
    const std::tuple<const char*, std::int32_t, std::optional<std::int32_t>> cases[] = {
        {" 7 ", 1, 7},
        {"+1000", 1, 1000},
        {"-0", 0, 0},
        {"2.0", 1, std::nullopt},
        {"99999999999999999999", 1, std::nullopt}};
    for (const auto& [text, low, value] : cases) {
        EXPECT_EQ(WholeNumberIn(QString::fromLatin1(text), low, 1000), value) << text;
    }
}

constexpr int kAxisRow = 400;
constexpr int kAxisColumn = 60;

// A plain chart: the vertical axis at column 60 and the horizontal axis at row 400, each
// `axisThickness` pixels (growing right and down), on a 600 x 500 sheet.
QImage Chart(int axisThickness) {
    QImage picture = WhitePicture(600, 500);
    FillBox(picture, {kAxisColumn, 20, axisThickness, kAxisRow + axisThickness - 20});
    FillBox(picture, {kAxisColumn, kAxisRow, 520, axisThickness});
    return picture;
}

// Of a two-pixel axis the upper row and the left column win the tie; only the rows and
// columns of the search windows count, and dark means every component below 100. A picture
// smaller than the windows is read only where it is; a blank one gives zero.
TEST(AxisLines, AreTheDarkestRowAndColumnOfTheirWindows) {
    QImage windows = WhitePicture(600, 1200);
    FillBox(windows, {0, 149, 600, 1});                       // above the rows searched
    FillBox(windows, {0, 1001, 600, 1});                      // below them
    FillBox(windows, {201, 0, 1, 1200});                      // right of the columns searched
    FillBox(windows, {19, 0, 1, 1200});                       // left of them
    FillBox(windows, {20, 300, 181, 1}, QColor(99, 99, 100)); // not dark: blue is 100
    FillBox(windows, {20, 301, 30, 1}, QColor(99, 99, 99));   // dark, 30 pixels
    FillBox(windows, {150, 20, 1, 20}, QColor(99, 99, 99));
    QImage small = WhitePicture(100, 170);
    FillBox(small, {0, 160, 100, 1});
    FillBox(small, {30, 0, 1, 170});
    const std::tuple<QImage, int, int> cases[] = {{Chart(1), kAxisRow, kAxisColumn},
                                                  {Chart(2), kAxisRow, kAxisColumn},
                                                  {windows, 301, 150},
                                                  {small, 160, 30},
                                                  {WhitePicture(100, 170), 0, 0}};
    for (const auto& [picture, row, column] : cases) {
        const AxisLines axes = FindAxisLines(picture);
        EXPECT_EQ((std::pair{axes.Row, axes.Column}), (std::pair{row, column})) << row;
    }
}

// Every column gives the row of the first dark pixel, walking up from the axis, with at least
// `threshold` dark pixels among its six side neighbours; none when no row qualifies.
TEST(SampleCurve, FindsTheFirstQualifyingDarkPixelWalkingUp) {
    const struct {
        const char* Name;
        int AxisThickness, Threshold;
        int CurveTop; // a two-pixel curve at rows CurveTop and CurveTop + 1 over every column
        std::optional<int> Found;
    } cases[] = {
        // clang-format off
        // Four dark side neighbours on a two-pixel axis: the axis is the curve.
        {"two-pixel axis taken at threshold 3", 2, 3, 200, kAxisRow},
        // Two on a one-pixel axis: walked over, the curve's lower row is met first.
        {"one-pixel axis walked over", 1, 3, 200, 201},
        {"one-pixel axis taken at exactly threshold 2", 1, 2, 200, kAxisRow},
        {"threshold 0 takes the first dark pixel", 1, 0, 200, kAxisRow},
        {"threshold 7 never takes", 2, 7, 200, std::nullopt},
        {"curve reaching row 56 is found", 1, 3, 55, 56},
        {"curve above row 56 is not", 1, 3, 54, std::nullopt},
        // clang-format on
    };
    for (const auto& c : cases) {
        QImage picture = Chart(c.AxisThickness);
        FillBox(picture, {kAxisColumn + 5, c.CurveTop, 540, 2});
        std::vector<PicturePoint> expected;
        for (int k = 1; c.Found && k <= 30; ++k) {
            expected.push_back({kAxisColumn + 20 + 15 * k, *c.Found});
        }
        EXPECT_EQ(SampleCurve(picture, {kAxisRow, kAxisColumn}, c.Threshold), expected) << c.Name;
    }
}

TEST(SampleCurve, AnAxisAboveRow56ExaminesOnlyItsOwnRow) {
    QImage picture = WhitePicture(600, 200);
    FillBox(picture, {0, 40, 600, 2}); // the axis row 40, two pixels
    FillBox(picture, {0, 30, 600, 2}); // a curve above it
    EXPECT_EQ(SampleCurve(picture, {40, 10}, 3).size(), 30u);
    EXPECT_TRUE(SampleCurve(picture, {43, 10}, 0).empty()); // row 43 is white: nothing more
}

} // namespace
} // namespace lineora::test
