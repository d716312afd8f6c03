// The windows around the picture: their controls reach the commands and show the state; what a
// command computes, and which keys a field takes, is the core's business.

#include "ui/WindowTestSupport.h"

#include "core/common/Color.h"
#include "support/DecimalCharGuard.h"
#include "ui/app/FormHelp.h"
#include "ui/curves/FormClipboard.h"
#include "ui/curves/FormTable.h"
#include "ui/photometry/FormOutText.h"

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

TEST_F(AxisInputWindow, FieldsTypeNumbersEnterAppliesThemAndMovesTheFocusRoundUnlessOneIsNone) {
    const DecimalCharGuard comma(QLatin1Char(','));
    Retype(input->EditMaxX, QStringLiteral("1.5.,"));
    EXPECT_EQ(state->Texts.MaxX, QStringLiteral("1,5"));
    QLineEdit* const round[] = {input->EditMinX, input->EditMaxY, input->EditMinY, input->EditMaxX,
                                input->EditMinX};
    input->EditMinX->setFocus();
    for (int k = 0; k < 4; ++k) {
        QTest::keyClick(round[k], Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), round[k + 1]) << k;
    }
    EXPECT_EQ(state->Cal.AxisXMax, 1.5L);

    Retype(input->EditMinY, QStringLiteral("-"));
    input->EditMinX->setFocus();
    QTest::keyClick(input->EditMinX, Qt::Key_Return);
    EXPECT_EQ(host.Shown.size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), input->EditMinX);

    // A text replaced behind the window shows at the next refresh.
    state->Texts.MaxY = QStringLiteral("2,5");
    Press(main->ButtonSetPoint);
    EXPECT_EQ(input->EditMaxY->text(), QStringLiteral("2,5"));
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

TEST_F(MainWindowTest, SetupOnTopReleasingStepXAndOnlyGoToMainLeavesRepaintingTheLineButtons) {
    TFormSetup* setup = windows.FormSetup.get();
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
    QTest::mouseClick(setup->ButtonGoToMain, Qt::LeftButton);
    EXPECT_EQ(main->SpeedButtonLine1->palette().color(QPalette::ButtonText), QColor(0, 255, 0));
    EXPECT_EQ(main->SpeedButtonLine5->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    EXPECT_FALSE(setup->isVisible());
}

// One control of each kind.
TEST_F(MainWindowTest, SetupControlsWriteTheSettingsAndFollowThemWhenChangedElsewhere) {
    TFormSetup* setup = windows.FormSetup.get();
    setup->RadioButtonScalaX[1]->click();
    setup->SpinEditDiametr->setValue(5);
    EXPECT_EQ(state->Setup.ScaleX, ScaleKind::Log10);
    EXPECT_EQ(state->Store.MarkRadius, 5);

    state->Setup.ScaleX = ScaleKind::None; // no button of the group
    main->ControlsChanged();
    EXPECT_FALSE(setup->RadioButtonScalaX[1]->isChecked());
    EXPECT_EQ(state->Setup.ScaleX, ScaleKind::None); // showing them changed nothing back
}

TEST_F(MainWindowTest, SetupALanguageButtonTranslatesTheWindowsAndPicksTheHelpPage) {
    TFormSetup* setup = windows.FormSetup.get();
    state->Main.AppDir = QStringLiteral(LINEORA_RESOURCES);
    setup->RadioButtonSetEnglish->click();
    EXPECT_EQ(setup->ButtonGoToMain->text(), QStringLiteral("Back to the main window"));
    main->MenuHelp->trigger();
    const auto* help = main->findChild<TFormHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Lineora help"));
    setup->RadioButtonSetRussian->click();
    EXPECT_EQ(setup->ButtonGoToMain->text(), QStringLiteral("Идти к основному окну"));
}

TEST_F(MainWindowTest, AClickShowsInTheTableAndTheTextOutputWhoseEditedTextCopyExports) {
    state->Setup.Separator = SeparatorChoice::Point;
    Press(main->SpeedButtonShowTable);
    Press(main->SpeedButtonViewText);
    // 80 pixels right of and above the zero point: X 50 of 100, Y 5 of 10.
    Click(view, {100, 100});
    const auto* table = windows.FormTable->findChild<QTableView*>("Tabl");
    EXPECT_EQ(table->model()->index(0, 1).data().toString(), QStringLiteral("50"));
    // Typed into the text output window, not the main window whose key filter takes keys.
    windows.FormOutText->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows.FormOutText.get()));
    auto* memo = windows.FormOutText->findChild<QPlainTextEdit*>("MemoTextOut");
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, QStringLiteral("x\ty"));
    QTest::keyClick(memo, Qt::Key_Return);
    Press(main->ButtonCopyToClipboard);
    EXPECT_EQ(host.ClipboardText, QStringLiteral("x\ty\r\n     5.000E+001\t     5.000E+000\r\n"));
}

