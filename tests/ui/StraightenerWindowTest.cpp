#include "ui/WindowTestSupport.h"

#include <QLabel>
#include <QPushButton>

namespace lineora::test {
namespace {

TEST_F(MainWindowTest, StraightenerArrowsAndButtonsReachTheirCommands) {
    TFormVygibatel& form = *windows.FormVygibatel;
    const QImage before = state->Pics.Working;
    Press(main->SpeedButtonVigibatel);
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_NE(state->Pics.Working, before);

    QTest::mouseClick(form.SpinButtonkrivizna->DownButton, Qt::LeftButton);
    QTest::mouseClick(form.SpinButton1->UpButton, Qt::LeftButton);
    EXPECT_EQ(form.Labelkrivizna->text(), QStringLiteral("570"));
    EXPECT_EQ(form.LabelRazdel->text(), QStringLiteral("27"));
    QTest::mouseClick(form.ButtonClose, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(state->Pics.Working, before);

    Press(main->SpeedButtonVigibatel);
    host.Answers = {Host::Answer::Yes};
    QTest::mouseClick(form.ButtonVigibatel, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_GT(state->Pics.Clean.width(), 200);
}

} // namespace
} // namespace lineora::test
