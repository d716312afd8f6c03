#include "core/commands/SetupCommands.h"
#include "CommandTestSupport.h"
#include "core/commands/Commands.h"
#include "core/common/Color.h"
#include "core/common/Errors.h"

#include <gtest/gtest.h>

namespace lineora::test {
namespace {

TEST(SetupColour, EachButtonTakesTheChosenColourAndKeepsItOnCancel) {
    for (int button = 1; button <= kAxesColorButton; ++button) {
        Settings settings;
        ScriptedHost host;
        TColor& colour = button == kAxesColorButton
                             ? settings.AxesColor
                             : settings.LineColors[static_cast<std::size_t>(button)];
        const TColor before = colour;
        host.Colors = {std::nullopt, TColor{0x123456}};
        EXPECT_FALSE(ChooseSetupColor(settings, host, button));
        EXPECT_EQ(colour, before) << button;
        EXPECT_TRUE(ChooseSetupColor(settings, host, button));
        EXPECT_EQ(colour, TColor{0x123456}) << button;
    }
}

TEST(StepXText, KeepsTheTextAndTakesOnlyANumber) {
    struct Case {
        const char* text;
        char separator;
        bool throws;
        double stepAfter; // StepX starts at 10
    };
    for (const Case& c :
         {Case{"2.5", '.', false, 2.5}, Case{"2,5", ',', false, 2.5}, Case{"", '.', false, 10},
          Case{"-", '.', true, 10}, Case{",", ',', true, 10}, Case{"2,5", '.', true, 10}}) {
        const DecimalCharGuard separator(QLatin1Char(c.separator));
        Settings settings;
        settings.StepX = 10;
        const QString text = QString::fromLatin1(c.text);
        if (c.throws) {
            EXPECT_THROW(SetStepXText(settings, text), FormatError) << c.text;
        } else {
            SetStepXText(settings, text);
        }
        EXPECT_EQ(settings.StepXText, text);
        EXPECT_DOUBLE_EQ(static_cast<double>(settings.StepX), c.stepAfter) << c.text;
    }
}

class SetupEffects : public ::testing::Test {
protected:
    std::unique_ptr<State> state = CalibratedState();
    ScriptedHost host;
    FakeViews views;
};

TEST_F(SetupEffects, ActivationEndsStepXAndTakesItsCrosshairOffButLeavesAutocorrection) {
    const QImage before = state->Pics.Working.copy();
    ReleaseStepX(*state, views); // step X off: nothing to do
    EXPECT_EQ(state->Pics.Working, before);

    state->Cal.SnapPicX = 200;
    state->Cal.SnapPicY = 300;
    SwitchStepX(*state, host, views, true);
    ASSERT_TRUE(state->Main.StepXOn);
    ASSERT_NE(state->Pics.Working, before);
    ReleaseStepX(*state, views);
    EXPECT_FALSE(state->Main.StepXOn);
    EXPECT_EQ(state->Pics.Working, before);
    EXPECT_TRUE(host.Shown.isEmpty());

    SwitchAutoCorrect(*state, views, true);
    ReleaseStepX(*state, views);
    EXPECT_TRUE(state->Main.AvtoCorrectOn);
}

TEST_F(SetupEffects, LeavingRereadsTheAxisFieldsAndRedrawsInTheNewColours) {
    ASSERT_TRUE(AppendPoint(state->Store, 1, 300, 200));
    state->Setup.LineColors[1] = 0x00FF00;
    state->Texts.MinX = QStringLiteral("-");
    EXPECT_THROW(LeaveSetup(*state, views), FormatError);
    EXPECT_EQ(views.PictureRepaints, 0); // a bad field redraws nothing

    state->Texts.MinX = QStringLiteral("0");
    state->Texts.MaxX = QStringLiteral("20");
    LeaveSetup(*state, views);
    EXPECT_EQ(state->Cal.AxisXMax, 20.0);
    EXPECT_EQ(state->Pics.Working.pixel(301, 200), ToQRgb(0x00FF00));
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
