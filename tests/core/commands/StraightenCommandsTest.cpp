#include "core/commands/StraightenCommands.h"

#include "core/commands/CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/common/Errors.h"
#include "core/picture/Overlay.h"
#include "core/picture/StraightenGuide.h"
#include "support/DrawnPictures.h"

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

// The worked example (zero (100, 400), Y-max (100, 100)) over a patterned picture, with the
// axes drawn, as the straightener finds it when it opens.
class StraightenerTest : public ::testing::Test {
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

    std::unique_ptr<State> state = CalibratedState();
    ScriptedHost host;
    FakeViews views;
    QImage shown;
};

TEST_F(StraightenerTest, ShowingDrawsTheGuideAndClosingLeavesThePictureAsItWas) {
    ShowStraightenGuide(*state, views);
    EXPECT_EQ(state->Pics.Working, WithGuide(Opened()));
    HideStraightenGuide(*state, views);
    EXPECT_EQ(state->Pics.Working, shown);
    EXPECT_FALSE(state->Straightener.Guide);

    // A redraw while the window is open (a point added, say) keeps the guide, so closing still
    // erases it instead of leaving a stray copy.
    ShowStraightenGuide(*state, views);
    RedrawPicture(*state, views);
    HideStraightenGuide(*state, views);
    EXPECT_EQ(state->Pics.Working, Opened());
}

struct ArrowCase {
    const char* Name;
    void (*Press)(State&, Views&);
    std::int32_t Gap, Radius;                 // before
    std::int32_t ExpectedGap, ExpectedRadius; // after
};

class StraightenerArrows : public StraightenerTest,
                           public ::testing::WithParamInterface<ArrowCase> {};

// Each arrow erases the guide it drew and draws the new one, so the picture shows one guide.
TEST_P(StraightenerArrows, ChangeTheSettingAndRedrawTheGuide) {
    const ArrowCase& c = GetParam();
    state->Straightener.StripGap = c.Gap;
    state->Straightener.StraightenRadius = c.Radius;
    ShowStraightenGuide(*state, views);
    c.Press(*state, views);
    EXPECT_EQ(state->Straightener.StripGap, c.ExpectedGap);
    EXPECT_EQ(state->Straightener.StraightenRadius, c.ExpectedRadius);
    EXPECT_EQ(state->Pics.Working, WithGuide(Opened()));
}

constexpr auto CurvatureDown = [](State& s, Views& v) {
    ChangeCurvature(s, v, CurvatureArrow::Down);
};
constexpr auto CurvatureUp = [](State& s, Views& v) { ChangeCurvature(s, v, CurvatureArrow::Up); };
constexpr auto GapDown = [](State& s, Views& v) { ChangeStripGap(s, v, -1); };

INSTANTIATE_TEST_SUITE_P(
    Arrows, StraightenerArrows,
    ::testing::Values(ArrowCase{"CurvatureDownFlattens", CurvatureDown, 26, 560, 26, 570},
                      ArrowCase{"CurvatureUpRounds", CurvatureUp, 26, 560, 26, 550},
                      ArrowCase{"CurvatureUpStopsAtOne", CurvatureUp, 26, 8, 26, 1},
                      ArrowCase{"GapBelowZero", GapDown, 0, 560, -1, 560}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(StraightenerTest, ArcsTooRoundAreRefusedWithNothingChanged) {
    state->Straightener.StraightenRadius = 10;
    ShowStraightenGuide(*state, views);
    const QImage working = state->Pics.Working;
    const std::optional<StripGeometry> guide = state->Straightener.Guide;
    EXPECT_THROW(RunStraightening(*state, host, views), CalcError);
    EXPECT_EQ(state->Pics.Working, working);
    EXPECT_EQ(state->Pics.Clean, PatternPicture(600, 500));
    EXPECT_EQ(state->Straightener.Guide, guide);
    EXPECT_TRUE(host.Shown.isEmpty());
}

class StraightenerRun : public StraightenerTest {
protected:
    void SetUp() override {
        StraightenerTest::SetUp();
        // Radius 155 (sqrt(150^2 + 42^2)): the centre rows move 4 + 2 pixels right.
        state->Straightener.StraightenRadius = 150;
        ShowStraightenGuide(*state, views);
        const StripGeometry strips = ComputeStrips(state->Cal, 26, 150);
        StraightenRows(state->Pics.Clean, strips, BuildRowShift(strips, 500), straightened);
    }

    QImage straightened;
};

TEST_F(StraightenerRun, YesKeepsTheWiderPictureAndClosesTheWindow) {
    host.Answers = {Host::Answer::Yes};
    EXPECT_TRUE(RunStraightening(*state, host, views));
    EXPECT_EQ(host.Shown,
              QStringList{QStringLiteral("Выпрямление выполнено.\rЗапомнить исправления")});
    EXPECT_EQ(state->Pics.Clean, straightened);
    EXPECT_EQ(state->Pics.PictureWidth, 600 + 4 + 2);
    EXPECT_EQ(state->Pics.Working, WithGuide(straightened));
    EXPECT_GE(views.ScaleChanges, 1);
    EXPECT_FALSE(host.ProgressOpen);
}

TEST_F(StraightenerRun, NoBringsThePictureAndItsSizeBackWithTheGuide) {
    host.Answers = {Host::Answer::No};
    const int scaleChanges = views.ScaleChanges;
    EXPECT_FALSE(RunStraightening(*state, host, views));
    EXPECT_EQ(state->Pics.Clean, PatternPicture(600, 500));
    EXPECT_EQ(state->Pics.PictureWidth, 600);
    // Built from the clean picture: the axes come back when the window closes.
    EXPECT_EQ(state->Pics.Working, WithGuide(state->Pics.Clean));
    EXPECT_EQ(views.ScaleChanges, scaleChanges + 2); // wider, then back
    EXPECT_FALSE(host.ProgressOpen);

    HideStraightenGuide(*state, views);
    EXPECT_EQ(state->Pics.Working, shown);
}

} // namespace
} // namespace lineora::test
