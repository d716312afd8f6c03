#include "windows/WindowTestSupport.h"

#include <QSignalSpy>

namespace lineora::test {
namespace {

// Counts the key presses that reach a window past the application's pre-filter.
class KeyPressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            ++presses;
        }
        return QObject::eventFilter(watched, event);
    }
};

class EveryKeyTest : public MainWindowTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(EveryKeyTest, IsConsumedWhileTheMainWindowIsActive) {
    KeyPressCounter counter;
    main->installEventFilter(&counter);
    QTest::keyClick(main, GetParam());
    main->removeEventFilter(&counter);

    EXPECT_EQ(counter.presses, 0);
    EXPECT_TRUE(host.Shown.isEmpty()) << host.Shown.join(QLatin1Char('|')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Keys, EveryKeyTest,
                         ::testing::Values(Qt::Key_A, Qt::Key_Z, Qt::Key_1, Qt::Key_F1,
                                           Qt::Key_Escape, Qt::Key_Return, Qt::Key_Up, Qt::Key_Left,
                                           Qt::Key_Shift, Qt::Key_Delete));

TEST_F(MainWindowTest, QAsksToCloseAndNoKeepsTheWindow) {
    QSignalSpy closed(main, &TFormLineora::Closed);
    host.Answers.push_back(Host::Answer::No);
    QTest::keyClick(main, Qt::Key_Q);

    EXPECT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(MainWindowTest, QAnsweredYesClosesTheWindow) {
    QSignalSpy closed(main, &TFormLineora::Closed);
    host.Answers.push_back(Host::Answer::Yes);
    QTest::keyClick(main, Qt::Key_Q);

    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainWindowTest, KeysPassWhenAnotherWindowIsActive) {
    windows.FormAbout->show();
    windows.FormAbout->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows.FormAbout.get()));

    KeyPressCounter counter;
    main->installEventFilter(&counter);
    QTest::keyClick(main, Qt::Key_Q);
    main->removeEventFilter(&counter);

    EXPECT_EQ(counter.presses, 1);
    EXPECT_TRUE(host.Shown.isEmpty());
    EXPECT_TRUE(main->isVisible());
}

class SpaceAtScaleTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(SpaceAtScaleTest, AddsThePointUnderTheMouse) {
    const int scaleIndex = GetParam();
    SetScaleIndex(*state, *main, scaleIndex);
    const auto scale = static_cast<double>(state->Main.ViewScale);
    MoveTo(view, QPoint(static_cast<int>(120 * scale), static_cast<int>(45 * scale)));

    QTest::keyClick(main, Qt::Key_Space);

    ASSERT_EQ(PointCount(state->Store, 1), 1);
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{120, 45}));
}

INSTANTIATE_TEST_SUITE_P(OneToOneAndTwoToOne, SpaceAtScaleTest, ::testing::Values(5, 4));

TEST_F(MainWindowTest, ArrowsMoveTheYMaxPointInItsMode) {
    Press(main->ButtonSetYMaxPoint);
    ASSERT_EQ(state->Main.ToolMode, Tool::YMaxPoint);

    QTest::keyClick(main, Qt::Key_Down);
    QTest::keyClick(main, Qt::Key_Down);
    EXPECT_EQ((PicturePoint{state->Cal.YMaxPointX, state->Cal.YMaxPointY}), (PicturePoint{20, 22}));

    QTest::keyClick(main, Qt::Key_A);
    EXPECT_EQ((PicturePoint{state->Cal.YMaxPointX, state->Cal.YMaxPointY}), (PicturePoint{20, 22}));

    QTest::keyClick(main, Qt::Key_Up);
    EXPECT_EQ((PicturePoint{state->Cal.YMaxPointX, state->Cal.YMaxPointY}), (PicturePoint{20, 21}));
    EXPECT_EQ(PointCount(state->Store, 1), 0);
}

} // namespace
} // namespace lineora::test
