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

TEST(StripSampling, StripsAndSearchLinesOfTheDefaultChart) {
    // h = Trunc((700 - 100 - 2 * 26) / 3) = 182; strip 2 takes what the rounding leaves.
    const StripGeometry strips = SamplingStrips(DefaultChart(), 26);
    std::vector<std::int32_t> ends;
    for (int s = 1; s <= 3; ++s) {
        ends.insert(ends.end(), {strips.Strips[s].Top, strips.Strips[s].Bottom});
    }
    EXPECT_EQ(ends, (std::vector<std::int32_t>{100, 282, 308, 492, 518, 700}));
    // Each time rounds onto the axis: 20 pixels per line, 16.65, and leftward (X-max at 20).
    const struct {
        std::int32_t XMaxX;
        std::vector<std::pair<int, std::int32_t>> Lines; // search line, column
    } cases[] = {{500, {{1, 100}, {2, 120}, {20, 480}, {21, 500}}},
                 {433, {{1, 100}, {2, 117}, {3, 133}, {4, 150}, {21, 433}}},
                 {20, {{1, 100}, {2, 96}, {5, 84}, {21, 20}}}};
    for (const auto& c : cases) {
        const std::vector<std::int32_t> columns =
            SearchLineColumns(DefaultChart(c.XMaxX), kDefaultCount, kDefaultStep);
        ASSERT_EQ(columns.size(), 22u);
        for (const auto& [k, column] : c.Lines) {
            EXPECT_EQ(columns[k], column) << "X-max at " << c.XMaxX << ", line " << k;
        }
    }
    // Ten seconds at two points per second spread over the same 400 pixels.
    Calibration tenSeconds = DefaultChart(500);
    tenSeconds.AxisXMax = 13;
    const std::vector<std::int32_t> spread = SearchLineColumns(tenSeconds, kDefaultCount, 0.5L);
    EXPECT_EQ(spread[2], 120);
    EXPECT_EQ(spread[21], 500);
}

TEST(StripSampling, SearchLinesRefuseWhatCannotBeLaid) {
    Calibration equalValues = DefaultChart();
    equalValues.AxisXMax = equalValues.AxisXMin;
    const std::tuple<Calibration, std::int32_t, const char*> cases[] = {
        {DefaultChart(100), kDefaultCount, "zero point's column"},
        {equalValues, kDefaultCount, "equal"},
        {DefaultChart(), 0, "search lines"},
        {DefaultChart(), kLastRow + 1, "search lines"}};
    for (const auto& [cal, n, why] : cases) {
        EXPECT_TRUE(
            Mentions(ErrorOf<CalcError>([&] { SearchLineColumns(cal, n, kDefaultStep); }), why));
    }
}