// A new text replaces only the lines that changed; whatever changed, the memo must end up
// holding exactly the new text, lines broken at CR LF, LF or a lone CR.
TEST(TextOutputWindow, ShowsEachNewTextExactly) {
    TFormOutText window;
    window.show();
    const auto show = [&](const char* text) {
        window.ShowText(QString::fromLatin1(text));
        QString expected = QString::fromLatin1(text);
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        expected.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        EXPECT_EQ(window.MemoTextOut->toPlainText(), expected) << text;
    };
    for (const char* text :
         {"a\r\nb\r\nc\r\n", "a\r\nx\r\nb\r\nc\r\n", "a\r\nb\r\nc\r\n", "z\r\nb\r\nc\r\n",
          "z\r\nb\r\nc\r\nd\r\n", "z\r\nb\r\n", "b\r\nb\r\nb\r\n", "b\nb\r\nq", "b\r\n",
          "b\r\n\r\nx", "", "p\rq\r\nr", "p\r\nq", "a\r\nb\r\nc\r\n"}) {
        show(text);
    }
    // What the user typed is what the next text replaces.
    window.MemoTextOut->moveCursor(QTextCursor::Start);
    QTest::keyClicks(window.MemoTextOut, QStringLiteral("k"));
    show("a\r\nb\r\nd\r\n");
}

TEST_F(MainWindowTest, PasteWindowTakesOverThePictureItShows) {
    TformClipboard& paste = *windows.formClipboard;
    host.Clipboard = WhitePicture(64, 48);
    Press(main->ButtonCopyFromClipboard);
    EXPECT_EQ(paste.imgClipboard->pixmap().size(), QSize(64, 48));
    host.Clipboard = QImage(8, 8, QImage::Format_RGB32); // copied elsewhere meanwhile
    QTest::mouseClick(paste.ButtonOK, Qt::LeftButton);
    EXPECT_FALSE(paste.isVisible());
    EXPECT_EQ(view->size(), QSize(64, 48));
}

TEST_F(MainWindowTest, ZoomToggleShowsTheMagnifierAroundTheMouse) {
    TFormZoom& zoom = *windows.FormZoom;
    state->Pics.Working.setPixel(100, 100, qRgb(0, 0, 0));
    Press(main->SpeedButtonShowZoom);
    MoveTo(view, {100, 100});
    // The picture pixel under the mouse is the block the crosshair runs through.
    EXPECT_EQ(zoom.Magnified().pixel(59, 59), qRgb(0, 0, 0));
}

TEST_F(MainWindowTest, ToolWindowClosedByItsCloseBoxComesBackFromItsMenuItemAndButton) {
    for (const auto& toggle :
         {std::tuple<QToolButton*, QAction*, QWidget*>{
              main->SpeedButtonShowTable, main->menuShowTable, windows.FormTable.get()},
          {main->SpeedButtonShowZoom, main->menuShowZoom, windows.FormZoom.get()},
          {main->SpeedButtonShowInput, main->menuShowInput, windows.FormInput.get()}}) {
        const auto& [button, menuItem, window] = toggle;
        SCOPED_TRACE(window->objectName().toStdString());
        Press(button);
        window->close();
        Press(main->ButtonErazer);
        EXPECT_FALSE(button->isChecked());
        menuItem->trigger();
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(button->isChecked());
    }
}

