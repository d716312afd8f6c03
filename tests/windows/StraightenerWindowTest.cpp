#include "windows/WindowTestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace lineora::test {
namespace {

class StraightenerWindowTest : public MainWindowTest {
protected:
    void Open() {
        Press(main->SpeedButtonVigibatel);
        ASSERT_TRUE(form().isVisible());
    }
    TFormVygibatel& form() { return *windows.FormVygibatel; }
};

TEST_F(StraightenerWindowTest, NamedControlsWithTheirCaptions) {
    TFormVygibatel& f = form();
    for (const char* name : {"GroupBox2", "Labelkrivizna", "SpinButtonkrivizna", "GroupBox1",
                             "LabelRazdel", "SpinButton1", "ButtonVigibatel", "ButtonClose"}) {
        EXPECT_NE(f.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
    }
    EXPECT_EQ(f.GroupBox2->title(), QStringLiteral("Кривизна"));
    EXPECT_EQ(f.GroupBox1->title(), QStringLiteral("Разрыв по У"));
    EXPECT_EQ(f.ButtonVigibatel->text(), QStringLiteral("Выпрямление"));
    EXPECT_EQ(f.ButtonClose->text(), QStringLiteral("Закрыть"));
    EXPECT_EQ(f.Labelkrivizna->text(), QStringLiteral("560"));
    EXPECT_EQ(f.LabelRazdel->text(), QStringLiteral("26"));
}

TEST_F(StraightenerWindowTest, ShownOnTopWithTheGuideWhichClosingRemoves) {
    const QImage before = state->Pics.Working;
    Open();
    EXPECT_TRUE(form().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(state->Straightener.Guide);
    EXPECT_NE(state->Pics.Working, before);

    QTest::mouseClick(form().SpinButtonkrivizna->DownButton, Qt::LeftButton);
    QTest::mouseClick(form().SpinButton1->UpButton, Qt::LeftButton);
    EXPECT_EQ(form().Labelkrivizna->text(), QStringLiteral("570"));
    EXPECT_EQ(form().LabelRazdel->text(), QStringLiteral("27"));

    QTest::mouseClick(form().ButtonClose, Qt::LeftButton);
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(state->Straightener.Guide);
    EXPECT_EQ(state->Pics.Working, before);
}

TEST_F(StraightenerWindowTest, YesKeepsTheStraightenedPictureAndClosesTheWindow) {
    Open();
    host.Answers = {Host::Answer::Yes};
    QTest::mouseClick(form().ButtonVigibatel, Qt::LeftButton);
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(state->Straightener.Guide);
    EXPECT_GT(state->Pics.Clean.width(), 200);
    EXPECT_EQ(state->Pics.Working.width(), state->Pics.Clean.width());
}

} // namespace
} // namespace lineora::test
