#include "CommandTestSupport.h"
#include "core/commands/KeyFilter.h"
#include "core/common/Rounding.h"
#include "core/picture/Overlay.h"

namespace lineora::test {
namespace {

class PictureMouse : public CommandTest {
protected:
    void Move(std::uint32_t shift, int x, int y) {
        PictureMouseMove(*state, host, views, shift, x, y);
    }
};

// A pan in between is no click; the eraser reaches 9 pixels either way, in two passes.
TEST_F(PictureMouse, ThreeClickCalibrationIgnoresAPanAndTheEraserTakesThreeNeighbours) {
    SetToolMode(*state, views, Tool::ThreeClick, CursorId::ZeroPoint);
    Click({50, 450});
    PictureMouseDown(*state, host, views, Shift::Right, 300, 300);
    Move(Shift::Right, 320, 300);
    PictureMouseUp(*state, views);
    EXPECT_EQ(views.Scrolled, QPoint(-20, 0));
    Click({550, 450});
    Click({50, 150});
    EXPECT_EQ(Ref(state->Cal), (RefPoints{{{50, 450}, {550, 450}, {50, 150}}}));
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);

    for (int x : {193, 196, 203, 212}) {
        Click({x, 200});
    }
    ASSERT_EQ(Points(*state), 4);
    SetToolMode(*state, views, Tool::Eraser, CursorId::Eraser);
    Click({203, 200});
    EXPECT_EQ(Positions(state->Store, 1), (std::vector<PicturePoint>{{193, 200}}));
}

// Without a calibration the values show no box and the user can still mend it by clicking a
// reference point.
TEST_F(PictureMouse, StatusBarShowsValuesPositionAndColour) {
    state->Pics.Clean.setPixel(300, 250, qRgb(1, 2, 3));
    Move(0, 300, 250);
    EXPECT_EQ(views.Status[0], QStringLiteral(" (5.00, 1.50)"));
    EXPECT_EQ(views.Status[1], QStringLiteral("X 0300  Y 0250"));
    EXPECT_EQ(views.Status[4], QStringLiteral("Color 000197121 R 001 G 002 B 003"));
    EXPECT_EQ(views.Status[3], QStringLiteral("A  (0.000) B  (36.870)"));

    state->Cal.XMaxPointX = state->Cal.ZeroPointX; // the X axis has no length
    state->Cal.XMaxPointY = state->Cal.ZeroPointY;
    Move(0, 120, 45);
    EXPECT_TRUE(host.Shown.isEmpty());
    EXPECT_EQ(views.Status[0], QStringLiteral(" (-, -)"));
    SetToolMode(*state, views, Tool::XMaxPoint, CursorId::XMaxPoint);
    Click({500, 400});
    EXPECT_EQ(state->Cal.XMaxPointX, 500);

    state->Setup.ScaleY = ScaleKind::Log10; // step X is refused on a logarithmic axis
    SwitchStepX(*state, host, views, true);
    EXPECT_FALSE(state->Main.StepXOn);
    EXPECT_EQ(host.Shown, QStringList{QStringLiteral("Logarifm axis not supported")});
}

// Step-X with a step of 3 picture pixels (X 0.075 at 40 pixels a unit): the grid columns are
// 100 + 3k, so at 1:2 and 1:3 most of them have no screen pixel of their own.
class StepXAtScale : public PictureMouse, public ::testing::WithParamInterface<int> {};

TEST_P(StepXAtScale, StoresTheCrosshairsPicturePosition) {
    state->Setup.StepX = 0.075L;
    SwitchStepX(*state, host, views, true);
    SetScaleIndex(*state, views, GetParam());
    const Extended scale = state->Main.ViewScale;
    Move(0, RoundHalfEven(222 * scale), RoundHalfEven(200 * scale));
    const PicturePoint crosshair{state->Cal.SnapPicX, state->Cal.SnapPicY};
    ASSERT_EQ(state->Pics.CrosshairOnWorking, crosshair);
    ASSERT_EQ((crosshair.X - 100) % 3, 0);
    Click({5, 5});
    EXPECT_EQ(Positions(state->Store, 1), (std::vector<PicturePoint>{crosshair}));
}

INSTANTIATE_TEST_SUITE_P(EveryScale, StepXAtScale, ::testing::Range(1, 8));

// Only the live crosshair stays on the picture: it equals what a redraw would leave, the clean
// copy, axes, marks and the crosshair where the record says it stands.
class StepCrosshair : public PictureMouse {
protected:
    void Start() {
        state = CalibratedState();
        state->Pics.Clean = PatternPicture(600, 500);
        RedrawPicture(*state, views);
        state->Setup.StepX = 1;
        SwitchStepX(*state, host, views, true);
        Move(0, 217, 250); // the crosshair at (220, 250)
    }

