#include "windows/WindowTestSupport.h"

#include "common/Color.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace lineora::test {
namespace {

class SetupWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        setup = windows.FormSetup.get();
    }

    QColor Swatch(int index) const {
        return setup->MetkaShape[static_cast<std::size_t>(index)]
            ->property("color")
            .value<QColor>();
    }

    TFormSetup* setup = nullptr;
};

TEST_F(SetupWindow, ShownFromTheMainWindowOnTopAndActivatingItReleasesStepX) {
    Press(main->ButtonStepX);
    ASSERT_TRUE(state->Main.StepXOn);

    main->menuShowSetup->trigger();
    ASSERT_TRUE(setup->isVisible());
    EXPECT_TRUE(setup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    setup->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(setup));

    EXPECT_FALSE(state->Main.StepXOn);
    EXPECT_FALSE(main->ButtonStepX->isChecked());
    EXPECT_FALSE(main->MenuOnDeltaX->isChecked());
}

TEST_F(SetupWindow, OnlyGoToMainLeavesAndItRepaintsTheLineButtons) {
    Press(main->ButtonViewSetup);
    QTest::keyClick(setup, Qt::Key_Escape);
    EXPECT_TRUE(setup->isVisible());
    host.Colors.push_back(TColor{0x00FF00});
    host.Colors.push_back(TColor{0xFF0000});
    QTest::mouseClick(setup->ButtonSetColor[0], Qt::LeftButton);
    QTest::mouseClick(setup->ButtonSetColor[4], Qt::LeftButton);
    EXPECT_EQ(Swatch(0), QColor(0, 255, 0));
    EXPECT_EQ(Swatch(4), QColor(0, 0, 255));

    QTest::mouseClick(setup->ButtonGoToMain, Qt::LeftButton);
    EXPECT_EQ(main->SpeedButtonLine1->palette().color(QPalette::ButtonText), QColor(0, 255, 0));
    EXPECT_EQ(main->SpeedButtonLine5->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    EXPECT_FALSE(setup->isVisible());
    EXPECT_FALSE(setup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(SetupWindow, ControlsWriteTheSettings) {
    setup->RadioButtonScalaX[1]->click();
    setup->RadioButtonScalaY[2]->click();
    setup->RadioButtonSetPointer[2]->click();
    setup->RadioButtonNoSort->click();
    setup->RadioButtonStandart->click();
    setup->RadioButtonDrawKoord1->click();
    setup->CheckBoxData_Point->click();
    setup->CheckBoxAutoSave->click();
    setup->SpinEditDiametr->setValue(5);
    setup->SpinEditLineKoordWidth->setValue(4);
    setup->RadioButtonXtoLeft->click();

    const Settings& s = state->Setup;
    EXPECT_EQ(s.ScaleX, ScaleKind::Log10);
    EXPECT_EQ(s.ScaleY, ScaleKind::Ln);
    EXPECT_EQ(s.Separator, SeparatorChoice::System);
    EXPECT_FALSE(s.MakeSort);
    EXPECT_EQ(s.ExportFormat, NumberFormat::Standard);
    EXPECT_FALSE(s.NewAxesLook);
    EXPECT_FALSE(s.DataPoint);
    EXPECT_FALSE(s.AutoSave);
    EXPECT_EQ(state->Store.MarkRadius, 5);
    EXPECT_EQ(s.AxesWidth, 4);
    EXPECT_EQ(s.XDirection, -1);
}

TEST_F(SetupWindow, ControlsFollowSettingsChangedElsewhere) {
    state->Setup.ScaleX = ScaleKind::None; // no button of the group
    state->Setup.ScaleY = ScaleKind::Ln;
    state->Setup.TypeOfCurve = 0;
    state->Setup.StepXText = QStringLiteral("0,5");
    main->ControlsChanged();

    for (QRadioButton* button : setup->RadioButtonScalaX) {
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    }
    EXPECT_TRUE(setup->RadioButtonScalaY[2]->isChecked());
    EXPECT_FALSE(setup->RadioButtonScalaY[0]->isChecked());
    EXPECT_FALSE(setup->RadioButtonNormalCurve->isChecked());
    EXPECT_FALSE(setup->RadioButtonCircleCurve->isChecked());
    EXPECT_EQ(setup->EditStepX->text(), QStringLiteral("0,5"));
    // Showing them changed nothing back.
    EXPECT_EQ(state->Setup.ScaleX, ScaleKind::None);
    EXPECT_EQ(state->Setup.TypeOfCurve, 0);
}

TEST_F(SetupWindow, ALanguageButtonTranslatesTheWindows) {
    state->Main.AppDir = QStringLiteral(LINEORA_RESOURCES);
    setup->RadioButtonSetEnglish->click();
    EXPECT_TRUE(state->Setup.LanguageEnglish);
    EXPECT_FALSE(state->Setup.LanguageRussian);
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Setup"));
    EXPECT_EQ(setup->ButtonGoToMain->text(), QStringLiteral("Back to the main window"));

    setup->RadioButtonSetRussian->click();
    EXPECT_EQ(setup->ButtonGoToMain->text(), QStringLiteral("Идти к основному окну"));
}

} // namespace
} // namespace lineora::test