// The pixel test as it reads: the centre from the clean copy, the eight neighbours from the
// working picture, white paper off the picture, both bounds inclusive.
std::int32_t LiteralColourSearch(const QImage& clean, const QImage& working, const Strip& strip,
                                 const TColor* shade, int density, std::int32_t x,
                                 std::int32_t notFound) {
    auto inBox = [&](TColor c) {
        for (const auto part : {ColorRed, ColorGreen, ColorBlue}) {
            const auto [lo, hi] = std::minmax({part(shade[0]), part(shade[1]), part(shade[2])});
            if (part(c) < lo || part(c) > hi) {
                return false;
            }
        }
        return true;
    };
    for (int y = strip.Top + 5; y <= strip.Bottom - 5; ++y) {
        int count = 0;
        for (int i = 0; i < 9; ++i) {
            const int px = x + i % 3 - 1, py = y + i / 3 - 1;
            const QImage& from = i == 4 ? clean : working;
            count += inBox(from.valid(px, py) ? test::ColorAt(from, px, py) : 0xFFFFFFu);
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
        for (int i = 0; i < 2400; ++i) {
            clean.setPixel(i % 24, i / 24, palette[pick(2) == 0 ? pick(5) : 3]);
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
        std::vector<std::int32_t> columns = {0};
        for (int x = -1; x <= 24; x += 1 + pick(3)) {
            columns.push_back(x);
        }
        const int n = static_cast<int>(columns.size()) - 1;
        PointStore store;
        InitSamples(store, columns, strips);
        PointStore other = store;
        SearchByColour(store, clean, working, strips, colours, density, n);
        // A picture of another pixel format gives the same samples.
        SearchByColour(other, clean.convertToFormat(QImage::Format_RGB888),
                       working.convertToFormat(QImage::Format_RGB888), strips, colours, density, n);
        for (int trace = 1; trace <= 3; ++trace) {
            EXPECT_EQ(test::Positions(other, trace), test::Positions(store, trace));
            for (int k = 1; k <= n; ++k) {
                ASSERT_EQ(store.PointPixels[k][trace].PixY,
                          LiteralColourSearch(clean, working, strips.Strips[trace],
                                              &colours[3 * trace - 2], density, columns[k],
                                              NotFoundRow(strips, trace)))
                    << "round " << round << ", trace " << trace << ", column " << columns[k];
            }
        }
    }
}

// The middle of the first longest run of red ink on a search line at column 2; -1: not found.
TEST(StripSampling, RedInkFindsTheMiddleOfTheFirstLongestRun) {
    const struct {
        std::int32_t Top, Bottom, Height;
        std::vector<std::pair<int, int>> Red; // runs: first row, rows
        std::int32_t Expected;
        QRgb Shade = qRgb(180, 100, 100);
    } cases[] = {
        {10, 60, 80, {{30, 1}}, -1}, // one pixel is not a run
        {10, 60, 80, {{30, 3}}, 30}, // j = 32, m = 3, Round(61 / 2) = 30 (halves to even)
        {10, 60, 80, {{30, 4}}, 31},
        {10, 60, 80, {{20, 3}, {40, 3}}, 20},
        {10, 60, 80, {{20, 3}, {40, 5}}, 42},
        {10, 60, 80, {{12, 5}}, 15}, // ink above top + 5 does not count
        {10, 60, 80, {{54, 6}}, 54}, // cut at the end of the scan
        {10, 60, 80, {{30, 4}}, -1, qRgb(179, 0, 0)},
        {10, 60, 80, {{30, 4}}, -1, qRgb(255, 101, 0)},
        {10, 60, 80, {{30, 4}}, -1, qRgb(255, 0, 101)},
        {10, 90, 80, {{70, 10}}, 74}, // the strip runs below the picture
        {1500, 2000, 2100, {{1800, 10}}, 1804},
    };
    for (const auto& c : cases) {
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
            EXPECT_EQ(store.PointPixels[1][trace].PixY, c.Expected < 0 ? c.Bottom + 5 : c.Expected)
                << "ink at " << c.Red.front().first << ", trace " << trace;
        }
    }
}

TEST(StripSampling, ApproximationFillsTheMissingSamplesOfATrace) {
    constexpr std::int32_t M = -1; // not found
    const struct {
        std::vector<std::int32_t> Before, After; // trace 2's samples
    } cases[] = {{{80, M, M, 86}, {80, 82, 84, 86}},
                 // -1/2 rounds to 0, and the next step starts from the rounded row.
                 {{80, M, M, 81}, {80, 80, 80, 81}},
                 {{M, M, 80, M, 90, M}, {80, 80, 80, 85, 90, 90}},
                 {{M, M, M, M}, {M, M, M, M}},
                 {{M}, {M}}};
    const StripGeometry strips = Strips({{{0, 50}, {60, 110}, {120, 170}}});
    const std::int32_t missing = NotFoundRow(strips, 2);
    for (const auto& c : cases) {
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
                << n << " samples, sample " << k;
            EXPECT_EQ(store.PointPixels[k][1].PixY, missing) << "trace 1, sample " << k;
        }
    }
}

