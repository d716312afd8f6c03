#include "core/curves/PointStore.h"

#include "core/common/Errors.h"
#include "support/ScriptedHost.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace lineora {
namespace {

using test::Positions;
using Points = std::vector<PicturePoint>;

PointStore StoreWith(const Points& points, int c = 1) {
    PointStore store;
    store.CurrentLine = c;
    for (const PicturePoint& p : points) {
        AppendPoint(store, c, p.X, p.Y);
    }
    return store;
}

TEST(PointStoreAppend, RefusesOnceTheLastUsableRowIsTaken) {
    PointStore store;
    for (int i = 0; i < kLastRow; ++i) {
        ASSERT_TRUE(AppendPoint(store, 3, i, i + 1));
    }
    EXPECT_FALSE(AppendPoint(store, 3, 7, 7));
    EXPECT_EQ(std::pair(store.LineNext[3], store.PointPixels[kLastRow + 1][3].Used),
              std::pair(kLineNextCeiling, 0));
}

TEST(PointStoreClear, EmptiesOnlyTheNamedCurve) {
    PointStore store = StoreWith({{5, 6}, {7, 8}}, 2);
    AppendPoint(store, 4, 9, 9);
    store.PointValues[1][2] = ValueEntry{1, 2, 3};
    ClearLine(store, 2);
    EXPECT_EQ(std::tuple(store.LineNext[2], store.PointPixels[1][2].Used,
                         store.PointPixels[2][2].PixX, store.PointValues[1][2].Valid),
              std::tuple(1, 0, 0, 0));
    EXPECT_EQ(Positions(store, 4), (Points{{9, 9}}));
}

struct EraseCase {
    std::string Name;
    Points Before;
    PicturePoint At;
    int Tolerance;
    int Removed;
    Points After;
};

class PointStoreErase : public ::testing::TestWithParam<EraseCase> {};

TEST_P(PointStoreErase, OnePassRemovesMatchesAndClosesTheGap) {
    const EraseCase& param = GetParam();
    PointStore store = StoreWith(param.Before);
    AppendPoint(store, 2, param.At.X, param.At.Y); // another curve is never touched
    int refreshes = 0;
    const int removed = ErasePoints(store, param.At.X, param.At.Y, param.Tolerance, param.Tolerance,
                                    [&] { ++refreshes; });
    EXPECT_EQ(std::pair(removed, refreshes), std::pair(param.Removed, param.Removed));
    EXPECT_EQ(Positions(store, 1), param.After);
    const int next = store.LineNext[1];
    EXPECT_EQ(store.PointPixels[next][1].Used + store.PointPixels[next][1].PixX, 0);
    EXPECT_EQ(store.LineNext[2], 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointStoreErase,
    ::testing::Values(
        EraseCase{"Middle", {{10, 10}, {20, 20}, {30, 30}}, {21, 19}, 1, 1, {{10, 10}, {30, 30}}},
        EraseCase{"TwoPixelsOff", {{10, 10}, {20, 20}}, {22, 20}, 1, 0, {{10, 10}, {20, 20}}},
        EraseCase{"SeparatedAllGo", {{50, 50}, {5, 5}, {52, 48}}, {51, 49}, 4, 2, {{5, 5}}},
        EraseCase{"LastPoint", {{5, 5}, {50, 50}}, {50, 50}, 1, 1, {{5, 5}}}),
    [](const auto& info) { return info.param.Name; });

TEST(PointStoreGrab, LaterRowWinsAndAMissKeepsTheSelection) {
    PointStore store = StoreWith({{40, 40}, {100, 100}, {103, 101}, {300, 300}}, 3);
    EXPECT_EQ(GrabPoint(store, 101, 101), 3);
    EXPECT_EQ(std::tuple(store.PointSelected, store.SelectedLine, store.SelectedRow),
              std::tuple(true, 3, 3));

    EXPECT_EQ(GrabPoint(store, 43, 40), 0); // 3 pixels off
    EXPECT_EQ(store.SelectedRow, 3);
    EXPECT_EQ(GrabPoint(store, 42, 38), 1);
}

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
    AppendPoint(store, 5, 500, 100);               // the last curve counts too
    store.PointValues[7][2] = ValueEntry{1, 9, 9}; // stale, must go
    RecomputeAllValues(store, cal, settings, 0);
    EXPECT_EQ(std::pair(X(1, 1), Y(1, 1)), std::pair(5.0, 1.5));
    EXPECT_EQ(std::pair(X(1, 5), Y(1, 5)), std::pair(10.0, 3.0));
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
    EXPECT_DOUBLE_EQ(X(1, 1), 1e100);
    EXPECT_EQ(store.PointValues[1][1].Valid + store.PointValues[2][1].Valid, 1);
    EXPECT_EQ(store.PointValues[1][2].Valid, 0);
}

TEST_F(StoreValues, LightDistributionModeKeepsAbsoluteX) {
    AppendPoint(store, 1, 60, 250); // X = -1
    RecomputeAllValues(store, cal, settings, 3);
    EXPECT_DOUBLE_EQ(X(1, 1), 1.0);
}

TEST_F(StoreValues, DoubleAxisModeValuesTheFixedPointsOfCurveFive) {
    const DoubleAxisRanges ranges{-90, 90, 0, 100};
    AppendPoint(store, 1, 500, 400);
    AppendPoint(store, 5, 100, 400);
    store.PointPixels[2][5] = PixelEntry{0, 300, 250}; // fixed point without a used flag
    RecomputeAllValues(store, cal, settings, 4, &ranges);
    EXPECT_EQ(std::pair(X(1, 1), X(1, 5)), std::pair(90.0, -90.0));
    EXPECT_EQ(std::pair(X(2, 5), Y(2, 5)), std::pair(0.0, 50.0));
    EXPECT_EQ(store.PointValues[3][5].Valid - store.PointValues[4][5].Valid, 1);

    RecomputeAllValues(store, cal, settings, 4); // without the ranges: no fixed points
    EXPECT_EQ(store.PointValues[2][5].Valid, 0);
}

// A refresh through the memo gives what a full pass gives, rows and record, whatever changed
// in between: positions, used flags, a value written behind its back, the calibration, the
// mode, and a conversion that fails.
TEST_F(StoreValues, RefreshThroughTheMemoMatchesAFullPass) {
    // The double-X-axis mode converts with its own window's numbers, which the memo cannot see.
    DoubleAxisRanges ranges{0, 100, 0, 50};
    const std::function<void(PointStore&, Calibration&, Settings&, int&)> changes[] = {
        [](PointStore& s, Calibration&, Settings&, int&) { AppendPoint(s, 2, 310, 260); },
        [](PointStore& s, Calibration&, Settings&, int&) { s.PointPixels[2][1].PixY += 7; },
        [](PointStore& s, Calibration&, Settings&, int&) { s.PointPixels[1][3].Used = 0; },
        [](PointStore& s, Calibration&, Settings&, int&) { s.PointPixels[1][3].Used = 1; },
        [](PointStore& s, Calibration&, Settings&, int&) { s.PointValues[1][5].ValX = 42; },
        [](PointStore& s, Calibration&, Settings&, int&) { ClearLine(s, 5); },
        [](PointStore&, Calibration&, Settings&, int& mode) { mode = 4; },
        [](PointStore& s, Calibration&, Settings&, int&) { s.PointPixels[1][1].PixX += 4; },
        [&ranges](PointStore&, Calibration&, Settings&, int&) { ranges.MaxX1 = 200; },
        [](PointStore&, Calibration&, Settings&, int& mode) { mode = 0; },
        [](PointStore&, Calibration& c, Settings&, int&) { c.AxisXMax = 20; },
        [](PointStore&, Calibration& c, Settings&, int&) { c.YMaxPointY -= 3; },
        [](PointStore&, Calibration&, Settings& t, int&) { t.ScaleY = ScaleKind::Ln; },
        [](PointStore&, Calibration&, Settings&, int& mode) { mode = 3; },
        [](PointStore&, Calibration&, Settings& t, int&) { t.ScaleX = ScaleKind::Log10; },
        // 10 to a power beyond any floating-point number, with nothing else changed
        [](PointStore& s, Calibration&, Settings&, int&) { AppendPoint(s, 4, 900000, 90); },
        [](PointStore& s, Calibration&, Settings&, int&) { ClearLine(s, 4); },
    };
    for (const auto& [x, y, c] :
         {std::tuple{300, 250, 1}, {100, 400, 1}, {200, 300, 3}, {120, 200, 3}, {500, 100, 5}}) {
        AppendPoint(store, c, x, y);
    }
    ValueMemo memo;
    int mode = 0;
    for (std::size_t i = 0; i <= std::size(changes); ++i) {
        PointStore whole = store;
        Calibration wholeCal = cal;
        bool failed = false;
        try {
            RecomputeAllValues(whole, wholeCal, settings, mode, &ranges);
        } catch (const CalcError&) {
            failed = true;
        }
        bool memoFailed = false;
        try {
            RefreshValues(store, cal, settings, mode, mode == 4 ? &ranges : nullptr, memo);
        } catch (const CalcError&) {
            memoFailed = true;
        }
        EXPECT_EQ(memoFailed, failed) << "after change " << i;
        EXPECT_EQ(store.PointValues, whole.PointValues) << "after change " << i;
        EXPECT_EQ(std::tuple(cal.FrameX, cal.FrameY, cal.PointAngle),
                  std::tuple(wholeCal.FrameX, wholeCal.FrameY, wholeCal.PointAngle))
            << "after change " << i;
        if (i < std::size(changes)) {
            changes[i](store, cal, settings, mode);
        }
    }
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
    }
}

