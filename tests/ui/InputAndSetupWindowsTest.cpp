// The axis-value input, the nudge and the setup windows: their controls reach the commands and
// show the state. Which keys a field takes and what a setting does is the core's business.

#include "ui/WindowTestSupport.h"

#include "core/common/Color.h"
#include "support/DecimalCharGuard.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

namespace lineora::test {
namespace {

class AxisInputWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        input = windows.FormInput.get();
        Press(main->SpeedButtonShowInput);
        // Keys typed while the main window is active belong to the picture.
        input->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(input));
    }

    // Types into a field as the keyboard would, replacing whatever it held.
    void Retype(QLineEdit* field, const QString& keys) {
        field->selectAll();
        field->del();
        QTest::keyClicks(field, keys);
    }

    TFormInput* input = nullptr;
};

TEST_F(AxisInputWindow, FieldsTypeOnlyWhatCanBecomeANumberAndShowTextsReplacedBehindThem) {
    const DecimalCharGuard comma(QLatin1Char(','));
    Retype(input->EditMaxX, QStringLiteral("1.5.,"));
    EXPECT_EQ(input->EditMaxX->text(), QStringLiteral("1,5"));
    EXPECT_EQ(state->Texts.MaxX, QStringLiteral("1,5"));

    state->Texts.MaxY = QStringLiteral("2,5");
    Press(main->ButtonSetPoint);
    EXPECT_EQ(input->EditMaxY->text(), QStringLiteral("2,5"));
}

TEST_F(AxisInputWindow, EnterAppliesTheFieldsAndMovesTheFocusRoundUnlessOneIsNoNumber) {
    Retype(input->EditMaxX, QStringLiteral("40"));
    const std::pair<QLineEdit*, QLineEdit*> order[] = {{input->EditMinX, input->EditMaxY},
                                                       {input->EditMaxY, input->EditMinY},
                                                       {input->EditMinY, input->EditMaxX},
                                                       {input->EditMaxX, input->EditMinX}};
    input->EditMinX->setFocus();
    for (const auto& [from, to] : order) {
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), to) << from->objectName().toStdString();
    }
    EXPECT_EQ(state->Cal.AxisXMax, 40.0);

    Retype(input->EditMinY, QStringLiteral("-"));
    input->EditMinX->setFocus();
    QTest::keyClick(input->EditMinX, Qt::Key_Return);
    EXPECT_EQ(host.Shown.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), input->EditMinX);
}

TEST_F(AxisInputWindow, TheChartKindButtonsSwitchTheFieldsAndEnterTakesThePolarRadius) {
    windows.FormSetup->RadioButtonCircleCurve->click();
    EXPECT_TRUE(input->EditMaxY->isHidden());
    Retype(input->EditPolarMaxX, QStringLiteral("7.5"));
    QTest::keyClick(input->EditPolarMaxX, Qt::Key_Return);
    EXPECT_EQ(state->Cal.AxisPolarMax, 7.5L);
    windows.FormSetup->RadioButtonNormalCurve->click();
    EXPECT_TRUE(input->EditPolarMaxX->isHidden());
}

// The nudge window, opened modally by a Shift-click on a point of the current curve.
TEST_F(MainWindowTest, ShiftClickNudgesThePointAndOkEndsIt) {
    ASSERT_TRUE(AppendPoint(state->Store, 1, 100, 100));
    TFormMoviPoint& nudge = *windows.FormMoviPoint;
    bool wasModal = false;
    QTimer::singleShot(0, &nudge, [&] {
        wasModal = QApplication::activeModalWidget() == &nudge;
        QTest::mouseClick(nudge.BitBtnUp, Qt::LeftButton);
        QTest::mouseClick(nudge.BitBtnLeft, Qt::LeftButton);
        QTest::mouseClick(nudge.BitBtnClose, Qt::LeftButton);
    });
    Click(view, {101, 99}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(state->Store.PointSelected);
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{99, 99}));
}

class SetupWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        setup = windows.FormSetup.get();
    }

    TFormSetup* setup = nullptr;
};

TEST_F(SetupWindow, OnTopReleasingStepXAndOnlyGoToMainLeavesRepaintingTheLineButtons) {
    Press(main->ButtonStepX);
    Press(main->ButtonViewSetup);
    EXPECT_TRUE(setup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    setup->activateWindow(); // releases step X
    ASSERT_TRUE(QTest::qWaitForWindowActive(setup));
    EXPECT_FALSE(main->ButtonStepX->isChecked());
    QTest::keyClick(setup, Qt::Key_Escape);
    EXPECT_TRUE(setup->isVisible());
    host.Colors = {TColor{0x00FF00}, TColor{0xFF0000}};
    QTest::mouseClick(setup->ButtonSetColor[0], Qt::LeftButton);
    QTest::mouseClick(setup->ButtonSetColor[4], Qt::LeftButton);
    EXPECT_EQ(setup->MetkaShape[4]->property("color").value<QColor>(), QColor(0, 0, 255));
    QTest::mouseClick(setup->ButtonGoToMain, Qt::LeftButton);
    EXPECT_EQ(main->SpeedButtonLine1->palette().color(QPalette::ButtonText), QColor(0, 255, 0));
    EXPECT_EQ(main->SpeedButtonLine5->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    EXPECT_FALSE(setup->isVisible());
}

// One control of each kind.
TEST_F(SetupWindow, ControlsWriteTheSettingsAndFollowThemWhenChangedElsewhere) {
    setup->RadioButtonScalaX[1]->click();
    setup->SpinEditDiametr->setValue(5);
    EXPECT_EQ(state->Setup.ScaleX, ScaleKind::Log10);
    EXPECT_EQ(state->Store.MarkRadius, 5);

    state->Setup.ScaleX = ScaleKind::None; // no button of the group
    state->Setup.ScaleY = ScaleKind::Ln;
    main->ControlsChanged();
    EXPECT_FALSE(setup->RadioButtonScalaX[1]->isChecked());
    EXPECT_TRUE(setup->RadioButtonScalaY[2]->isChecked());
    EXPECT_EQ(state->Setup.ScaleX, ScaleKind::None); // showing them changed nothing back
}

TEST_F(SetupWindow, ALanguageButtonTranslatesTheWindows) {
    state->Main.AppDir = QStringLiteral(LINEORA_RESOURCES);
    setup->RadioButtonSetEnglish->click();
    EXPECT_EQ(setup->ButtonGoToMain->text(), QStringLiteral("Back to the main window"));
    setup->RadioButtonSetRussian->click();
    EXPECT_EQ(setup->ButtonGoToMain->text(), QStringLiteral("Идти к основному окну"));
}

} // namespace
} // namespace lineora::test
