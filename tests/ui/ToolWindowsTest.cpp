// The tool windows around the picture: table, text output, paste, zoom, help, straightener and
// tracing. Their buttons reach the commands and show the results; what a command computes is
// the core's business.

#include "ui/WindowTestSupport.h"

#include "support/Files.h"

#include "ui/app/FormHelp.h"
#include "ui/curves/FormClipboard.h"
#include "ui/curves/FormTable.h"
#include "ui/photometry/FormOutText.h"
#include "ui/tracing/FormSwatch.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

namespace lineora::test {
namespace {

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

TEST_F(MainWindowTest, PasteWindowSaysWhenThereIsNoPictureAndTakesOverOne) {
    TformClipboard& paste = *windows.formClipboard;
    Press(main->ButtonCopyFromClipboard);
    EXPECT_EQ(host.Shown, QStringList{LoadMessage(state->Messages, "msgMessaga14")});
    host.Clipboard = WhitePicture(64, 48);
    main->menufromClipboard->trigger();
    EXPECT_EQ(paste.imgClipboard->pixmap().size(), QSize(64, 48));
    host.Clipboard = QImage(8, 8, QImage::Format_RGB32); // copied elsewhere meanwhile
    QTest::mouseClick(paste.ButtonOK, Qt::LeftButton);
    EXPECT_FALSE(paste.isVisible());
    EXPECT_EQ(view->size(), QSize(64, 48));
}

TEST_F(MainWindowTest, ZoomToggleShowsTheMagnifierOnTopAroundTheMouse) {
    TFormZoom& zoom = *windows.FormZoom;
    state->Pics.Working.setPixel(100, 100, qRgb(0, 0, 0));
    Press(main->SpeedButtonShowZoom);
    EXPECT_TRUE(zoom.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    MoveTo(view, {100, 100});
    // The picture pixel under the mouse is the block the crosshair runs through.
    EXPECT_EQ(zoom.Magnified().pixel(59, 59), qRgb(0, 0, 0));
    Press(main->SpeedButtonShowZoom);
    EXPECT_FALSE(zoom.isVisible());
}

TEST_F(MainWindowTest, ToolWindowClosedByItsCloseBoxComesBackFromItsMenuItemAndButton) {
    struct Toggle {
        QToolButton* Button;
        QAction* MenuItem;
        QWidget* Window;
    };
    for (const Toggle& toggle :
         {Toggle{main->SpeedButtonShowTable, main->menuShowTable, windows.FormTable.get()},
          Toggle{main->SpeedButtonShowZoom, main->menuShowZoom, windows.FormZoom.get()},
          Toggle{main->SpeedButtonShowInput, main->menuShowInput, windows.FormInput.get()}}) {
        SCOPED_TRACE(toggle.Window->objectName().toStdString());
        Press(toggle.Button);
        toggle.Window->close();
        Press(main->ButtonErazer);
        EXPECT_FALSE(toggle.Button->isChecked());
        toggle.MenuItem->trigger();
        EXPECT_TRUE(toggle.Window->isVisible());
        EXPECT_TRUE(toggle.Button->isChecked());
    }
}

TEST_F(MainWindowTest, HelpMenuShowsThePageOfTheChosenLanguageInItsOwnWindow) {
    QTemporaryDir folder;
    state->Main.AppDir = folder.path();
    state->Main.HelpFileName = QStringLiteral("lineora2_r.html");
    WriteBytes(folder.filePath(state->Main.HelpFileName),
               "<html><head><title>Help r</title></head><body>Page r</body>");
    main->MenuHelp->trigger();
    const auto* help = main->findChild<TFormHelp*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle() + help->Browser->toPlainText(), QStringLiteral("Help rPage r"));
}

TEST_F(MainWindowTest, PictureToolButtonsAndMenuRunTheirCommands) {
    Press(main->BitBtnRotateAlfa); // the X axis is level: nothing to turn, nothing asked
    EXPECT_TRUE(host.Shown.isEmpty());
    Press(main->ButtonClearImage);
    main->MenuClearGrafik->trigger();
    const QString keep = LoadMessage(state->Messages, QStringLiteral("msgMessaga13"));
    EXPECT_EQ(host.Shown, QStringList({keep, keep}));
}

TEST_F(MainWindowTest, StraightenerArrowsAndButtonsReachTheirCommands) {
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
}

class TracingWindows : public MainWindowTest {
protected:
    // Puts a drawing on the clean copy and shows it.
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
    state->Setup.FindColor = 0x00FF00;
    Draw({20, 100, 160, 1});
    TFormAvtomatColor& dialog = *windows.FormAvtomatColor;
    TColor shownColour = 0;
    QTimer::singleShot(0, &dialog, [&] {
        shownColour = swatch::ColourOf(dialog.ShapeLineGrafik);
        dialog.RadioButton2->setChecked(true);
        dialog.EditNumberPointForFind->setText(QStringLiteral("5"));
        dialog.ButtonFind->click();
        if (dialog.isVisible()) {
            dialog.ButtonCancel->click(); // ends the modal loop, so a failure cannot hang
        }
    });
    Press(main->ButtonFindByColor);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(shownColour, 0x00FF00u);
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