// clang-format off
const SortCase kSortCases[] = {
    {"Ties", {{300, 50}, {300, 10}, {200, 90}, {300, 30}}, {{200, 90}, {300, 50}, {300, 10}, {300, 30}}},
    // A lone point to the right of the zero row behind it must stay put.
    {"SinglePoint", {{300, 10}}, {{300, 10}}},
    {"WithoutMakeSort", {{400, 254}, {300, 253}, {200, 252}}, {{400, 254}, {300, 253}, {200, 252}}, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Cases, StoreSort, ::testing::ValuesIn(kSortCases),
                         [](const auto& info) { return std::string(info.param.Name); });

class AddPointFlow : public StoreValues {
protected:
    test::ScriptedHost host;
    MessageCatalog catalog;
    AddPointHooks hooks;
    int refreshes = 0;

    AddPointFlow() {
        catalog.Texts[QStringLiteral("msgMessaga7")] = QStringLiteral("Curve full");
        // What the program's refresh does to the store.
        hooks.RefreshAll = [this] {
            ++refreshes;
            RecomputeAllValues(store, cal, settings, 0);
            SortCurrentLine(store, settings, store.LineNext[store.CurrentLine]);
        };
    }

    AddPointResult Click(std::int32_t x, std::int32_t y, bool ctrl = false) {
        cal.MousePicX = x;
        cal.MousePicY = y;
        return AddPoint(store, cal, settings, host, catalog, ctrl, hooks);
    }
};

TEST_F(AddPointFlow, StoresAndMarksInTheCurrentCurveWithTheClickValues) {
    store.CurrentLine = 4;
    store.MarkRadius = 5;
    std::vector<std::tuple<int, int, int, int>> marks;
    hooks.DrawMark = [&](std::int32_t x, std::int32_t y, std::int32_t r, int c) {
        marks.emplace_back(x, y, r, c);
    };
    EXPECT_EQ(Click(300, 250), AddPointResult::Added);
    EXPECT_EQ(Positions(store, 4), (Points{{300, 250}}));
    EXPECT_EQ(marks, (std::vector<std::tuple<int, int, int, int>>{{300, 250, 5, 4}}));
    EXPECT_EQ(std::tuple(refreshes, cal.CursorValueX, cal.CursorValueY), std::tuple(1, 5.0L, 1.5L));
}

// Within one pixel of a stored point (any curve's row, not only the last) a click is ignored
// silently; two pixels off it is stored.
TEST_F(AddPointFlow, WithinOnePixelOfAStoredPointIsIgnoredSilently) {
    ASSERT_EQ(Click(300, 250), AddPointResult::Added);
    ASSERT_EQ(Click(200, 200), AddPointResult::Added);
    EXPECT_EQ(Click(301, 251), AddPointResult::Duplicate);
    EXPECT_EQ(Click(299, 251), AddPointResult::Duplicate);
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(Click(298, 251), AddPointResult::Added);
    EXPECT_EQ(Click(302, 250), AddPointResult::Added);
    EXPECT_EQ(std::pair(store.LineNext[1], host.Shown), std::pair(5, QStringList{}));
}

TEST_F(AddPointFlow, ThousandthHandPickedPointIsRefusedWithMessage) {
    hooks.RefreshAll = nullptr; // 999 refreshes would only slow the test down
    for (int i = 0; i < kHandPickedCapacity; ++i) {
        ASSERT_EQ(Click(100 + 2 * (i % 200), 100 + 2 * (i / 200)), AddPointResult::Added) << i;
    }
    EXPECT_EQ(Click(480, 380), AddPointResult::Full);
    EXPECT_EQ(host.Shown, QStringList{QStringLiteral("Curve full")});
    EXPECT_EQ(std::pair(store.LineNext[1], store.PointPixels[kHandPickedCapacity + 1][1].Used),
              std::pair(kHandPickedCapacity + 1, 0));
}

TEST_F(AddPointFlow, AutocorrectedPositionIsStoredWithoutASecondDuplicateTest) {
    Click(300, 250);
    hooks.AutoCorrect = [](PicturePoint) { return PicturePoint{300, 251}; };
    EXPECT_EQ(Click(310, 260), AddPointResult::Added);
    EXPECT_EQ(Positions(store, 1), (Points{{300, 250}, {300, 251}}));
}

TEST_F(AddPointFlow, ConversionErrorPropagatesWithNothingStored) {
    cal.XMaxPointX = cal.ZeroPointX; // the X axis has no length
    cal.XMaxPointY = cal.ZeroPointY;
    bool marked = false;
    hooks.DrawMark = [&](std::int32_t, std::int32_t, std::int32_t, int) { marked = true; };
    EXPECT_THROW(Click(300, 250), CalcError);
    EXPECT_EQ(std::tuple(store.PointPixels[1][1].Used, marked, store.LineNext[1] + refreshes),
              std::tuple(0, false, 1));
}

} // namespace
} // namespace lineora
