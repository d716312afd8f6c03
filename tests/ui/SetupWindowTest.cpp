#include "ui/WindowTestSupport.h"

#include "core/common/Color.h"

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

// One control of each kind; the settings they write are the setup commands' business.
TEST_F(SetupWindow, ControlsWriteTheSettingsAndFollowThemWhenChangedElsewhere) {
    setup->RadioButtonScalaX[1]->click();
    setup->CheckBoxData_Point->click();
    setup->SpinEditDiametr->setValue(5);
    setup->RadioButtonXtoLeft->click();
    EXPECT_EQ(state->Setup.ScaleX, ScaleKind::Log10);
    EXPECT_FALSE(state->Setup.DataPoint);
    EXPECT_EQ(state->Store.MarkRadius, 5);
    EXPECT_EQ(state->Setup.XDirection, -1);

    state->Setup.ScaleX = ScaleKind::None; // no button of the group
    state->Setup.ScaleY = ScaleKind::Ln;
    state->Setup.StepXText = QStringLiteral("0,5");
    main->ControlsChanged();
    for (QRadioButton* button : setup->RadioButtonScalaX) {
        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    }
    EXPECT_TRUE(setup->RadioButtonScalaY[2]->isChecked());
    EXPECT_EQ(setup->EditStepX->text(), QStringLiteral("0,5"));
    EXPECT_EQ(state->Setup.ScaleX, ScaleKind::None); // showing them changed nothing back
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
