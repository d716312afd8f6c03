#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/commands/KeyFilter.h"
#include "core/commands/PictureMouse.h"
#include "core/common/Color.h"
#include "core/common/Errors.h"
#include "core/picture/Overlay.h"

#include <QPainter>

namespace lineora::test {
namespace {

class KeysAndZones : public CommandTest {
protected:
    void Press(Key key) { MainWindowKeyDown(*state, host, views, key); }
};

TEST_F(KeysAndZones, SpaceAddsAtTheHoverPosition) {
    SetScaleIndex(*state, views, 7);
    const Extended scale = state->Main.ViewScale;
    PictureMouseMove(*state, host, views, 0, static_cast<int>(120 * scale),
                     static_cast<int>(45 * scale));
    Press(Key::Space);
    ASSERT_EQ(Points(*state), 1);
    EXPECT_EQ(PointAt(*state, 1), (PicturePoint{120, 45}));
}

TEST_F(KeysAndZones, ArrowsNudgeAReferencePointAndOtherKeysReapplyIt) {
    SetToolMode(*state, views, Tool::YMaxPoint, CursorId::YMaxPoint);
    Press(Key::Down);
    Press(Key::Down);
    Press(Key::Other);
    EXPECT_EQ(Ref(*state)[2], (PicturePoint{100, 102}));
    EXPECT_EQ(views.Status[3], QStringLiteral(" (0.000000)"));

    SetToolMode(*state, views, Tool::ZeroPoint, CursorId::ZeroPoint);
    Press(Key::Left);
    EXPECT_EQ(state->Cal.ZeroPointX, 99);
}

TEST_F(KeysAndZones, ArrowsInPointModeMoveThePointerAndQAsksTheWindowToClose) {
    Press(Key::Up);
    Press(Key::Right);
    EXPECT_EQ(views.PointerMoved, QPoint(1, -1));
    Press(Key::Q);
    EXPECT_EQ(views.Closes, 1);
}

// A black line one pixel thick from (150,300) to (450,200) on the clean copy, a point off it
// on curve 1, and a zone painted along the line.
class ZoneSearch : public KeysAndZones {
protected:
    void SetUp() override {
        QPainter painter(&state->Pics.Clean);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(150, 300, 450, 200);
        painter.end();
        AppendPoint(state->Store, 1, 20, 20);
        PaintZone();
        circles = state->ZoneList.ZoneCount - 1;
        ASSERT_GT(circles, 15);
    }

    void PaintZone() {
        SetToolMode(*state, views, Tool::Zone, CursorId::ZoneBrush);
        for (int x = 160; x <= 440; x += 12) {
            PictureMouseMove(*state, host, views, Shift::Left, x, 300 - (x - 150) / 3);
        }
    }

    void Search(Host::Answer answer) {
        host.Answers = {answer};
        FindInZone(*state, host, views);
        EXPECT_EQ(state->ZoneList.ZoneCount, 1);
        EXPECT_EQ(state->Main.ToolMode, Tool::Zone);
    }

    int circles = 0;
};

TEST_F(ZoneSearch, NoAddsOnePointPerCircleYesEmptiesTheCurveFirstAndCancelKeepsIt) {
    Search(Host::Answer::No);
    EXPECT_EQ(Points(*state), 1 + circles);
    PaintZone();
    Search(Host::Answer::Yes);
    EXPECT_EQ(Points(*state), circles);
    PaintZone();
    Search(Host::Answer::Cancel);
    EXPECT_EQ(Points(*state), circles);
    // The circles are gone from the picture: it equals the clean copy plus the marks only.
    EXPECT_EQ(state->Pics.Working.pixel(170, 297), state->Pics.Clean.pixel(170, 297));
}

TEST_F(ZoneSearch, AFailedRefreshGivesTheBrushBackForTheNextZone) {
    state->Texts.MaxX = QStringLiteral("-"); // the refresh after the search throws
    host.Answers = {Host::Answer::No};
    EXPECT_THROW(FindInZone(*state, host, views), FormatError);
    EXPECT_EQ(state->ZoneList.ZoneCount, 1);
    EXPECT_EQ(state->Main.ToolMode, Tool::Zone);
    PaintZone();
    EXPECT_EQ(state->ZoneList.ZoneCount - 1, circles);
}

TEST_F(KeysAndZones, ClearingALineAsksFirstAndACancelledOrFailedOpenKeepsTheWork) {
    AppendPoint(state->Store, 1, 20, 20);
    host.Answers = {Host::Answer::No};
    ClearDataOfLine(*state, host, views);
    EXPECT_EQ(Points(*state), 1);

    SetScaleIndex(*state, views, 4);
    const WorkSnapshot before = Snapshot(*state);
    OpenPicture(*state, host, views); // no file name queued: cancelled
    EXPECT_EQ(Snapshot(*state), before);
    host.FileNames = {QStringLiteral("/nonexistent/chart.bmp")};
    EXPECT_THROW(OpenPicture(*state, host, views), std::exception);
    EXPECT_EQ(Snapshot(*state), before);

    host.Answers = {Host::Answer::Yes};
    ClearDataOfLine(*state, host, views);
    EXPECT_EQ(Points(*state), 0);
}

// Moving a selected point with the arrow keys of the nudge window.
class Nudge : public KeysAndZones {
protected:
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
    EXPECT_DOUBLE_EQ(static_cast<double>(Values(1).ValY), 2.0); // the values lag while it moves

    FinishNudge(*state, views);
    EXPECT_FALSE(state->Store.PointSelected);
    EXPECT_NEAR(static_cast<double>(Values(1).ValX), 199.0 / 40.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Values(1).ValY), 2.03, 1e-12);

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
        EXPECT_EQ(PointAt(*state, 1), (PicturePoint{304, 200})) << sort; // the order waits
        FinishNudge(*state, views);
        EXPECT_EQ(PointAt(*state, sort ? 2 : 1), (PicturePoint{304, 200})) << sort;
    }
}

TEST_F(Nudge, NothingMovesWithoutASelectionAndABadAxisFieldAtOkStillEndsIt) {
    Store(300, 200);
    const QImage before = state->Pics.Working.copy();
    Press(1, 0);
    FinishNudge(*state, views);
    EXPECT_EQ(PointAt(*state, 1), (PicturePoint{300, 200}));
    EXPECT_EQ(state->Pics.Working, before);
    Grab(300, 200);
    Press(1, 0);
    state->Texts.MinY = QStringLiteral("-");
    EXPECT_THROW(FinishNudge(*state, views), FormatError);
    EXPECT_FALSE(state->Store.PointSelected);
}

TEST_F(KeysAndZones, PolarMaximumIsTakenEvenWhenTheRefreshStops) {
    state->Texts.PolarMaxX = QStringLiteral("7.5");
    ApplyPolarMax(*state, views);
    EXPECT_EQ(state->Cal.AxisPolarMax, 7.5L);
    state->Texts.PolarMaxX = QStringLiteral("8");
    state->Texts.MaxX = QStringLiteral("");
    EXPECT_THROW(ApplyPolarMax(*state, views), FormatError);
    EXPECT_EQ(state->Cal.AxisPolarMax, 8.0L);
    EXPECT_EQ(views.TableChanges, 1);
}

} // namespace
} // namespace lineora::test
