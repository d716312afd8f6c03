#include "commands/SetupCommands.h"
#include "CommandTestSupport.h"
#include "commands/Commands.h"
#include "common/Color.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lineora::test {
namespace {

class SetupColour : public ::testing::TestWithParam<int> {
protected:
    Settings settings;
    ScriptedHost host;

    TColor Colour() const {
        const int button = GetParam();
        return button == kAxesColorButton ? settings.AxesColor
                                          : settings.LineColors[static_cast<std::size_t>(button)];
    }
};

TEST_P(SetupColour, TakesTheChosenColourAndKeepsItOnCancel) {
    const TColor before = Colour();
    host.Colors.push_back(std::nullopt);
    EXPECT_FALSE(ChooseSetupColor(settings, host, GetParam()));
    EXPECT_EQ(Colour(), before);

    host.Colors.push_back(TColor{0x123456});
    EXPECT_TRUE(ChooseSetupColor(settings, host, GetParam()));
    EXPECT_EQ(Colour(), TColor{0x123456});
}

INSTANTIATE_TEST_SUITE_P(FiveCurvesAndTheAxes, SetupColour, ::testing::Range(1, 7));

struct StepCase {
    const char* text;
    char separator;
    bool throws;
    double stepAfter; // StepX starts at 10
};

class StepXText : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepXText, KeepsTheTextAndTakesOnlyANumber) {
    const StepCase& c = GetParam();
    SetDecimalChar(QLatin1Char(c.separator));
    Settings settings;
    settings.StepX = 10;
    const QString text = QString::fromLatin1(c.text);
    if (c.throws) {
        EXPECT_THROW(SetStepXText(settings, text), FormatError);
    } else {
        SetStepXText(settings, text);
    }
    EXPECT_EQ(settings.StepXText, text);
    EXPECT_DOUBLE_EQ(static_cast<double>(settings.StepX), c.stepAfter);
    SetDecimalChar(QLatin1Char('.'));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StepXText,
    ::testing::Values(StepCase{"2.5", '.', false, 2.5}, StepCase{"2,5", ',', false, 2.5},
                      StepCase{"", '.', false, 10}, StepCase{"-", '.', true, 10},
                      StepCase{",", ',', true, 10}, StepCase{"2,5", '.', true, 10}));

class SetupEffects : public ::testing::Test {
protected:
    std::unique_ptr<State> state = CalibratedState();
    ScriptedHost host;
    FakeViews views;
};

TEST_F(SetupEffects, AScaleKindTakesEffectAtTheNextConversion) {
    ASSERT_TRUE(AppendPoint(state->Store, 1, 300, 200));
    RefreshAll(*state, views);
    ASSERT_DOUBLE_EQ(static_cast<double>(state->Store.PointValues[1][1].ValX), 5.0);

    state->Setup.ScaleX = kScaleChoices[1];
    const ChartPoint converted = PictureToChart(state->Cal, state->Setup, 300, 200, 1);
    EXPECT_NEAR(static_cast<double>(converted.X), 1e5, 1e-6);
    // The stored values follow at the next refresh.
    EXPECT_DOUBLE_EQ(static_cast<double>(state->Store.PointValues[1][1].ValX), 5.0);
    RefreshAll(*state, views);
    EXPECT_NEAR(static_cast<double>(state->Store.PointValues[1][1].ValX), 1e5, 1e-6);

    state->Setup.ScaleY = kScaleChoices[2];
    RefreshAll(*state, views);
    EXPECT_NEAR(static_cast<double>(state->Store.PointValues[1][1].ValY), std::exp(2.0), 1e-12);
}

TEST_F(SetupEffects, ActivationEndsStepXAndTakesItsCrosshairOff) {
    const QImage before = state->Pics.Working.copy();
    state->Cal.SnapPicX = 200;
    state->Cal.SnapPicY = 300;
    SwitchStepX(*state, host, views, true);
    ASSERT_TRUE(state->Main.StepXOn);
    ASSERT_NE(state->Pics.Working, before);

    ReleaseStepX(*state, views);
    EXPECT_FALSE(state->Main.StepXOn);
    EXPECT_EQ(state->Pics.Working, before);
    EXPECT_TRUE(host.Shown.isEmpty());
}

TEST_F(SetupEffects, ActivationWithStepXOffTouchesNothing) {
    SwitchAutoCorrect(*state, views, true);
    const QImage before = state->Pics.Working.copy();
    ReleaseStepX(*state, views);
    EXPECT_EQ(state->Pics.Working, before);
    EXPECT_TRUE(state->Main.AvtoCorrectOn);
}

TEST_F(SetupEffects, LeavingRereadsTheAxisFieldsAndRedrawsInTheNewColours) {
    ASSERT_TRUE(AppendPoint(state->Store, 1, 300, 200));
    state->Texts.MaxX = QStringLiteral("20");
    state->Setup.LineColors[1] = 0x00FF00;
    LeaveSetup(*state, views);
    EXPECT_EQ(state->Cal.AxisXMax, 20.0);
    EXPECT_EQ(state->Pics.Working.pixel(301, 200), ToQRgb(0x00FF00));
}

TEST_F(SetupEffects, LeavingWithABadAxisFieldRedrawsNothing) {
    state->Texts.MinX = QStringLiteral("-");
    const int repaints = views.PictureRepaints;
    EXPECT_THROW(LeaveSetup(*state, views), FormatError);
    EXPECT_EQ(views.PictureRepaints, repaints);
}

TEST_F(SetupEffects, PolarCirclesNeverDropBelowOne) {
    StepPolarCircles(*state, views, +1);
    EXPECT_EQ(state->Setup.PolarCircleCount, 2);
    for (int i = 0; i < 3; ++i) {
        StepPolarCircles(*state, views, -1);
    }
    EXPECT_EQ(state->Setup.PolarCircleCount, 1);
}

} // namespace
} // namespace lineora::test
