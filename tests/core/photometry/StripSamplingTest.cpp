// Sampling three traces in their strips: where the strips and search lines fall, what the two
// searches find (the colour search against a plain transcription of its pixel test), the
// filling of gaps, the clearing of grid rows and the values text.

#include "core/photometry/StripSampling.h"
#include "core/common/Errors.h"
#include "support/DecimalCharGuard.h"
#include "support/DrawnPictures.h"
#include "support/Files.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace lineora {
namespace {

using test::ErrorOf;
using test::Mentions;

// The mode's defaults: 1 second from second 3 at 20 points per second, Y from 0 to 40, on a
// chart whose Y axis is 600 pixels high.
Calibration DefaultChart(std::int32_t xMaxX = 500) {
    Calibration cal;
    cal.Points() = {100, 700, xMaxX, 700, 100, 100};
    cal.AxisXMin = 3;
    cal.AxisXMax = 4;
    cal.AxisYMin = 0;
    cal.AxisYMax = 40;
    return cal;
}
constexpr Extended kDefaultStep = 1.0L / 20;
constexpr std::int32_t kDefaultCount = 21;

StripGeometry Strips(std::array<std::array<std::int32_t, 2>, 3> ends) {
    StripGeometry strips;
    for (int s = 1; s <= 3; ++s) {
        strips.Strips[s].Top = ends[s - 1][0];
        strips.Strips[s].Bottom = ends[s - 1][1];
    }
    return strips;
}

TEST(StripSampling, DefaultChartStripsAndSearchLines) {
    const StripGeometry strips = SamplingStrips(DefaultChart(), 26);
    // h = Trunc((700 - 100 - 2 * 26) / 3) = 182.
    EXPECT_EQ(strips.Strips[1].Top, 100);
    EXPECT_EQ(strips.Strips[1].Bottom, 282);
    EXPECT_EQ(strips.Strips[2].Top, 308);
    EXPECT_EQ(strips.Strips[2].Bottom, 492);
    EXPECT_EQ(strips.Strips[3].Top, 518);
    EXPECT_EQ(strips.Strips[3].Bottom, 700);

    const std::vector<std::int32_t> columns =
        SearchLineColumns(DefaultChart(), kDefaultCount, kDefaultStep);
    ASSERT_EQ(columns.size(), 22u);
    for (int k = 1; k <= kDefaultCount; ++k) {
        EXPECT_EQ(columns[k], 100 + 20 * (k - 1)) << "search line " << k;
    }
}

struct ColumnCase {
    const char* Name;
    std::int32_t XMaxX;
    std::vector<std::pair<int, std::int32_t>> Expected; // search line, column
};

class SearchLineColumnCases : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(SearchLineColumnCases, RoundEachTimeOntoTheAxis) {
    const ColumnCase& c = GetParam();
    const std::vector<std::int32_t> columns =
        SearchLineColumns(DefaultChart(c.XMaxX), kDefaultCount, kDefaultStep);
    for (const auto& [k, column] : c.Expected) {
        EXPECT_EQ(columns[k], column) << "search line " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    StripSampling, SearchLineColumnCases,
    ::testing::Values(
        // 16.65 pixels per search line.
        ColumnCase{"Fractional", 433, {{1, 100}, {2, 117}, {3, 133}, {4, 150}, {21, 433}}},
        // The X-max point left of the zero point: the lines run to the left.
        ColumnCase{"Leftward", 20, {{1, 100}, {2, 96}, {5, 84}, {21, 20}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(StripSampling, SearchLinesRefuseWhatCannotBeLaid) {
    Calibration onOneColumn = DefaultChart(100);
    EXPECT_TRUE(Mentions(
        ErrorOf<CalcError>([&] { SearchLineColumns(onOneColumn, kDefaultCount, kDefaultStep); }),
        "zero point's column"));
    Calibration equalValues = DefaultChart();
    equalValues.AxisXMax = equalValues.AxisXMin;
    EXPECT_TRUE(Mentions(
        ErrorOf<CalcError>([&] { SearchLineColumns(equalValues, kDefaultCount, kDefaultStep); }),
        "equal"));
    for (const std::int32_t n : {0, kLastRow + 1}) {
        EXPECT_TRUE(Mentions(
            ErrorOf<CalcError>([&] { SearchLineColumns(DefaultChart(), n, kDefaultStep); }),
            "search lines"));
    }
}

// The pixel test as it reads: the centre from the clean copy, the eight neighbours from the
// working picture, white paper off the picture, both bounds inclusive.
std::int32_t LiteralColourSearch(const QImage& clean, const QImage& working, const Strip& strip,
                                 const std::array<TColor, 10>& colours, int trace, int density,
                                 std::int32_t x, std::int32_t notFound) {
    const TColor* shade = &colours[3 * trace - 2];
    auto inBox = [&](TColor c) {
        for (const auto part : {ColorRed, ColorGreen, ColorBlue}) {
            const int v = part(c), a = part(shade[0]), b = part(shade[1]), d = part(shade[2]);
            if (v < std::min({a, b, d}) || v > std::max({a, b, d})) {
                return false;
            }
        }
        return true;
    };
    for (int y = strip.Top + 5; y <= strip.Bottom - 5; ++y) {
        int count = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QImage& from = dx == 0 && dy == 0 ? clean : working;
                count += inBox(from.valid(x + dx, y + dy) ? test::ColorAt(from, x + dx, y + dy)
                                                          : 0xFFFFFFu);
            }
        }
        if (count >= density) {
            return y;
        }
    }
    return notFound;
}

TEST(StripSampling, ColourSearchAgreesWithThePixelTestOnRandomStrips) {
    std::mt19937 random(11);
    const std::array<QRgb, 5> palette = {qRgb(200, 30, 30), qRgb(220, 60, 40), qRgb(30, 30, 200),
                                         qRgb(255, 255, 255), qRgb(0, 0, 0)};
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (int round = 0; round < 60; ++round) {
        // Strips that may stick out of the picture at the top and the bottom.
        Calibration cal;
        cal.Points() = {0, 80 + pick(60), 30, 0, 0, -20 + pick(30)};
        const StripGeometry strips = SamplingStrips(cal, pick(8));
        QImage clean(24, 100, QImage::Format_RGB32);
        for (int y = 0; y < clean.height(); ++y) {
            for (int x = 0; x < clean.width(); ++x) {
                clean.setPixel(x, y, palette[pick(2) == 0 ? pick(5) : 3]);
            }
        }
        QImage working = clean.copy();
        for (int i = 0; i < 600; ++i) {
            working.setPixel(pick(24), pick(100), palette[pick(5)]);
        }
        std::array<TColor, 10> colours{};
        for (int entry = 1; entry <= 9; ++entry) {
            colours[entry] = FromQRgb(palette[pick(round % 4 == 0 ? 5 : 3)]);
        }
        const int density = 1 + pick(9);
        PointStore store;
        std::vector<std::int32_t> columns = {0};
        for (int x = -1; x <= 24; x += 1 + pick(3)) {
            columns.push_back(x);
        }
        const int n = static_cast<int>(columns.size()) - 1;
        InitSamples(store, columns, strips);
        SearchByColour(store, clean, working, strips, colours, density, n);
        // A picture of another pixel format gives the same samples.
        PointStore other = store;
        SearchByColour(other, clean.convertToFormat(QImage::Format_RGB888),
                       working.convertToFormat(QImage::Format_RGB888), strips, colours, density, n);
        for (int trace = 1; trace <= 3; ++trace) {
            EXPECT_EQ(test::Positions(other, trace), test::Positions(store, trace));
        }
        for (int trace = 1; trace <= 3; ++trace) {
            for (int k = 1; k <= n; ++k) {
                ASSERT_EQ(store.PointPixels[k][trace].PixY,
                          LiteralColourSearch(clean, working, strips.Strips[trace], colours, trace,
                                              density, columns[k], NotFoundRow(strips, trace)))
                    << "round " << round << ", trace " << trace << ", column " << columns[k];
            }
        }
    }
}

// A single search line in column 2 of a picture `height` rows high; `red` lists the runs of red
// ink (first row, rows) drawn on it, with `shade` for the ink.
struct RedCase {
    const char* Name;
    std::int32_t Top, Bottom, Height;
    std::vector<std::pair<int, int>> Red;
    std::int32_t Expected; // kNone: not found
    QRgb Shade = qRgb(180, 100, 100);
};
constexpr std::int32_t kNone = -1;

class RedInkCases : public ::testing::TestWithParam<RedCase> {};

TEST_P(RedInkCases, FindTheMiddleOfTheFirstLongestRun) {
    const RedCase& c = GetParam();
    QImage clean = test::WhitePicture(5, c.Height);
    for (const auto& [first, rows] : c.Red) {
        test::FillBox(clean, QRect(2, first, 1, rows), QColor::fromRgb(c.Shade));
    }
    // Every trace searches the same strip, so each must find the same row.
    const StripGeometry strips =
        Strips({{{c.Top, c.Bottom}, {c.Top, c.Bottom}, {c.Top, c.Bottom}}});
    PointStore store;
    InitSamples(store, {0, 2}, strips);
    SearchRedInk(store, clean, strips, 1);
    for (int trace = 1; trace <= 3; ++trace) {
        EXPECT_EQ(store.PointPixels[1][trace].PixY, c.Expected == kNone ? c.Bottom + 5 : c.Expected)
            << "trace " << trace;
    }
}

INSTANTIATE_TEST_SUITE_P(
    StripSampling, RedInkCases,
    ::testing::Values(RedCase{"NoInk", 10, 60, 80, {}, kNone},
                      RedCase{"OnePixelIsNotARun", 10, 60, 80, {{30, 1}}, kNone},
                      // Run 30..32: j = 32, m = 3, Round(61 / 2) = 30 (halves to even).
                      RedCase{"OddRun", 10, 60, 80, {{30, 3}}, 30},
                      RedCase{"EvenRun", 10, 60, 80, {{30, 4}}, 31},
                      RedCase{"FirstOfEqualRuns", 10, 60, 80, {{20, 3}, {40, 3}}, 20},
                      RedCase{"LongerLaterRun", 10, 60, 80, {{20, 3}, {40, 5}}, 42},
                      // Ink above top + 5 does not count: only rows 15 and 16 of it are read.
                      RedCase{"RunCutAtTheScanStart", 10, 60, 80, {{12, 5}}, 15},
                      RedCase{"RunAtTheScanEnd", 10, 60, 80, {{54, 6}}, 54},
                      RedCase{"TooLittleRed", 10, 60, 80, {{30, 4}}, kNone, qRgb(179, 0, 0)},
                      RedCase{"TooMuchGreen", 10, 60, 80, {{30, 4}}, kNone, qRgb(255, 101, 0)},
                      RedCase{"TooMuchBlue", 10, 60, 80, {{30, 4}}, kNone, qRgb(255, 0, 101)},
                      RedCase{"StripBelowThePicture", 10, 90, 80, {{70, 10}}, 74},
                      RedCase{"PictureTallerThan1001Rows", 1500, 2000, 2100, {{1800, 10}}, 1804}),
    [](const auto& info) { return std::string(info.param.Name); });

// Trace 2's samples before and after; M marks a sample not found.
constexpr std::int32_t M = -1000;
struct FillCase {
    const char* Name;
    std::vector<std::int32_t> Before, After;
};

class ApproximationCases : public ::testing::TestWithParam<FillCase> {};

TEST_P(ApproximationCases, FillTheMissingSamplesOfATrace) {
    const FillCase& c = GetParam();
    const StripGeometry strips = Strips({{{0, 50}, {60, 110}, {120, 170}}});
    const std::int32_t missing = NotFoundRow(strips, 2);
    const int n = static_cast<int>(c.Before.size());
    PointStore store;
    InitSamples(store, std::vector<std::int32_t>(n + 1, 7), strips);
    for (int k = 1; k <= n; ++k) {
        store.PointPixels[k][2].PixY = c.Before[k - 1] == M ? missing : c.Before[k - 1];
        // Trace 2's not-found row is a found row of trace 1, which spreads over all of it.
        store.PointPixels[k][1].PixY = k == 1 ? missing : NotFoundRow(strips, 1);
    }
    ApproximateSamples(store, strips, n);
    for (int k = 1; k <= n; ++k) {
        EXPECT_EQ(store.PointPixels[k][2].PixY, c.After[k - 1] == M ? missing : c.After[k - 1])
            << "sample " << k;
        EXPECT_EQ(store.PointPixels[k][1].PixY, missing) << "trace 1, sample " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    StripSampling, ApproximationCases,
    ::testing::Values(FillCase{"StraightLineAcrossAGap", {80, M, M, 86}, {80, 82, 84, 86}},
                      // -1/2 rounds to 0, and the next step starts from the rounded row.
                      FillCase{"RoundedStepByStep", {80, M, M, 81}, {80, 80, 80, 81}},
                      FillCase{"MissingEnds", {M, M, 80, M, 90, M}, {80, 80, 80, 85, 90, 90}},
                      FillCase{"OnlyTheFirstFound", {70, M, M}, {70, 70, 70}},
                      FillCase{"AllMissing", {M, M, M, M}, {M, M, M, M}},
                      FillCase{"OneMissingSample", {M}, {M}},
                      FillCase{"NothingMissing", {75, 90, 66}, {75, 90, 66}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Rows 10..90 of a 130-pixel picture, judged between columns 10 and 110 (101 pixels, 70 of
// them white needed at the fraction 0.7). Every row has ink at columns 5 and 115, outside.
struct ClearRow {
    int Y;
    int Black; // pixels blackened from column 10 on
    bool Whitened;
};

TEST(StripSampling, GridClearingWhitensTheRowsLessWhiteThanTheFraction) {
    const std::vector<ClearRow> rows = {
        {20, 31, false},                    // exactly 70 white: kept
        {21, 32, true},                     // 69 white
        {11, 101, false}, {12, 101, false}, // strip 1 loses three rows at each end
        {13, 101, true},  {27, 101, true},  {28, 101, false}, {35, 101, false}, // between strips
        {40, 101, true}, // strips 2 and 3 are taken whole
        {60, 101, true},  {70, 40, true},   {90, 101, true},  {95, 101, false},
    };
    const StripGeometry strips = Strips({{{10, 30}, {40, 60}, {70, 90}}});
    for (const bool leftward : {false, true}) {
        QImage working = test::WhitePicture(130, 100);
        for (int y = 0; y < 100; ++y) {
            working.setPixel(5, y, qRgb(0, 0, 0));
            working.setPixel(115, y, qRgb(0, 0, 0));
        }
        for (const ClearRow& row : rows) {
            test::FillBox(working, QRect(10, row.Y, row.Black, 1), Qt::black);
        }
        const QImage before = working.copy();
        const int whitened = leftward ? ClearGridRows(working, strips, 110, 10, 0.7)
                                      : ClearGridRows(working, strips, 10, 110, 0.7);
        int expected = 0;
        for (const ClearRow& row : rows) {
            const QImage line = working.copy(10, row.Y, 101, 1);
            EXPECT_EQ(line == test::WhitePicture(101, 1), row.Whitened) << "row " << row.Y;
            if (!row.Whitened) {
                EXPECT_EQ(line, before.copy(10, row.Y, 101, 1)) << "row " << row.Y;
            }
            expected += row.Whitened;
        }
        EXPECT_EQ(whitened, expected);
        for (int y = 0; y < 100; ++y) {
            EXPECT_EQ(test::ColorAt(working, 5, y), 0u);
            EXPECT_EQ(test::ColorAt(working, 115, y), 0u);
        }
    }
}

TEST(StripSampling, GridClearingCountsColumnsOffThePictureAsWhite) {
    // Columns 60..159 lie off the 60-pixel picture: 100 white of 160, fewer than 0.7 * 159.
    QImage working = test::WhitePicture(60, 50);
    test::FillRows(working, 20, 20, Qt::black);
    const StripGeometry strips = Strips({{{10, 30}, {40, 45}, {46, 80}}});
    EXPECT_EQ(ClearGridRows(working, strips, 0, 159, 0.7), 1);
    EXPECT_EQ(working, test::WhitePicture(60, 50));
    test::FillRows(working, 20, 20, Qt::black);
    EXPECT_EQ(ClearGridRows(working, strips, 0, 159, 0.6), 0);
}

TEST(StripSampling, LongLoopsReportProgressAFewTimesEndingAtTheTotal) {
    QImage picture = test::WhitePicture(40, 3000);
    const StripGeometry strips = Strips({{{0, 990}, {1000, 1990}, {2000, 2990}}});
    PointStore store;
    InitSamples(store, {0, 5, 20, 35}, strips);
    const std::array<TColor, 10> colours{};
    const std::vector<std::function<void(const RowProgress&)>> loops = {
        [&](const RowProgress& p) {
            SearchByColour(store, picture, picture, strips, colours, 3, 3, p);
        },
        [&](const RowProgress& p) { SearchRedInk(store, picture, strips, 3, p); },
        [&](const RowProgress& p) { ClearGridRows(picture, strips, 0, 39, 0.7, p); }};
    for (std::size_t loop = 0; loop < loops.size(); ++loop) {
        std::vector<std::pair<int, int>> calls;
        loops[loop]([&](int done, int total) { calls.emplace_back(done, total); });
        ASSERT_GE(calls.size(), 4u) << "loop " << loop;
        EXPECT_LE(calls.size(), 20u) << "loop " << loop;
        EXPECT_EQ(calls.back().first, calls.back().second) << "loop " << loop;
        EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end())) << "loop " << loop;
    }
}

// Strips 640 rows high give Y = (bottom - row) / 16, exact in binary, so rows 4 apart from
// a multiple of 8 land on half tenths.
struct TextCase {
    const char* Name;
    QChar System;
    SeparatorChoice Choice;
    std::string Expected;
};

class StripTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(StripTextCases, ByteForByte) {
    const TextCase& c = GetParam();
    test::DecimalCharGuard guard(c.System);
    Calibration cal = DefaultChart();
    const StripGeometry strips = Strips({{{0, 640}, {0, 640}, {-100, 540}}});
    PointStore store;
    InitSamples(store, {0, 1, 2, 3}, strips);
    // Row 545 is trace 3's not-found row: the text takes it as it stands.
    const std::int32_t rows[3][3] = {{640, 0, 544}, {636, 628, 545}, {320, 16, 0}};
    for (int k = 1; k <= 3; ++k) {
        for (int trace = 1; trace <= 3; ++trace) {
            store.PointPixels[k][trace].PixY = rows[k - 1][trace - 1];
        }
    }
    EXPECT_EQ(BuildStripTableText(store, cal, strips, 3, 0.05L, c.Choice).toStdString(),
              c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    StripSampling, StripTextCases,
    ::testing::Values(TextCase{"PointSystemAsIs", u'.', SeparatorChoice::System,
                               "3\t0\t40\t-0.2\r\n3.05\t0.2\t0.8\t-0.3\r\n3.1\t20\t39\t33.8\r\n"},
                      TextCase{"PointSystemToComma", u'.', SeparatorChoice::Comma,
                               "3\t0\t40\t-0,2\r\n3,05\t0,2\t0,8\t-0,3\r\n3,1\t20\t39\t33,8\r\n"},
                      TextCase{"CommaSystemToPoint", u',', SeparatorChoice::Point,
                               "3\t0\t40\t-0.2\r\n3.05\t0.2\t0.8\t-0.3\r\n3.1\t20\t39\t33.8\r\n"},
                      TextCase{"CommaSystemAsIs", u',', SeparatorChoice::None,
                               "3\t0\t40\t-0,2\r\n3,05\t0,2\t0,8\t-0,3\r\n3,1\t20\t39\t33,8\r\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(StripSampling, TextRefusesAStripWithoutHeight) {
    const StripGeometry strips = Strips({{{0, 640}, {300, 300}, {-100, 540}}});
    PointStore store;
    EXPECT_TRUE(Mentions(ErrorOf<CalcError>([&] {
                             BuildStripTableText(store, DefaultChart(), strips, 1, 0.05L,
                                                 SeparatorChoice::System);
                         }),
                         "Strip 2 has no height"));
}

} // namespace
} // namespace lineora
