// The light-distribution tables, compared as whole texts with the files the ILLUM database
// reads, under a "." and a "," system separator alike.

#include "core/photometry/LightTable.h"
#include "core/common/Errors.h"
#include "support/DecimalCharGuard.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>
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

QString Text(const QStringList& lines) {
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
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

std::string OneCurve(const std::string& rows) {
    return kOneCurveHead + rows + kEnd;
}
std::string TwoCurves(const std::string& cross, const std::string& longitudinal) {
    return kTwoCurveHead + cross + kLongMarks + longitudinal + kEnd;
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

void PrintTo(const PolarCase& c, std::ostream* out) {
    *out << c.Name;
}

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

PolarTableFields Fields(int chart, LightAngles angles, bool cross = false, bool longSym = false) {
    PolarTableFields fields;
    fields.ChartType = chart;
    fields.Angles = angles;
    fields.CrossSymmetric = cross;
    fields.LongSymmetric = longSym;
    return fields;
}

PolarTableFields With(PolarTableFields fields, Extended i0, Extended i180,
                      std::array<Extended, 4> limits = {90, 90, 90, 90}) {
    fields.I0 = i0;
    fields.I180 = i180;
    fields.Upper = limits[0];
    fields.Lower = limits[1];
    fields.Right = limits[2];
    fields.Left = limits[3];
    return fields;
}

using enum LightAngles;

// clang-format off
INSTANTIATE_TEST_SUITE_P(LightTable, PolarTable, ::testing::Values(
    PolarCase{"OneCurveExample", Fields(1, All90), {{{}, {{10, 95}, {20, 80}}}}, OneCurve(
        "             0.00      |     100.00\n"
        "            10.00      |      95.00\n"
        "            20.00      |      80.00\n"
        "            90.00      |       0.00\n"),
        {{7, 7}, {90, 0}, {7, 7}, {7, 7}, {7, 7}}},
    // Entering the mode and saving at once; the twins on curve 2 are not written.
    PolarCase{"OneCurveWithoutPoints", Fields(1, All90), {{{}, {}, {{10, 95}}}}, OneCurve(
        "             0.00      |     100.00\n"
        "            90.00      |       0.00\n"),
        {{7, 7}, {90, 0}, {7, 7}, {7, 7}, {7, 7}}},
    PolarCase{"OneCurveUpperLimitOnly", With(Fields(1, Different), 100, 9, {75.5, 1, 2, 3}),
        {{{}, {{10, -12.5}}}}, OneCurve(
        "             0.00      |     100.00\n"
        "            10.00      |      12.50\n"
        "            75.50      |       0.00\n"),
        {{7, 7}, {75.5, 0}, {7, 7}, {7, 7}, {7, 7}}},
    // The upper half ends first: its limit below its last point, the lower one in a row of its
    // own ending in a single blank. Empty halves share one limit row.
    PolarCase{"UpperHalfShorter", Fields(2, All90), {{{}, {{10, 95}}, {{10, 90}, {20, 70}}}},
        TwoCurves(kI0Row100 +
        "     10.00        |       90.00        ||     10.00        |         95.00\n"
        "     20.00        |       70.00        ||     90.00        |          0.00\n"
        "     90.00        |        0.00        ||                  |       \n",
        kI0Row100 +
        "     90.00        |        0.00        ||     90.00        |          0.00\n"),
        {{0, 100}, {90, 0}, {90, 0}, {90, 0}, {90, 0}}},
    PolarCase{"LowerHalfShorterAndEqualCounts",
        With(Fields(2, Different), 100, 9, {80, 70, 60, 50}),
        {{{}, {{5, 60}, {15, 40}}, {{5, 50}}, {{10, 35}, {25, 15}}, {{10, 30}, {20, 20}}}},
        TwoCurves(kI0Row100 +
        "      5.00        |       50.00        ||      5.00        |         60.00\n"
        "     70.00        |        0.00        ||     15.00        |         40.00\n"
        "                  |                    ||     80.00        |          0.00\n",
        kI0Row100 +
        "     10.00        |       30.00        ||     10.00        |         35.00\n"
        "     20.00        |       20.00        ||     25.00        |         15.00\n"
        "     50.00        |        0.00        ||     60.00        |          0.00\n"),
        {{0, 100}, {80, 0}, {70, 0}, {60, 0}, {50, 0}}},
    // Curves 2 and 4 hold twins the table ignores; the second half's angle closes both.
    PolarCase{"SymmetricPlanes", With(Fields(2, Different, true, true), 100, 9, {80, 30, 60, 20}),
        {{{}, {{10, 95}}, {{10, 95}, {50, 1}}, {{15, 70}, {30, 40}}, {{99, 99}}}},
        TwoCurves(kI0Row100 +
        "     10.00        |       95.00        ||     10.00        |         95.00\n"
        "     80.00        |        0.00        ||     80.00        |          0.00\n",
        kI0Row100 +
        "     15.00        |       70.00        ||     15.00        |         70.00\n"
        "     30.00        |       40.00        ||     30.00        |         40.00\n"
        "     60.00        |        0.00        ||     60.00        |          0.00\n"),
        {{0, 100}, {80, 0}, {80, 0}, {60, 0}, {60, 0}}},
    PolarCase{"TwoCurvesAt180", With(Fields(2, All180), 120, 40), {},
        TwoCurves(kI0Row120 +
        "    180.00        |       40.00        ||    180.00        |         40.00\n",
        kI0Row120 +
        "    180.00        |       40.00        ||    180.00        |         40.00\n"),
        {{0, 120}, {180, 40}, {180, 40}, {180, 40}, {180, 40}}}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

struct CartesianCase {
    const char* Name;
    CartesianTableFields Fields;
    Curves Points;
    std::string Expected;
};

void PrintTo(const CartesianCase& c, std::ostream* out) {
    *out << c.Name;
}

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
        if (c.Fields.ChartType != 3) {
            EXPECT_EQ(shift.Label, QStringLiteral("untouched"));
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LightTable, CartesianTable, ::testing::Values(
    CartesianCase{"OneCurveEndsWithoutALimitRow", {1, true, true},
        {{{}, {{10, 80}, {20, 60}}, {{-10, 80}}, {}, {}, {{0.4, -100}}}}, OneCurve(
        "             0.00      |     100.00\n"
        "            10.00      |      80.00\n"
        "            20.00      |      60.00\n")},
    // The negative halves run outwards from 0 however they were stored; a half without a point
    // in a row leaves its two cells blank, and no limit rows follow.
    CartesianCase{"TwoSidedPlanes", {2, false, false},
        {{{}, {{10, 90}, {20, 80}, {30, 70}}, {{-30, 65}, {-10, 85}}, {{15, 50}},
          {{-5, 55}, {-25, 35}, {-15, 45}}, {{0, 100}}}},
        TwoCurves(kI0Row100 +
        "     10.00        |       85.00        ||     10.00        |         90.00\n"
        "     30.00        |       65.00        ||     20.00        |         80.00\n"
        "                  |                    ||     30.00        |         70.00\n",
        kI0Row100 +
        "      5.00        |       55.00        ||     15.00        |         50.00\n"
        "     15.00        |       45.00        ||                  |              \n"
        "     25.00        |       35.00        ||                  |              \n")},
    CartesianCase{"SymmetricPlanes", {2, true, true},
        {{{}, {{10, 90}}, {{-50, 5}}, {{20, 50}}, {{-1, 1}}, {{0, 100}}}},
        TwoCurves(kI0Row100 +
        "     10.00        |       90.00        ||     10.00        |         90.00\n",
        kI0Row100 +
        "     20.00        |       50.00        ||     20.00        |         50.00\n")},
    // The second pair's axis at 30 degrees and 60: every curve-3/4 point 30 degrees down and
    // doubled.
    CartesianCase{"ShiftedSecondPair", {3, true, false},
        {{{}, {{10, 100}}, {}, {{40, 50}, {60, 20}}, {{0, 25}, {20, 55}}, {{0, 120}, {30, 60}}}},
        TwoCurves(kI0Row120 +
        "     10.00        |      100.00        ||     10.00        |        100.00\n",
        kI0Row120 +
        "     10.00        |      110.00        ||     10.00        |        100.00\n"
        "     30.00        |       50.00        ||     30.00        |         40.00\n")}),
    [](const auto& info) { return std::string(info.param.Name); });
// clang-format on

Curves ShiftCurves(Extended secondAxisIntensity) {
    return {{{},
             {},
             {{-20, 3}, {-10, 4}},
             {{40, 50}},
             {{20, 55}},
             {{0, 120}, {30, secondAxisIntensity}}}};
}

TEST(LightTable, ShiftReportsItsFactorAndKeepsPicturePositions) {
    for (const auto& [separator, label] :
         {std::pair{'.', "   120/    60=  2.0000"}, {',', "   120/    60=  2,0000"}}) {
        const test::DecimalCharGuard guard{QLatin1Char(separator)};
        PointStore store = StoreWith(ShiftCurves(60));
        PairShift shift;
        CartesianLightTable(store, {3, false, false}, &shift);
        EXPECT_EQ(shift.Label, QLatin1String(label));
        EXPECT_EQ(shift.Scale, 2);
        EXPECT_EQ(shift.Shift, -30);
        EXPECT_EQ(store.PointValues[1][3].ValX, 10);
        EXPECT_EQ(store.PointValues[1][4].ValY, 110);
        // Curve 2's values turned round, its picture positions kept in the store's order.
        EXPECT_EQ(store.PointValues[1][2].ValX, -10);
        EXPECT_EQ(store.PointValues[2][2].ValY, 3);
        EXPECT_EQ(store.PointPixels[1][2].PixX, 201);
    }
}

TEST(LightTable, ShiftOntoAZeroAxialIntensityIsRefusedWithNothingChanged) {
    PointStore store = StoreWith(ShiftCurves(0));
    const PointStore before = store;
    PairShift shift{1, 0, QStringLiteral("last")};
    EXPECT_THROW(CartesianLightTable(store, {3, false, false}, &shift), CalcError);
    EXPECT_EQ(shift.Label, QStringLiteral("last"));
    for (int row = kFirstRow; row <= 3; ++row) {
        for (int c = 1; c <= kCurveCount; ++c) {
            EXPECT_EQ(store.PointValues[row][c].ValX, before.PointValues[row][c].ValX);
            EXPECT_EQ(store.PointValues[row][c].ValY, before.PointValues[row][c].ValY);
            EXPECT_EQ(store.PointPixels[row][c].PixX, before.PointPixels[row][c].PixX);
        }
    }
}

} // namespace
} // namespace lineora
