#include "ui/WindowTestSupport.h"

#include "core/commands/PictureMouse.h"
#include "core/commands/StatusBar.h"
#include "core/commands/UndoCommands.h"
#include "core/common/MessageKeys.h"
#include "ui/curves/FormTable.h"

#include <numbers>

namespace lineora::test {
namespace {

TEST_F(MainWindowTest, LayoutKeepsTheMinimumClientAreaAndRoomForTheLongestTexts) {
    main->ResizeClient({900, 700});
    QApplication::processEvents();
    EXPECT_EQ(main->ScrollBox1->geometry(), QRect(0, 56, 900, 613));
    main->resize(600, 400);
    QApplication::processEvents();
    EXPECT_EQ(main->ClientSize(), QSize(780, 580));
    EXPECT_EQ(main->ScrollBox1->size(), QSize(780, 493));

    // Long values, as a polar chart or a wide range gives them, must not be cut off.
    state->Cal.AxisAngleX = -std::numbers::pi_v<Extended> * 179.999 / 180;
    state->Cal.PointAngle = state->Cal.AxisAngleX;
    state->Main.StepXOn = true;
    UpdateStatusBar(*state, *main, 1234, 1234, -123456.789, -123456.789);
    for (const QLabel* panel : main->StatusPanels) {
        EXPECT_GE(panel->width(), panel->sizeHint().width()) << panel->text().toStdString();
    }
    // The panels that show something fit the narrowest window.
    EXPECT_LT(main->StatusPanels[4]->geometry().right(), TFormLineora::kMinimumClient.width());

    for (int c = 1; c <= kCurveCount; ++c) {
        state->Store.PointValues[1][c] = {1, -1.23456789012345e-100L, -0.0000123456789012345L};
    }
    windows.FormTable->Refresh(state->Store, TableOptions{});
    const QAbstractItemView* table = windows.FormTable->Tabl; // the hint is public here
    for (int column = 0; column < kTableColumns; ++column) {
        EXPECT_GE(windows.FormTable->Tabl->columnWidth(column), table->sizeHintForColumn(column))
            << column;
    }
}

// Each tool button takes its mode and cursor, and is the one shown down when a command sets
// that mode.
TEST_F(MainWindowTest, EachToolButtonTakesItsModeAndIsShownForIt) {
    struct ToolButton {
        QToolButton* MainToolbar::*button;
        decltype(MainState::ToolMode) mode;
        decltype(MainState::CurrentCursor) cursor;
    };
    for (const ToolButton& tool :
         {ToolButton{&MainToolbar::ButtonSetZeroPoint, Tool::ZeroPoint, CursorId::ZeroPoint},
          {&MainToolbar::ButtonSetXMaxPoint, Tool::XMaxPoint, CursorId::XMaxPoint},
          {&MainToolbar::ButtonSetYMaxPoint, Tool::YMaxPoint, CursorId::YMaxPoint},
          {&MainToolbar::SpeedButtonOn3click, Tool::ThreeClick, CursorId::ZeroPoint},
          {&MainToolbar::ButtonErazer, Tool::Eraser, CursorId::Eraser},
          {&MainToolbar::ButtonPasteLine, Tool::Zone, CursorId::ZoneBrush},
          {&MainToolbar::ButtonZoom, Tool::Zoom, CursorId::Zoom},
          {&MainToolbar::BitBtnRectify, Tool::Rectify, CursorId::Diag},
          {&MainToolbar::SpeedButtonNoneRezim, Tool::None, CursorId::Diag}}) {
        QToolButton* button = main->*tool.button;
        SCOPED_TRACE(button->objectName().toStdString());
        SetToolMode(*state, *main, tool.mode, tool.cursor);
        EXPECT_TRUE(button->isChecked());
        Press(main->ButtonSetPoint);
        EXPECT_FALSE(button->isChecked());
        Press(button);
        EXPECT_EQ(state->Main.ToolMode, tool.mode);
        EXPECT_EQ(state->Main.CurrentCursor, tool.cursor);
    }
    Press(main->SpeedButtonLine3);
    EXPECT_EQ(state->Store.CurrentLine, 3);
}

TEST_F(MainWindowTest, ToggleButtonsAndMenuItemsShowTheirStateAndScaleItemsResize) {
    Press(main->SpeedButtonAxis90);
    Press(main->SpeedButtonDrawLine); // releases the button but keeps its mode
    EXPECT_FALSE(main->SpeedButtonAxis90->isChecked());
    EXPECT_TRUE(state->Main.Axis90Mode);

    Press(main->ButtonAvtoCorrect);
    EXPECT_TRUE(main->MenuAutocorrection->isChecked());
    main->MenuOnDeltaX->trigger();
    EXPECT_TRUE(main->ButtonStepX->isChecked());
    EXPECT_FALSE(main->MenuAutocorrection->isChecked());

    main->Strela->trigger();
    EXPECT_FALSE(main->Diag->isChecked());

    main->mastab7->trigger();
    EXPECT_EQ(view->size(), QSize(67, 67)); // 200 / 3 = 66.67
    EXPECT_EQ(main->BTNZOOM->text(), QStringLiteral("1:3"));
}

TEST_F(MainWindowTest, AtTwoToOneThePictureIsPaintedAndReadPixelForPixel) {
    state->Pics.Working.setPixel(3, 2, qRgb(200, 10, 10));
    SetScaleIndex(*state, *main, 4); // "2:1"
    const QImage shown = view->grab(QRect(0, 0, 10, 10)).toImage();
    EXPECT_EQ(std::pair(shown.pixel(7, 5), shown.pixel(8, 4)),
              std::pair(qRgb(200, 10, 10), qRgb(255, 255, 255)));

    Click(view, {101, 51});
    // 101 / 2 = 50.5 rounds to 50, 51 / 2 = 25.5 rounds to 26.
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{50, 26}));
}