TEST_F(MainWindowTest, PictureToolsAndTheStraightenerReachTheirCommands) {
    TFormVygibatel& form = *windows.FormVygibatel;
    const QImage before = state->Pics.Working;
    Press(main->SpeedButtonVigibatel);
    QTest::mouseClick(form.SpinButtonkrivizna->DownButton, Qt::LeftButton);
    QTest::mouseClick(form.SpinButton1->UpButton, Qt::LeftButton);
    EXPECT_EQ(form.Labelkrivizna->text() + form.LabelRazdel->text(), QStringLiteral("57027"));
    QTest::mouseClick(form.ButtonClose, Qt::LeftButton);
    EXPECT_EQ(state->Pics.Working, before);

    Press(main->SpeedButtonVigibatel);
    host.Answers = {Host::Answer::Yes};
    QTest::mouseClick(form.ButtonVigibatel, Qt::LeftButton);
    EXPECT_GT(state->Pics.Clean.width(), 200);

    Press(main->BitBtnRotateAlfa); // the X axis is level: nothing to turn, nothing asked
    Press(main->ButtonClearImage);
    main->MenuClearGrafik->trigger();
    const QString keep = LoadMessage(state->Messages, QStringLiteral("msgMessaga13"));
    EXPECT_EQ(host.Shown.mid(1), QStringList({keep, keep})); // after the straightener's question
}

class TracingWindows : public MainWindowTest {
protected:
    void Draw(QRect box, QColor colour = Qt::black) {
        FillBox(state->Pics.Clean, box, colour);
        RedrawPicture(*state, *main);
    }
};

TEST_F(TracingWindows, PipettePicksTheCurveColourIntoTheSwatches) {
    constexpr TColor kCurve = 0x1E140A; // red 10, green 20, blue 30
    state->Setup.FindColor = 0x0000FF;
    Draw({50, 60, 1, 1}, QColor(10, 20, 30));
    TFormInputColor& picking = *windows.FormInputColor;
    Press(main->ButtonInputColor);
    EXPECT_EQ(picking.LineColour(), 0x0000FFu);
    MoveTo(view, {50, 60});
    EXPECT_EQ(picking.EditRedComp->text(), "10");
    Click(view, {50, 60});
    QTest::mouseClick(picking.ShapeLineGrafik, Qt::LeftButton);
    EXPECT_EQ(state->Setup.Special2Color, kCurve); // at once, before OK
    picking.ButtonOk->click();
    EXPECT_EQ(state->Setup.FindColor, kCurve);
    EXPECT_EQ(state->Main.ToolMode, Tool::SetPoint);
}

TEST_F(TracingWindows, TracingDialogFindsTheCurveAndCloses) {
    Draw({20, 100, 160, 1});
    TFormAvtomatColor& dialog = *windows.FormAvtomatColor;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.RadioButton2->setChecked(true);
        dialog.EditNumberPointForFind->setText(QStringLiteral("5"));
        dialog.ButtonFind->click();
        if (dialog.isVisible()) {
            dialog.ButtonCancel->click(); // ends the modal loop, so a failure cannot hang
        }
    });
    Press(main->ButtonFindByColor);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(state->Store.LineNext[1], 6); // five points
}

TEST_F(TracingWindows, AutomaticDigitizingUsesTheSetupDialogsThreshold) {
    // Axes at column 30 and row 170, a two-pixel curve at rows 100 and 101.
    Draw({30, 20, 1, 151});
    Draw({30, 170, 170, 1});
    Draw({35, 100, 165, 2});
    host.Answers = {Host::Answer::Yes, Host::Answer::Yes};
    windows.FormAvtomat->SpinEditSummaOkr->setValue(7); // takes nothing
    main->MenuAvtomat->trigger();
    EXPECT_EQ(state->Store.LineNext[1], 1);
    main->MenuAvtomatSetup->trigger();
    windows.FormAvtomat->SpinEditSummaOkr->setValue(3);
    windows.FormAvtomat->ButtonWorkAvtomat->click();
    EXPECT_EQ(state->Store.LineNext[1], 10); // columns 65, 80, ... 185
}

} // namespace
} // namespace lineora::test
