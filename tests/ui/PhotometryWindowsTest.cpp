// The dialogs of the two photometric modes: the toolbar enters a mode and shows its dialog,
// the dialog's controls reach the mode's commands, and the close box asks before the mode
// ends. What the commands compute is tested in the core.

#include "ui/WindowTestSupport.h"

#include "support/Files.h"
#include "ui/photometry/FormDoubleAxisX.h"
#include "ui/photometry/FormSpec3.h"

namespace lineora::test {
namespace {

class PhotometryWindows : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // The zero point is the polar chart's centre; its outer circle, 160 pixels away, is 200.
        state->Texts.PolarMaxX = QStringLiteral("200");
        polar = windows.FormSpec3.get();
        cartesian = windows.FormDoubleAxisX.get();
    }

    std::array<bool, kCurveCount> LineButtonsEnabled() const {
        return {main->SpeedButtonLine1->isEnabled(), main->SpeedButtonLine2->isEnabled(),
                main->SpeedButtonLine3->isEnabled(), main->SpeedButtonLine4->isEnabled(),
                main->SpeedButtonLine5->isEnabled()};
    }

    // Typed into a field of an active dialog, replacing what it held, then Enter.
    void Enter(QWidget* dialog, QLineEdit* field, const QString& keys) {
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        field->selectAll();
        field->del();
        QTest::keyClicks(field, keys);
        QTest::keyClick(field, Qt::Key_Return);
    }

