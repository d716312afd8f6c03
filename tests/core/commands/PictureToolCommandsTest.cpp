#include "CommandTestSupport.h"
#include "core/commands/KeyFilter.h"
#include "core/commands/RectifyCommands.h"
#include "core/commands/StraightenCommands.h"
#include "core/commands/UndoCommands.h"
#include "core/picture/Overlay.h"
#include "core/picture/Rotation.h"
#include "core/picture/StraightenGuide.h"

namespace lineora::test {
namespace {

using Answer = Host::Answer;

// A host whose progress bar fails on its first step.
class FailingProgressHost : public ScriptedHost {
public:
    void AdvanceProgress(int) override { throw CalcError("progress failed"); }
};

class PictureTools : public CommandTest {
protected:
    void SetUp() override {
        state->Cal.XMaxPointY = 380; // the X axis rises 20 pixels over 400
        FillBox(state->Pics.Clean, {200, 200, 60, 30});
        FillBox(state->Pics.Clean, {400, 100, 1, 1}); // a speck
        AppendPoint(state->Store, 1, 300, 200);
        AppendPoint(state->Store, 2, 350, 250);
        RedrawPicture(*state, views);
        RefreshAll(*state, views);
    }
};

TEST_F(PictureTools, RotationDroppedOrFailingKeepsTheWorkAndKeptLevelsTheCalibration) {
    const WorkSnapshot before = Snapshot(*state);
    host.Answers = {Answer::No, Answer::Yes, Answer::No};
    RotateToXAxis(*state, host, views);
    RotateToXAxis(*state, host, views);
    const QString level = Message(MsgKey::LevelXAxis);
    EXPECT_EQ(host.Shown, QStringList({level, level, Message(MsgKey::KeepRotatedPicture)}));
    EXPECT_FALSE(host.ProgressOpen);
    EXPECT_EQ(Snapshot(*state), before);

    FailingProgressHost failing;
    failing.Answers = {Answer::Yes};
    EXPECT_THROW(RotateToXAxis(*state, failing, views), CalcError);
    EXPECT_FALSE(failing.ProgressOpen);
    EXPECT_EQ(Snapshot(*state), before);

    // Kept, it becomes the picture with a fresh level calibration and no curves.
    const auto theta = static_cast<double>(state->Cal.AxisAngleX);
    const RotatedFrame frame = RotatedFrameOf(600, 500, theta);
    QImage expected(frame.Width, frame.Height, QImage::Format_RGB32);
    RotatePicture(state->Pics.Clean, theta, frame, expected);

    host.Answers = {Answer::Yes, Answer::Yes};
    RotateToXAxis(*state, host, views);

    EXPECT_EQ(state->Pics.Clean, expected);
    EXPECT_EQ(
        Ref(state->Cal),
        (RefPoints{{{50, frame.Height - 50}, {frame.Width - 50, frame.Height - 50}, {50, 50}}}));
    EXPECT_EQ(std::tuple(state->Cal.AxisAngleX, state->Main.Axis90Mode,
                         Points(*state, 1) + Points(*state, 2)),
              std::tuple(0, true, 0));
}

TEST_F(PictureTools, CleaningAtOneToOneKeptOrDropped) {
    SetScaleIndex(*state, views, 3);
    WorkSnapshot before = Snapshot(*state);
    before.ScaleIndex = kScaleOneToOne; // even when the cleaning is dropped
    host.Answers = {Answer::No};
    CleanPictureSpecks(*state, host, views);
    EXPECT_EQ(Snapshot(*state), before);

    host.Answers = {Answer::Yes};
    CleanPictureSpecks(*state, host, views);
    QImage withoutSpeck = before.Clean.copy();
    withoutSpeck.setPixel(400, 100, qRgb(255, 255, 255));
    EXPECT_EQ(state->Pics.Clean, withoutSpeck);
    const QImage shown = state->Pics.Working.copy();
    RedrawPicture(*state, views);
    EXPECT_EQ(state->Pics.Working, shown); // axes and marks are back on the cleaned picture
}

// The rectify tool through the picture's mouse and keys, each click a user action.
class RectifyTool : public PictureTools {
protected:
    void Click(std::initializer_list<PicturePoint> corners) {
        for (const PicturePoint& at : corners) {
            RunUserAction(*state, host,
                          [&] { PictureMouseDown(*state, host, views, Shift::Left, at.X, at.Y); });
        }
    }
};

TEST_F(RectifyTool, CancelledRefusedOrDroppedLeavesTheWorkAndRecordsNoStep) {
    StartNewWork(*state);
    const WorkSnapshot before = Snapshot(*state);
    EnterRectifyTool(*state, views);
    Click({{100, 100}, {500, 90}});
    EXPECT_EQ(views.Status[kRectifyStatusPanel], Message(MsgKey::RectifyCornersLeft).arg(2));
    EXPECT_NE(state->Pics.Working, before.Working); // the two marks
    MainWindowKeyDown(*state, host, views, Key::Escape);
    EXPECT_EQ(Snapshot(*state), before);
    EnterRectifyTool(*state, views); // another tool cancels too
    Click({{100, 100}});
    SetPointMode(*state, views);
    EXPECT_EQ(Snapshot(*state), before);

    EnterRectifyTool(*state, views);
    Click({{100, 100}, {300, 100}, {500, 100}, {300, 400}});
    EXPECT_EQ(host.Shown.back(), Message(MsgKey::RectifyNotConvex));
    EXPECT_EQ(state->Main.ToolMode, Tool::Rectify); // waiting for four new corners
    EXPECT_EQ(state->Pics.Working, before.Working);

    host.Answers = {Answer::No};
    Click({{100, 100}, {500, 90}, {540, 450}, {60, 430}});
    EXPECT_EQ(host.Shown.back(), Message(MsgKey::KeepRectifiedPicture));
    EXPECT_EQ(Snapshot(*state), before);
    EXPECT_FALSE(WorkUnsaved(*state));
}

TEST_F(RectifyTool, KeptBecomesThePictureWithReferencePointsOnTheFrameInOneStep) {
    StartNewWork(*state);
    const QImage original = state->Pics.Clean;
    const QStringList texts = Snapshot(*state).Texts;
    const RectifyPlan plan =
        PlanRectify({QPointF(100, 100), {500, 90}, {540, 450}, {60, 430}}, 600, 500);
    QImage expected(plan.Size, QImage::Format_RGB32);
    RectifyPicture(original, plan, expected);

    EnterRectifyTool(*state, views);
    host.Answers = {Answer::Yes};
    Click({{540, 450}, {100, 100}, {60, 430}, {500, 90}});
    EXPECT_EQ(state->Pics.Clean, expected);
    const QRect f = plan.Frame;
    const std::int32_t right = f.left() + f.width(), bottom = f.top() + f.height();
    EXPECT_EQ(Ref(state->Cal),
              (RefPoints{{{f.left(), bottom}, {right, bottom}, {f.left(), f.top()}}}));
    EXPECT_EQ(Snapshot(*state).Texts, texts);
    EXPECT_EQ(Points(*state, 1) + Points(*state, 2), 0);
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
    EXPECT_EQ(UndoMenuText(*state), Message(MsgKey::Undo).arg(Message(MsgKey::StepRectify)));
    UndoWork(*state, views);
    EXPECT_EQ(state->Pics.Clean, original);
}

// The worked example over a patterned picture, with the axes drawn, as the straightener finds
// it when it opens.
class Straightener : public CommandTest {
protected:
    void SetUp() override {
        state->Pics.Clean = PatternPicture(600, 500);
        RedrawPicture(*state, views);
        shown = state->Pics.Working;
    }

