#include "core/curves/PointStore.h"

#include "core/common/Errors.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lineora {
namespace {

using test::Positions;
using Points = std::vector<PicturePoint>;

class StoreValues : public ::testing::Test {
protected:
    Settings settings = test::TestSettings();
    Calibration cal = test::WorkedCalibration(settings);
    PointStore store;

    double X(int row, int c) const { return static_cast<double>(store.PointValues[row][c].ValX); }
    double Y(int row, int c) const { return static_cast<double>(store.PointValues[row][c].ValY); }
};

TEST_F(StoreValues, RecomputeConvertsEveryPointAndMarksExactlyTheUsedRows) {
    AppendPoint(store, 1, 300, 250);
    AppendPoint(store, 1, 100, 400);
    AppendPoint(store, 3, 500, 100);
    store.PointValues[7][2] = ValueEntry{1, 9, 9}; // stale, must go
    RecomputeAllValues(store, cal, settings, 0);
    EXPECT_DOUBLE_EQ(X(1, 1), 5.0);
    EXPECT_DOUBLE_EQ(Y(1, 1), 1.5);
    EXPECT_DOUBLE_EQ(X(2, 1), 0.0);
    EXPECT_DOUBLE_EQ(X(1, 3), 10.0);
    EXPECT_DOUBLE_EQ(Y(1, 3), 3.0);
    for (int row = 0; row < kRowCount; ++row) {
        for (int c = 1; c <= kCurveCount; ++c) {
            EXPECT_EQ(store.PointValues[row][c].Valid == 1, store.PointPixels[row][c].Used == 1)
                << "row " << row << " curve " << c;
        }
    }
}

TEST_F(StoreValues, ErrorPartWayLeavesTheRestZeroAndPropagates) {
    settings.ScaleX = ScaleKind::Log10;
    cal.AxisXMax = 200;
    AppendPoint(store, 1, 300, 400);   // 10^100
    AppendPoint(store, 1, 50000, 400); // 10^24950 overflows
    AppendPoint(store, 2, 300, 400);
    store.PointValues[1][2] = ValueEntry{1, 4, 4};
    EXPECT_THROW(RecomputeAllValues(store, cal, settings, 0), CalcError);
    EXPECT_EQ(store.PointValues[1][1].Valid, 1);
    EXPECT_DOUBLE_EQ(X(1, 1), 1e100);
    EXPECT_EQ(store.PointValues[2][1].Valid, 0);
    EXPECT_EQ(store.PointValues[1][2].Valid, 0);
    EXPECT_EQ(X(1, 2), 0.0);
}

TEST_F(StoreValues, LightDistributionModeKeepsAbsoluteX) {
    AppendPoint(store, 1, 60, 250); // X = -1
    RecomputeAllValues(store, cal, settings, 3);
    EXPECT_DOUBLE_EQ(X(1, 1), 1.0);
    RecomputeAllValues(store, cal, settings, 0);
    EXPECT_DOUBLE_EQ(X(1, 1), -1.0);
}

TEST_F(StoreValues, DoubleAxisModeValuesTheFixedPointsOfCurveFive) {
    const DoubleAxisRanges ranges{-90, 90, 0, 100};
    AppendPoint(store, 1, 500, 400);
    AppendPoint(store, 5, 100, 400);
    store.PointPixels[2][5] = PixelEntry{0, 300, 250}; // fixed point without a used flag
    RecomputeAllValues(store, cal, settings, 4, &ranges);
    EXPECT_DOUBLE_EQ(X(1, 1), 90.0);
    EXPECT_DOUBLE_EQ(X(1, 5), -90.0);
    EXPECT_DOUBLE_EQ(X(2, 5), 0.0);
    EXPECT_DOUBLE_EQ(Y(2, 5), 50.0);
    EXPECT_EQ(store.PointValues[2][5].Valid, 1);
    EXPECT_EQ(store.PointValues[3][5].Valid, 1);
    EXPECT_EQ(store.PointValues[4][5].Valid, 0);

    RecomputeAllValues(store, cal, settings, 4); // without the ranges: no fixed points
    EXPECT_EQ(store.PointValues[2][5].Valid, 0);
}

struct SortCase {
    const char* Name;
    Points Before;
    Points Sorted;
    bool MakeSort = true;
};

class StoreSort : public StoreValues, public ::testing::WithParamInterface<SortCase> {};

TEST_P(StoreSort, CurrentCurveAscendsInXKeepingTiesInOrder) {
    settings.MakeSort = GetParam().MakeSort;
    store.CurrentLine = 2;
    for (const PicturePoint& p : GetParam().Before) {
        AppendPoint(store, 2, p.X, p.Y);
        AppendPoint(store, 1, p.X, p.Y);
    }
    RecomputeAllValues(store, cal, settings, 0);
    SortCurrentLine(store, settings, store.LineNext[2]);
    EXPECT_EQ(Positions(store, 2), GetParam().Sorted);
    EXPECT_EQ(Positions(store, 1), GetParam().Before);
    for (int row = kFirstRow; row < store.LineNext[2]; ++row) {
        const PixelEntry& p = store.PointPixels[row][2];
        EXPECT_DOUBLE_EQ(X(row, 2), (p.PixX - 100) / 40.0);
        EXPECT_DOUBLE_EQ(Y(row, 2), (400 - p.PixY) / 100.0);
        EXPECT_EQ(store.PointValues[row][2].Valid, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoreSort,
    ::testing::Values(SortCase{"EqualXKeepClickOrder",
                               {{300, 50}, {300, 10}, {200, 90}, {300, 30}},
                               {{200, 90}, {300, 50}, {300, 10}, {300, 30}}},
                      SortCase{"Shuffled",
                               {{250, 1}, {110, 2}, {490, 3}, {20, 4}, {300, 5}},
                               {{20, 4}, {110, 2}, {250, 1}, {300, 5}, {490, 3}}},
                      // A lone point to the right of the zero row behind it must stay put.
                      SortCase{"SinglePoint", {{300, 10}}, {{300, 10}}},
                      SortCase{"WithoutMakeSort",
                               {{400, 254}, {300, 253}, {200, 252}},
                               {{400, 254}, {300, 253}, {200, 252}},
                               false}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace lineora