TEST_F(MainWindowTest, DoubleClickInPointModeAddsExactlyOnePoint) {
    QSignalSpy downs(view, &PictureView::MouseDown);
    const ulong t = NextTimestamp();
    const QPoint at(60, 70);
    SendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, {}, t);
    SendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, {}, t + 40);
    SendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, {}, t + 120);
    SendMouse(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, {}, t + 120);
    SendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, {}, t + 160);
    EXPECT_EQ(PointCount(state->Store, 1), 1);
    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(downs[1][0].toUInt(), Shift::Left | Shift::Double);
}

TEST_F(MainWindowTest, RightDragMovesThePictureLikeAGrabbedSheet) {
    SetScaleIndex(*state, *main, 1); // "5:1": 1000 x 1000 on screen, so the box scrolls
    SendMouse(view, QEvent::MouseButtonPress, {400, 300}, Qt::RightButton, Qt::RightButton);
    MoveTo(view, {380, 290}, Qt::RightButton);
    SendMouse(view, QEvent::MouseButtonRelease, {380, 290}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(main->ScrollBox1->horizontalScrollBar()->value(), 20); // 4 pixels at 5:1
    EXPECT_EQ(main->ScrollBox1->verticalScrollBar()->value(), 10);
    EXPECT_EQ(PointCount(state->Store, 1), 0);
}

// Counts the key presses that reach a window past the application's pre-filter.
class KeyPressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        presses += event->type() == QEvent::KeyPress ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(MainWindowTest, EveryKeyButTheMenusIsConsumedWhileTheMainWindowIsActiveAndQAsksToClose) {
    QSignalSpy closed(main, &TFormLineora::Closed);
    KeyPressCounter counter;
    main->installEventFilter(&counter);
    host.Answers = {Host::Answer::No, Host::Answer::Yes};
    for (Qt::Key key : {Qt::Key_A, Qt::Key_F1, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Q}) {
        QTest::keyClick(main, key);
    }
    EXPECT_EQ(counter.presses, 0);
    EXPECT_EQ(host.Shown.size(), 1); // the question, answered No
    // F10 and Alt (pressed on its own, and with a key) are left to the menus.
    QTest::keyClick(main, Qt::Key_F10);
    QTest::keyClick(main, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(counter.presses, 3);
    windows.FormAbout->show();
    windows.FormAbout->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows.FormAbout.get()));
    QTest::keyClick(main, Qt::Key_Q);
    main->removeEventFilter(&counter);
    EXPECT_EQ(counter.presses, 4);
    EXPECT_EQ(closed.count(), 0);

    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_Q);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, EditMenuAndItsKeysUndoAndRedoAndTheTitleMarksUnsavedWork) {
    StartNewWork(*state);
    main->ControlsChanged();
    EXPECT_EQ(main->MainMenu1->actions().value(1), main->Menu1Edit->menuAction());
    EXPECT_FALSE(main->menuUndo->isEnabled());
    const QString title = main->windowTitle();
    Click(view, QPoint(100, 100));
    EXPECT_EQ(main->menuUndo->text(), QStringLiteral("Undo Add point\tCtrl+Z"));

    // Each way to undo or redo, in turn: the points, the Redo item and the title's star follow.
    const auto keys = [this](const char* sequence) {
        return [this, sequence] {
            QTest::keySequence(main, QKeySequence(QString::fromLatin1(sequence)));
        };
    };
    const std::function<void()> ways[] = {
        keys("Ctrl+Z"), keys("Ctrl+Shift+Z"), [this] { main->menuUndo->trigger(); },
        keys("Ctrl+Y"), keys("Ctrl+Z"),       [this] { main->menuRedo->trigger(); }};
    int points = 1;
    for (const auto& way : ways) {
        EXPECT_EQ(main->windowTitle(), points == 0 ? title : title + QStringLiteral(" *"));
        way();
        points = 1 - points;
        EXPECT_EQ(PointCount(state->Store, 1), points);
        EXPECT_EQ(main->menuRedo->isEnabled(), points == 0);
    }

    // Delete all asks first while the work is unsaved: Cancel keeps the points.
    host.Answers = {Host::Answer::Cancel};
    main->menuDeleteAll->trigger();
    EXPECT_EQ(PointCount(state->Store, 1), 1);
    EXPECT_EQ(host.Shown.value(0), LoadMessage(state->Messages, MsgKey::SaveChanges));
    host.Answers = {Host::Answer::No};
    main->menuDeleteAll->trigger();
    EXPECT_EQ(PointCount(state->Store, 1), 0);
}

} // namespace
} // namespace lineora::test
