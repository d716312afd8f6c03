#include "windows/WindowTestSupport.h"

#include <QAction>
#include <QScrollArea>

namespace lineora::test {
namespace {

TEST_F(MainWindowTest, ResizingKeepsTheMinimumClientAreaAndGivesThePictureBoxTheRest) {
    main->ResizeClient({600, 400});
    QApplication::processEvents();
    EXPECT_EQ(main->ClientSize(), QSize(780, 580));
    EXPECT_EQ(main->ScrollBox1->geometry(), QRect(0, 56, 780, 493));

    main->ResizeClient({900, 700});
    QApplication::processEvents();
    EXPECT_EQ(main->ScrollBox1->geometry(), QRect(0, 56, 900, 613));
    EXPECT_EQ(main->StatusBar1->geometry().bottom(), 699);

    // A plain resize of the window keeps the minimum too.
    main->resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(main->ClientSize(), QSize(780, 580));
    EXPECT_EQ(main->ScrollBox1->size(), QSize(780, 493));
}

TEST_F(MainWindowTest, ToolButtonsFollowTheToolMode) {
    Press(main->ButtonErazer);
    EXPECT_EQ(state->Main.ToolMode, Tool::Eraser);

    SetPointMode(*state, *main);
    main->ControlsChanged();
    EXPECT_TRUE(main->ButtonSetPoint->isChecked());
    EXPECT_FALSE(main->ButtonErazer->isChecked());

    Press(main->SpeedButtonLine3);
    EXPECT_EQ(state->Store.CurrentLine, 3);
    EXPECT_TRUE(main->SpeedButtonLine3->isChecked());
}

TEST_F(MainWindowTest, ScaleItemResizesThePictureAndCaptionsTheZoomButton) {
    main->mastab7->trigger();

    EXPECT_EQ(state->Main.ScaleIndex, 7);
    EXPECT_EQ(view->size(), QSize(67, 67)); // 200 / 3 = 66.67
    EXPECT_EQ(main->BTNZOOM->text(), QStringLiteral("1:3"));
    EXPECT_TRUE(main->mastab7->isChecked());
    EXPECT_FALSE(main->mastab5->isChecked());
}

TEST_F(MainWindowTest, DrawLineReleasesAxis90ButtonButKeepsItsMode) {
    Press(main->SpeedButtonAxis90);
    ASSERT_TRUE(state->Main.Axis90Mode);
    Press(main->SpeedButtonDrawLine);

    EXPECT_TRUE(main->SpeedButtonDrawLine->isChecked());
    EXPECT_FALSE(main->SpeedButtonAxis90->isChecked());
    EXPECT_TRUE(state->Main.Axis90Mode);
}

TEST_F(MainWindowTest, AutocorrectionAndStepXExcludeEachOther) {
    Press(main->ButtonAvtoCorrect);
    EXPECT_TRUE(main->MenuAutocorrection->isChecked());

    main->MenuOnDeltaX->trigger();
    EXPECT_TRUE(state->Main.StepXOn);
    EXPECT_TRUE(main->ButtonStepX->isChecked());
    EXPECT_FALSE(state->Main.AvtoCorrectOn);
    EXPECT_FALSE(main->ButtonAvtoCorrect->isChecked());
    EXPECT_FALSE(main->MenuAutocorrection->isChecked());
}

TEST_F(MainWindowTest, CrosshairItemsCheckOnlyTheChosenOneAndPixelFormatsOnlyShowTheFound) {
    main->Strela->trigger();
    EXPECT_EQ(state->Main.CursorKind, 5);
    EXPECT_TRUE(main->Strela->isChecked());
    EXPECT_FALSE(main->Diag->isChecked());

    EXPECT_TRUE(main->MenuItempf24bit->isChecked());
    main->MenuItempf4bit->trigger();
    EXPECT_TRUE(main->MenuItempf24bit->isChecked());
    EXPECT_FALSE(main->MenuItempf4bit->isChecked());
}

} // namespace
} // namespace lineora::test
