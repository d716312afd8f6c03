#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/common/Color.h"
#include "core/common/Errors.h"
#include "core/picture/Overlay.h"

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

class Nudge : public ::testing::Test {
protected:
    std::unique_ptr<State> state = CalibratedState();
    FakeViews views;

    void SetUp() override { state->Store.MarkRadius = 3; }

    void Store(std::int32_t x, std::int32_t y) {
        ASSERT_TRUE(AppendPoint(state->Store, 1, x, y));
        RefreshAll(*state, views);
        RedrawPicture(*state, views);
    }

    // A Shift-click near (x, y): the point is selected and its circle drawn.
    void Grab(std::int32_t x, std::int32_t y) {
        state->Cal.MousePicX = x;
        state->Cal.MousePicY = y;
        GrabPointAtClick(*state, views);
        ASSERT_TRUE(state->Store.PointSelected);
    }

    void Press(int dx, int dy, int times = 1) {
        for (int i = 0; i < times; ++i) {
            NudgeSelectedPoint(*state, views, dx, dy);
        }
    }

    const ValueEntry& Values(int row) const { return state->Store.PointValues[row][1]; }
};

TEST_F(Nudge, ThreeUpsAndALeftMoveThePointAndOkBringsItsValues) {
    Store(300, 200);
    Grab(301, 201);
    const int magnifierBefore = views.MagnifierUpdates;

    Press(0, -1, 3);
    Press(-1, 0);
    EXPECT_EQ(PointAt(*state, 1), (PicturePoint{299, 197}));
    EXPECT_EQ(views.MagnifierUpdates - magnifierBefore, 4);
    // The values lag while the point moves.
    EXPECT_DOUBLE_EQ(static_cast<double>(Values(1).ValX), 5.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(Values(1).ValY), 2.0);

    const int tableBefore = views.TableChanges;
    FinishNudge(*state, views);
    EXPECT_FALSE(state->Store.PointSelected);
    EXPECT_NEAR(static_cast<double>(Values(1).ValX), 199.0 / 40.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Values(1).ValY), 2.03, 1e-12);
    EXPECT_GT(views.TableChanges, tableBefore);

    // The picture is as a fresh redraw would draw it, the mark at its new place in its colour.
    const QImage afterOk = state->Pics.Working.copy();
    RedrawPicture(*state, views);
    EXPECT_EQ(state->Pics.Working, afterOk);
    EXPECT_EQ(afterOk.pixel(300, 197), ToQRgb(state->Setup.LineColors[1]));
}

TEST_F(Nudge, EachStepTakesTheCircleOffWhereItStood) {
    Store(300, 200);
    const QImage marksOnly = state->Pics.Working.copy();
    Grab(300, 200);
    ASSERT_NE(state->Pics.Working, marksOnly);

    Press(1, 0);
    Press(0, 1);
    // Only the circle at the new place is left: drawing it once more restores the marks.
    DrawSelectionCircle(state->Pics.Working, 301, 201, state->Store.MarkRadius);
    EXPECT_EQ(state->Pics.Working, marksOnly);
}

TEST_F(Nudge, PastANeighbourChangesPlacesAtOkOnlyWhenSorting) {
    for (const bool sort : {true, false}) {
        ClearAllLines(state->Store);
        state->Setup.MakeSort = sort;
        Store(300, 200);
        Store(303, 250);
        Grab(300, 200);
        Press(1, 0, 4);
        // Until OK the rows keep their order.
        EXPECT_EQ(PointAt(*state, 1), (PicturePoint{304, 200})) << sort;

        FinishNudge(*state, views);
        EXPECT_EQ(PointAt(*state, sort ? 2 : 1), (PicturePoint{304, 200})) << sort;
        EXPECT_EQ(PointAt(*state, sort ? 1 : 2), (PicturePoint{303, 250})) << sort;
    }
}

TEST_F(Nudge, WithoutASelectionNothingMoves) {
    Store(300, 200);
    const QImage before = state->Pics.Working.copy();
    const int repaintsBefore = views.AreaRepaints + views.PictureRepaints;
    const int tableBefore = views.TableChanges;

    Press(1, 0);
    FinishNudge(*state, views);
    EXPECT_EQ(PointAt(*state, 1), (PicturePoint{300, 200}));
    EXPECT_EQ(state->Pics.Working, before);
    EXPECT_EQ(views.AreaRepaints + views.PictureRepaints, repaintsBefore);
    EXPECT_EQ(views.TableChanges, tableBefore);
}

TEST_F(Nudge, ABadAxisFieldAtOkStillEndsTheSelection) {
    Store(300, 200);
    Grab(300, 200);
    Press(1, 0);
    state->Texts.MinY = QStringLiteral("-");
    EXPECT_THROW(FinishNudge(*state, views), FormatError);
    EXPECT_FALSE(state->Store.PointSelected);
    EXPECT_EQ(PointAt(*state, 1), (PicturePoint{301, 200}));
}

TEST(AxisValues, PolarMaximumIsTakenEvenWhenTheRefreshStops) {
    auto state = CalibratedState();
    FakeViews views;
    state->Texts.PolarMaxX = QStringLiteral("7.5");
    ApplyPolarMax(*state, views);
    EXPECT_EQ(state->Cal.AxisPolarMax, 7.5L);
    EXPECT_EQ(views.TableChanges, 1);

    state->Texts.PolarMaxX = QStringLiteral("8");
    state->Texts.MaxX = QStringLiteral("");
    EXPECT_THROW(ApplyPolarMax(*state, views), FormatError);
    EXPECT_EQ(state->Cal.AxisPolarMax, 8.0L);
    EXPECT_EQ(views.TableChanges, 1);
}

} // namespace
} // namespace lineora::test
