#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/commands/KeyFilter.h"
#include "core/commands/PictureMouse.h"
#include "core/common/Errors.h"

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
    EXPECT_EQ(Points(*state), 0);
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
    EXPECT_EQ(state->Pics.Working.pixel(160 + 10, 297), state->Pics.Clean.pixel(170, 297));
}

TEST_F(ZoneSearch, AFailedRefreshGivesTheBrushBackForTheNextZone) {
    state->Texts.MaxX = QStringLiteral("-"); // the refresh after the search throws
    host.Answers = {Host::Answer::No};
    EXPECT_THROW(FindInZone(*state, host, views), FormatError);
    EXPECT_EQ(state->ZoneList.ZoneCount, 1);
    EXPECT_EQ(state->Main.ToolMode, Tool::Zone);
    EXPECT_EQ(state->Pics.Working.pixel(170, 297), state->Pics.Clean.pixel(170, 297));

    PaintZone();
    EXPECT_EQ(state->ZoneList.ZoneCount - 1, circles);
    state->Texts.MaxX = QStringLiteral("10");
    Search(Host::Answer::Yes);
    EXPECT_EQ(Points(*state), circles);
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

TEST_F(KeysAndZones, ACancelledOrFailedOpenKeepsTheWork) {
    AppendPoint(state->Store, 1, 20, 20);
    SetScaleIndex(*state, views, 4);
    const WorkSnapshot before = Snapshot(*state);
    OpenPicture(*state, host, views); // no file name queued: cancelled
    EXPECT_EQ(Snapshot(*state), before);

    host.FileNames = {QStringLiteral("/nonexistent/chart.bmp")};
    EXPECT_THROW(OpenPicture(*state, host, views), std::exception);
    EXPECT_EQ(Snapshot(*state), before);
}

} // namespace
} // namespace lineora::test
