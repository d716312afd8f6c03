// The strip-sampling windows: the toolbar runs the input dialog modally, the tool window's
// controls reach the mode's commands, and closing ends the mode. What the commands compute is
// tested in the core.

#include "ui/WindowTestSupport.h"

#include "core/common/Color.h"
#include "support/Files.h"
#include "ui/photometry/FormSpecInput.h"
#include "ui/photometry/FormSpecSetPoint.h"
#include "ui/picture/FormVygibatel.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

namespace lineora::test {
namespace {

class StripModeWindows : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        state->Main.AppDir = folder.path();
        input = windows.FormSpecInput.get();
        tool = windows.FormSpecSetPoint.get();
    }

    // Presses the toolbar button; `answer` runs while the input dialog is open.
    void EnterWith(const std::function<void()>& answer) {
        QTimer::singleShot(0, input, [this, answer] {
            EXPECT_TRUE(input->isVisible());
            EXPECT_TRUE(input->isModal());
            answer();
            if (input->isVisible()) {
                input->reject(); // a failed expectation must not leave the dialog waiting
            }
        });
        Press(main->SpeedButton3Arc);
    }

    QTemporaryDir folder;
    TFormSpecInput* input = nullptr;
    TFormSpecSetPoint* tool = nullptr;
};

TEST_F(StripModeWindows, TheInputFiltersKeysRefusesAnEmptyFieldAndStartsTheModeOnlyOnOk) {
    EnterWith([this] { QTest::keyClick(input, Qt::Key_Escape); });
    EXPECT_FALSE(main->SpeedButton3Arc->isChecked() || tool->isVisible());
    EnterWith([this] {
        input->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(input));
        input->EditKolvoPoint->setFocus();
        // Letters, a separator and Enter do not reach the field; Enter does not close.
        QTest::keyClicks(input->EditKolvoPoint, QStringLiteral("a.,-"));
        QTest::keyClick(input->EditKolvoPoint, Qt::Key_Return);
        EXPECT_EQ(input->EditKolvoPoint->text(), QStringLiteral("20"));
        EXPECT_TRUE(input->isVisible());

        input->EditKolvoOnX->clear();
        QTest::mouseClick(input->ButtonOk, Qt::LeftButton);
        EXPECT_TRUE(input->isVisible());
        EXPECT_EQ(state->StripSampling.SearchLineCount, 0);

        input->EditKolvoOnX->setFocus();
        QTest::keyClicks(input->EditKolvoOnX, QStringLiteral("2"));
        QTest::mouseClick(input->ButtonOk, Qt::LeftButton);
        EXPECT_FALSE(input->isVisible());
    });
    EXPECT_EQ(state->StripSampling.SearchLineCount, 41);
    EXPECT_TRUE(tool->isVisible() && main->SpeedButton3Arc->isChecked());
}

TEST_F(StripModeWindows, TheToolWindowReachesItsCommandsAndClosesTheMode) {
    EnterWith([this] { QTest::mouseClick(input->ButtonOk, Qt::LeftButton); });
    ASSERT_TRUE(tool->isVisible());

    // A trace's colour: the swatch follows the mouse, a click fills the first shade.
    state->Pics.Clean.setPixel(60, 70, qRgb(10, 20, 30));
    Press(tool->ColourButtons[2]);
    MoveTo(view, {60, 70});
    EXPECT_EQ(tool->ShapeSelectColor->property("color").value<QColor>(), QColor(10, 20, 30));
    Click(view, {60, 70});
    EXPECT_EQ(state->StripSampling.SpecLineColors[4], FromQRgb(qRgb(10, 20, 30)));

    // The six buttons hold one down: the pick button takes over from the colour button.
    Press(tool->PickButtons[3]);
    EXPECT_FALSE(tool->ColourButtons[2]->isChecked());
    EXPECT_TRUE(tool->PickButtons[3]->isChecked() && main->ButtonSetPoint->isChecked() &&
                main->SpeedButtonLine3->isChecked());
    MoveTo(view, {29, 150});
    Click(view, {29, 150});
    EXPECT_EQ(StoredPoint(3, 2), (PicturePoint{28, 150}));
    Press(tool->PickButtons[3]);
    EXPECT_EQ(state->Main.ToolMode, Tool::None);

    QTest::mouseClick(tool->SpinButton1->UpButton, Qt::LeftButton);
    EXPECT_EQ(tool->LabelKolvo->text(), QStringLiteral("4"));
    Press(tool->SpeedButtonShowZone);
    EXPECT_FALSE(state->StripSampling.ShowStrips);

    host.Answers = {Host::Answer::No};
    QTest::mouseClick(tool->ButtonClear, Qt::LeftButton);
    EXPECT_EQ(host.Shown.last(), LoadMessage(state->Messages, "msgMessaga13"));

    tool->close(); // the close box ends the mode as the button does
    EXPECT_FALSE(main->SpeedButton3Arc->isChecked());
    EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("Special1.Ini"))));
}

} // namespace
} // namespace lineora::test