    // The dialog shown beside the main window, on top, and the text output window with it.
    void ExpectShownForTheMode(QWidget* dialog) {
        EXPECT_TRUE(dialog->isVisible() &&
                    dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_GT(dialog->x(), main->x());
        EXPECT_TRUE(main->SpeedButtonViewText->isChecked() && windows.FormOutText->isVisible());
        EXPECT_FALSE(main->SpeedButtonShowInput->isEnabled() || main->menuShowInput->isEnabled() ||
                     windows.FormInput->isVisible());
    }

    // Neither No to the question nor Yes leaves the mode half closed.
    void ExpectCloseAsksFirst(QDialog* dialog, QPushButton* closeButton) {
        const int mode = state->Main.SpecialMode;
        dialog->close(); // the close box; the unscripted question is answered No
        EXPECT_EQ(host.Shown.last(), LoadMessage(state->Messages, "msgMessaga20"));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(state->Main.SpecialMode, mode);

        host.Answers = {Host::Answer::Yes};
        QTest::mouseClick(closeButton, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(state->Main.SpecialMode, 0);
        EXPECT_EQ(LineButtonsEnabled(), (std::array{true, true, true, true, true}));
        EXPECT_TRUE(main->SpeedButtonShowInput->isEnabled() && main->menuShowInput->isEnabled());
    }

    TFormSpec3* polar = nullptr;
    TFormDoubleAxisX* cartesian = nullptr;
};

TEST_F(PhotometryWindows, PolarDialogEntersReachesItsCommandsAndClosesOnlyOnYes) {
    Press(main->SpeedButtonSpec3);
    ASSERT_EQ(state->Main.SpecialMode, 3);
    ExpectShownForTheMode(polar);
    EXPECT_FALSE(cartesian->isVisible());
    EXPECT_EQ(LineButtonsEnabled(), (std::array{true, false, false, false, false}));
    // A disabled curve button does not keep its curve's colour, so it looks disabled.
    const QPalette line2 = main->SpeedButtonLine2->palette();
    EXPECT_NE(line2.color(QPalette::Disabled, QPalette::ButtonText),
              line2.color(QPalette::Active, QPalette::ButtonText));
    EXPECT_EQ(polar->EditIntenMax->text(), QStringLiteral("200"));
    EXPECT_TRUE(polar->RadioButtonUgol90->isChecked());
    EXPECT_FALSE(polar->EditUpper->isEnabled());

    polar->RadioButtonTip2->click();
    polar->CheckBoxCross->click();
    polar->RadioButtonUgolRazn->click();
    EXPECT_EQ(state->Photometry.Spec3ChartType, 2);
    EXPECT_TRUE(state->Photometry.Spec3.CrossChecked);
    EXPECT_EQ(state->Photometry.Spec3.Angles, LightAngles::Different);
    EXPECT_EQ(LineButtonsEnabled(), (std::array{true, false, true, true, false}));
    EXPECT_TRUE(polar->EditUpper->isEnabled());
    EXPECT_FALSE(polar->EditLower->isEnabled()); // the symmetric cross plane mirrors it

    // The outer circle's field takes a leading minus, the axial intensity's none.
    Enter(polar, polar->EditInt0, QStringLiteral("-80"));
    EXPECT_EQ(state->Photometry.Spec3.Int0, QStringLiteral("80"));
    EXPECT_EQ(StoredPoint(kCurveCount, 1), (PicturePoint{84, 180})); // 80 of 200 at angle 0
    EXPECT_TRUE(state->Output.MemoText.contains(QStringLiteral("|       80.00        ||")));
    Enter(polar, polar->EditIntenMax, QStringLiteral("-"));
    EXPECT_EQ(host.Shown.size(), 1); // the minus reached the field and Enter found no number
    Enter(polar, polar->EditIntenMax, QStringLiteral("100"));
    EXPECT_EQ(state->Texts.PolarMaxX, QStringLiteral("100"));

    // A pick is one shot: its button stays down until the click on the picture.
    QTest::mouseClick(polar->SpeedButtonUpper, Qt::LeftButton);
    EXPECT_EQ(state->Main.ToolMode, Tool::PolarUpper);
    EXPECT_TRUE(polar->SpeedButtonUpper->isChecked());
    Click(view, {100, 100}); // 45 degrees above the X axis
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
    EXPECT_FALSE(polar->SpeedButtonUpper->isChecked());
    EXPECT_EQ(polar->EditUpper->text(), QStringLiteral(" 45.00"));

    // Save writes the table shown.
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lamp.txt"));
    host.FileNames = {path};
    QTest::mouseClick(polar->ButtonSaveToTXT, Qt::LeftButton);
    EXPECT_EQ(ReadBytes(path), (state->Output.MemoText + QStringLiteral("\r\n")).toUtf8());

    ExpectCloseAsksFirst(polar, polar->ButtonClose);
    EXPECT_TRUE(windows.FormInput->isVisible());
    EXPECT_EQ(state->Output.MemoText, QString());
}

TEST_F(PhotometryWindows, CartesianDialogReplacesThePolarOneReachesItsCommandsAndClosesOnlyOnYes) {
    Press(main->SpeedButtonSpec3);
    Press(main->SpeedButtonSpec4);
    ASSERT_EQ(state->Main.SpecialMode, 4);
    EXPECT_FALSE(polar->isVisible());
    ExpectShownForTheMode(cartesian);
    EXPECT_EQ(LineButtonsEnabled(), (std::array{true, false, false, false, false}));
    EXPECT_TRUE(cartesian->CheckBoxCross->isChecked());
    EXPECT_FALSE(cartesian->CheckBoxCross->isEnabled());
    EXPECT_FALSE(cartesian->ButtonSaveToTXT->isEnabled());
    EXPECT_EQ(cartesian->EditMaxX1->text(), QStringLiteral("100"));

    cartesian->RadioButtonTip2->click();
    EXPECT_EQ(state->Photometry.Spec4ChartType, 2);
    EXPECT_EQ(LineButtonsEnabled(), (std::array{true, false, true, false, false}));
    cartesian->CheckBoxTip3->click();
    cartesian->CheckBoxLong->click();
    EXPECT_EQ(state->Photometry.Spec4ChartType, 3);
    EXPECT_FALSE(state->Photometry.Spec4.LongChecked);
    EXPECT_EQ(LineButtonsEnabled(), (std::array{true, false, true, true, false}));
    EXPECT_TRUE(cartesian->SpeedButtonAxis1Int0->isHidden());
    EXPECT_FALSE(cartesian->SpeedButtonSetPointY2->isHidden());
    EXPECT_FALSE(cartesian->LabelSpec4Koef->isHidden());

    Enter(cartesian, cartesian->EditMinX1, QStringLiteral("-90"));
    EXPECT_EQ(state->Texts.MinX, QStringLiteral("-90"));

    QTest::mouseClick(cartesian->SpeedButtonSetPointY2, Qt::LeftButton);
    EXPECT_EQ(state->Main.ToolMode, Tool::PairAxis2);
    Click(view, {60, 120});
    EXPECT_EQ(StoredPoint(kCurveCount, 2), (PicturePoint{60, 120}));
    EXPECT_FALSE(cartesian->SpeedButtonSetPointY2->isChecked());

    ExpectCloseAsksFirst(cartesian, cartesian->ButtonClose);
}

} // namespace
} // namespace lineora::test
