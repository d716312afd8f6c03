#include "core/curves/PointStore.h"

#include "core/common/Errors.h"
#include "support/ScriptedHost.h"
#include "support/WorkedExample.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace lineora {
namespace {

using test::Positions;
using Points = std::vector<PicturePoint>;

class AddPointFlow : public ::testing::Test {
protected:
    Settings settings = test::TestSettings();
    Calibration cal = test::WorkedCalibration(settings);
    PointStore store;
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
    EXPECT_EQ(store.LineNext[1], 1);
    EXPECT_EQ(marks, (std::vector<std::tuple<int, int, int, int>>{{300, 250, 5, 4}}));
    EXPECT_EQ(refreshes, 1);
    EXPECT_DOUBLE_EQ(static_cast<double>(cal.CursorValueX), 5.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(cal.CursorValueY), 1.5);
}

struct DuplicateCase {
    int Dx, Dy;
    bool Stored;
};

class AddPointDuplicate : public AddPointFlow,
                          public ::testing::WithParamInterface<DuplicateCase> {};

TEST_P(AddPointDuplicate, WithinOnePixelOfAStoredPointIsIgnoredSilently) {
    ASSERT_EQ(Click(300, 250), AddPointResult::Added);
    ASSERT_EQ(Click(200, 200), AddPointResult::Added);
    const DuplicateCase& param = GetParam();
    const auto result = Click(300 + param.Dx, 250 + param.Dy);
    EXPECT_EQ(result, param.Stored ? AddPointResult::Added : AddPointResult::Duplicate);
    EXPECT_EQ(store.LineNext[1], param.Stored ? 4 : 3);
    EXPECT_EQ(refreshes, param.Stored ? 3 : 2);
    EXPECT_TRUE(host.Shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Offsets, AddPointDuplicate,
                         ::testing::Values(DuplicateCase{1, 1, false}, DuplicateCase{-1, 1, false},
                                           DuplicateCase{2, 0, true}, DuplicateCase{-2, 1, true}));

TEST_F(AddPointFlow, ThousandthHandPickedPointIsRefusedWithMessage) {
    hooks.RefreshAll = nullptr; // 999 refreshes would only slow the test down
    for (int i = 0; i < kHandPickedCapacity; ++i) {
        ASSERT_EQ(Click(100 + 2 * (i % 200), 100 + 2 * (i / 200)), AddPointResult::Added) << i;
    }
    EXPECT_EQ(store.LineNext[1], kHandPickedCapacity + 1);
    const PointStore before = store;
    EXPECT_EQ(Click(480, 380), AddPointResult::Full);
    EXPECT_EQ(host.Shown, QStringList{QStringLiteral("Curve full")});
    EXPECT_EQ(store.LineNext[1], before.LineNext[1]);
    EXPECT_EQ(store.PointPixels[kHandPickedCapacity + 1][1].Used, 0);
    EXPECT_EQ(Positions(store, 1), Positions(before, 1));
}

TEST_F(AddPointFlow, AutocorrectedPositionIsStoredWithoutASecondDuplicateTest) {
    Click(300, 250);
    hooks.AutoCorrect = [](PicturePoint) { return PicturePoint{300, 251}; };
    EXPECT_EQ(Click(310, 260), AddPointResult::Added);
    EXPECT_EQ(Positions(store, 1), (Points{{300, 250}, {300, 251}}));
    EXPECT_EQ(cal.MousePicY, 251);
}

TEST_F(AddPointFlow, SpecialHookSeesTheClickValuesAndMayVeto) {
    Extended seenX = -1;
    hooks.SpecialHook = [&] {
        seenX = cal.CursorValueX;
        return false;
    };
    EXPECT_EQ(Click(300, 250), AddPointResult::Vetoed);
    EXPECT_DOUBLE_EQ(static_cast<double>(seenX), 5.0);
    EXPECT_FALSE(store.AcceptPoint);
    EXPECT_EQ(store.LineNext[1], 1);
    EXPECT_EQ(refreshes, 0);

    // The hook may swap the click for its mirror; the mirror is what gets stored.
    hooks.SpecialHook = [&] {
        cal.MousePicY = 260;
        return true;
    };
    EXPECT_EQ(Click(300, 240), AddPointResult::Added);
    EXPECT_TRUE(store.AcceptPoint);
    EXPECT_EQ(Positions(store, 1), (Points{{300, 260}}));
}

TEST_F(AddPointFlow, ConversionErrorPropagatesWithNothingStored) {
    cal.XMaxPointX = cal.ZeroPointX; // the X axis has no length
    cal.XMaxPointY = cal.ZeroPointY;
    bool marked = false;
    hooks.DrawMark = [&](std::int32_t, std::int32_t, std::int32_t, int) { marked = true; };
    EXPECT_THROW(Click(300, 250), CalcError);
    EXPECT_EQ(store.LineNext[1], 1);
    EXPECT_EQ(store.PointPixels[1][1].Used, 0);
    EXPECT_FALSE(marked);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(AddPointFlow, CtrlClickErasesWithinFourPixelsAndAddsNothing) {
    Click(300, 250);
    Click(305, 250);
    Click(200, 200);
    refreshes = 0;
    // (305, 250) is within reach too, but moves into the freed row behind the scan.
    EXPECT_EQ(Click(301, 246, true), AddPointResult::Erased);
    EXPECT_EQ(Positions(store, 1), (Points{{200, 200}, {305, 250}}));
    EXPECT_EQ(refreshes, 1);
}

} // namespace
} // namespace lineora
