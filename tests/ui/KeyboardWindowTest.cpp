#include "ui/WindowTestSupport.h"

#include <QSignalSpy>

namespace lineora::test {
namespace {

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

TEST_F(MainWindowTest, EveryKeyIsConsumedWhileTheMainWindowIsActiveAndOnlyThen) {
    KeyPressCounter counter;
    main->installEventFilter(&counter);
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Z, Qt::Key_1, Qt::Key_F1, Qt::Key_Escape, Qt::Key_Return,
                        Qt::Key_Up, Qt::Key_Left, Qt::Key_Shift, Qt::Key_Delete}) {
        QTest::keyClick(main, key);
        EXPECT_EQ(counter.presses, 0) << key;
    }
    EXPECT_EQ(host.Shown, QStringList());

    windows.FormAbout->show();
    windows.FormAbout->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows.FormAbout.get()));
    QTest::keyClick(main, Qt::Key_Q);
    main->removeEventFilter(&counter);
    EXPECT_EQ(counter.presses, 1);
    EXPECT_TRUE(host.Shown.isEmpty());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, QAsksToCloseAndOnlyYesCloses) {
    QSignalSpy closed(main, &TFormLineora::Closed);
    host.Answers = {Host::Answer::No};
    QTest::keyClick(main, Qt::Key_Q);
    EXPECT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(closed.count(), 0);

    host.Answers = {Host::Answer::Yes};
    QTest::keyClick(main, Qt::Key_Q);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

} // namespace
} // namespace lineora::test
