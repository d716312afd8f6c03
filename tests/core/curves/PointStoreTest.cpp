#include "core/curves/PointStore.h"

#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <string>
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
    EXPECT_EQ(store.LineNext[3], kLineNextCeiling);
    EXPECT_EQ(store.PointPixels[kLastRow][3].PixX, kLastRow - 1);
    EXPECT_EQ(store.PointPixels[kLastRow + 1][3].Used, 0);
    EXPECT_EQ(store.LineNext[2], 1);
}

TEST(PointStoreClear, EmptiesOnlyTheNamedCurve) {
    PointStore store = StoreWith({{5, 6}, {7, 8}}, 2);
    AppendPoint(store, 4, 9, 9);
    store.PointValues[1][2] = ValueEntry{1, 2, 3};
    ClearLine(store, 2);
    EXPECT_EQ(store.LineNext[2], 1);
    EXPECT_EQ(store.PointPixels[1][2].Used, 0);
    EXPECT_EQ(store.PointPixels[2][2].PixX, 0);
    EXPECT_EQ(store.PointValues[1][2].Valid, 0);
    EXPECT_EQ(Positions(store, 4), (Points{{9, 9}}));
    ClearAllLines(store);
    EXPECT_EQ(store.LineNext[4], 1);
    EXPECT_EQ(store.PointPixels[1][4].Used, 0);
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
    EXPECT_EQ(removed, param.Removed);
    EXPECT_EQ(refreshes, param.Removed);
    EXPECT_EQ(Positions(store, 1), param.After);
    const int next = store.LineNext[1];
    EXPECT_EQ(next, static_cast<int>(param.After.size()) + 1);
    EXPECT_EQ(store.PointPixels[next][1].Used, 0);
    EXPECT_EQ(store.PointPixels[next][1].PixX, 0);
    EXPECT_EQ(store.PointPixels[next - 1][1].Used, next > 1 ? 1 : 0);
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

TEST(PointStoreEraseTwice, SecondPassRemovesTheNeighbourTheFirstSkipped) {
    PointStore store = StoreWith({{50, 50}, {51, 50}, {90, 90}});
    std::vector<std::string> calls;
    const auto refresh = [&] { calls.push_back("refresh"); };
    const auto companions = [&] { calls.push_back("companions"); };
    EXPECT_EQ(ErasePoints(store, 50, 50, 1, 1, refresh, companions), 1);
    // The neighbour moved into the freed row behind the scan and survived the first pass.
    EXPECT_EQ(Positions(store, 1), (Points{{51, 50}, {90, 90}}));
    EXPECT_EQ(ErasePoints(store, 50, 50, 1, 1, refresh, companions), 1);
    EXPECT_EQ(Positions(store, 1), (Points{{90, 90}}));
    // Companions are rebuilt from values the refresh has just recomputed.
    EXPECT_EQ(calls, (std::vector<std::string>{"refresh", "companions", "refresh", "companions"}));
}

TEST(PointStoreGrab, LaterRowWinsAndAMissKeepsTheSelection) {
    PointStore store = StoreWith({{40, 40}, {100, 100}, {103, 101}, {300, 300}}, 3);
    EXPECT_EQ(GrabPoint(store, 101, 101), 3);
    EXPECT_TRUE(store.PointSelected);
    EXPECT_EQ(store.SelectedLine, 3);
    EXPECT_EQ(store.SelectedRow, 3);

    EXPECT_EQ(GrabPoint(store, 43, 40), 0); // 3 pixels off
    EXPECT_EQ(store.SelectedRow, 3);
    EXPECT_EQ(GrabPoint(store, 42, 38), 1);
}

} // namespace
} // namespace lineora
