// The light-distribution tables, compared as whole texts with the files the ILLUM database
// reads, under a "." and a "," system separator alike.

#include "core/photometry/LightTable.h"
#include "core/common/Errors.h"
#include "support/DecimalCharGuard.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace lineora {
namespace {

using Curve = std::vector<ChartPoint>;
using Curves = std::array<Curve, kCurveCount + 1>; // 1..5

// The store as a recompute leaves it; each point's picture position is told apart by its row
// and curve.
PointStore StoreWith(const Curves& curves) {
    PointStore store;
    for (int c = 1; c <= kCurveCount; ++c) {
        int row = kFirstRow;
        for (const ChartPoint& point : curves[static_cast<std::size_t>(c)]) {
            store.PointPixels[row][c] = {1, 100 * c + row, row};
            store.PointValues[row][c] = {1, point.X, point.Y};
            ++row;
        }
        store.LineNext[c] = row;
    }
    return store;
}

const std::string kOneCurveHead =
    "ILLUM Data Base of Light Devices.\n"
    "This file represents a special format of LID Table for AXIAL symmetric light devices.\n"
    "Arguments should be in strictly ascending order.\n"
    "Don`t delete or change mark lines which include dashes.\n"
    "---------- Function Multiplier ------------------------------------------------------\n"
    "1\n"
    "---------- Alfa ------------ I(alfa) ------------------------------------------------\n";
const std::string kTwoCurveHead =
    "ILLUM Data Base of Light Devices.\n"
    "This file represents a special format of LID Table for SIMILAR symmetric light devices.\n"
    "Arguments should be in strictly ascending order with positive values.\n"
    "Don`t delete or change mark lines which include dashes.\n"
    "---------- Function Multiplier ------------------------------------------------------\n"
    "1\n"
    "---------- Cross Distribution -------------------------------------------------------\n"
    "--- Alfa (lower) --- I(alfa) -------------- Alfa (upper) ------- I(alfa) ------------\n";
const std::string kLongMarks =
    "---------- Longitudinal Distribution ------------------------------------------------\n"
    "---------- Alfa (left) --- I(alfa) -------- Alfa (right) --- I(alfa) ----------------\n";
const std::string kEnd =
    "---------- End of File --------------------------------------------------------------\n";

// The lines of a table, each ended by a line break.
QString Text(const QStringList& lines) {
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

const std::string kI0Row100 =
    "      0.00        |      100.00        ||      0.00        |        100.00\n";
const std::string kI0Row120 =
    "      0.00        |      120.00        ||      0.00        |        120.00\n";

// Curve 5 before the table: every special point at (7, 7), to show which ones it fills.
const Curve kPresetSpecial(5, ChartPoint{7, 7});

struct PolarCase {
    const char* Name;
    PolarTableFields Fields;
    Curves Points;
    std::string Expected;
    Curve Special; // curve 5 after the table
};

class PolarTable : public ::testing::TestWithParam<PolarCase> {};

TEST_P(PolarTable, IsWrittenByteForByte) {
    const PolarCase& c = GetParam();
    for (const char separator : {'.', ','}) {
        const test::DecimalCharGuard guard{QLatin1Char(separator)};
        Curves points = c.Points;
        points[5] = kPresetSpecial;
        PointStore store = StoreWith(points);
        EXPECT_EQ(Text(PolarLightTable(store, c.Fields)), QString::fromStdString(c.Expected))
            << separator;
        for (int row = 1; row <= 5; ++row) {
            const ChartPoint& want = c.Special[static_cast<std::size_t>(row - 1)];
            EXPECT_EQ(store.PointValues[row][5].ValX, want.X) << row;
            EXPECT_EQ(store.PointValues[row][5].ValY, want.Y) << row;
        }
    }
}

using enum LightAngles;

// clang-format off
INSTANTIATE_TEST_SUITE_P(LightTable, PolarTable, ::testing::Values(
    // The twin on curve 2 is not written.
    PolarCase{"OneCurveExample", {}, {{{}, {{10, 95}, {20, 80}}, {{-10, 95}}}}, kOneCurveHead +
        "             0.00      |     100.00\n"
        "            10.00      |      95.00\n"
        "            20.00      |      80.00\n"
        "            90.00      |       0.00\n" + kEnd,
        {{7, 7}, {90, 0}, {7, 7}, {7, 7}, {7, 7}}},
    // The lower half runs longer: the upper limit below its last point, the lower one in a row
    // of its own ending in a single blank. The empty plane's halves share one limit row.
    PolarCase{"TwoSidedPlanes",
        {.ChartType = 2, .Angles = Different, .Upper = 80, .Lower = 70, .Right = 60, .Left = 50},
        {{{}, {{10, 95}}, {{10, 90}, {20, 70}}}},
        kTwoCurveHead + kI0Row100 +
        "     10.00        |       90.00        ||     10.00        |         95.00\n"
        "     20.00        |       70.00        ||     80.00        |          0.00\n"
        "     70.00        |        0.00        ||                  |       \n" + kLongMarks +
        kI0Row100 +
        "     50.00        |        0.00        ||     60.00        |          0.00\n" + kEnd,
        {{0, 100}, {80, 0}, {70, 0}, {60, 0}, {50, 0}}},
    // Curve 2 holds twins the table ignores, the cross plane's limit is the upper one; the right
    // half runs longer, so its limit closes the plane beside blanks.
    PolarCase{"SymmetricCrossPlane", {.ChartType = 2, .CrossSymmetric = true, .Angles = Different,
        .Upper = 80, .Lower = 30, .Right = 60, .Left = 50},
        {{{}, {{10, 95}}, {{10, 95}, {50, 1}}, {{10, 35}, {25, 15}}, {{10, 30}}}},
        kTwoCurveHead + kI0Row100 +
        "     10.00        |       95.00        ||     10.00        |         95.00\n"
        "     80.00        |        0.00        ||     80.00        |          0.00\n" + kLongMarks +
        kI0Row100 +
        "     10.00        |       30.00        ||     10.00        |         35.00\n"
        "     50.00        |        0.00        ||     25.00        |         15.00\n"
        "                  |                    ||     60.00        |          0.00\n" + kEnd,
        {{0, 100}, {80, 0}, {80, 0}, {60, 0}, {50, 0}}}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

struct CartesianCase {
    const char* Name;
    CartesianTableFields Fields;
    Curves Points;
    std::string Expected;
    const char* Label = "untouched"; // the shift's, with "." standing for the system separator
};

class CartesianTable : public ::testing::TestWithParam<CartesianCase> {};

TEST_P(CartesianTable, IsWrittenByteForByte) {
    const CartesianCase& c = GetParam();
    for (const char separator : {'.', ','}) {
        const test::DecimalCharGuard guard{QLatin1Char(separator)};
        PointStore store = StoreWith(c.Points);
        PairShift shift{1, 0, QStringLiteral("untouched")};
        EXPECT_EQ(Text(CartesianLightTable(store, c.Fields, &shift)),
                  QString::fromStdString(c.Expected))
            << separator;
        EXPECT_EQ(shift.Label, QString::fromLatin1(c.Label).replace(QLatin1Char('.'), separator));
        // Only values turn round: the picture positions keep the store's order.
        for (const int curve : {2, 4}) {
            EXPECT_EQ(test::Positions(store, curve), test::Positions(StoreWith(c.Points), curve));
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LightTable, CartesianTable, ::testing::Values(
    CartesianCase{"OneCurveEndsWithoutALimitRow", {1, true, true},
        {{{}, {{10, 80}, {20, 60}}, {{-10, 80}}, {}, {}, {{0.4, -100}}}}, kOneCurveHead +
        "             0.00      |     100.00\n"
        "            10.00      |      80.00\n"
        "            20.00      |      60.00\n" + kEnd},
    // The second pair's axis at 30 degrees and 60: every curve-3/4 point 30 degrees down and
    // doubled. The negative halves run outwards from 0 however they were stored; a half without
    // a point in a row leaves its two cells blank, and no limit rows follow.
    CartesianCase{"ShiftedSecondPair", {3, false, false},
        {{{}, {{10, 90}, {20, 80}, {30, 70}}, {{-30, 65}, {-10, 85}}, {{40, 50}, {60, 20}},
          {{0, 25}, {20, 55}, {-10, 5}}, {{0, 120}, {30, 60}}}},
        kTwoCurveHead + kI0Row120 +
        "     10.00        |       85.00        ||     10.00        |         90.00\n"
        "     30.00        |       65.00        ||     20.00        |         80.00\n"
        "                  |                    ||     30.00        |         70.00\n" + kLongMarks +
        kI0Row120 +
        "     10.00        |      110.00        ||     10.00        |        100.00\n"
        "     30.00        |       50.00        ||     30.00        |         40.00\n"
        "     40.00        |       10.00        ||                  |              \n" + kEnd,
        "   120/    60=  2.0000"}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

TEST(LightTable, ShiftOntoAZeroAxialIntensityIsRefusedWithNothingChanged) {
    PointStore store = StoreWith({{{}, {}, {}, {{40, 50}}, {{20, 55}}, {{0, 120}, {30, 0}}}});
    PairShift shift{1, 0, QStringLiteral("last")};
    EXPECT_THROW(CartesianLightTable(store, {3, false, false}, &shift), CalcError);
    EXPECT_EQ(shift.Label, QStringLiteral("last"));
    EXPECT_EQ(store.PointValues[1][3].ValX, 40);
    EXPECT_EQ(store.PointValues[1][4].ValY, 55);
}

} // namespace
} // namespace lineora
