#include "ui/WindowTestSupport.h"

#include "core/commands/StatusBar.h"
#include "ui/curves/FormTable.h"

#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QTableView>

#include <numbers>

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

// Long values, as a polar chart or a wide range gives them, must not be cut off.
TEST_F(MainWindowTest, StatusPanelsAndTableColumnsHoldTheirLongestTexts) {
    state->Cal.AxisAngleX = -std::numbers::pi_v<Extended> * 179.999 / 180;
    state->Cal.PointAngle = state->Cal.AxisAngleX;
    state->Cal.SnapValueX = -123456.789;
    state->Cal.SnapValueY = -123456.789;
    state->Main.StepXOn = true;
    state->Main.PixelColor = 0xFFFFFF;
    UpdateStatusBar(*state, *main, 1234, 1234, -123456.789, -123456.789);
    for (const QLabel* panel : main->StatusPanels) {
        SCOPED_TRACE(panel->text().toStdString());
        EXPECT_GE(panel->width(), panel->sizeHint().width());
    }
    // The panels that show something fit the narrowest window.
    EXPECT_LT(main->StatusPanels[4]->geometry().right(), TFormLineora::kMinimumClient.width());

    PointStore& store = state->Store;
    for (int c = 1; c <= kCurveCount; ++c) {
        store.PointValues[1][c] = {1, -1.23456789012345e-100L, -0.0000123456789012345L};
    }
    windows.FormTable->Refresh(store, TableOptions{});
    const QAbstractItemView* table = windows.FormTable->Tabl; // the hint is public here
    for (int column = 0; column < kTableColumns; ++column) {
        SCOPED_TRACE(column);
        EXPECT_GE(windows.FormTable->Tabl->columnWidth(column), table->sizeHintForColumn(column));
    }
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

// Each tool button, under its own name, takes its mode and cursor, and is the one shown down
// when a command sets that mode.
TEST_F(MainWindowTest, EachToolButtonTakesItsModeAndIsShownForIt) {
    struct ToolButton {
        QToolButton* MainToolbar::*button;
        const char* name;
        decltype(MainState::ToolMode) mode;
        decltype(MainState::CurrentCursor) cursor;
    };
    for (const ToolButton& tool :
         {ToolButton{&MainToolbar::ButtonSetZeroPoint, "ButtonSetZeroPoint", Tool::ZeroPoint,
                     CursorId::ZeroPoint},
          {&MainToolbar::ButtonSetXMaxPoint, "ButtonSetXMaxPoint", Tool::XMaxPoint,
           CursorId::XMaxPoint},
          {&MainToolbar::ButtonSetYMaxPoint, "ButtonSetYMaxPoint", Tool::YMaxPoint,
           CursorId::YMaxPoint},
          {&MainToolbar::SpeedButtonOn3click, "SpeedButtonOn3click", Tool::ThreeClick,
           CursorId::ZeroPoint},
          {&MainToolbar::ButtonErazer, "ButtonErazer", Tool::Eraser, CursorId::Eraser},
          {&MainToolbar::ButtonPasteLine, "ButtonPasteLine", Tool::Zone, CursorId::ZoneBrush},
          {&MainToolbar::ButtonZoom, "ButtonZoom", Tool::Zoom, CursorId::Zoom},
          {&MainToolbar::SpeedButtonNoneRezim, "SpeedButtonNoneRezim", Tool::None,
           CursorId::Diag}}) {
        SCOPED_TRACE(tool.name);
        QToolButton* button = main->*tool.button;
        EXPECT_EQ(button->objectName(), QString::fromLatin1(tool.name));
        SetToolMode(*state, *main, tool.mode, tool.cursor);
        EXPECT_TRUE(button->isChecked());

        Press(main->ButtonSetPoint);
        Press(button);
        EXPECT_EQ(state->Main.ToolMode, tool.mode);
        EXPECT_EQ(state->Main.CurrentCursor, tool.cursor);
    }
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