// Rows 10..90 of a 130-pixel picture, judged between columns 10 and 110 (101 pixels, 70 of
// them white needed at the fraction 0.7). Every row has ink at columns 5 and 115, outside.
TEST(StripSampling, GridClearingWhitensTheRowsLessWhiteThanTheFraction) {
    const struct {
        int Y, Black; // pixels blackened from column 10 on
        bool Whitened;
    } rows[] = {
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
        test::FillBox(working, QRect(5, 0, 1, 100), Qt::black);
        test::FillBox(working, QRect(115, 0, 1, 100), Qt::black);
        QImage expected = working.copy();
        int whitenedRows = 0;
        for (const auto& row : rows) {
            test::FillBox(working, QRect(10, row.Y, row.Black, 1), Qt::black);
            test::FillBox(expected, QRect(10, row.Y, row.Whitened ? 0 : row.Black, 1), Qt::black);
            whitenedRows += row.Whitened;
        }
        EXPECT_EQ(leftward ? ClearGridRows(working, strips, 110, 10, 0.7)
                           : ClearGridRows(working, strips, 10, 110, 0.7),
                  whitenedRows);
        EXPECT_EQ(working, expected) << "leftward " << leftward;
    }
    // Columns 60..159 lie off the 60-pixel picture: 100 white of 160, fewer than 0.7 * 159.
    QImage working = test::WhitePicture(60, 50);
    test::FillRows(working, 20, 20, Qt::black);
    const StripGeometry wide = Strips({{{10, 30}, {40, 45}, {46, 80}}});
    EXPECT_EQ(ClearGridRows(working, wide, 0, 159, 0.6), 0);
    EXPECT_EQ(ClearGridRows(working, wide, 0, 159, 0.7), 1);
    EXPECT_EQ(working, test::WhitePicture(60, 50));
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
// a multiple of 8 land on half tenths. Row 545 is trace 3's not-found row: the text takes it
// as it stands.
TEST(StripSampling, TextByteForByteWithEachSeparatorAndNoneForAStripWithoutHeight) {
    const StripGeometry strips = Strips({{{0, 640}, {0, 640}, {-100, 540}}});
    PointStore store;
    InitSamples(store, {0, 1, 2, 3}, strips);
    const std::int32_t rows[3][3] = {{640, 0, 544}, {636, 628, 545}, {320, 16, 0}};
    for (int k = 1; k <= 3; ++k) {
        for (int trace = 1; trace <= 3; ++trace) {
            store.PointPixels[k][trace].PixY = rows[k - 1][trace - 1];
        }
    }
    const std::string point = "3\t0\t40\t-0.2\r\n3.05\t0.2\t0.8\t-0.3\r\n3.1\t20\t39\t33.8\r\n";
    std::string comma = point;
    std::replace(comma.begin(), comma.end(), '.', ',');
    const struct {
        QChar System;
        SeparatorChoice Choice;
        const std::string& Expected;
    } cases[] = {{u'.', SeparatorChoice::System, point},
                 {u'.', SeparatorChoice::Comma, comma},
                 {u',', SeparatorChoice::Point, point},
                 {u',', SeparatorChoice::None, comma}};
    for (const auto& c : cases) {
        test::DecimalCharGuard guard(c.System);
        EXPECT_EQ(
            BuildStripTableText(store, DefaultChart(), strips, 3, 0.05L, c.Choice).toStdString(),
            c.Expected)
            << "system " << c.System.toLatin1() << ", choice " << static_cast<int>(c.Choice);
    }
    const StripGeometry flat = Strips({{{0, 640}, {300, 300}, {-100, 540}}});
    EXPECT_TRUE(Mentions(ErrorOf<CalcError>([&] {
                             BuildStripTableText(store, DefaultChart(), flat, 3, 0.05L,
                                                 SeparatorChoice::System);
                         }),
                         "Strip 2 has no height"));
}

} // namespace
} // namespace lineora