    // Opening draws the axes once more: with the inverting axes pen that takes them away.
    QImage Opened() const {
        QImage picture = shown;
        DrawAxes(picture, state->Cal, state->Setup);
        return picture;
    }

    // The picture plus exactly the guide of the settings now in force.
    QImage WithGuide(QImage picture) const {
        const StraightenerState& s = state->Straightener;
        DrawStraightenGuide(picture, ComputeStrips(state->Cal, s.StripGap, s.StraightenRadius));
        return picture;
    }

    QImage shown;
};

// Each arrow erases the guide it drew and draws the new one, so the picture shows one guide,
// and closing leaves the picture as it was.
TEST_F(Straightener, ShowingDrawsTheGuideArrowsRedrawItAndClosingLeavesThePicture) {
    using Press = void (*)(State&, Views&);
    const Press down = [](State& s, Views& v) { ChangeCurvature(s, v, CurvatureArrow::Down); };
    const Press up = [](State& s, Views& v) { ChangeCurvature(s, v, CurvatureArrow::Up); };
    const Press gapDown = [](State& s, Views& v) { ChangeStripGap(s, v, -1); };
    const struct {
        const char* Name;
        Press Arrow;
        std::int32_t Gap, Radius, ExpectedGap, ExpectedRadius;
    } cases[] = {{"curvature down flattens", down, 26, 560, 26, 570},
                 {"curvature up rounds", up, 26, 560, 26, 550},
                 {"curvature up stops at one", up, 26, 8, 26, 1},
                 {"gap below zero", gapDown, 0, 560, -1, 560}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        state->Straightener.StripGap = c.Gap;
        state->Straightener.StraightenRadius = c.Radius;
        ShowStraightenGuide(*state, views);
        EXPECT_EQ(state->Pics.Working, WithGuide(Opened()));
        c.Arrow(*state, views);
        EXPECT_EQ(std::pair(state->Straightener.StripGap, state->Straightener.StraightenRadius),
                  std::pair(c.ExpectedGap, c.ExpectedRadius));
        EXPECT_EQ(state->Pics.Working, WithGuide(Opened()));
        HideStraightenGuide(*state, views);
        EXPECT_EQ(state->Pics.Working, shown);
    }
    // A redraw while the window is open (a point added, say) keeps the guide, so closing still
    // erases it instead of leaving a stray copy.
    ShowStraightenGuide(*state, views);
    RedrawPicture(*state, views);
    HideStraightenGuide(*state, views);
    EXPECT_EQ(state->Pics.Working, Opened());
}

// Radius 155 (sqrt(150^2 + 42^2)): the centre rows move 4 + 2 pixels right. Yes keeps the wider
// picture; No brings the picture and its size back, with the guide on the clean picture.
// Arcs too round are refused with nothing changed.
TEST_F(Straightener, RunKeptOrDropped) {
    state->Straightener.StraightenRadius = 10;
    ShowStraightenGuide(*state, views);
    const QImage working = state->Pics.Working;
    EXPECT_THROW(RunStraightening(*state, host, views), CalcError);
    EXPECT_EQ(state->Pics.Working, working);
    EXPECT_EQ(state->Pics.Clean, PatternPicture(600, 500));
    HideStraightenGuide(*state, views);

    state->Straightener.StraightenRadius = 150;
    ShowStraightenGuide(*state, views);
    const StripGeometry strips = ComputeStrips(state->Cal, 26, 150);
    QImage straightened;
    StraightenRows(state->Pics.Clean, strips, BuildRowShift(strips, 500), straightened);

    host.Answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(RunStraightening(*state, host, views));
    EXPECT_EQ(state->Pics.Clean, PatternPicture(600, 500));
    EXPECT_EQ(state->Pics.PictureWidth, 600);
    EXPECT_EQ(state->Pics.Working, WithGuide(state->Pics.Clean));
    EXPECT_FALSE(host.ProgressOpen);

    EXPECT_TRUE(RunStraightening(*state, host, views));
    EXPECT_EQ(state->Pics.Clean, straightened);
    EXPECT_EQ(state->Pics.PictureWidth, 600 + 4 + 2);
    EXPECT_EQ(state->Pics.Working, WithGuide(straightened));
}

} // namespace
} // namespace lineora::test
