#include "core/commands/WorkFileCommands.h"
#include "core/picture/WheelZoom.h"
#include "support/Files.h"
#include "ui/WindowTestSupport.h"

#include <QMimeData>

namespace lineora::test {
namespace {

class ShellFiles : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    QString Picture(const QString& name) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(PatternPicture(40, 30).save(path));
        return path;
    }

    // A drag of these files over the window and its drop, as the window system delivers them.
    bool Drop(const QList<QUrl>& urls) {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint at = main->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main, &drop);
        QCoreApplication::processEvents(); // the drop is handled once it has ended
        return enter.isAccepted() && drop.isAccepted();
    }

    QMenu* RecentMenu() {
        emit main->Menu1File->aboutToShow();
        return main->findChild<QMenu*>(QStringLiteral("menuRecent"));
    }

    QTemporaryDir folder;
};

TEST_F(ShellFiles, ADroppedPictureOpensAndAnythingElseIsRefusedWithAMessage) {
    const QString png = Picture(QStringLiteral("dropped.png"));
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(png)}));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Lineora3   ") + png);
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(png), QUrl::fromLocalFile(png)}));
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(Mentions(host.Shown[0], QStringLiteral("2 files")));
}

TEST_F(ShellFiles, RecentMenuListsTheFilesAndDropsAMissingOne) {
    EXPECT_FALSE(RecentMenu()->menuAction()->isEnabled());
    const QString kept = Picture(QStringLiteral("kept.bmp"));
    const QString gone = folder.filePath(QStringLiteral("gone & lost.gra"));
    AddRecentFile(state->Recent, kept);
    AddRecentFile(state->Recent, gone);

    QMenu* menu = RecentMenu();
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_TRUE(menu->menuAction()->isEnabled());
    EXPECT_EQ(menu->actions()[0]->text(),
              QStringLiteral("&1  ") + QString(gone).replace("&", "&&"));
    menu->actions()[0]->trigger();
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(Mentions(host.Shown[0], QStringLiteral("no longer there")));
    RecentMenu()->actions().value(0)->trigger();
    EXPECT_EQ(state->Pics.PictureFileName, kept);
}

class PictureWheelTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadPicture(state->Pics, WhitePicture(3000, 2000), QStringLiteral("big.bmp"));
        NewPictureDefaults(*state, *main);
        RedrawPicture(*state, *main);
        QCoreApplication::processEvents();
        horizontal = main->ScrollBox1->horizontalScrollBar();
        vertical = main->ScrollBox1->verticalScrollBar();
        horizontal->setValue(300);
        vertical->setValue(200);
    }

    // A wheel event at `at` in the box's viewport. (The window system's events reach the
    // viewport from the picture; Qt passes on only those it did not make itself.)
    void Wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers modifiers, QPoint pixels = {}) {
        QWidget* viewport = main->ScrollBox1->viewport();
        QWheelEvent event(QPointF(at), viewport->mapToGlobal(QPointF(at)), pixels, angle,
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }

    QPoint Scroll() const { return {horizontal->value(), vertical->value()}; }

    QScrollBar* horizontal = nullptr;
    QScrollBar* vertical = nullptr;
};

TEST_F(PictureWheelTest, CtrlWheelStepsTheScaleKeepingThePointUnderTheMouse) {
    const QPoint mouse(400, 150); // in the box's viewport
    Wheel(mouse, {0, kWheelNotch}, Qt::ControlModifier);
    EXPECT_EQ(main->BTNZOOM->text(), QStringLiteral("2:1"));
    EXPECT_EQ(Scroll(), QPoint(1000, 550));
    Wheel(mouse, {0, -kWheelNotch}, Qt::ControlModifier);
    EXPECT_EQ(Scroll(), QPoint(300, 200));
    // Three notches more reach 1:3, the last scale, and stay there.
    for (int notch = 0; notch < 3; ++notch) {
        Wheel(mouse, {0, -kWheelNotch}, Qt::ControlModifier);
    }
    EXPECT_EQ(state->Main.ScaleIndex, 7);
}

TEST_F(PictureWheelTest, WheelScrollsDownAndShiftWheelSideways) {
    const int notch = QApplication::wheelScrollLines() * vertical->singleStep();
    Wheel({350, 250}, {0, -kWheelNotch}, Qt::NoModifier);
    EXPECT_EQ(Scroll(), QPoint(300, 200 + notch));
    Wheel({350, 250}, {0, -kWheelNotch}, Qt::ShiftModifier);
    EXPECT_EQ(Scroll(), QPoint(300 + notch, 200 + notch));
    Wheel({350, 250}, {0, 10}, Qt::NoModifier, {0, 25}); // a touchpad's pixels
    EXPECT_EQ(Scroll(), QPoint(300 + notch, 175 + notch));
    EXPECT_EQ(state->Main.ScaleIndex, kScaleOneToOne);
}

} // namespace
} // namespace lineora::test