    void ExpectOnlyTheLiveCrosshair(bool live) {
        QImage picture = state->Pics.Clean.copy();
        DrawAxes(picture, state->Cal, state->Setup);
        RedrawMarks(picture, state->Store, state->Setup);
        ASSERT_EQ(state->Pics.CrosshairOnWorking.has_value(), live);
        if (live) {
            EXPECT_TRUE(StepCrosshairLive(*state));
            EXPECT_EQ(*state->Pics.CrosshairOnWorking,
                      (PicturePoint{state->Cal.SnapPicX, state->Cal.SnapPicY}));
            DrawStepCrosshair(picture, state->Cal.SnapPicX, state->Cal.SnapPicY);
        }
        EXPECT_EQ(ChangedPixels(picture, state->Pics.Working).size(), 0U);
    }
};

TEST_F(StepCrosshair, AfterAPointUnderItOrAnotherTool) {
    Start();
    Click({300, 300}); // stored under the crosshair
    Move(0, 337, 260);
    ExpectOnlyTheLiveCrosshair(true);

    Start();
    SetToolMode(*state, views, Tool::Eraser, CursorId::Eraser);
    SetPointMode(*state, views);
    Move(0, 337, 260);
    ExpectOnlyTheLiveCrosshair(true);

    Start();
    SetToolMode(*state, views, Tool::Eraser, CursorId::Eraser);
    RedrawPicture(*state, views);
    SwitchStepX(*state, host, views, false);
    ExpectOnlyTheLiveCrosshair(false);
}

// In point mode a held Ctrl shows the eraser and a held Shift the mover; a Ctrl-click erases
// within 1 pixel either way.
TEST_F(PictureMouse, CtrlClickErasesAndRefreshesTheMagnifier) {
    state->Main.ShowZoom = true;
    Click({199, 201});
    Click({202, 200});
    for (const auto& [held, cursor] :
         {std::pair(Shift::Ctrl, CursorId::Eraser), std::pair(Shift::Shift, CursorId::MovePoint),
          std::pair(0U, state->Main.CurrentCursor)}) {
        Move(held, 200, 200);
        EXPECT_EQ(views.Cursor, cursor) << held;
    }
    const int before = views.MagnifierUpdates;
    PictureMouseDown(*state, host, views, Shift::Ctrl | Shift::Left, 200, 200); // no move follows
    EXPECT_EQ(Positions(state->Store, 1), (std::vector<PicturePoint>{{202, 200}}));
    EXPECT_GT(views.MagnifierUpdates, before);
}

// Keys, zones and the nudge window ---------------------------------------------------------

using KeysAndZones = CommandTest;

TEST_F(KeysAndZones, ArrowsNudgeAReferencePointAndOtherKeysReapplyIt) {
    SetToolMode(*state, views, Tool::YMaxPoint, CursorId::YMaxPoint);
    MainWindowKeyDown(*state, host, views, Key::Down);
    MainWindowKeyDown(*state, host, views, Key::Down);
    MainWindowKeyDown(*state, host, views, Key::Other);
    EXPECT_EQ(Ref(state->Cal)[2], (PicturePoint{100, 102}));
    EXPECT_EQ(views.Status[3], QStringLiteral(" (0.000000)"));
}

// A black line one pixel thick from (150,300) to (450,200) on the clean copy, a point off it
// on curve 1, and a zone painted along the line.
class ZoneSearch : public KeysAndZones {
protected:
    void SetUp() override {
        DrawInk(state->Pics.Clean, {{150, 300}, {450, 200}});
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
        EXPECT_EQ(std::tuple(state->ZoneList.ZoneCount, state->Main.ToolMode),
                  std::tuple(1, Tool::Zone));
    }

