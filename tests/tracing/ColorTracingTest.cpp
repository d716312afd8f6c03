#include "tracing/ColorTracing.h"

#include "common/Color.h"
#include "common/Errors.h"
#include "common/Rounding.h"
#include "picture/DrawnPictures.h"

#include <gtest/gtest.h>

#include <random>

namespace lineora::test {
namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kInvalid = 0xFFFFFFFF;

Calibration Refs(std::int32_t zeroX, std::int32_t zeroY, std::int32_t xMaxX, std::int32_t yMaxY) {
    Calibration cal;
    cal.ZeroPointX = zeroX;
    cal.ZeroPointY = zeroY;
    cal.XMaxPointX = xMaxX;
    cal.XMaxPointY = zeroY;
    cal.YMaxPointX = zeroX;
    cal.YMaxPointY = yMaxY;
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

struct BandCase {
    std::int32_t zeroX, xMaxX, points;
    std::int32_t step, columns;
};

class TraceBandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(TraceBandTest, StepAndColumnsRoundHalfToEven) {
    const BandCase& c = GetParam();
    const TraceBand band = TraceBandOf(Refs(c.zeroX, 400, c.xMaxX, 100), c.points);
    EXPECT_EQ(band.Left, c.zeroX + 4);
    EXPECT_EQ(band.Top, 110);
    EXPECT_EQ(band.Bottom, 396);
    EXPECT_EQ(band.Step, c.step);
    EXPECT_EQ(band.Columns, c.columns);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, TraceBandTest,
    ::testing::Values(BandCase{100, 500, 20, 20, 20},   // width 392: 19.6 and 19.6
                      BandCase{0, 14, 4, 2, 3},         // width 6: 1.5 -> 2, then 3
                      BandCase{0, 18, 4, 2, 5},         // width 10: 2.5 -> 2, then 5
                      BandCase{100, 500, 1000, 1, 392}, // more points than pixels: step 1
                      BandCase{0, 2208, 1000, 2, 1000}, // 1100 columns, capped at a curve's rows
                      BandCase{100, 108, 20, 1, 0},     // right = left: no room
                      BandCase{100, 90, 20, 1, 0}));    // right < left

TEST(TraceBand, NoPointsIsADivisionByZero) {
    EXPECT_THROW(TraceBandOf(Refs(100, 400, 500, 100), 0), CalcError);
}

struct PixelCase {
    const char* name;
    TraceCriterion criterion;
    TColor pixel;
    bool found;
};

class CriterionTest : public ::testing::TestWithParam<PixelCase> {};

// One pixel in a white band; the column's point is there or nowhere.
TEST_P(CriterionTest, OnePixelMatchesOrNot) {
    const PixelCase& c = GetParam();
    QImage picture = WhitePicture(40, 40);
    Put(picture, 10, 20, c.pixel);
    TraceRequest request;
    request.Criterion = c.criterion;
    request.FindColor = 0x20C010;
    request.Points = 1000;
    const std::vector<PicturePoint> points = Trace(picture, Refs(6, 36, 20, 0), request);
    const bool found = !points.empty() && points.front() == PicturePoint{10, 20};
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(points.size(), c.found ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, CriterionTest,
    ::testing::Values(
        PixelCase{"ColourExact", TraceCriterion::Color, 0x20C010, true},
        PixelCase{"ColourOffByOne", TraceCriterion::Color, 0x20C011, false},
        PixelCase{"Black", TraceCriterion::Black, 0x000000, true},
        PixelCase{"AlmostBlack", TraceCriterion::Black, 0x010000, false},
        PixelCase{"RedOverBlueBy120", TraceCriterion::Special, MakeColor(200, 79, 80), false},
        PixelCase{"RedOverGreenBy120", TraceCriterion::Special, MakeColor(200, 80, 79), false},
        PixelCase{"RedBy121", TraceCriterion::Special, MakeColor(201, 80, 80), true},
        PixelCase{"PureRed", TraceCriterion::Special, kRed, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorTrace, ACurveCrossingAColumnTwiceGivesItsUpperCrossing) {
    QImage picture = WhitePicture(60, 60);
    // An arc: up from (10, 40) to (30, 15) and down to (50, 40), and a second crossing of every
    // column lower down.
    DrawInk(picture, {{10, 40}, {30, 15}, {50, 40}}, Qt::red);
    DrawInk(picture, {{10, 45}, {50, 45}}, Qt::red);
    TraceRequest request;
    request.Criterion = TraceCriterion::Special;
    request.Points = 1000;
    const std::vector<PicturePoint> points = Trace(picture, Refs(6, 58, 54, 0), request);
    ASSERT_EQ(points.size(), 40u); // columns 10 .. 49
    EXPECT_EQ(points.front().X, 10);
    for (const PicturePoint& p : points) {
        EXPECT_LE(p.Y, 40) << p.X;
    }
    EXPECT_EQ(points[20], (PicturePoint{30, 15}));
}

struct NeighbourCase {
    const char* name;
    int lineNeighbours; // of the eight around (10, 20), how many get the second colour
    TColor centre;      // the pixel itself, never tested
    std::int32_t threshold;
    bool found;
};

class SecondColourTest : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(SecondColourTest, CountsTheEightNeighboursOnly) {
    const NeighbourCase& c = GetParam();
    constexpr TColor kLine = 0x405060;
    QImage picture = WhitePicture(40, 40);
    const QPoint around[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    for (int i = 0; i < 8; ++i) {
        // Neighbours beyond the count get a colour one unit off the line's.
        Put(picture, 10 + around[i].x(), 20 + around[i].y(),
            i < c.lineNeighbours ? kLine : 0x405061);
    }
    Put(picture, 10, 20, c.centre);
    TraceRequest request;
    request.Criterion = TraceCriterion::Color2;
    request.Color2 = kLine;
    request.Neighbours = c.threshold;
    request.Points = 1000;
    // The band is the one column x = 10.
    const std::vector<PicturePoint> points = Trace(picture, Refs(6, 36, 15, 0), request);
    const std::vector<PicturePoint> expected =
        c.found ? std::vector<PicturePoint>{{10, 20}} : std::vector<PicturePoint>{};
    EXPECT_EQ(points, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Neighbours, SecondColourTest,
    ::testing::Values(NeighbourCase{"BackgroundAmongThreeLinePixels", 3, kWhite, 3, true},
                      NeighbourCase{"BackgroundAmongTwo", 2, kWhite, 3, false},
                      NeighbourCase{"AllEightForEight", 8, kWhite, 8, true},
                      NeighbourCase{"LinePixelNeighboursOffByOne", 0, 0x405060, 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The row-by-row scan against the rule as written, on random pictures, bands partly off the
// picture and every criterion.
TEST(ColorTrace, RowScanAgreesWithTheColumnByColumnRule) {
    const TColor palette[] = {kWhite, 0x000000, kRed, 0x20C010, 0x405060, MakeColor(200, 70, 90)};
    const std::discrete_distribution<int> pick({70, 6, 6, 6, 10, 2});
    std::size_t pointsCompared = 0;
    for (unsigned seed = 1; seed <= 120; ++seed) {
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
    EXPECT_GT(pointsCompared, 2000u); // the pictures do give points to compare
}

struct TextCase {
    const char* text;
    std::int32_t low, high;
    std::optional<std::int32_t> value;
};

class WholeNumberTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WholeNumberTest, AcceptsWholeNumbersInRangeOnly) {
    const TextCase& c = GetParam();
    EXPECT_EQ(WholeNumberIn(QString::fromLatin1(c.text), c.low, c.high), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, WholeNumberTest,
    ::testing::Values(TextCase{"20", 1, 1000, 20}, TextCase{" 7 ", 1, 1000, 7},
                      TextCase{"+1000", 1, 1000, 1000}, TextCase{"0", 1, 1000, std::nullopt},
                      TextCase{"1001", 1, 1000, std::nullopt}, TextCase{"-0", 0, 8, 0},
                      TextCase{"9", 0, 8, std::nullopt}, TextCase{"2.0", 1, 1000, std::nullopt},
                      TextCase{"1e3", 1, 1000, std::nullopt}, TextCase{"", 1, 1000, std::nullopt},
                      TextCase{"abc", 1, 1000, std::nullopt},
                      TextCase{"99999999999999999999", 1, 1000, std::nullopt}));

} // namespace
} // namespace lineora::test
