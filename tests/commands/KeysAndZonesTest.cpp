#include "CommandTestSupport.h"
#include "commands/Commands.h"
#include "commands/KeyFilter.h"
#include "commands/PictureMouse.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

class KeysAndZones : public ::testing::Test {
protected:
    std::unique_ptr<State> state = CalibratedState();
    ScriptedHost host;
    FakeViews views;

    void Press(Key key) { MainWindowKeyDown(*state, host, views, key); }
};

TEST_F(KeysAndZones, QAsksTheWindowToClose) {
    Press(Key::Q);
    EXPECT_EQ(views.Closes, 1);
}

TEST_F(KeysAndZones, SpaceAddsAtTheHoverPositionAtEveryScale) {
    for (int index : {5, 4, 7}) {
        ClearAllLines(state->Store);
        SetScaleIndex(*state, views, index);
        const Extended scale = state->Main.ViewScale;
        PictureMouseMove(*state, host, views, 0, static_cast<int>(120 * scale),
                         static_cast<int>(45 * scale));
        Press(Key::Space);
        ASSERT_EQ(Points(*state), 1) << index;
        EXPECT_EQ(PointAt(*state, 1), (PicturePoint{120, 45})) << index;
    }
}

TEST_F(KeysAndZones, ArrowsNudgeAReferencePointAndOtherKeysReapplyIt) {
    SetToolMode(*state, views, Tool::YMaxPoint, CursorId::YMaxPoint);
    Press(Key::Down);
    Press(Key::Down);
    EXPECT_EQ((PicturePoint{state->Cal.YMaxPointX, state->Cal.YMaxPointY}),
              (PicturePoint{100, 102}));
    Press(Key::Other);
    EXPECT_EQ((PicturePoint{state->Cal.YMaxPointX, state->Cal.YMaxPointY}),
              (PicturePoint{100, 102}));
    EXPECT_EQ(views.Status[3], QStringLiteral(" (0.000000)"));

    SetToolMode(*state, views, Tool::ZeroPoint, CursorId::ZeroPoint);
    Press(Key::Left);
    EXPECT_EQ(state->Cal.ZeroPointX, 99);
}

TEST_F(KeysAndZones, ArrowsInPointModeMoveThePointer) {
    Press(Key::Up);
    Press(Key::Right);
    EXPECT_EQ(views.PointerMoved, QPoint(1, -1));
    EXPECT_EQ(Points(*state), 0);
}

// A black polyline one pixel thick from (150,300) to (450,200) on the clean copy.
void DrawCurve(State& state) {
    QPainter painter(&state.Pics.Clean);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(150, 300, 450, 200);
}

void PaintZone(State& state, ScriptedHost& host, FakeViews& views) {
    SetToolMode(state, views, Tool::Zone, CursorId::ZoneBrush);
    for (int x = 160; x <= 440; x += 12) {
        const int y = 300 - (x - 150) / 3;
        PictureMouseMove(state, host, views, Shift::Left, x, y);
    }
}

TEST_F(KeysAndZones, ZoneSearchFindsOnePointPerCircle) {
    DrawCurve(*state);
    AppendPoint(state->Store, 1, 20, 20);
    PaintZone(*state, host, views);
    const int circles = state->ZoneList.ZoneCount - 1;
    ASSERT_GT(circles, 15);

    host.Answers = {Host::Answer::No};
    FindInZone(*state, host, views);
    EXPECT_EQ(Points(*state), 1 + circles);
    for (int row = 1; row <= Points(*state); ++row) {
        const PicturePoint p = PointAt(*state, row);
        if (p.X != 20) {
            EXPECT_NEAR(p.Y, 300 - (p.X - 150) / 3.0, 1.5) << row;
        }
    }
    EXPECT_EQ(state->ZoneList.ZoneCount, 1);
    EXPECT_EQ(state->Main.ToolMode, Tool::Zone);
}

TEST_F(KeysAndZones, ZoneSearchYesEmptiesTheCurveFirstAndCancelKeepsIt) {
    DrawCurve(*state);
    AppendPoint(state->Store, 1, 20, 20);
    PaintZone(*state, host, views);
    const int circles = state->ZoneList.ZoneCount - 1;
    host.Answers = {Host::Answer::Yes};
    FindInZone(*state, host, views);
    EXPECT_EQ(Points(*state), circles);

    PaintZone(*state, host, views);
    host.Answers = {Host::Answer::Cancel};
    FindInZone(*state, host, views);
    EXPECT_EQ(Points(*state), circles);
    EXPECT_EQ(state->ZoneList.ZoneCount, 1);
    EXPECT_EQ(state->Main.ToolMode, Tool::Zone);
    // The circles are gone from the picture: it equals the clean copy plus the marks only.
    EXPECT_EQ(state->Pics.Working.pixel(160 + 10, 297), state->Pics.Clean.pixel(170, 297));
}

TEST_F(KeysAndZones, ClearingALineAsksFirst) {
    AppendPoint(state->Store, 1, 20, 20);
    host.Answers = {Host::Answer::No};
    ClearDataOfLine(*state, host, views);
    EXPECT_EQ(Points(*state), 1);
    host.Answers = {Host::Answer::Yes};
    ClearDataOfLine(*state, host, views);
    EXPECT_EQ(Points(*state), 0);
}

TEST_F(KeysAndZones, CancellingTheOpenDialogKeepsTheWork) {
    AppendPoint(state->Store, 1, 20, 20);
    SetScaleIndex(*state, views, 4);
    OpenPicture(*state, host, views); // no file name queued: cancelled
    EXPECT_EQ(Points(*state), 1);
    EXPECT_EQ(state->Main.ScaleIndex, 4);
}

TEST_F(KeysAndZones, AnUnreadablePictureKeepsTheWork) {
    AppendPoint(state->Store, 1, 20, 20);
    host.FileNames = {QStringLiteral("/nonexistent/chart.bmp")};
    EXPECT_THROW(OpenPicture(*state, host, views), std::exception);
    EXPECT_EQ(Points(*state), 1);
    EXPECT_EQ(state->Pics.PictureWidth, 600);
}

} // namespace
} // namespace lineora::test