    int circles = 0;
};

// A failed refresh after the search still gives the brush back for the next zone.
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

    PaintZone();
    state->Texts.MaxX = QStringLiteral("-");
    host.Answers = {Host::Answer::No};
    EXPECT_THROW(FindInZone(*state, host, views), FormatError);
    EXPECT_EQ(std::tuple(state->ZoneList.ZoneCount, state->Main.ToolMode),
              std::tuple(1, Tool::Zone));
    PaintZone();
    EXPECT_EQ(state->ZoneList.ZoneCount - 1, circles);
}

TEST_F(KeysAndZones, ClearingALineAsksFirstAndACancelledOpenKeepsTheWork) {
    AppendPoint(state->Store, 1, 20, 20);
    host.Answers = {Host::Answer::No};
    ClearDataOfLine(*state, host, views);
    EXPECT_EQ(Points(*state), 1);

    SetScaleIndex(*state, views, 4);
    const WorkSnapshot before = Snapshot(*state);
    OpenPicture(*state, host, views); // no file name queued: cancelled
    EXPECT_EQ(Snapshot(*state), before);

    host.Answers = {Host::Answer::Yes};
    ClearDataOfLine(*state, host, views);
    EXPECT_EQ(Points(*state), 0);
}

// The arrow keys of the nudge window move only a selected point (a Shift-click selects it), and
// OK brings its values, ending the nudge even when an axis field holds no number.
TEST_F(KeysAndZones, NudgeMovesTheSelectedPointAndOkBringsItsValues) {
    ASSERT_TRUE(AppendPoint(state->Store, 1, 300, 200));
    RefreshAll(*state, views);
    RedrawPicture(*state, views);
    const QImage before = state->Pics.Working.copy();
    NudgeSelectedPoint(*state, views, 1, 0);
    FinishNudge(*state, views);
    EXPECT_EQ(PointAt(*state, 1), (PicturePoint{300, 200}));
    EXPECT_EQ(state->Pics.Working, before);

    const auto grab = [&](std::int32_t x, std::int32_t y) {
        state->Cal.MousePicX = x;
        state->Cal.MousePicY = y;
        GrabPointAtClick(*state, views);
        ASSERT_TRUE(state->Store.PointSelected);
    };
    grab(301, 201);
    for (const QPoint step : {QPoint(0, -1), QPoint(0, -1), QPoint(0, -1), QPoint(-1, 0)}) {
        NudgeSelectedPoint(*state, views, step.x(), step.y());
    }
    const ValueEntry& values = state->Store.PointValues[1][1];
    EXPECT_DOUBLE_EQ(static_cast<double>(values.ValY), 2.0); // the values lag while it moves
    FinishNudge(*state, views);
    EXPECT_FALSE(state->Store.PointSelected);
    EXPECT_NEAR(static_cast<double>(values.ValX), 199.0 / 40.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(values.ValY), 2.03, 1e-12);
    // The picture is as a fresh redraw would draw it, the mark at its new place in its colour.
    const QImage afterOk = state->Pics.Working.copy();
    RedrawPicture(*state, views);
    EXPECT_EQ(state->Pics.Working, afterOk);
    EXPECT_EQ(afterOk.pixel(300, 197), ToQRgb(state->Setup.LineColors[1]));

    grab(299, 197);
    NudgeSelectedPoint(*state, views, 1, 0);
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
