#include "ui/WindowTestSupport.h"

#include "support/DecimalCharGuard.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace lineora::test {
namespace {

class AxisInputWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        input = windows.FormInput.get();
        Press(main->SpeedButtonShowInput);
        ASSERT_TRUE(input->isVisible());
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

// Which keys a field takes is decided by the numeric key filter; here only that the fields use
// it, see the text without the selection it replaces, and pass what they hold on.
TEST_F(AxisInputWindow, FieldsTypeOnlyWhatCanBecomeANumber) {
    const DecimalCharGuard comma(QLatin1Char(','));
    Retype(input->EditMaxX, QStringLiteral("1.5.,"));
    EXPECT_EQ(input->EditMaxX->text(), QStringLiteral("1,5"));
    EXPECT_EQ(state->Texts.MaxX, QStringLiteral("1,5"));

    Retype(input->EditMinY, QStringLiteral("5-"));
    EXPECT_EQ(input->EditMinY->text(), QStringLiteral("5"));
    input->EditMinY->selectAll();
    QTest::keyClicks(input->EditMinY, QStringLiteral("-7a +E"));
    EXPECT_EQ(state->Texts.MinY, QStringLiteral("-7"));
    QTest::keyClick(input->EditMinY, Qt::Key_Backspace);
    EXPECT_EQ(state->Texts.MinY, QStringLiteral("-"));
    // Shortcuts stay the edit's: Ctrl+A selects the text, which the next digit replaces.
    QTest::keyClick(input->EditMinY, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(input->EditMinY, QStringLiteral("3"));
    EXPECT_EQ(state->Texts.MinY, QStringLiteral("3"));
}

TEST_F(AxisInputWindow, EnterAppliesTheFieldsAndMovesTheFocusRoundUnlessOneIsNoNumber) {
    Retype(input->EditMaxX, QStringLiteral("40"));
    const std::pair<QLineEdit*, QLineEdit*> order[] = {{input->EditMinX, input->EditMaxY},
                                                       {input->EditMaxY, input->EditMinY},
                                                       {input->EditMinY, input->EditMaxX},
                                                       {input->EditMaxX, input->EditMinX}};
    input->EditMinX->setFocus();
    for (const auto& [from, to] : order) {
        ASSERT_EQ(QApplication::focusWidget(), from) << from->objectName().toStdString();
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), to) << from->objectName().toStdString();
    }
    EXPECT_EQ(state->Cal.AxisXMax, 40.0);
    EXPECT_TRUE(host.Shown.isEmpty());

    Retype(input->EditMaxX, QStringLiteral("50"));
    Retype(input->EditMinY, QStringLiteral("-"));
    input->EditMinX->setFocus();
    QTest::keyClick(input->EditMinX, Qt::Key_Return);
    ASSERT_EQ(host.Shown.size(), 1);
    EXPECT_TRUE(host.Shown.front().contains(QLatin1Char('-')));
    EXPECT_EQ(QApplication::focusWidget(), input->EditMinX);
    // MaxX comes before MinY in the reading order, so it is applied.
    EXPECT_EQ(state->Cal.AxisXMax, 50.0);
}

TEST_F(AxisInputWindow, TheChartKindButtonsSwitchTheFieldsAndEnterTakesThePolarRadius) {
    TFormSetup& setup = *windows.FormSetup;
    setup.RadioButtonCircleCurve->click();
    EXPECT_TRUE(input->EditMinX->isHidden());
    EXPECT_TRUE(input->EditMaxY->isHidden());
    ASSERT_FALSE(input->EditPolarMaxX->isHidden());

    Retype(input->EditPolarMaxX, QStringLiteral("7.5"));
    input->EditPolarMaxX->setFocus();
    QTest::keyClick(input->EditPolarMaxX, Qt::Key_Return);
    EXPECT_EQ(state->Cal.AxisPolarMax, 7.5L);
    EXPECT_EQ(QApplication::focusWidget(), input->EditPolarMaxX);

    setup.RadioButtonNormalCurve->click();
    EXPECT_FALSE(input->EditMinX->isHidden());
    EXPECT_FALSE(input->EditMaxY->isHidden());
    EXPECT_TRUE(input->EditPolarMaxX->isHidden());
}

TEST_F(AxisInputWindow, FieldsShowTextsReplacedBehindThem) {
    state->Texts.MaxY = QStringLiteral("2,5");
    Press(main->ButtonSetPoint);
    EXPECT_EQ(input->EditMaxY->text(), QStringLiteral("2,5"));
}

// The nudge window, opened modally by a Shift-click on a point of the current curve; OK and
// Escape both end it. What a step does is the nudge commands' business.
TEST_F(MainWindowTest, ShiftClickNudgesThePointAndOkOrEscapeEndsIt) {
    ASSERT_TRUE(AppendPoint(state->Store, 1, 100, 100));
    TFormMoviPoint& nudge = *windows.FormMoviPoint;
    bool wasModalOnTop = false;
    QTimer::singleShot(0, &nudge, [&] {
        wasModalOnTop = QApplication::activeModalWidget() == &nudge &&
                        nudge.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        QTest::mouseClick(nudge.BitBtnUp, Qt::LeftButton);
        QTest::mouseClick(nudge.BitBtnLeft, Qt::LeftButton);
        QTest::mouseClick(nudge.BitBtnClose, Qt::LeftButton);
    });
    Click(view, {101, 99}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(wasModalOnTop);
    EXPECT_FALSE(nudge.isVisible());
    EXPECT_FALSE(state->Store.PointSelected);
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{99, 99}));

    bool closedByEscape = false;
    QTimer::singleShot(0, &nudge, [&] {
        QTest::mouseClick(nudge.BitBtnRight, Qt::LeftButton);
        nudge.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&nudge));
        QTest::keyClick(&nudge, Qt::Key_Escape);
        closedByEscape = !nudge.isVisible();
        if (!closedByEscape) {
            nudge.hide(); // ends the modal loop, so a failure cannot hang the run
        }
    });
    Click(view, {99, 99}, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(closedByEscape);
    EXPECT_FALSE(state->Store.PointSelected);
    EXPECT_EQ(StoredPoint(1, 1), (PicturePoint{100, 99}));
}

} // namespace
} // namespace lineora::test
