#include "ui/WindowTestSupport.h"

#include "core/commands/PictureMouse.h"

#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

namespace lineora::test {
namespace {

TEST_F(MainWindowTest, AtTwoToOneThePictureIsPaintedAndReadPixelForPixel) {
    state->Pics.Working.setPixel(3, 2, qRgb(200, 10, 10));
    SetScaleIndex(*state, *main, 4); // "2:1"
    ASSERT_EQ(view->size(), QSize(400, 400));
    const QImage shown = view->grab(QRect(0, 0, 10, 10)).toImage();
    EXPECT_EQ(shown.pixel(6, 4), qRgb(200, 10, 10));
    EXPECT_EQ(shown.pixel(7, 5), qRgb(200, 10, 10));
    EXPECT_EQ(shown.pixel(8, 4), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(5, 5), qRgb(255, 255, 255));

    MoveTo(view, {84, 317});
    EXPECT_EQ(state->Main.HoverPicX, 42);
    EXPECT_EQ(state->Main.HoverPicY, 158);
    EXPECT_EQ(main->StatusPanels[1]->text(), QStringLiteral("X 0042  Y 0158"));

    Click(view, {101, 51});
    ASSERT_EQ(PointCount(state->Store, 1), 1);
    // 101 / 2 = 50.5 rounds to 50, 51 / 2 = 25.5 rounds to 26.
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{50, 26}));
}

TEST_F(MainWindowTest, DoubleClickInPointModeAddsExactlyOnePoint) {
    QSignalSpy downs(view, &PictureView::MouseDown);
    const ulong t = NextTimestamp();
    const QPoint at(60, 70);
    // What the window system delivers for a double click: the second press comes with a
    // double-click event of its own.
    SendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, {}, t);
    SendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, {}, t + 40);
    SendMouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, {}, t + 120);
    SendMouse(view, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, {}, t + 120);
    SendMouse(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, {}, t + 160);

    EXPECT_EQ(PointCount(state->Store, 1), 1);
    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(downs[0][0].toUInt(), Shift::Left);
    EXPECT_EQ(downs[1][0].toUInt(), Shift::Left | Shift::Double);
}

TEST_F(MainWindowTest, ErrorOfAnOperationIsShownAndTheClickStoresNothing) {
    // With the X-max point on the zero point the X axis has no length to divide by.
    state->Cal.XMaxPointX = state->Cal.ZeroPointX;
    state->Cal.XMaxPointY = state->Cal.ZeroPointY;
    Click(view, {60, 70});

    EXPECT_EQ(PointCount(state->Store, 1), 0);
    ASSERT_FALSE(host.Shown.isEmpty());
    EXPECT_TRUE(main->isVisible());
}

TEST(ShiftStateTest, SetHoldsExactlyTheKeysAndButtons) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        Qt::MouseButtons buttons;
        bool doubleClick;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {Qt::ShiftModifier | Qt::ControlModifier, Qt::RightButton, false,
         Shift::Shift | Shift::Ctrl | Shift::Right},
        {Qt::AltModifier, Qt::MiddleButton, false, Shift::Alt | Shift::Middle},
        {Qt::NoModifier, Qt::LeftButton | Qt::RightButton, false, Shift::Left | Shift::Right},
        {Qt::ControlModifier, Qt::LeftButton, true, Shift::Ctrl | Shift::Left | Shift::Double},
        {Qt::KeypadModifier, Qt::NoButton, false, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ShiftStateOf(c.modifiers, c.buttons, c.doubleClick), c.expected)
            << c.modifiers.toInt() << " " << c.buttons.toInt() << " " << c.doubleClick;
    }
}

TEST_F(MainWindowTest, RightDragMovesThePictureLikeAGrabbedSheet) {
    SetScaleIndex(*state, *main, 1); // "5:1": 1000 x 1000 on screen, so the box scrolls
    QScrollBar* horizontal = main->ScrollBox1->horizontalScrollBar();
    QScrollBar* vertical = main->ScrollBox1->verticalScrollBar();
    ASSERT_EQ(horizontal->value(), 0);

    SendMouse(view, QEvent::MouseButtonPress, {400, 300}, Qt::RightButton, Qt::RightButton);
    MoveTo(view, {380, 290}, Qt::RightButton);
    SendMouse(view, QEvent::MouseButtonRelease, {380, 290}, Qt::RightButton, Qt::NoButton);

    // Four and two picture pixels to the upper left at 5:1.
    EXPECT_EQ(horizontal->value(), 20);
    EXPECT_EQ(vertical->value(), 10);
    EXPECT_EQ(PointCount(state->Store, 1), 0);
}

TEST_F(MainWindowTest, ScaleButtonOpensItsMenuBelowItself) {
    Press(main->BTNZOOM);
    ASSERT_TRUE(main->PopupMenu2->isVisible());
    EXPECT_EQ(main->PopupMenu2->pos(),
              QPoint(main->x() + main->BTNZOOM->x(), main->y() + main->BTNZOOM->y() + 60));
    main->PopupMenu2->close();
}

} // namespace
} // namespace lineora::test
